#pragma once

#include "document/DocumentTypes.h"
#include "model/Thumbnails.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QUuid>
#include <QWidget>

#include <optional>

class AppModel;
class Spinner;
class PlacedStamp;

// The page being signed, as large as the screen allows, with its stamps laid
// over it to be picked, moved, scaled and turned. It shows the page's picture
// from the app's thumbnail cache (a spinner until it is there) and the stamps
// only once the picture is, since they are placed relative to it.
//
// It changes nothing itself: it reports presses, new placement values and the
// Delete and Escape keys, and shows what the screen hands back.
class SignPageArea : public QWidget
{
    Q_OBJECT

public:
    explicit SignPageArea(AppModel *model, QWidget *parent = nullptr);

    static constexpr int pictureLongSide = 2000;
    static constexpr int pageMargin = 28;

    const std::optional<PageItem> &page() const { return m_page; }
    void setPage(const std::optional<PageItem> &page);
    void setSelectedPlacement(const std::optional<QUuid> &placement);

    bool isShowingPicture() const;
    // Where the page is drawn; empty while its picture is not there.
    QRect pageRect() const { return m_pageRect; }
    // The widget laid exactly over the drawn page, parent of the stamps.
    QWidget *pageSurface() const { return m_surface; }
    PlacedStamp *placedStamp(const QUuid &placement) const { return m_stamps.value(placement); }
    QList<PlacedStamp *> placedStamps() const;

signals:
    void stampPressed(const QUuid &placement);
    void stampChanged(const StampPlacement &placement);
    // A press on the page where no stamp lies.
    void pagePressed();
    void deletePressed();
    void escapePressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::optional<Thumbnails::Key> key() const;
    void request();
    void relayout();
    void syncStamps();

    AppModel *m_model;
    std::optional<PageItem> m_page;
    std::optional<QUuid> m_selected;

    QWidget *m_surface;
    Spinner *m_spinner;
    QHash<QUuid, PlacedStamp *> m_stamps;
    QList<QUuid> m_stacking; // the order the stamps were last raised in, the selected one last

    QRect m_pageRect;
    QPixmap m_scaled;        // the picture at the size drawn
    qint64 m_scaledFrom = 0; // the cache key of the picture it was scaled from
};
