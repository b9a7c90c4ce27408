#pragma once

#include <QWidget>

class QVariantAnimation;

// A small turning arc for work of unknown length. It turns only while shown.
class Spinner : public QWidget
{
    Q_OBJECT

public:
    explicit Spinner(QWidget *parent = nullptr, int side = 16);

    bool isSpinning() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QVariantAnimation *m_turn;
    qreal m_angle = 0;
};
