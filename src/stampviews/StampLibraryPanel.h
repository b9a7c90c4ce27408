#pragma once

#include "document/DocumentTypes.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class AppModel;
class NewStampPresenter;
class QLabel;
class QMimeData;
class QPushButton;
class QSlider;
class TileGrid;

// The side panel of the Sign & Stamp screen: the library's stamps to put on
// the current page, the menu that makes a new one (which then lands on the
// page at once), and, while a stamp on the page is selected, its name, its
// angle and the buttons to copy it to all pages or take it off the page.
// Pictures pasted or dropped on it start the new-stamp sheet as the menu does.
// It changes nothing itself: every page change is asked of the screen.
class StampLibraryPanel : public QWidget
{
    Q_OBJECT

public:
    explicit StampLibraryPanel(AppModel *model, QWidget *parent = nullptr);

    const std::optional<StampPlacement> &selected() const { return m_selected; }
    // Follows the screen's selection; the angle slider follows its rotation
    // without reporting it back.
    void setSelected(const std::optional<StampPlacement> &placement);

    // The readout of an angle: whole degrees, halves away from zero.
    static QString angleText(double degrees);

    static constexpr int preferredWidth = 280;
    QSize sizeHint() const override;

    NewStampPresenter *presenter() const { return m_presenter; }
    // Starts the new-stamp sheet for the first picture file or the picture
    // bytes of a drop or a paste (Ctrl+V while the screen shows); true when
    // there was a picture.
    bool takePicture(const QMimeData *data);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

signals:
    void placeRequested(const StampRecord &record);
    void removeSelectedRequested();
    void addToAllRequested();
    void rotateRequested(double degrees);

private:
    void rebuildTiles();
    void showSelection();

    QPointer<AppModel> m_model;
    std::optional<StampPlacement> m_selected;
    NewStampPresenter *m_presenter;

    QLabel *m_emptyNote;
    TileGrid *m_grid;
    QWidget *m_selection;
    QLabel *m_name;
    QSlider *m_angle;
    QLabel *m_angleReadout;
};
