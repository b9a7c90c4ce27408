#pragma once

#include "document/DocumentTypes.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

class AppModel;

// One stamp placement drawn on the page of the Sign & Stamp screen, at its
// place, size and turn. Selected, it shows a dashed frame, a turn handle above
// it and a resize handle at its bottom-right corner, all turned with the stamp.
// Dragging the picture moves it, the handles turn and scale it.
//
// The widget covers the page it is put on: its parent is the page's drawing
// area and its own coordinates are the page's points, y down. Only the picture
// and the handles take the mouse, so stamps lying under one another can each
// be picked. It never changes the document: it asks to be selected and
// reports every new placement value, and the screen stores them.
class PlacedStamp : public QWidget
{
    Q_OBJECT

public:
    PlacedStamp(AppModel *model, const StampPlacement &placement, QSizeF pageSize, bool selected,
                QWidget *page);

    StampPlacement placement() const { return m_placement; }
    void setPlacement(const StampPlacement &placement);
    QSizeF pageSize() const { return m_pageSize; }
    void setPageSize(QSizeF size);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    // The library's picture of the stamp; without one nothing is drawn and
    // nothing can be clicked.
    QImage picture() const;

    // ---- The geometry, in page points

    // Width over height of a picture, guarded against flat and empty pictures.
    static double aspect(QSize picture);
    // The stamp's size on the page: the stored width, the height following the picture.
    QSizeF stampSize() const;
    QPointF centre() const;
    // The page point at (dx, dy) from the centre in the stamp's own unturned
    // frame, turned with the stamp.
    QPointF point(qreal dx, qreal dy) const;
    QPointF turnHandleCentre() const;
    QPointF resizeHandleCentre() const;

    enum class Part { None, Picture, TurnHandle, ResizeHandle };
    // What a press at `at` would take hold of; handles lie over the picture.
    Part partAt(QPointF at) const;

    // ---- The three drags, from the placement at their start

    // None when the centre did not change.
    static std::optional<StampPlacement> moved(const StampPlacement &start,
                                               const StampPlacement &current, QPointF translation,
                                               QSizeF pageSize);
    // None when the drag began within a point of the centre.
    static std::optional<StampPlacement> resized(const StampPlacement &start,
                                                 const StampPlacement &current, QPointF from,
                                                 QPointF to, QSizeF pageSize);
    static StampPlacement rotated(const StampPlacement &start, const StampPlacement &current,
                                  QPointF from, QPointF to, QSizeF pageSize);
    // An angle brought into -180…180 and snapped to the nearest multiple of 90
    // within 4 degrees.
    static double normalisedAngle(double degrees);

    static constexpr qreal frameGap = 4;
    static constexpr qreal connectorLength = 30;
    static constexpr qreal handleDisc = 20;
    static constexpr qreal handleTarget = 36;

signals:
    // A press on the picture, before any movement.
    void selectRequested();
    void changed(const StampPlacement &placement);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void relayout();
    void dragTo(QPointF at);
    QPolygonF pictureOutline(qreal grow = 0) const;
    void paintHandle(QPainter &painter, QPointF centre, bool turn) const;

    QPointer<AppModel> m_model;
    StampPlacement m_placement;
    QSizeF m_pageSize;
    bool m_selected = false;

    // The drag under way: what it holds, where it began and the placement then.
    Part m_dragging = Part::None;
    QPointF m_pressAt;
    std::optional<StampPlacement> m_start;

    QImage m_scaled; // the picture at the size last drawn
};
