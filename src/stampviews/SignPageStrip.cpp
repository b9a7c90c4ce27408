#include "stampviews/SignPageStrip.h"

#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/Thumbnails.h"
#include "stamps/StampLibrary.h"
#include "stampviews/StyleSheets.h"
#include "views/PageImage.h"
#include "views/ThumbnailRequests.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScrollBar>
#include <QTimerEvent>

namespace {

constexpr int margin = 12;
constexpr int cellSpacing = 14;
constexpr int picturePadding = 4;
constexpr int numberGap = 4;

QFont numberFont(bool current)
{
    return Theme::font(11, current ? QFont::Bold : QFont::Normal);
}

} // namespace

// The scrolled surface: paints the cells in view and takes the clicks.
class SignPageStrip::Content : public QWidget
{
public:
    explicit Content(SignPageStrip *strip)
        : QWidget(strip)
        , m_strip(strip)
    {
        setCursor(Qt::PointingHandCursor);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Theme::surface());
        setPalette(palette);
        setAutoFillBackground(true);
    }

    // Animates the spinners of cells still waiting, and stops once none is.
    void updateSpinner(bool waiting)
    {
        if (waiting && !m_spinnerTimer) {
            m_spinnerTimer = startTimer(100);
        } else if (!waiting && m_spinnerTimer) {
            killTimer(m_spinnerTimer);
            m_spinnerTimer = 0;
        }
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        const qreal phase = (QDateTime::currentMSecsSinceEpoch() % 1000) / 1000.0;
        bool waiting = false;
        const QList<PageItem> &pages = m_strip->m_pages;
        const int step = m_strip->cellHeight() + cellSpacing;
        for (int i = std::max(0, (event->rect().top() - margin) / step - 1); i < pages.size();
             ++i) {
            const QRect cell = m_strip->cellRect(i);
            if (cell.top() > event->rect().bottom()) {
                break;
            }
            if (!cell.adjusted(-8, -8, 8, 8).intersects(event->rect())) {
                continue;
            }
            const PageItem &page = pages.at(i);
            const bool current = m_strip->m_current == page.id;
            const QRectF area(cell.left() + picturePadding, cell.top() + picturePadding,
                              cell.width() - 2 * picturePadding, pictureHeight);
            bool cached = false;
            const QRectF drawn = PageImage::paint(painter, area, page, thumbnailLongSide, true,
                                                  *m_strip->m_model, phase, &cached);
            waiting = waiting || !cached;
            if (current) {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(QPen(Theme::accent(), 2.5));
                painter.setBrush(Qt::NoBrush);
                const QRectF ring = drawn.adjusted(-picturePadding, -picturePadding, picturePadding,
                                                   picturePadding);
                painter.drawPath(Theme::continuousRect(ring, 8));
                painter.restore();
            }
            painter.setFont(numberFont(current));
            painter.setPen(current ? Theme::accentDeep() : Theme::secondaryText());
            const QRect number(cell.left(),
                               cell.top() + pictureHeight + 2 * picturePadding + numberGap,
                               cell.width(), m_strip->numberHeight());
            painter.drawText(number, Qt::AlignHCenter | Qt::AlignTop, QString::number(i + 1));
        }
        updateSpinner(waiting);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressed =
            event->button() == Qt::LeftButton ? m_strip->indexAt(event->position().toPoint()) : -1;
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const int index =
            event->button() == Qt::LeftButton ? m_strip->indexAt(event->position().toPoint()) : -1;
        const int pressed = std::exchange(m_pressed, -1);
        if (index >= 0 && index == pressed) {
            emit m_strip->pageClicked(m_strip->m_pages.at(index).id);
        }
    }

    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() == m_spinnerTimer) {
            update();
        }
    }

private:
    SignPageStrip *m_strip;
    int m_pressed = -1;
    int m_spinnerTimer = 0;
};

