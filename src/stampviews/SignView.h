#pragma once

#include "document/DocumentTypes.h"
#include "document/OpenFile.h"

#include <QPointer>
#include <QUuid>
#include <QWidget>

#include <optional>

class AppModel;
class QAbstractButton;
class QLabel;
class SignPageArea;
class SignPageStrip;
class StampLibraryPanel;

// The Sign & Stamp screen of one open document: a top bar with the way back,
// the page counter, the page buttons and Save As…; a strip of all pages; the
// current page with its stamps to move, scale and turn; and the stamp library
// to put stamps on the page.
//
// The screen holds only which page is shown and which stamp is selected; every
// change to the document goes through the app model. It starts on the model's
// signing start page (the first page when that is not one of this document's)
// and leaves by clearing the model's signing file.
class SignView : public QWidget
{
    Q_OBJECT

public:
    SignView(AppModel *model, OpenFile *file, QWidget *parent = nullptr);

    OpenFile *file() const { return m_file; }

    // The page shown: the one chosen, or the first when that is gone.
    std::optional<PageItem> currentPage() const;
    // Its position in the document, 0 when there is none.
    int currentIndex() const;
    // The selected placement, when it lies on the page shown.
    std::optional<StampPlacement> selectedStamp() const;
    std::optional<QUuid> selectedPlacementID() const { return m_selectedPlacement; }

    // Moves `step` pages on, within the document, and clears the selection.
    void go(int step);
    void showPage(const QUuid &page);
    // Puts a library stamp on the page shown and selects it.
    void place(const StampRecord &record);
    void removeSelected();
    void addSelectedToAllPages();
    void rotateSelected(double degrees);
    void select(const QUuid &placement);
    void deselect();

    SignPageStrip *strip() const { return m_strip; }
    SignPageArea *pageArea() const { return m_area; }
    StampLibraryPanel *panel() const { return m_panel; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeTopBar();
    QWidget *makePageButtons();
    void setCurrentID(const std::optional<QUuid> &page);
    void refresh();
    void leave();

    AppModel *m_model;
    QPointer<OpenFile> m_file;
    std::optional<QUuid> m_currentID;
    std::optional<QUuid> m_selectedPlacement;
    bool m_shownOnce = false;

    QLabel *m_pageCounter = nullptr;
    QAbstractButton *m_previous = nullptr;
    QAbstractButton *m_next = nullptr;
    SignPageStrip *m_strip = nullptr;
    SignPageArea *m_area = nullptr;
    StampLibraryPanel *m_panel = nullptr;
};
