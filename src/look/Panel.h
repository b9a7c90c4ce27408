#pragma once

#include <QWidget>

class QVBoxLayout;

// A white card with rounded corners and a faint shadow that holds other
// widgets `padding` away from its edges, aligned to the leading edge. It takes
// all the width it is offered.
class Panel : public QWidget
{
    Q_OBJECT

public:
    explicit Panel(int padding, QWidget *parent = nullptr);

    // Adds `widget` below the content so far: across the full inner width when
    // it can grow, at the leading edge when it can't.
    void addWidget(QWidget *widget);

    // Where the card's content goes, for spacing, stretches and nested layouts.
    QVBoxLayout *contentLayout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVBoxLayout *m_layout;
};
