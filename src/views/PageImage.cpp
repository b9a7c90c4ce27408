#include "views/PageImage.h"

#include "look/Theme.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

#include <QDateTime>
#include <QPainter>
#include <QTimerEvent>
#include <QtMath>

#include <algorithm>

namespace {

// The placeholder stands for a page of unknown shape: A4 portrait.
constexpr qreal placeholderAspect = 0.707;
constexpr int spinnerTicks = 8;

constexpr qreal shadowBlur = 5;
const QPointF shadowOffset(0, 2);

// The page's soft shadow. Painting the layered shadow costs more than
// everything else in a cell, so it is painted once per page size (a document
// has few) and then only copied.
void paintPageShadow(QPainter &painter, const QRectF &page)
{
    struct Drawn
    {
        QSize size;
        qreal ratio;
        QImage image;
    };
    static QList<Drawn> drawn; // plain memory, so it may outlive the application object
    const int edge = int(std::ceil(shadowBlur)) + 1;
    const QSize size = page.size().toSize();
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    auto found = std::find_if(drawn.begin(), drawn.end(),
                              [&](const Drawn &d) { return d.size == size && d.ratio == ratio; });
    if (found == drawn.end()) {
        QImage image(((size + QSize(2 * edge, 2 * edge)) * ratio),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        Theme::paintShadow(p, QRectF(QPointF(edge, edge), QSizeF(size)), 0,
                           QColor::fromRgbF(0, 0, 0, 0.12f), shadowBlur, QPointF(0, 0));
        p.end();
        if (drawn.size() >= 8) {
            drawn.removeFirst();
        }
        drawn.append(Drawn{size, ratio, image});
        found = drawn.end() - 1;
    }
    const QPointF at = page.topLeft() + shadowOffset - QPointF(edge, edge);
    painter.drawImage(QPointF(std::round(at.x()), std::round(at.y())), found->image);
}

void paintSpinner(QPainter &painter, const QPointF &center, qreal phase)
{
    const qreal outer = 8;
    const qreal inner = 4;
    const int lead = int(phase * spinnerTicks) % spinnerTicks;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < spinnerTicks; ++i) {
        // The tick at the head is darkest; those behind it fade out.
        const int behind = (lead - i + spinnerTicks) % spinnerTicks;
        const qreal opacity = 0.85 - 0.09 * behind;
        QPen pen(Theme::withOpacity(Theme::secondaryText(), opacity), 1.8, Qt::SolidLine,
                 Qt::RoundCap);
        painter.setPen(pen);
        const qreal angle = 2 * M_PI * i / spinnerTicks - M_PI / 2;
        const QPointF dir(std::cos(angle), std::sin(angle));
        painter.drawLine(center + dir * inner, center + dir * outer);
    }
    painter.restore();
}

} // namespace

