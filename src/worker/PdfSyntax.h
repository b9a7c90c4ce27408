#pragma once

// Small helpers for writing PDF content and objects with qpdf, on the worker's job thread.

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QByteArray>
#include <QSize>
#include <QSizeF>

#include <algorithm>
#include <string>
#include <vector>

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
    return number(a) + ' ' + number(b) + ' ' + number(c) + ' ' + number(d) + ' ' + number(e) + ' ' +
           number(f) + " cm";
}

// A rectangle with its corners in order, whatever order the file gave them in.
inline QPDFObjectHandle::Rectangle normalized(const QPDFObjectHandle::Rectangle &r)
{
    return {std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx),
            std::max(r.lly, r.ury)};
}

// Whether decoding `stream` stays within what any real image needs. A
// predictor's row is colours × columns × bits per component wide; qpdf sizes
// its buffers by those numbers before it reads a byte, so a few hundred bytes
// of file can claim gigabytes. Call before anything asks qpdf to decode.
inline bool plausibleDecodeParameters(QPDFObjectHandle stream)
{
    if (!stream.isStream()) {
        return true;
    }
    QPDFObjectHandle parms = stream.getDict().getKey("/DecodeParms");
    std::vector<QPDFObjectHandle> all;
    if (parms.isArray()) {
        all = parms.getArrayAsVector();
    } else {
        all.push_back(parms);
    }
    const auto value = [](QPDFObjectHandle dict, const char *key, long long fallback) {
        QPDFObjectHandle item = dict.getKey(key);
        return item.isInteger() ? item.getIntValue() : fallback;
    };
    for (QPDFObjectHandle &dict : all) {
        if (!dict.isDictionary()) {
            continue;
        }
        const long long colors = value(dict, "/Colors", 1);
        const long long bits = value(dict, "/BitsPerComponent", 8);
        const long long columns = value(dict, "/Columns", 1);
        // 32 colours of 16 bits over a million columns: beyond any real picture.
        if (colors < 1 || colors > 32 || bits < 1 || bits > 16 || columns < 1 ||
            columns > 1'000'000) {
            return false;
        }
    }
    return true;
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
    image.replaceStreamData(jpeg, QPDFObjectHandle::newName("/DCTDecode"),
                            QPDFObjectHandle::newNull());
    QPDFObjectHandle xobjects = QPDFObjectHandle::newDictionary();
    xobjects.replaceKey("/Im0", image);
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);

    const double w = points.width();
    const double h = points.height();
    QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox",
                    QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, w, h)));
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "q " + matrix(w, 0, 0, h, 0, 0) +
                                                                       " /Im0 Do Q\n"));
    pdf.addPage(page, false);
}

} // namespace PdfSyntax
