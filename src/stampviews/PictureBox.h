#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture scaled to fit (its proportions kept) inside a rounded box, `padding`
// away from the edges, over a checkerboard or plain white, outlined by a
// hairline. The stamp tiles, the sheet's preview and the ready-stamp tiles are
// all such boxes.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    enum class Backdrop { Checkerboard, White };

    PictureBox(Backdrop backdrop, qreal cornerRadius, qreal padding, QWidget *parent = nullptr);

    QImage image() const { return m_image; }
    // A null image shows the backdrop alone.
    void setImage(const QImage &image);
    // An accent outline in place of the hairline, while a pointer or the
    // keyboard is on the button the box shows.
    void setHighlighted(bool highlighted);

    // Where the picture is drawn in a box of `size`: centred, fitted, padded.
    static QRectF fittedRect(QSizeF picture, QSizeF box, qreal padding);
    // The box's outline, which is also the shape that takes clicks.
    QPainterPath outline() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    const Backdrop m_backdrop;
    const qreal m_radius;
    const qreal m_padding;
    QImage m_image;
    bool m_highlighted = false;
    // The picture at the size it was last drawn, so a repaint never rescales a
    // stamp of a thousand pixels.
    QPixmap m_scaled;
};

// A picture box that is a button as a whole: the tiles of the ready stamps
// and of the library. It takes clicks only inside the rounded outline.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    // Takes `box` as its only content.
    PictureButton(PictureBox *box, QWidget *parent = nullptr);

    PictureBox *box() const { return m_box; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    PictureBox *m_box;
};
