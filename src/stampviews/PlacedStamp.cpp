#include "stampviews/PlacedStamp.h"

#include "look/Theme.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cmath>

namespace {

qreal distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

} // namespace

PlacedStamp::PlacedStamp(AppModel *model, const StampPlacement &placement, QSizeF pageSize,
                         bool selected, QWidget *page)
    : QWidget(page)
    , m_model(model)
    , m_placement(placement)
    , m_pageSize(pageSize)
    , m_selected(selected)
{
    setObjectName(QStringLiteral("placedStamp"));
    setMouseTracking(true);
    if (model && model->stamps()) {
        connect(model->stamps(), &StampLibrary::imagesChanged, this, [this] {
            m_scaled = QImage();
            relayout();
        });
    }
    relayout();
}

void PlacedStamp::setPlacement(const StampPlacement &placement)
{
    if (placement == m_placement) {
        return;
    }
    if (placement.stampID != m_placement.stampID) {
        m_scaled = QImage();
    }
    m_placement = placement;
    relayout();
}

void PlacedStamp::setPageSize(QSizeF size)
{
    if (size == m_pageSize) {
        return;
    }
    m_pageSize = size;
    relayout();
}

void PlacedStamp::setSelected(bool selected)
{
    if (selected == m_selected) {
        return;
    }
    m_selected = selected;
    if (selected) {
        raise(); // the handles lie over every other stamp
    }
    relayout();
}

QImage PlacedStamp::picture() const
{
    if (!m_model || !m_model->stamps()) {
        return QImage();
    }
    return m_model->stamps()->images().value(m_placement.stampID);
}

double PlacedStamp::aspect(QSize picture)
{
    const double height = picture.height() <= 1 ? 1.0 : double(picture.height());
    const double ratio = double(picture.width()) / height;
    return ratio <= 0.001 ? 0.001 : ratio;
}

QSizeF PlacedStamp::stampSize() const
{
    const qreal width = m_placement.width * m_pageSize.width();
    return QSizeF(width, width / aspect(picture().size()));
}

QPointF PlacedStamp::centre() const
{
    return QPointF(m_placement.center.x() * m_pageSize.width(),
                   m_placement.center.y() * m_pageSize.height());
}

QPointF PlacedStamp::point(qreal dx, qreal dy) const
{
    const double theta = radians(m_placement.rotation);
    const QPointF c = centre();
    return QPointF(c.x() + dx * std::cos(theta) - dy * std::sin(theta),
                   c.y() + dx * std::sin(theta) + dy * std::cos(theta));
}

QPointF PlacedStamp::turnHandleCentre() const
{
    return point(0, -(stampSize().height() / 2 + frameGap) - connectorLength);
}

QPointF PlacedStamp::resizeHandleCentre() const
{
    const QSizeF size = stampSize();
    return point(size.width() / 2 + frameGap, size.height() / 2 + frameGap);
}

QPolygonF PlacedStamp::pictureOutline(qreal grow) const
{
    const QSizeF size = stampSize();
    const qreal x = size.width() / 2 + grow;
    const qreal y = size.height() / 2 + grow;
    return QPolygonF({point(-x, -y), point(x, -y), point(x, y), point(-x, y)});
}

PlacedStamp::Part PlacedStamp::partAt(QPointF at) const
{
    if (picture().isNull()) {
        return Part::None;
    }
    if (m_selected) {
        if (distance(at, turnHandleCentre()) <= handleTarget / 2) {
            return Part::TurnHandle;
        }
        if (distance(at, resizeHandleCentre()) <= handleTarget / 2) {
            return Part::ResizeHandle;
        }
    }
    // Back into the stamp's unturned frame.
    const double theta = radians(m_placement.rotation);
    const QPointF d = at - centre();
    const qreal dx = d.x() * std::cos(theta) + d.y() * std::sin(theta);
    const qreal dy = -d.x() * std::sin(theta) + d.y() * std::cos(theta);
    const QSizeF size = stampSize();
    if (std::abs(dx) <= size.width() / 2 && std::abs(dy) <= size.height() / 2) {
        return Part::Picture;
    }
    return Part::None;
}

