#pragma once

#include "document/DocumentTypes.h"

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <optional>

class AppModel;
class NewStampPresenter;
class NoteBanner;
class QLineEdit;
class QMimeData;
class TileGrid;
class ThemeButton;

// The library screen of signatures and stamps: every stamp of the library as
// a tile with its name and a menu to rename or delete it, the menu that makes
// a new one, and a drop target for picture files that starts the new-stamp
// sheet with the first of them; a pasted picture does the same. Making is the
// sheet's work and storing the library's; the screen keeps only which stamp a
// prompt is open for.
class StampsView : public QWidget
{
    Q_OBJECT

public:
    explicit StampsView(AppModel *model, QWidget *parent = nullptr);
    ~StampsView() override;

    NewStampPresenter *presenter() const { return m_presenter; }

    // What the tile menu's "Rename…" does: opens the rename prompt over the
    // window with the stamp's present name in its field.
    void beginRename(const StampRecord &record);
    // What "Delete…" does: asks, window-modally, before the stamp goes.
    void beginDelete(const StampRecord &record);

    // The prompts while they are open.
    QDialog *renameDialog() const { return m_renameDialog; }
    QMessageBox *deleteConfirmation() const { return m_deleteBox; }
    // The stamp a prompt is open for.
    const std::optional<StampRecord> &renaming() const { return m_renaming; }
    const std::optional<StampRecord> &deleting() const { return m_deleting; }

    // Handles a drop as the screen does: true when it started the sheet.
    bool takeDrop(const QMimeData *data);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void rebuildTiles();
    void rename();
    void confirmDelete(const StampRecord &record);
    // Shows the library's message when the change just asked of it failed.
    void showOutcome();

    QPointer<AppModel> m_model;
    NewStampPresenter *m_presenter;
    std::optional<StampRecord> m_renaming;
    QString m_newName;
    std::optional<StampRecord> m_deleting;

    QPointer<QDialog> m_renameDialog;
    QPointer<QMessageBox> m_deleteBox;
    NoteBanner *m_error;
    QWidget *m_emptyState;
    TileGrid *m_grid;
};
