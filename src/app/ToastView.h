#pragma once

#include "document/DocumentTypes.h"

#include <QFrame>
#include <QUrl>

#include <optional>

class QLabel;
class QPushButton;

// The toast at the bottom of the detail area: a check mark, the model's text on
// one line and, when there is a file to reveal, "Show in Folder".
class ToastView : public QFrame
{
    Q_OBJECT

public:
    explicit ToastView(QWidget *parent = nullptr);
    void setToast(const Toast &toast);

signals:
    void revealRequested(const QUrl &file);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_text;
    QPushButton *m_reveal;
    std::optional<QUrl> m_file;
};

// Carries the toast and its fade. The toast's shadow is painted here rather
// than as an effect of the toast: nested graphics effects don't render.
class ToastHolder : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};
