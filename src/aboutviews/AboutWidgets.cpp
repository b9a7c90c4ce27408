#include "aboutviews/AboutWidgets.h"

#include "look/Icons.h"
#include "look/Theme.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QTimer>

namespace AboutWidgets {

QLabel *wrappingLabel(const QString &text, qreal size, QFont::Weight weight, QColor color,
                      QWidget *parent)
{
    QLabel *result = Theme::label(text, size, weight, color, parent);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    result->setSizePolicy(policy);
    return result;
}

QWidget *symbolLabel(const QString &symbol, const QString &text, qreal size, QFont::Weight weight,
                     QColor color, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    QLabel *words = Theme::label(text, size, weight, color, row);
    words->setObjectName(QStringLiteral("symbolLabelText"));
    auto *mark = new QLabel(row);
    const int side = QFontMetrics(words->font()).height();
    mark->setPixmap(Icons::icon(symbol, color).pixmap(QSize(side, side), row->devicePixelRatioF()));
    mark->setFixedSize(side, side);
    layout->addWidget(mark);
    layout->addWidget(words);
    row->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return row;
}

// ---- Badge

Badge::Badge(const QString &symbol, int symbolSize, QWidget *parent)
    : QWidget(parent)
    , m_icon(Icons::icon(symbol, Qt::white))
    , m_symbolSize(symbolSize)
{
    setFixedSize(46, 46);
}

void Badge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF body(rect());
    Theme::paintCard(p, body, 13, Theme::accentGradient(body));
    const int side = m_symbolSize;
    m_icon.paint(&p, QRect((width() - side) / 2, (height() - side) / 2, side, side));
}

// ---- SegmentedPicker

namespace {

class Segment : public QAbstractButton
{
public:
    Segment(const QString &title, QWidget *parent)
        : QAbstractButton(parent)
    {
        setText(title);
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFont(Theme::font(13, QFont::Medium));
    }

    QSize sizeHint() const override
    {
        const QFontMetrics metrics(Theme::font(13, QFont::DemiBold));
        return {metrics.horizontalAdvance(text()) + 24, 30};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRectF body = QRectF(rect());
        if (isChecked()) {
            Theme::paintShadow(p, body.adjusted(1, 1, -1, -1), 7, QColor::fromRgbF(0, 0, 0, 0.08f),
                               2, QPointF(0, 1));
            Theme::paintCard(p, body, 7, Theme::surface(), Theme::hairline());
        } else if (underMouse()) {
            Theme::paintCard(p, body, 7, Theme::hairline());
        }
        if (hasFocus()) {
            Theme::paintFocusRing(p, body, 7);
        }
        p.setFont(Theme::font(13, isChecked() ? QFont::DemiBold : QFont::Medium));
        p.setPen(isChecked() ? Theme::text() : Theme::secondaryText());
        p.drawText(rect(), Qt::AlignCenter, text());
    }

    void enterEvent(QEnterEvent *event) override
    {
        QAbstractButton::enterEvent(event);
        update();
    }

    void leaveEvent(QEvent *event) override
    {
        QAbstractButton::leaveEvent(event);
        update();
    }
};

} // namespace

SegmentedPicker::SegmentedPicker(const QStringList &titles, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    for (int i = 0; i < titles.size(); ++i) {
        auto *segment = new Segment(titles[i], this);
        segment->setChecked(i == 0);
        connect(segment, &QAbstractButton::clicked, this, [this, i] {
            const bool changed = i != m_current;
            setCurrentIndex(i);
            if (changed) {
                emit activated(i);
            }
        });
        layout->addWidget(segment);
        m_segments.append(segment);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QAbstractButton *SegmentedPicker::segment(int index) const
{
    return m_segments.value(index);
}

void SegmentedPicker::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_segments.size()) {
        return;
    }
    m_current = index;
    for (int i = 0; i < m_segments.size(); ++i) {
        m_segments[i]->setChecked(i == index);
    }
}

void SegmentedPicker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::paintCard(p, QRectF(rect()), 9, Theme::background(), Theme::hairline());
}

// ---- LinkRow

LinkRow::LinkRow(const QString &symbol, const QString &title, const QUrl &url, QWidget *parent)
    : QAbstractButton(parent)
    , m_icon(Icons::icon(symbol, Theme::accentDeep()))
    , m_url(url)
{
    setText(title);
    setToolTip(url.toDisplayString());
    setFont(Theme::font(13.5));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

QSize LinkRow::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.height() + 8 + metrics.horizontalAdvance(text()) + 4, metrics.height() + 4};
}

void LinkRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int side = metrics.height();
    const int top = (height() - side) / 2;
    if (isDown()) {
        p.setOpacity(0.7);
    }
    m_icon.paint(&p, QRect(0, top, side, side));
    QFont face = font();
    face.setUnderline(underMouse() || hasFocus());
    p.setFont(face);
    p.setPen(Theme::accentDeep());
    p.drawText(QRect(side + 8, 0, width() - side - 8, height()), Qt::AlignLeft | Qt::AlignVCenter,
               text());
}

} // namespace AboutWidgets
