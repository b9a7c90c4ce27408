#pragma once

// Inputs and checks for the tests of the engine's output: PDFs full of images,
// opened sources for a build, and the checks every output goes through.

#include "platform/Async.h"
#include "platform/SharedBytes.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QPDF;
namespace Poppler {
class Document;
}

namespace Fixtures {

// A build's output as a byte array of its own, for the checks below.
inline Result<QByteArray> copied(const Result<SharedBytes> &built)
{
    if (!built) {
        return built.error();
    }
    return QByteArray(built->data(), built->size());
}

// How an image is stored in a fixture PDF.
enum class ImageKind {
    Jpeg,           // DCT, RGB
    JpegGray,       // DCT, grey
    Flate,          // RGB pixels, Flate
    ImageMask,      // 1-bit stencil mask
    Cmyk,           // DeviceCMYK pixels, Flate
    Palette,        // 8-bit indices into 256 RGB colours, Flate
    Rgb16,          // RGB pixels of 16 bits, Flate
    Jpx,            // JPEG 2000 (JP2), RGB, no colour space in the dictionary
    Bilevel,        // 1-bit grey pixels, Flate
    Gray4,          // 4-bit grey pixels, Flate
    PngPredicted,   // RGB pixels, Flate over PNG row filters of every type
    Broken,         // a DCT stream that is not a JPEG
    SameAsPrevious, // the previous page's image object again
};

struct ImagePage
{
    QSize pixels{1200, 900};
    ImageKind kind = ImageKind::Jpeg;
    int jpegQuality = 92;
    QSizeF size{595, 842}; // the page; the image fills it
    std::string
        extraKeys{}; // a dictionary whose keys are added to the image's, e.g. "<< /Decode [1 0] >>"
    bool softMask = false; // a soft mask of the image's size (a vignette)
    bool matte = false;    // ... with /Matte [1 1 1], the colours blended towards white by it
    QString text{};        // drawn over the image in Helvetica, when not empty
};

// A picture with the texture of a photograph (gradients, shapes, grain), the
// same for the same seed.
QImage photoLike(QSize size, int seed);

// A PDF with one image per page, filling the page.
bool writeImagePdf(const QString &path, const QList<ImagePage> &pages);

// A copy of `input` protected with AES-256 by `password` (user and owner).
bool writeProtectedCopy(const QString &input, const QString &output, const QString &password);

// Sources opened with qpdf, as the engine's cache holds them.
class OpenedSources
{
public:
    OpenedSources();
    ~OpenedSources();
    // Opens a file (a password unlocks it); false when qpdf cannot read it.
    bool open(const QString &path, const QString &password = {});
    void close(const QString &path);
    // The lookup a build takes: null for files not open.
    std::function<QPDF *(const QUrl &)> lookup();

private:
    std::map<QUrl, std::unique_ptr<QPDF>> m_sources;
};

// qpdf's own check of a PDF: empty when the file is sound, else what qpdf says.
QString qpdfCheckFailure(const QByteArray &pdf, const QString &password = {});

// The PDF opened with Poppler; null when Poppler cannot open it or it stays locked.
std::unique_ptr<Poppler::Document> popplerOpen(const QByteArray &pdf, const QString &password = {});

// The text Poppler reads on a page, with runs of white space made single spaces.
QString popplerText(Poppler::Document &document, int page);

} // namespace Fixtures
