#pragma once

#include <QWidget>

// Lays its child widgets out in as many columns as fit, each at least
// `minimumColumnWidth` wide, sharing the width evenly, row by row in the order
// they were added. Rows are as tall as their tallest child; the grid's height
// follows its width.
class TileGrid : public QWidget
{
    Q_OBJECT

public:
    TileGrid(int minimumColumnWidth, int spacing, QWidget *parent = nullptr);

    int columnsFor(int width) const;
    // Places the tiles for the present width; call after adding, removing,
    // showing or hiding tiles.
    void arrange();

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void childEvent(QChildEvent *event) override;

private:
    QList<QWidget *> tiles() const;
    // Top of every row and the grid's whole height, for a width.
    QList<int> rowTops(int width, int *height) const;

    const int m_minimumColumnWidth;
    const int m_spacing;
};
