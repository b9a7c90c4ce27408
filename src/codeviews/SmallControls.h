#pragma once

#include <QFont>
#include <QPushButton>
#include <QWidget>

class QLabel;

// A plain-text label in the application font.
QLabel *themedLabel(const QString &text, qreal size, QFont::Weight weight, QColor color,
                    QWidget *parent);

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