std::optional<StampPlacement> PlacedStamp::moved(const StampPlacement &start,
                                                 const StampPlacement &current, QPointF translation,
                                                 QSizeF pageSize)
{
    if (pageSize.isEmpty()) {
        return std::nullopt;
    }
    const double x = std::clamp(start.center.x() + translation.x() / pageSize.width(), 0.0, 1.0);
    const double y = std::clamp(start.center.y() + translation.y() / pageSize.height(), 0.0, 1.0);
    if (x == current.center.x() && y == current.center.y()) {
        return std::nullopt;
    }
    StampPlacement next = current;
    next.center = QPointF(x, y);
    return next;
}

std::optional<StampPlacement> PlacedStamp::resized(const StampPlacement &start,
                                                   const StampPlacement &current, QPointF from,
                                                   QPointF to, QSizeF pageSize)
{
    const QPointF c(start.center.x() * pageSize.width(), start.center.y() * pageSize.height());
    const qreal before = distance(c, from);
    if (!(before > 1)) {
        return std::nullopt; // too near the centre to tell a direction
    }
    StampPlacement next = current;
    next.width = std::clamp(start.width * distance(c, to) / before, 0.03, 1.2);
    return next;
}

StampPlacement PlacedStamp::rotated(const StampPlacement &start, const StampPlacement &current,
                                    QPointF from, QPointF to, QSizeF pageSize)
{
    const QPointF c(start.center.x() * pageSize.width(), start.center.y() * pageSize.height());
    const double a0 = std::atan2(from.y() - c.y(), from.x() - c.x());
    const double a1 = std::atan2(to.y() - c.y(), to.x() - c.x());
    StampPlacement next = current;
    next.rotation = normalisedAngle(start.rotation + (a1 - a0) * 180.0 / M_PI);
    return next;
}

double PlacedStamp::normalisedAngle(double degrees)
{
    double r = std::fmod(degrees + 540.0, 360.0);
    if (r < 0) {
        r += 360.0;
    }
    r -= 180.0;
    for (const double snap : {-180.0, -90.0, 0.0, 90.0, 180.0}) {
        if (std::abs(r - snap) < 4) {
            r = snap;
        }
    }
    return r;
}

void PlacedStamp::relayout()
{
    if (parentWidget()) {
        setGeometry(QRectF(QPointF(0, 0), m_pageSize).toAlignedRect());
    }
    const bool shown = !picture().isNull() && !m_pageSize.isEmpty();
    // Only the stamp and its handles are this widget's; every other point of
    // the page belongs to what lies below.
    setAttribute(Qt::WA_TransparentForMouseEvents, !shown);
    if (shown) {
        const QPolygonF drawn = pictureOutline(m_selected ? frameGap + 2 : 1);
        QRegion region(drawn.toPolygon());
        if (m_selected) {
            const QPointF top = point(0, -(stampSize().height() / 2 + frameGap));
            const QRectF joint =
                QRectF(top, turnHandleCentre()).normalized().adjusted(-2, -2, 2, 2);
            region += joint.toAlignedRect();
            for (const QPointF handle : {turnHandleCentre(), resizeHandleCentre()}) {
                const QRectF area(handle - QPointF(handleTarget / 2, handleTarget / 2),
                                  QSizeF(handleTarget, handleTarget));
                region += QRegion(area.toAlignedRect(), QRegion::Ellipse);
            }
        }
        setMask(region);
    } else {
        clearMask();
    }
    update();
}

void PlacedStamp::paintEvent(QPaintEvent *)
{
    const QImage image = picture();
    if (image.isNull() || m_pageSize.isEmpty()) {
        return;
    }
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QSizeF size = stampSize();
    const QRectF body(-size.width() / 2, -size.height() / 2, size.width(), size.height());

    // Scaled once per size, so a large stamp drawn small stays smooth.
    const QSize pixels = (size * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1));
    if (m_scaled.size() != pixels) {
        m_scaled = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    p.save();
    p.translate(centre());
    p.rotate(m_placement.rotation);
    p.drawImage(body, m_scaled);
    if (m_selected) {
        QPen dashed(Theme::accent(), 1.5);
        dashed.setDashPattern({5 / 1.5, 4 / 1.5});
        p.setPen(dashed);
        p.setBrush(Qt::NoBrush);
        p.drawRect(body.adjusted(-frameGap, -frameGap, frameGap, frameGap));
    }
    p.restore();

    if (m_selected) {
        p.setPen(QPen(Theme::accent(), 1.5));
        p.drawLine(point(0, -(size.height() / 2 + frameGap)), turnHandleCentre());
        paintHandle(p, turnHandleCentre(), true);
        paintHandle(p, resizeHandleCentre(), false);
    }
}

