#include "worker/PageDrawing.h"

#include <poppler/PDFDoc.h>
#include <poppler/SplashOutputDev.h>
#include <poppler/Stream.h>
#include <poppler/goo/gmem.h>
#include <poppler/splash/SplashBitmap.h>

#include <QSysInfo>

#include <utility>

PageDrawing::PageDrawing(const QByteArray &bytes, const std::optional<QByteArray> &password)
{
    // The Qt binding hands Poppler the password up to its first NUL, as owner and
    // user password both.
    std::optional<GooString> key;
    if (password) {
        key.emplace(password->constData());
    }
    m_document = std::make_unique<PDFDoc>(
        new MemStream(bytes.constData(), 0, bytes.size(), Object(objNull)), key, key);
    if (!m_document->isOk()) {
        return;
    }
    SplashColor white = {255, 255, 255};
    m_device = std::make_unique<SplashOutputDev>(splashModeXBGR8, 4, false, white, true,
                                                 splashThinLineDefault, false);
    // Set before startDoc, which makes the font engine with them.
    m_device->setFontAntialias(true);
    m_device->setVectorAntialias(true);
    m_device->setFreeTypeHinting(false, false);
    m_device->startDoc(m_document.get());
}

PageDrawing::~PageDrawing() = default;

QSizeF PageDrawing::displayedSize(int index)
{
    Page *page = m_device && index >= 0 && index < m_document->getNumPages()
                     ? m_document->getPage(index + 1)
                     : nullptr;
    if (!page) {
        return {};
    }
    const int rotate = page->getRotate();
    return rotate == 90 || rotate == 270 ? QSizeF(page->getCropHeight(), page->getCropWidth())
                                         : QSizeF(page->getCropWidth(), page->getCropHeight());
}

QImage PageDrawing::draw(int index, double dpi, int turn, QSize pixels)
{
    if (!m_device || index < 0 || index >= m_document->getNumPages() ||
        !m_document->getPage(index + 1)) {
        return {};
    }
    m_document->displayPageSlice(m_device.get(), index + 1, dpi, dpi, turn, false, true, false, 0,
                                 0, pixels.width(), pixels.height());
    // The device makes a new bitmap for its next page; this one becomes the picture.
    const std::unique_ptr<SplashBitmap> bitmap(m_device->takeBitmap());
    if (bitmap->getWidth() != pixels.width() || bitmap->getHeight() != pixels.height() ||
        !bitmap->convertToXBGR(SplashBitmap::conversionOpaque)) {
        return {};
    }
    const int rowSize = bitmap->getRowSize();
    SplashColorPtr data = bitmap->takeData();
    if (!data) {
        return {};
    }
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        // Splash stores blue, green, red, pad; RGB32 is one native word.
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                SplashColorPtr pixel = data + qsizetype(y) * rowSize + x * 4;
                std::swap(pixel[0], pixel[3]);
                std::swap(pixel[1], pixel[2]);
            }
        }
    }
    QImage image(data, pixels.width(), pixels.height(), rowSize, QImage::Format_RGB32, gfree, data);
    if (image.isNull()) {
        gfree(data);
    }
    return image;
}
