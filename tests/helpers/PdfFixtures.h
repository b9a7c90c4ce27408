#pragma once

// PDFs and pictures made by the tests themselves, with qpdf and QImage.

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

namespace Fixtures {

struct Page
{
    QSizeF size{595, 842}; // media box in points
    int rotate = 0;        // the page's own /Rotate
    QString text;          // drawn in Helvetica 24 pt near the top left; empty: no text
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

// A picture filled with a colour and a dark diagonal, saved by extension.
bool writePicture(const QString &path, QSize size, QColor fill = QColor(200, 220, 240));

// The bytes of `path`, for tests that truncate or damage files.
QByteArray readAll(const QString &path);
bool writeAll(const QString &path, const QByteArray &bytes);

} // namespace Fixtures
