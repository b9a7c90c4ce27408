#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class ThemeButton;

// The frame every per-file tool sheet shares: a column 24 points in from each
// edge at the width the sheet gives, its title at the top and, at the bottom, a
// row of "Cancel" (Escape) and the sheet's action (Return, the primary look).
//
// A sheet adds its content to body() and calls finishLayout() once. The sheet
// is window-modal and closes itself: Cancel rejects; the action's handler
// accepts first and only then starts the model's work, so the sheet is gone
// before any panel opens. The window that opened it clears the model's `sheet`
// when it has finished.
class ToolSheetFrame : public QDialog
{
    Q_OBJECT

public:
    ToolSheetFrame(const QString &title, int width, int spacing, QWidget *parent = nullptr);

    QLabel *titleLabel() const { return m_title; }
    // Below the title, 4 points apart: for a line that belongs to it.
    QVBoxLayout *header() const { return m_header; }
    // Between the header and the closing row, `spacing` apart.
    QVBoxLayout *body() const { return m_body; }
    QPushButton *cancelButton() const { return m_cancel; }
    ThemeButton *actionButton() const { return m_action; }

    // A text at `size` points in the secondary colour that wraps at the sheet's width.
    QLabel *addNote(const QString &text, qreal size = 13);

protected:
    // Adds the closing row with `actionText`; the action button is disabled until
    // the sheet enables it, unless `enabled`.
    void finishLayout(const QString &actionText, bool enabled = true);
    // An empty row of buttons below the body, for a sheet whose buttons are
    // not Cancel and one action; call fitHeight() once it is filled.
    QHBoxLayout *addClosingRow();
    // Fits the height to the content at the fixed width; call after showing or
    // hiding a part of it.
    void fitHeight();

    void showEvent(QShowEvent *event) override;

private:
    const int m_width;
    QVBoxLayout *m_layout;
    QVBoxLayout *m_header;
    QVBoxLayout *m_body;
    QLabel *m_title;
    QPushButton *m_cancel = nullptr;
    ThemeButton *m_action = nullptr;
};
