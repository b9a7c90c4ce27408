#pragma once

#include <QWidget>

class QVariantAnimation;

// A small indeterminate progress indicator: twelve spokes fading round while
// it is visible. It animates only while shown.
class BusySpinner : public QWidget
{
    Q_OBJECT

public:
    explicit BusySpinner(int side, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QVariantAnimation *m_turn;
    int m_step = 0;
};
