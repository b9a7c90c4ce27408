#include "look/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

#include <memory>

namespace {

struct Entry
{
    Symbol symbol;
    const char *name; // a theme name, or a path in our resources when it starts with ':'
};

constexpr Entry entries[] = {
    {Symbol::Home, "go-home-symbolic"},
    {Symbol::Add, "list-add-symbolic"},
    {Symbol::Close, "window-close-symbolic"},
    {Symbol::Document, "x-office-document-symbolic"},
    {Symbol::Pictures, "image-x-generic-symbolic"},
    {Symbol::Merge, ":/tamsel/merge-stack.svg"},
    {Symbol::Signature, ":/tamsel/signature.svg"},
    {Symbol::Stamp, ":/tamsel/stamp.svg"},
    {Symbol::QrViewfinder, ":/tamsel/qr-viewfinder.svg"},
    {Symbol::DropDocument, ":/tamsel/document-drop.svg"},
    {Symbol::Compress, ":/tamsel/compress.svg"},
    {Symbol::Split, "edit-cut-symbolic"},
    {Symbol::ImagesToPdf, ":/tamsel/images-to-pdf.svg"},
    {Symbol::Lock, "changes-prevent-symbolic"},
    {Symbol::Info, "help-about-symbolic"},
    {Symbol::Warning, "dialog-warning-symbolic"},
    {Symbol::Danger, "dialog-error-symbolic"},
    {Symbol::Heart, "emblem-favorite-symbolic"},
    {Symbol::RotateLeft, "object-rotate-left-symbolic"},
    {Symbol::RotateRight, "object-rotate-right-symbolic"},
    {Symbol::Trash, "user-trash-symbolic"},
    {Symbol::More, "view-more-horizontal-symbolic"},
    {Symbol::LockOutline, ":/tamsel/lock.svg"},
    {Symbol::CheckmarkCircle, ":/tamsel/checkmark-circle.svg"},
    {Symbol::Documents, ":/tamsel/documents.svg"},
    {Symbol::Sidebar, "sidebar-show-symbolic"},
};

QIcon sourceIcon(const QString &name)
{
    if (name.startsWith(QLatin1Char(':'))) {
        return QIcon(name);
    }
    return QIcon::fromTheme(name);
}

// Paints the source shape in one colour: keeps its alpha, replaces its colours.
class TintedIconEngine : public QIconEngine
{
public:
    TintedIconEngine(QIcon source, QColor color)
        : m_source(std::move(source))
        , m_color(color)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, pm);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pm = m_source.pixmap(size, scale, QIcon::Normal, state);
        if (pm.isNull()) {
            return pm;
        }
        {
            QPainter p(&pm);
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(pm.rect(), m_color);
        }
        if (mode != QIcon::Disabled) {
            return pm;
        }
        QPixmap faded(pm.size());
        faded.setDevicePixelRatio(pm.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter p(&faded);
        p.setOpacity(0.4);
        p.drawPixmap(0, 0, pm);
        return faded;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new TintedIconEngine(m_source, m_color); }
    QString key() const override { return QStringLiteral("TintedIconEngine"); }
    bool isNull() override { return m_source.isNull(); }

private:
    QIcon m_source;
    QColor m_color;
};

} // namespace

namespace Icons {

void setUp()
{
    // Platforms without a desktop theme (offscreen, minimal) search only our
    // own resources; add the system's icon folders so the theme is found.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir(data).filePath(QStringLiteral("icons"));
        if (!paths.contains(folder) && QFileInfo(folder).isDir()) {
            paths.append(folder);
        }
    }
    QIcon::setThemeSearchPaths(paths);

    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == QLatin1String("hicolor")) {
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
    if (QIcon::fallbackThemeName().isEmpty()) {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    }
}

QString source(Symbol symbol)
{
    for (const Entry &entry : entries) {
        if (entry.symbol == symbol) {
            return QString::fromLatin1(entry.name);
        }
    }
    return {};
}

QIcon icon(Symbol symbol, QColor color)
{
    return icon(source(symbol), color);
}

QIcon icon(const QString &source, QColor color)
{
    QIcon base = sourceIcon(source);
    if (base.isNull()) {
        return {};
    }
    return QIcon(new TintedIconEngine(std::move(base), color));
}

} // namespace Icons
