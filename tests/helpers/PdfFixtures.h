#pragma once

// PDFs and pictures made by the tests themselves, with qpdf and QImage.

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace Fixtures {

struct Page
{
    QSizeF size{595, 842};  // media box in points
    int rotate = 0;         // the page's own /Rotate
    QString text;           // drawn in Helvetica 24 pt near the top left; empty: no text
    QSizeF cropInset{0, 0}; // a crop box this much smaller on each side, when non-zero
};

struct Protection
{
    QString userPassword;
    QString ownerPassword; // the user password when empty
};

// Writes a PDF with these pages; AES-256 protected when `protection` has a user
// password. Returns false when qpdf refuses.
bool writePdf(const QString &path, const QList<Page> &pages, const Protection &protection = {});

// `count` A4 portrait pages whose text is "Page 1", "Page 2", ...
bool writeNumberedPdf(const QString &path, int count, const Protection &protection = {});

// A PDF of `count` A4 pages drawn by `paint` (page index from 0) with Qt's own
// PDF writer, in points from the top left: text in embedded fonts, shapes and
// pictures as a real document has them.
bool writePaintedPdf(const QString &path, int count,
                     const std::function<void(QPainter &, int page)> &paint);

// A picture filled with a colour and a dark diagonal, saved by extension.
bool writePicture(const QString &path, QSize size, QColor fill = QColor(200, 220, 240));

// The bytes of `path`, for tests that truncate or damage files.
QByteArray readAll(const QString &path);
bool writeAll(const QString &path, const QByteArray &bytes);

} // namespace Fixtures
