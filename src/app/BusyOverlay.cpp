#include "app/BusyOverlay.h"

#include "look/Spinner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

BusyOverlay::BusyOverlay(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("busyOverlay"));
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);
    auto *outer = new QVBoxLayout(this);
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("busyCard"));
    card->setStyleSheet(QStringLiteral("#busyCard { background: %1; border-radius: 18px; }")
                            .arg(Theme::surface().name()));
    Theme::castShadow(card, QColor(0, 0, 0, 38), 20, QPointF(0, 6));
    outer->addStretch();
    outer->addWidget(card, 0, Qt::AlignCenter);
    outer->addStretch();
    auto *stack = new QVBoxLayout(card);
    stack->setContentsMargins(28, 28, 28, 28);
    stack->setSpacing(14);
    card->setMinimumWidth(220);
    auto *spinner = new Spinner(card, 32);
    spinner->setObjectName(QStringLiteral("busySpinner"));
    m_title = new QLabel(card);
    m_title->setObjectName(QStringLiteral("busyTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setFont(Theme::font(14, QFont::DemiBold));
    Theme::setTextColor(m_title, Theme::text());
    auto *cancel = new ThemeButton(tr("Cancel"), ThemeButton::Style::Secondary, card);
    cancel->setObjectName(QStringLiteral("busyCancel"));
    cancel->setFocusPolicy(Qt::TabFocus); // a click leaves the keys with the overlay
    stack->addWidget(spinner, 0, Qt::AlignCenter);
    stack->addWidget(m_title, 0, Qt::AlignCenter);
    stack->addWidget(cancel, 0, Qt::AlignCenter);
    connect(cancel, &QPushButton::clicked, this, &BusyOverlay::cancelRequested);
    // Anywhere in the window, but only while the overlay shows.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &BusyOverlay::cancelRequested);
}

void BusyOverlay::setTitle(const QString &title)
{
    m_title->setText(title);
}

void BusyOverlay::keyPressEvent(QKeyEvent *event)
{
    event->accept(); // nothing typed here reaches the screen below
}

void BusyOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 31));
}
