#include "platform/FileKinds.h"

#include <QFileInfo>
#include <QMimeDatabase>

std::optional<FileKind> fileKindOf(const QUrl &url)
{
    const QString suffix = QFileInfo(url.path()).suffix().toLower();
    if (suffix.isEmpty()) {
        return std::nullopt;
    }
    static const QMimeDatabase database;
    const QMimeType type =
        database.mimeTypeForFile(QStringLiteral("x.") + suffix, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return std::nullopt;
    }
    if (type.inherits(QStringLiteral("application/pdf"))) {
        return FileKind::Pdf;
    }
    if (type.name().startsWith(QLatin1String("image/"))) {
        return FileKind::Picture;
    }
    return std::nullopt;
}

QStringList fileKindPatterns(const QList<FileKind> &kinds)
{
    static const QMimeDatabase database;
    QStringList patterns;
    for (const FileKind kind : kinds) {
        if (kind == FileKind::Pdf) {
            patterns += database.mimeTypeForName(QStringLiteral("application/pdf")).globPatterns();
            continue;
        }
        for (const QMimeType &type : database.allMimeTypes()) {
            if (type.name().startsWith(QLatin1String("image/"))) {
                patterns += type.globPatterns();
            }
        }
    }
    patterns.removeDuplicates();
    return patterns;
}
