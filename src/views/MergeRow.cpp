#include "views/MergeRow.h"

#include "look/Theme.h"
#include "model/AppModel.h"
#include "model/MergeModel.h"
#include "views/IdDrag.h"
#include "views/MergeView.h"
#include "views/PageImage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int thumbnailLongSide = 120;

// One line of text cut short with an ellipsis when it does not fit.
class ElidedLabel : public QWidget
{
public:
    ElidedLabel(QString text, QFont font, QWidget *parent)
        : QWidget(parent)
        , m_text(std::move(text))
    {
        setFont(font);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        setMinimumWidth(40);
        setFixedHeight(QFontMetrics(font).height());
        setToolTip(m_text);
    }
    QString text() const { return m_text; }
    QSize sizeHint() const override
    {
        return {QFontMetrics(font()).horizontalAdvance(m_text), QFontMetrics(font()).height()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(Theme::text());
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(m_text, Qt::ElideMiddle, width()));
    }

private:
    QString m_text;
};

// Three short lines: the row can be dragged by any part of it, this is the cue.
class DragHandle : public QWidget
{
public:
    explicit DragHandle(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(18, 18);
        setToolTip(MergeView::tr("Drag to reorder"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(Theme::secondaryText(), 1.6);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        for (const qreal y : {5.0, 9.0, 13.0}) {
            p.drawLine(QPointF(2.5, y), QPointF(15.5, y));
        }
    }
};

// A filled circle with a cross in it, in the secondary colour.
class RemoveButton : public QAbstractButton
{
public:
    explicit RemoveButton(QWidget *parent)
        : QAbstractButton(parent)
    {
        setFixedSize(24, 24);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setToolTip(MergeView::tr("Remove from the list"));
        setAccessibleName(MergeView::tr("Remove from the list"));
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal opacity = isDown() ? 0.55 : (underMouse() ? 1.0 : 0.8);
        const QRectF circle = QRectF(rect()).adjusted(3, 3, -3, -3);
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::withOpacity(Theme::secondaryText(), opacity));
        p.drawEllipse(circle);
        QPen cross(Theme::surface(), 1.8);
        cross.setCapStyle(Qt::RoundCap);
        p.setPen(cross);
        const QPointF c = circle.center();
        const qreal d = 3.4;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        if (hasFocus()) {
            Theme::paintFocusRing(p, QRectF(rect()), 12);
        }
    }
};

} // namespace

QString MergeRow::pagesText(int count)
{
    return count == 1 ? MergeView::tr("1 page") : MergeView::tr("%n pages", nullptr, count);
}

MergeRow::MergeRow(AppModel *model, const MergeItem &item, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_id(item.id)
{
    setObjectName(QStringLiteral("mergeRow"));
    setAcceptDrops(true);
    setCursor(Qt::OpenHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(new DragHandle(this), 0, Qt::AlignVCenter);
    m_number = Theme::label(QString(), 13, QFont::DemiBold, Theme::secondaryText(), this);
    m_number->setObjectName(QStringLiteral("rowNumber"));
    m_number->setFixedWidth(22);
    m_number->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_number);
    if (!item.pages.isEmpty()) {
        auto *thumbnail = new PageImageView(model, thumbnailLongSide, false, this);
        thumbnail->setObjectName(QStringLiteral("rowThumbnail"));
        thumbnail->setFixedSize(44, 56);
        thumbnail->setAttribute(Qt::WA_TransparentForMouseEvents);
        thumbnail->setPage(item.pages.first());
        layout->addWidget(thumbnail);
    }
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addStretch(1);
    auto *name = new ElidedLabel(item.name, Theme::font(14, QFont::Medium), this);
    name->setObjectName(QStringLiteral("rowName"));
    texts->addWidget(name);
    auto *pages = Theme::label(pagesText(int(item.pages.size())), 12, QFont::Normal,
                               Theme::secondaryText(), this);
    pages->setObjectName(QStringLiteral("rowPages"));
    texts->addWidget(pages);
    texts->addStretch(1);
    layout->addLayout(texts, 1);
    auto *remove = new RemoveButton(this);
    remove->setObjectName(QStringLiteral("removeButton"));
    layout->addWidget(remove, 0, Qt::AlignVCenter);
    connect(remove, &QAbstractButton::clicked, this, [this] { removeSelf(); });
}

void MergeRow::setNumber(int number)
{
    m_number->setText(QString::number(number));
}

void MergeRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::paintCard(p, QRectF(rect()), 12, Theme::background());
}

