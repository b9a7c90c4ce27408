#pragma once

// Small helpers for writing PDF content and objects with qpdf on the engine's thread.

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QByteArray>
#include <QSize>
#include <QSizeF>

#include <algorithm>
#include <string>

namespace PdfSyntax {

// A number as content-stream text: fixed notation, no exponent, no trailing zeros.
inline std::string number(double value)
{
    QByteArray text = QByteArray::number(value, 'f', 5);
    if (text.contains('.')) {
        while (text.endsWith('0')) {
            text.chop(1);
        }
        if (text.endsWith('.')) {
            text.chop(1);
        }
    }
    if (text == "-0") {
        text = "0";
    }
    return text.toStdString();
}

// "a b c d e f cm" for the matrix [a b c d e f].
inline std::string matrix(double a, double b, double c, double d, double e, double f)
{
    return number(a) + ' ' + number(b) + ' ' + number(c) + ' ' + number(d) + ' ' + number(e)
        + ' ' + number(f) + " cm";
}

// A rectangle with its corners in order, whatever order the file gave them in.
inline QPDFObjectHandle::Rectangle normalized(const QPDFObjectHandle::Rectangle &r)
{
    return {std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx),
            std::max(r.lly, r.ury)};
}

// An image XObject dictionary of 8 bits per component.
inline QPDFObjectHandle imageDictionary(int width, int height, const char *colorSpace)
{
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
    dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName(colorSpace));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    return dict;
}

// Appends a page of `points` filled by one RGB JPEG picture of `pixels`.
inline void addJpegPage(QPDF &pdf, const std::string &jpeg, QSize pixels, QSizeF points)
{
    QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
    image.replaceDict(imageDictionary(pixels.width(), pixels.height(), "/DeviceRGB"));
    image.replaceStreamData(jpeg, QPDFObjectHandle::newName("/DCTDecode"), QPDFObjectHandle::newNull());
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/Im0", image);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);

    const double w = points.width();
    const double h = points.height();
    QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, w, h)));
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents",
                    QPDFObjectHandle::newStream(&pdf, "q " + matrix(w, 0, 0, h, 0, 0) + " /Im0 Do Q\n"));
    pdf.addPage(page, false);
}

} // namespace PdfSyntax