namespace PageImage {

Thumbnails::Key key(const PageItem &page, int longSide)
{
    return Thumbnails::Key{page.source, page.turn, longSide};
}

QRectF fitted(const QRectF &area, const QSizeF &pictureSize)
{
    if (pictureSize.isEmpty() || area.isEmpty()) {
        return QRectF(area.center(), QSizeF(0, 0));
    }
    const QSizeF size = pictureSize.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

QRectF paint(QPainter &painter, const QRectF &area, const PageItem &page, int longSide,
             bool showsStamps, const AppModel &model, qreal spinnerPhase, bool *isCached)
{
    const QImage picture = model.thumbnails()->image(key(page, longSide));
    const bool failed = picture.isNull() && model.thumbnails()->hasFailed(key(page, longSide));
    if (isCached) {
        *isCached = !picture.isNull() || failed;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF rect;
    if (!picture.isNull()) {
        rect = fitted(area, QSizeF(picture.size()));
        paintPageShadow(painter, rect);
        painter.fillRect(rect, Qt::white);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect, picture);
        if (showsStamps && !page.stamps.isEmpty()) {
            const StampLibrary &library = *model.stamps();
            for (const StampPlacement &placement : page.stamps) {
                StampImage::paint(painter, placement, rect, library);
            }
        }
    } else {
        rect = fitted(area, QSizeF(placeholderAspect, 1));
        Theme::paintCard(painter, rect, 4, Theme::surface(), Theme::hairline());
        if (failed) {
            painter.setPen(Theme::secondaryText());
            painter.setFont(Theme::font(11));
            painter.drawText(rect.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                             QCoreApplication::translate("PageImage", "Can't be shown"));
        } else {
            paintSpinner(painter, rect.center(), spinnerPhase);
        }
    }
    painter.restore();
    return rect;
}

} // namespace PageImage

namespace StampImage {

QSizeF size(const StampPlacement &placement, const QSizeF &pageSize, const QSizeF &pictureSize)
{
    const qreal width = placement.width * pageSize.width();
    const qreal aspect = pictureSize.width() / std::max(pictureSize.height(), 1.0);
    return {width, width / std::max(aspect, 0.001)};
}

void paint(QPainter &painter, const StampPlacement &placement, const QRectF &pageRect,
           const StampLibrary &library)
{
    const auto found = library.images().constFind(placement.stampID);
    if (found == library.images().cend() || found->isNull()) {
        return;
    }
    const QImage &picture = *found;
    const QSizeF drawn = size(placement, pageRect.size(), picture.deviceIndependentSize());
    const QPointF center(pageRect.left() + placement.center.x() * pageRect.width(),
                         pageRect.top() + placement.center.y() * pageRect.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(center);
    painter.rotate(placement.rotation);
    painter.drawImage(QRectF(QPointF(-drawn.width() / 2, -drawn.height() / 2), drawn), picture);
    painter.restore();
}

} // namespace StampImage

PageImageView::PageImageView(AppModel *model, int longSide, bool showsStamps, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_longSide(longSide)
    , m_showsStamps(showsStamps)
{
    connect(m_model->thumbnails(), &Thumbnails::imagesChanged, this,
            &PageImageView::onImagesChanged);
    connect(m_model->stamps(), &StampLibrary::imagesChanged, this, [this] {
        if (m_showsStamps && !m_page.stamps.isEmpty()) {
            update();
        }
    });
}

void PageImageView::setPage(const PageItem &page)
{
    if (page == m_page) {
        return;
    }
    const bool keyChanged = PageImage::key(page, m_longSide) != PageImage::key(m_page, m_longSide);
    m_page = page;
    if (keyChanged) {
        request();
    }
    updateSpinner();
    update();
}

bool PageImageView::isShowingPicture() const
{
    const Thumbnails::Key key = PageImage::key(m_page, m_longSide);
    return !m_model->thumbnails()->image(key).isNull() || m_model->thumbnails()->hasFailed(key);
}

void PageImageView::request()
{
    if (isVisible() && !m_page.source.url.isEmpty()) {
        m_model->thumbnails()->load(PageImage::key(m_page, m_longSide));
    }
}

void PageImageView::onImagesChanged(const Thumbnails::Key &key)
{
    if (key != PageImage::key(m_page, m_longSide)) {
        return;
    }
    // A picture dropped from the cache while shown is asked for again.
    request();
    updateSpinner();
    update();
}

void PageImageView::updateSpinner()
{
    const bool spinning = isVisible() && !isShowingPicture();
    if (spinning && !m_spinnerTimer) {
        m_spinnerTimer = startTimer(100);
    } else if (!spinning && m_spinnerTimer) {
        killTimer(m_spinnerTimer);
        m_spinnerTimer = 0;
    }
}

void PageImageView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_spinnerTimer) {
        update();
    }
}

void PageImageView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    request();
    updateSpinner();
}

void PageImageView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    updateSpinner();
}

void PageImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal phase = (QDateTime::currentMSecsSinceEpoch() % 1000) / 1000.0;
    PageImage::paint(painter, QRectF(rect()).adjusted(4, 2, -4, -6), m_page, m_longSide,
                     m_showsStamps, *m_model, phase);
}
