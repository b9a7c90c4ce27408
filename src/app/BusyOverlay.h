#pragma once

#include <QWidget>

class QLabel;

// Dims the detail area while a long operation runs, swallows the clicks meant
// for the screen below and offers Cancel (Escape).
class BusyOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit BusyOverlay(QWidget *parent = nullptr);
    void setTitle(const QString &title);

signals:
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_title;
};