void PlacedStamp::paintHandle(QPainter &p, QPointF centre, bool turn) const
{
    const qreal radius = handleDisc / 2;
    const QRectF disc(centre - QPointF(radius, radius), QSizeF(handleDisc, handleDisc));
    Theme::paintShadow(p, disc, radius, QColor::fromRgbF(0, 0, 0, 0.2f), 3, QPointF(0, 1));
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Theme::accent());
    p.drawEllipse(disc);

    // The symbols stay upright whatever the stamp's turn, as a cursor would.
    QPen line(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    if (turn) {
        const qreal r = 4.2;
        p.drawArc(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), 100 * 16, 290 * 16);
        // The arrow head at the arc's open end, pointing clockwise.
        const QPointF tip =
            centre + QPointF(r * std::cos(radians(-100)), r * std::sin(radians(-100)));
        p.drawPolyline(QPolygonF({tip + QPointF(-2.6, -1.6), tip, tip + QPointF(-1.2, 2.6)}));
    } else {
        const QPointF a = centre + QPointF(-4, -4);
        const QPointF b = centre + QPointF(4, 4);
        p.drawLine(a, b);
        p.drawPolyline(QPolygonF({a + QPointF(0, 3), a, a + QPointF(3, 0)}));
        p.drawPolyline(QPolygonF({b - QPointF(0, 3), b, b - QPointF(3, 0)}));
    }
}

void PlacedStamp::mousePressEvent(QMouseEvent *event)
{
    const Part part = event->button() == Qt::LeftButton ? partAt(event->position()) : Part::None;
    if (part == Part::None) {
        event->ignore();
        return;
    }
    // A drag whose release never came ends here; this press starts afresh.
    m_dragging = part;
    m_pressAt = event->position();
    m_start = m_placement;
    if (part == Part::Picture) {
        setCursor(Qt::ClosedHandCursor);
        emit selectRequested();
    }
    // The drags start on the press itself: a turn handle pressed without
    // moving already straightens a nearly straight stamp.
    dragTo(event->position());
}

void PlacedStamp::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging != Part::None) {
        dragTo(event->position());
        return;
    }
    switch (partAt(event->position())) {
    case Part::Picture:
        setCursor(Qt::OpenHandCursor);
        break;
    case Part::TurnHandle:
    case Part::ResizeHandle:
        setCursor(Qt::PointingHandCursor);
        break;
    case Part::None:
        unsetCursor();
        break;
    }
}

void PlacedStamp::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_dragging == Part::None) {
        event->ignore();
        return;
    }
    m_dragging = Part::None;
    m_start.reset();
    setCursor(partAt(event->position()) == Part::Picture ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void PlacedStamp::dragTo(QPointF at)
{
    if (!m_start) {
        return;
    }
    switch (m_dragging) {
    case Part::Picture:
        if (const auto next = moved(*m_start, m_placement, at - m_pressAt, m_pageSize)) {
            emit changed(*next);
        }
        break;
    case Part::ResizeHandle:
        if (const auto next = resized(*m_start, m_placement, m_pressAt, at, m_pageSize)) {
            emit changed(*next);
        }
        break;
    case Part::TurnHandle:
        emit changed(rotated(*m_start, m_placement, m_pressAt, at, m_pageSize));
        break;
    case Part::None:
        break;
    }
}

bool PlacedStamp::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        switch (partAt(help->pos())) {
        case Part::TurnHandle:
            QToolTip::showText(help->globalPos(), tr("Drag to turn"), this);
            return true;
        case Part::ResizeHandle:
            QToolTip::showText(help->globalPos(), tr("Drag to resize"), this);
            return true;
        case Part::Picture:
        case Part::None:
            QToolTip::hideText();
            event->ignore();
            return true;
        }
    }
    return QWidget::event(event);
}
