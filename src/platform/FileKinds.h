#pragma once

// Which files the program opens, told by the file name's extension alone; the
// contents are not looked at.

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

enum class FileKind { Pdf, Picture };

// PDF when the lower-cased extension names a PDF type, picture when it names an
// image type; nothing for every other file.
std::optional<FileKind> fileKindOf(const QUrl &url);

// Name filters for file dialogs, such as "*.pdf *.png ...", for the given kinds.
QStringList fileKindPatterns(const QList<FileKind> &kinds);
