#pragma once

// Small helpers for writing PDF content and objects with qpdf on the engine's thread.

#include <qpdf/QPDFObjectHandle.hh>

#include <QByteArray>

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

} // namespace PdfSyntax
