#include "views/CompressRows.h"

#include "look/Theme.h"

#include <QFocusEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace CompressRows {

ChoiceRow::ChoiceRow(const QString &title, const QString &detail, bool card, QWidget *parent)
    : QAbstractButton(parent)
    , m_title(title)
    , m_detail(detail)
    , m_card(card)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    m_spin = new QVariantAnimation(this);
    m_spin->setStartValue(0.0);
    m_spin->setEndValue(360.0);
    m_spin->setDuration(900);
    m_spin->setLoopCount(-1);
    connect(m_spin, &QVariantAnimation::valueChanged, this, [this] { update(); });
}

void ChoiceRow::setTitle(const QString &title)
{
    if (title != m_title) {
        m_title = title;
        setAccessibleName(title);
        updateGeometry();
        update();
    }
}

void ChoiceRow::setSelected(bool selected)
{
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

void ChoiceRow::setSize(Size state, const QString &text)
{
    m_size = state;
    m_sizeText = text;
    // Read out with the row: what it is, then how large it makes the file.
    setAccessibleDescription(state == Size::Measured ? m_detail + QStringLiteral(", ") + text
                                                     : m_detail);
    if (state == Size::Measuring) {
        if (m_spin->state() != QAbstractAnimation::Running) {
            m_spin->start();
        }
    } else {
        m_spin->stop();
    }
    updateGeometry();
    update();
}

int ChoiceRow::textRight(int width) const
{
    // The size, or the spinner, takes the right end.
    int right = width - padding();
    if (m_size == Size::Measured) {
        right -= QFontMetrics(sizeFont()).horizontalAdvance(m_sizeText) + 12;
    } else if (m_size == Size::Measuring) {
        right -= 16 + 12;
    }
    return right;
}

// Longer languages wrap the title and the detail rather than cut them.
int ChoiceRow::textHeight(int textWidth) const
{
    const QRect room(0, 0, std::max(1, textWidth), 10000);
    const int title =
        QFontMetrics(titleFont()).boundingRect(room, Qt::TextWordWrap, m_title).height();
    const int detail =
        QFontMetrics(detailFont()).boundingRect(room, Qt::TextWordWrap, m_detail).height();
    return std::max(title, QFontMetrics(titleFont()).height()) + 1 +
           std::max(detail, QFontMetrics(detailFont()).height());
}

int ChoiceRow::heightForWidth(int width) const
{
    const int content = std::max(
        {textHeight(textRight(width) - textLeft()), radioSide, QFontMetrics(sizeFont()).height()});
    return content + 2 * padding();
}

QSize ChoiceRow::sizeHint() const
{
    const int width = sheetWidth - 48;
    return {width, heightForWidth(width)};
}

void ChoiceRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_card) {
        Theme::paintCard(p, bounds, 12, m_selected ? Theme::accentSoft() : Theme::surface(),
                         Theme::hairline());
    }
    if (hasFocus() && m_keyboardFocus) {
        Theme::paintFocusRing(p, QRectF(rect()), m_card ? 12 : 6);
    }
    const qreal pad = padding();
    const qreal middle = height() / 2.0;

    // The radio mark: a ring, filled at its centre when chosen.
    const QRectF ring(pad + 1, middle - radioSide / 2.0 + 1, radioSide - 2, radioSide - 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(m_selected ? Theme::accent() : Theme::secondaryText(), 1.5));
    p.drawEllipse(ring);
    if (m_selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::accent());
        p.drawEllipse(ring.center(), 4.5, 4.5);
    }

    // The size, or the spinner, on the right.
    qreal right = width() - pad;
    if (m_size == Size::Measured) {
        p.setFont(sizeFont());
        p.setPen(Theme::text());
        const int w = QFontMetrics(sizeFont()).horizontalAdvance(m_sizeText);
        p.drawText(QRectF(right - w, 0, w, height()), Qt::AlignRight | Qt::AlignVCenter,
                   m_sizeText);
        right -= w + 12;
    } else if (m_size == Size::Measuring) {
        const qreal side = 16;
        const QRectF spinner(right - side, middle - side / 2, side, side);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Theme::hairline(), 2));
        p.drawEllipse(spinner.adjusted(1, 1, -1, -1));
        QPen arc(Theme::secondaryText(), 2);
        arc.setCapStyle(Qt::RoundCap);
        p.setPen(arc);
        const int start = int(-m_spin->currentValue().toDouble() * 16);
        p.drawArc(spinner.adjusted(1, 1, -1, -1), start, 100 * 16);
        right -= side + 12;
    }

    // The title over the detail, each wrapped where it must.
    const int left = textLeft();
    const int textWidth = std::max(1, int(right) - left);
    const QRect room(0, 0, textWidth, 10000);
    const QFontMetrics titleMetrics(titleFont());
    const int titleHeight = std::max(
        titleMetrics.boundingRect(room, Qt::TextWordWrap, m_title).height(), titleMetrics.height());
    const qreal top = middle - textHeight(textWidth) / 2.0;
    p.setFont(titleFont());
    p.setPen(Theme::text());
    p.drawText(QRectF(left, top, textWidth, titleHeight),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_title);
    p.setFont(detailFont());
    p.setPen(Theme::secondaryText());
    p.drawText(QRectF(left, top + titleHeight + 1, textWidth, height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_detail);
}

void ChoiceRow::focusInEvent(QFocusEvent *event)
{
    // Only a focus the keyboard moved here is drawn: a ring around the
    // first row when the sheet opens would read as a second choice.
    m_keyboardFocus =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
    update();
}

void ChoiceRow::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    update();
}

QFont ChoiceRow::titleFont()
{
    return Theme::font(14, QFont::DemiBold);
}

QFont ChoiceRow::detailFont()
{
    return Theme::font(12);
}

QFont ChoiceRow::sizeFont()
{
    return Theme::font(15, QFont::DemiBold);
}

void UpToCard::setSelected(bool selected)
{
    if (selected != m_selected) {
        m_selected = selected;
        update();
    }
}

void UpToCard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::paintCard(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12,
                     m_selected ? Theme::accentSoft() : Theme::surface(), Theme::hairline());
}

} // namespace CompressRows
