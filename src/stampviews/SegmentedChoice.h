#pragma once

#include <QStringList>
#include <QWidget>

// A row of mutually exclusive choices drawn as one rounded track, the chosen
// one raised on a white card. No choice at all is a valid state (-1), for a
// stored value that names none of the segments.
class SegmentedChoice : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)

public:
    explicit SegmentedChoice(const QStringList &segments, QWidget *parent = nullptr);

    QStringList segments() const { return m_segments; }
    int currentIndex() const { return m_current; }
    // Out-of-range values clear the choice. Notifies only on a change.
    void setCurrentIndex(int index);

    QRect segmentRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int segmentWidth() const;

    QStringList m_segments;
    int m_current = -1;
};
