#include "look/NoteBanner.h"

#include "look/Icons.h"
#include "look/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

NoteBanner::NoteBanner(const QString &text, Tone tone, QWidget *parent)
    : QWidget(parent)
    , m_tone(tone)
    , m_symbol(new QLabel(this))
    , m_text(new QLabel(text, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    m_symbol->setObjectName(QStringLiteral("noteSymbol"));
    m_text->setObjectName(QStringLiteral("noteText"));
    m_text->setFont(Theme::font(12.5));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Theme::setTextColor(m_text, Theme::text());
    QSizePolicy textPolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    textPolicy.setHeightForWidth(true); // wraps: its height follows its width
    m_text->setSizePolicy(textPolicy);
    layout->addWidget(m_symbol, 0, Qt::AlignTop);
    layout->addWidget(m_text, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    updateSymbol();
}

QString NoteBanner::text() const
{
    return m_text->text();
}

void NoteBanner::setText(const QString &text)
{
    m_text->setText(text);
    // The banner's height follows its text: a sheet that fits itself to its
    // content right away must not read the height of the old text.
    updateGeometry();
}

QColor NoteBanner::toneColor(Tone tone)
{
    switch (tone) {
    case Tone::Info:
        return Theme::accentDeep();
    case Tone::Warning:
        return Theme::warning();
    case Tone::Danger:
        return Theme::danger();
    }
    return Theme::accentDeep();
}

QIcon NoteBanner::toneIcon(Tone tone)
{
    const Symbol symbol = tone == Tone::Info      ? Symbol::Info
                          : tone == Tone::Warning ? Symbol::Warning
                                                  : Symbol::Danger;
    return Icons::icon(symbol, toneColor(tone));
}

void NoteBanner::updateSymbol()
{
    // As tall as the first line of text, so the symbol sits beside it.
    const int side = QFontMetrics(m_text->font()).height();
    m_symbol->setPixmap(toneIcon(m_tone).pixmap(QSize(side, side), devicePixelRatioF()));
    m_symbol->setFixedSize(side, side);
}

void NoteBanner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Theme::paintCard(p, QRectF(rect()), 12, Theme::withOpacity(toneColor(m_tone), 0.1));
}
