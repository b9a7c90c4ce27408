#pragma once

// Every page picture of the document screens: the cached thumbnail of a page
// with its placed stamps drawn live over it, or a placeholder with a spinner
// while the picture is not cached. Painting never renders: the pictures come
// from the app's thumbnail cache, which a caller fills through Thumbnails::load.

#include "document/DocumentTypes.h"
#include "model/Thumbnails.h"

#include <QRectF>
#include <QWidget>

class AppModel;
class QPainter;
class StampLibrary;

namespace PageImage {

// The cache key of `page` at `longSide` pixels: stamps are not part of it, so
// moving a stamp never renders the page again.
Thumbnails::Key key(const PageItem &page, int longSide);

// Where a picture of `pictureSize` sits when fitted into `area` at its own aspect
// ratio, centred.
QRectF fitted(const QRectF &area, const QSizeF &pictureSize);

// Paints the page into `area` (aspect-fit, centred) on a white ground with a soft
// shadow, its stamps over it when `showsStamps`; or the rounded placeholder at
// the aspect of an A4 page with a spinner at `spinnerPhase` (0 to 1, one turn).
// Returns the rectangle the page or placeholder took, and whether the picture
// was cached in `isCached`.
QRectF paint(QPainter &painter, const QRectF &area, const PageItem &page, int longSide,
             bool showsStamps, const AppModel &model, qreal spinnerPhase, bool *isCached = nullptr);

} // namespace PageImage

namespace StampImage {

// Draws one placement over a page picture shown at `pageRect`: `width` of the
// page's width, centred at `center` of it, turned by `rotation` about its own
// centre. Nothing when the library has no picture for the stamp.
void paint(QPainter &painter, const StampPlacement &placement, const QRectF &pageRect,
           const StampLibrary &library);

// The size of the drawn stamp: `width` of the page's width, its height from the
// picture's aspect, kept finite for degenerate pictures.
QSizeF size(const StampPlacement &placement, const QSizeF &pageSize, const QSizeF &pictureSize);

} // namespace StampImage

// A page picture as a widget of its own, for lists and strips that are not item
// views. It asks the cache for its picture while it is shown, and again when
// its page is turned, another page is shown or the cache drops the picture.
class PageImageView : public QWidget
{
    Q_OBJECT

public:
    PageImageView(AppModel *model, int longSide, bool showsStamps, QWidget *parent = nullptr);

    const PageItem &page() const { return m_page; }
    void setPage(const PageItem &page);

    // True while the picture of the current page is cached.
    bool isShowingPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void request();
    void onImagesChanged(const Thumbnails::Key &key);

    AppModel *m_model;
    const int m_longSide;
    const bool m_showsStamps;
    PageItem m_page;
    int m_spinnerTimer = 0;

    void timerEvent(QTimerEvent *event) override;
    void updateSpinner();
};