void MergeRow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressAt = event->position().toPoint();
        m_pressed = true;
        setCursor(Qt::ClosedHandCursor);
        event->accept(); // the row is what the press may drag
        return;
    }
    QWidget::mousePressEvent(event);
}

void MergeRow::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    setCursor(Qt::OpenHandCursor);
    QWidget::mouseReleaseEvent(event);
}

void MergeRow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressAt).manhattanLength() <
            QApplication::startDragDistance()) {
        return;
    }
    m_pressed = false;
    startDrag();
}

void MergeRow::dragEnterEvent(QDragEnterEvent *event)
{
    if (IdDrag::id(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore(); // files go on to the screen
    }
}

void MergeRow::dragMoveEvent(QDragMoveEvent *event)
{
    if (IdDrag::id(event->mimeData())) {
        event->acceptProposedAction();
        // Near the top or bottom of a long list, the list scrolls along.
        for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
            if (auto *scroll = qobject_cast<QScrollArea *>(w)) {
                const QPoint at = mapTo(scroll->widget(), event->position().toPoint());
                scroll->ensureVisible(at.x(), at.y(), 0, 48);
                break;
            }
        }
    } else {
        event->ignore();
    }
}

void MergeRow::dropEvent(QDropEvent *event)
{
    const std::optional<QUuid> dragged = IdDrag::id(event->mimeData());
    if (!dragged) {
        event->ignore();
        return;
    }
    if (MergeView::moveEntry(m_model->merge(), *dragged, m_id)) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MergeRow::startDrag()
{
    const QString name = m_model->merge()->items().value(indexOfSelf()).name;
    auto *drag = new QDrag(this);
    drag->setMimeData(IdDrag::mimeData(m_id));
    // The name on a small card: what the user carries.
    const QFont font = Theme::font(13, QFont::Medium);
    const QFontMetrics metrics(font);
    const QString shown = metrics.elidedText(name, Qt::ElideMiddle, 320);
    const qreal ratio = devicePixelRatioF();
    const QSize size(metrics.horizontalAdvance(shown) + 16, metrics.height() + 16);
    QPixmap preview(size * ratio);
    preview.setDevicePixelRatio(ratio);
    preview.fill(Qt::transparent);
    {
        QPainter p(&preview);
        Theme::paintCard(p, QRectF(QPointF(0, 0), QSizeF(size)), 8, Theme::surface(),
                         Theme::hairline());
        p.setFont(font);
        p.setPen(Theme::text());
        p.drawText(QRect(QPoint(8, 8), size - QSize(16, 16)), Qt::AlignCenter, shown);
    }
    drag->setPixmap(preview);
    drag->setHotSpot(QPoint(size.width() / 2, size.height() / 2));
    QPointer<MergeRow> self(this);
    drag->exec(Qt::MoveAction);
    if (self) {
        setCursor(Qt::OpenHandCursor);
    }
}

qsizetype MergeRow::indexOfSelf() const
{
    const QList<MergeItem> &items = m_model->merge()->items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].id == m_id) {
            return i;
        }
    }
    return -1;
}

void MergeRow::removeSelf()
{
    QList<MergeItem> items = m_model->merge()->items();
    const QUuid id = m_id;
    items.removeIf([id](const MergeItem &item) { return item.id == id; });
    m_model->merge()->setItems(items); // may delete this row later; nothing follows
}
