#pragma once

// The symbols of the application's own screens. Those with a standard
// freedesktop name come from the icon theme; the rest are our own drawings
// under resources/icons. Both are single-colour shapes that we tint.

#include <QColor>
#include <QIcon>
#include <QString>

enum class Symbol {
    Home,
    Add,
    Close,
    Document,
    Pictures,
    Merge,
    Signature,
    Stamp,
    QrViewfinder,
    DropDocument,
    Compress,
    Split,
    ImagesToPdf,
    Lock,
    Info,
    Warning,
    Danger,
    Heart,
    RotateLeft,
    RotateRight,
    Trash,
    More,
    LockOutline,
    CheckmarkCircle,
    Documents,
    Sidebar,
};

namespace Icons {

// Falls back to Adwaita when the desktop names no icon theme (or only the bare
// hicolor one), so the standard names resolve everywhere.
void setUp();

// The theme name or resource path a symbol is drawn from.
QString source(Symbol symbol);

// The symbol in `color` at any size; disabled looks fade it to 40 %. Empty
// when neither the theme nor our resources have it.
QIcon icon(Symbol symbol, QColor color);
// The same for a source named directly: a theme name, or a resource path
// starting with ':'.
QIcon icon(const QString &source, QColor color);

} // namespace Icons
