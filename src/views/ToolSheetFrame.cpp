#include "views/ToolSheetFrame.h"

#include "look/Theme.h"
#include "look/ThemeButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ToolSheetFrame::ToolSheetFrame(const QString &title, int width, int spacing, QWidget *parent)
    : QDialog(parent)
    , m_width(width)
{
    setWindowTitle(title);
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    setFixedWidth(width);
    setSizeGripEnabled(false);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(24, 24, 24, 24);
    m_layout->setSpacing(spacing);

    m_header = new QVBoxLayout;
    m_header->setSpacing(4);
    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("sheetTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setFont(Theme::font(18, QFont::Bold));
    Theme::setTextColor(m_title, Theme::text());
    m_header->addWidget(m_title);
    m_layout->addLayout(m_header);

    m_body = new QVBoxLayout;
    m_body->setSpacing(spacing);
    m_body->setContentsMargins(0, 0, 0, 0);
    m_layout->addLayout(m_body);
}

QLabel *ToolSheetFrame::addNote(const QString &text, qreal size)
{
    auto *label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Theme::font(size));
    label->setWordWrap(true);
    Theme::setTextColor(label, Theme::secondaryText());
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    label->setSizePolicy(policy);
    m_body->addWidget(label);
    return label;
}

QHBoxLayout *ToolSheetFrame::addClosingRow()
{
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    row->setContentsMargins(0, 6, 0, 0);
    m_layout->addLayout(row);
    return row;
}

void ToolSheetFrame::finishLayout(const QString &actionText, bool enabled)
{
    QHBoxLayout *row = addClosingRow();
    row->addStretch(1);
    auto *cancel = new ThemeButton(tr("Cancel"), ThemeButton::Style::Secondary, this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    m_cancel = cancel;
    m_action = new ThemeButton(actionText, ThemeButton::Style::Primary, this);
    m_action->setObjectName(QStringLiteral("actionButton"));
    m_action->setDefault(true);
    m_action->setEnabled(enabled);
    row->addWidget(m_cancel);
    row->addWidget(m_action);
    // Escape already rejects a dialog; the button is the same way out for the mouse.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    fitHeight();
}

void ToolSheetFrame::fitHeight()
{
    m_layout->activate();
    setFixedHeight(m_layout->totalHeightForWidth(m_width));
}

void ToolSheetFrame::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitHeight();
}
