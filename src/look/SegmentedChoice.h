#pragma once

#include <QStringList>
#include <QWidget>

// A row of mutually exclusive choices drawn as one rounded control; the chosen
// segment is a raised white card. Arrow keys move the choice.
class SegmentedChoice : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)

public:
    explicit SegmentedChoice(const QStringList &labels, QWidget *parent = nullptr);

    int count() const { return int(m_labels.size()); }
    QString label(int index) const { return m_labels.value(index); }
    int currentIndex() const { return m_current; }
    // -1, and any index outside the labels, chooses nothing.
    void setCurrentIndex(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // Only on a real change.
    void currentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QRectF segmentRect(int index) const;
    int segmentWidth() const;

    QStringList m_labels;
    int m_current = -1;
    bool m_showsFocus = false; // only when reached from the keyboard
};
