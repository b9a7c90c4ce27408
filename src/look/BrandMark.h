#pragma once

#include <QPixmap>
#include <QWidget>

// The product's logo in a square of `size` points with rounded corners and a
// soft accent shadow below it.
class BrandMark : public QWidget
{
    Q_OBJECT

public:
    explicit BrandMark(int size, QWidget *parent = nullptr);

    qreal cornerRadius() const { return m_size * 0.2237; }
    qreal shadowRadius() const { return m_size * 0.15; }
    qreal shadowOffset() const { return m_size * 0.06; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static QPixmap renderLogo(int size, qreal ratio);

    const int m_size;
    QPixmap m_picture;
};
