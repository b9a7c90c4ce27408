#pragma once

// PDFs written byte by byte, for shapes no well-behaved writer produces: page
// trees that lie about their size, unknown encryption, no pages at all.

#include <QByteArray>
#include <QList>
#include <QString>

namespace Fixtures {

// A PDF whose objects 1..n are `objects` in order, with a correct cross-reference
// table; the trailer's /Root is object 1 and `trailerExtra` is added to it.
QByteArray handMadePdf(const QList<QByteArray> &objects, const QByteArray &trailerExtra = {});

// Rewrites the PDF at `source` to `target` protected the way older writers did
// (128-bit AES, revision 4), with the password stored as these exact bytes.
bool writeLegacyProtectedPdf(const QString &source, const QString &target,
                             const QByteArray &password);

// A one-page PDF with one attachment, whose encryption covers only attached
// files (/EFF, opened by /EFOpen): readers show it without a password, but
// qpdf reads it only with `password`.
QByteArray attachmentsOnlyProtectedPdf(const QByteArray &password);

// A PNG header that claims `width` x `height` pixels and holds a few bytes of data.
QByteArray pngClaiming(quint32 width, quint32 height);

} // namespace Fixtures
