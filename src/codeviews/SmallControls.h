#pragma once

#include <QFont>
#include <QPushButton>
#include <QWidget>

// A button drawn as a plain link: accent text without a body, underlined while
// the pointer is over it.
class LinkButton : public QPushButton
{
    Q_OBJECT

public:
    explicit LinkButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
