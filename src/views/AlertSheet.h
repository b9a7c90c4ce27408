#pragma once

#include "look/NoteBanner.h"
#include "views/ToolSheetFrame.h"

#include <QPointer>
#include <QPushButton>

// A message or a question in the app's own look: the tone's symbol on a tinted
// tile, a title, a message and a row of buttons. Like a message box it tells
// which button closed it: Return answers with the default button, Escape and
// closing the window with the escape button. It closes itself on any answer
// and is opened window-modal, without a nested event loop.
class AlertSheet : public ToolSheetFrame
{
    Q_OBJECT

public:
    // How a button looks and where it stands: the default one in the primary
    // look at the right end, a destructive one apart at the left end, the
    // others in the secondary look before the default one.
    enum class Role { Default, Destructive, Other };

    AlertSheet(NoteBanner::Tone tone, const QString &title, const QString &message,
               QWidget *parent = nullptr);

    QString text() const;
    QString informativeText() const;
    void setInformativeText(const QString &message);

    // Buttons stand in the order they are added within their place.
    QPushButton *addButton(const QString &text, Role role);
    QPushButton *defaultButton() const { return m_default; }
    QPushButton *escapeButton() const { return m_escape; }
    void setEscapeButton(QPushButton *button) { m_escape = button; }
    // The button that closed the sheet; null before that, and when it was
    // closed with no escape button set.
    QAbstractButton *clickedButton() const { return m_clicked; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_message;
    QHBoxLayout *m_row;
    int m_trailing = 0; // where the next non-default button goes in the row
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_escape;
    QPointer<QAbstractButton> m_clicked;
};
