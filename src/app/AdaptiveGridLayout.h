#pragma once

#include <QLayout>
#include <QList>

// A grid that fits as many columns as its width allows, each at least
// `minimumColumnWidth` wide, and fills them row by row. Columns share the width
// evenly; a row is as tall as its tallest item. Shorter items that can grow
// take the row's height, the others sit at its top. Items whose height follows
// their width (wrapping text) get at least the height their column's width needs.
class AdaptiveGridLayout : public QLayout
{
    Q_OBJECT

public:
    AdaptiveGridLayout(int minimumColumnWidth, int spacing, QWidget *parent = nullptr);
    ~AdaptiveGridLayout() override;

    // How many columns fit into `width`.
    int columnsForWidth(int width) const;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect &rect) override;

private:
    int itemHeight(const QLayoutItem *item, int width) const;
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_minimumColumnWidth;
    int m_spacing;
};
