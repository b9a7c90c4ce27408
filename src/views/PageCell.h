#pragma once

// One cell of a document's page grid: the page picture with its stamps, a
// selection frame, and under it the page number with a badge when the page
// carries signatures or stamps. Painted, not a widget, so a grid of a thousand
// pages costs nothing for the cells off screen.

#include "document/DocumentTypes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIcon>
#include <QPixmap>
#include <QRectF>

class AppModel;
class QPainter;

namespace PageCell {

// Pixels of the long side of a cell's page picture.
constexpr int thumbnailLongSide = 360;
constexpr int thumbnailHeight = 200;
constexpr int framePadding = 6;
constexpr int captionSpacing = 8;
constexpr int captionHeight = 16;
// The whole cell from the top of the frame to the bottom of the caption.
constexpr int height = thumbnailHeight + 2 * framePadding + captionSpacing + captionHeight;

// The fonts and the badge of the cells, made once for a whole grid: fonts and
// symbols are looked up anew each time they are built.
struct Look
{
    Look();
    QFont medium;
    QFont bold;
    QFontMetricsF mediumMetrics;
    QFontMetricsF boldMetrics;
    QIcon badge;
};

// The rounded frame around the picture within a cell at `cell`.
QRectF frameRect(const QRectF &cell);
// Where the badge telling that a page has stamps sits, for its tooltip;
// empty for a page without stamps.
QRectF badgeRect(const QRectF &cell, const PageItem &page, int number, const Look &look);

// Paints the cell into `cell` (its width is the cell's; its height `height`).
// Returns true when the page picture was cached, false while it shows the
// placeholder.
bool paint(QPainter &painter, const QRectF &cell, const PageItem &page, int number, bool isSelected,
           const AppModel &model, qreal spinnerPhase, const Look &look);

// The cell as the picture under the pointer while the page is dragged: drawn
// as selected, `width` wide.
QPixmap dragPreview(const PageItem &page, int number, const AppModel &model, int width,
                    qreal devicePixelRatio);

} // namespace PageCell