SignPageStrip::SignPageStrip(AppModel *model, QWidget *parent)
    : QScrollArea(parent)
    , m_model(model)
    , m_content(new Content(this))
    , m_requests(new ThumbnailRequests(model->thumbnails(), this))
    , m_scroll(new QPropertyAnimation(verticalScrollBar(), "value", this))
    , m_numberHeight(QFontMetrics(numberFont(true)).height())
{
    setObjectName(QStringLiteral("pageStrip"));
    setFixedWidth(stripWidth);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The content follows the viewport's width, so a scroll bar coming or
    // going narrows the cells instead of hiding part of them.
    setWidgetResizable(true);
    // A slim bar that keeps the narrow cells wide, as the page grid's does.
    verticalScrollBar()->setStyleSheet(
        QStringLiteral(
            "QScrollBar:vertical { background: transparent; width: 10px; margin: 4px 2px; }"
            "QScrollBar::handle:vertical { background: %1; border-radius: 3px; min-height: 28px; }"
            "QScrollBar::handle:vertical:hover { background: %2; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: "
            "none; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: "
            "transparent; }")
            .arg(cssColor(Theme::withOpacity(Theme::text(), 0.22)),
                 cssColor(Theme::withOpacity(Theme::text(), 0.36))));
    m_content->setObjectName(QStringLiteral("pageStripContent"));
    setWidget(m_content);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);

    m_scroll->setDuration(250);
    m_scroll->setEasingCurve(QEasingCurve::InOutCubic);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &SignPageStrip::requestVisible);
    connect(model->thumbnails(), &Thumbnails::imagesChanged, this,
            [this](const Thumbnails::Key &key) {
                const auto [first, last] = visibleRange();
                for (int i = std::max(first, 0); i >= 0 && i <= last; ++i) {
                    if (PageImage::key(m_pages.at(i), thumbnailLongSide) == key) {
                        m_content->update(cellRect(i).adjusted(-8, -8, 8, 8));
                        // A picture the cache let go of while in view is asked for again.
                        if (m_model->thumbnails()->image(key).isNull()) {
                            requestVisible();
                        }
                    }
                }
            });
    connect(model->stamps(), &StampLibrary::imagesChanged, m_content,
            qOverload<>(&QWidget::update));
    updateContentSize();
}

int SignPageStrip::cellHeight() const
{
    return pictureHeight + 2 * picturePadding + numberGap + numberHeight();
}

QRect SignPageStrip::cellRect(int index) const
{
    const int width = m_content->width() - 2 * margin;
    return QRect(margin, margin + index * (cellHeight() + cellSpacing), std::max(width, 0),
                 cellHeight());
}

int SignPageStrip::indexAt(QPoint contentPoint) const
{
    if (contentPoint.x() < margin || contentPoint.x() >= m_content->width() - margin) {
        return -1;
    }
    const int y = contentPoint.y() - margin;
    if (y < 0) {
        return -1;
    }
    const int index = y / (cellHeight() + cellSpacing);
    if (index >= m_pages.size() || y - index * (cellHeight() + cellSpacing) >= cellHeight()) {
        return -1;
    }
    return index;
}

std::pair<int, int> SignPageStrip::visibleRange() const
{
    if (m_pages.isEmpty()) {
        return {-1, -1};
    }
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    const int step = cellHeight() + cellSpacing;
    const int first = std::clamp((top - margin) / step, 0, int(m_pages.size()) - 1);
    const int last = std::clamp((bottom - margin) / step, 0, int(m_pages.size()) - 1);
    if (cellRect(first).top() > bottom) {
        return {-1, -1};
    }
    return {first, last};
}

void SignPageStrip::setPages(const QList<PageItem> &pages)
{
    if (pages == m_pages) {
        return;
    }
    const bool countChanged = pages.size() != m_pages.size();
    m_pages = pages;
    if (countChanged) {
        updateContentSize();
    }
    requestVisible();
    m_content->update();
}

void SignPageStrip::setCurrent(const std::optional<QUuid> &page)
{
    if (page == m_current) {
        return;
    }
    m_current = page;
    m_content->update();
}

void SignPageStrip::centreOn(const QUuid &page, bool animated)
{
    int index = -1;
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i).id == page) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        return;
    }
    QScrollBar *bar = verticalScrollBar();
    const int target = std::clamp(cellRect(index).center().y() - viewport()->height() / 2,
                                  bar->minimum(), bar->maximum());
    m_scroll->stop();
    if (!animated || !isVisible() || target == bar->value()) {
        bar->setValue(target);
        return;
    }
    m_scroll->setStartValue(bar->value());
    m_scroll->setEndValue(target);
    m_scroll->start();
}

void SignPageStrip::updateContentSize()
{
    const int count = int(m_pages.size());
    const int height =
        count == 0 ? 0 : 2 * margin + count * cellHeight() + (count - 1) * cellSpacing;
    m_content->setFixedHeight(height);
}

void SignPageStrip::requestVisible()
{
    const auto [first, last] = visibleRange();
    QList<Thumbnails::Key> wanted;
    for (int i = std::max(first, 0); first >= 0 && i <= last; ++i) {
        wanted.append(PageImage::key(m_pages.at(i), thumbnailLongSide));
    }
    m_requests->setWanted(wanted);
}

void SignPageStrip::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    requestVisible();
}

void SignPageStrip::showEvent(QShowEvent *event)
{
    QScrollArea::showEvent(event);
    requestVisible();
}
