#include "stampviews/SignPageArea.h"

#include "look/Spinner.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "stampviews/PlacedStamp.h"
#include "views/PageImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr int spinnerSide = 24;

bool isDeleteKey(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace;
}

// Lies exactly over the drawn page and holds its stamps; a press that no
// stamp takes falls through to it.
class PageSurface : public QWidget
{
public:
    explicit PageSurface(SignPageArea *area)
        : QWidget(area)
        , m_area(area)
    {
        setObjectName(QStringLiteral("pageSurface"));
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton) {
            emit m_area->pagePressed();
        }
    }

private:
    SignPageArea *m_area;
};

} // namespace

SignPageArea::SignPageArea(AppModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_surface(new PageSurface(this))
    , m_spinner(new Spinner(this, spinnerSide))
{
    setObjectName(QStringLiteral("pageArea"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_surface->hide();
    m_spinner->hide();

    connect(model->thumbnails(), &Thumbnails::imagesChanged, this,
            [this](const Thumbnails::Key &changed) {
                if (changed != key()) {
                    return;
                }
                // Dropped from the cache while shown: asked for again.
                if (m_model->thumbnails()->image(changed).isNull()) {
                    request();
                }
                relayout();
            });
}

std::optional<Thumbnails::Key> SignPageArea::key() const
{
    if (!m_page) {
        return std::nullopt;
    }
    return PageImage::key(*m_page, pictureLongSide);
}

bool SignPageArea::isShowingPicture() const
{
    return !m_pageRect.isEmpty();
}

QList<PlacedStamp *> SignPageArea::placedStamps() const
{
    QList<PlacedStamp *> out;
    for (const QUuid &id : m_stacking) {
        out.append(m_stamps.value(id));
    }
    return out;
}

void SignPageArea::setPage(const std::optional<PageItem> &page)
{
    if (page == m_page) {
        return;
    }
    const auto before = key();
    m_page = page;
    if (key() != before) {
        request();
        relayout();
    } else {
        // Only the stamps changed: they redraw themselves, the page stays.
        syncStamps();
    }
}

void SignPageArea::setSelectedPlacement(const std::optional<QUuid> &placement)
{
    if (placement == m_selected) {
        return;
    }
    m_selected = placement;
    syncStamps();
}

void SignPageArea::request()
{
    if (const auto k = key(); k && isVisible() && !k->source.url.isEmpty()) {
        m_model->thumbnails()->load(*k);
    }
}

void SignPageArea::relayout()
{
    const auto k = key();
    const QImage picture = k ? m_model->thumbnails()->image(*k) : QImage();
    if (picture.isNull()) {
        m_pageRect = QRect();
        m_surface->hide();
        m_spinner->move(rect().center() - QPoint(spinnerSide / 2, spinnerSide / 2));
        m_spinner->setVisible(m_page.has_value());
    } else {
        const QRectF space =
            QRectF(rect()).adjusted(pageMargin, pageMargin, -pageMargin, -pageMargin);
        // Whole points, so the stamps' widgets cover the drawn page exactly.
        m_pageRect = PageImage::fitted(space, QSizeF(picture.size())).toRect();
        m_surface->setGeometry(m_pageRect);
        m_surface->setVisible(!m_pageRect.isEmpty());
        m_spinner->hide();
    }
    syncStamps();
    update();
}

void SignPageArea::syncStamps()
{
    const bool shown = m_page && !m_pageRect.isEmpty();
    QList<QUuid> order;
    if (shown) {
        const QSizeF size = m_surface->size();
        for (const StampPlacement &placement : m_page->stamps) {
            if (order.contains(placement.id)) {
                continue;
            }
            order.append(placement.id);
            const bool selected = m_selected == placement.id;
            if (PlacedStamp *stamp = m_stamps.value(placement.id)) {
                stamp->setPageSize(size);
                stamp->setPlacement(placement);
                stamp->setSelected(selected);
                continue;
            }
            auto *stamp = new PlacedStamp(m_model, placement, size, selected, m_surface);
            const QUuid id = placement.id;
            connect(stamp, &PlacedStamp::selectRequested, this,
                    [this, id] { emit stampPressed(id); });
            connect(stamp, &PlacedStamp::changed, this, &SignPageArea::stampChanged);
            m_stamps.insert(id, stamp);
            stamp->show();
        }
    }
    for (auto it = m_stamps.begin(); it != m_stamps.end();) {
        if (order.contains(it.key())) {
            ++it;
            continue;
        }
        // Later: the stamp may be the one whose drag reported the change
        // that removed it.
        (*it)->hide();
        (*it)->deleteLater();
        it = m_stamps.erase(it);
    }

    // Later placements lie over earlier ones; the selected one, with its
    // handles, over all.
    if (m_selected && order.contains(*m_selected)) {
        order.removeAll(*m_selected);
        order.append(*m_selected);
    }
    if (order != m_stacking) {
        for (const QUuid &id : order) {
            m_stamps.value(id)->raise();
        }
        m_stacking = order;
    }
}

void SignPageArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Theme::background());
    const auto k = key();
    if (!k || m_pageRect.isEmpty()) {
        return;
    }
    const QImage picture = m_model->thumbnails()->image(*k);
    if (picture.isNull()) {
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(m_pageRect.size()) * ratio).toSize();
    if (m_scaled.size() != pixels || m_scaledFrom != picture.cacheKey()) {
        // Scaled once per size: the stamps' moves repaint the page under them often.
        m_scaled = QPixmap::fromImage(
            picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
        m_scaledFrom = picture.cacheKey();
    }
    if (!m_pageRect.contains(event->rect())) {
        Theme::paintShadow(painter, QRectF(m_pageRect), 0, QColor::fromRgbF(0, 0, 0, 0.15f), 10,
                           QPointF(0, 3));
    }
    painter.fillRect(m_pageRect, Qt::white);
    painter.drawPixmap(m_pageRect.topLeft(), m_scaled);
}

void SignPageArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void SignPageArea::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    request();
    relayout();
}

bool SignPageArea::event(QEvent *event)
{
    // Delete and Escape belong to the page while it has the focus, even when a
    // window-wide shortcut would claim the same keys.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isDeleteKey(key) || key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void SignPageArea::keyPressEvent(QKeyEvent *event)
{
    if (isDeleteKey(event)) {
        emit deletePressed();
    } else if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
