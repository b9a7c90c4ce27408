#pragma once

#include "document/OpenFile.h"

#include <QFuture>
#include <QPointer>
#include <QSet>
#include <QUuid>
#include <QWidget>

class AppModel;
class PageGrid;
class QAbstractButton;
class QLabel;
class QMenu;
class ThemeButton;

// The screen of one open document: a top bar naming the file and its state
// with the page controls, the tool buttons, the More menu and Save As…; the
// page grid; and a footer with one line of help. Everything it changes goes
// through the app model or the document's selection.
class DocumentView : public QWidget
{
    Q_OBJECT

public:
    DocumentView(AppModel *model, OpenFile *file, QWidget *parent = nullptr);

    OpenFile *file() const { return m_file; }
    PageGrid *grid() const { return m_grid; }

    // "12 pages · 3 selected · password · not saved", the pieces that apply.
    QString statusLine() const;
    // What the turn buttons act on: the selection, or every page when none is selected.
    QSet<QUuid> targetIDs() const;
    // True while the tool buttons show their symbols alone for lack of room.
    bool toolButtonsCompact() const;
    // The status line as shown: on one line, or on two where the tool
    // buttons would otherwise lose their titles.
    QStringList statusLines() const;

    // The More menu, filled for the document as it is now.
    QMenu *moreMenu() const { return m_moreMenu; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *makeTopBar();
    QWidget *makeFooter();
    QWidget *makePageControls();
    void refresh();
    void fillMoreMenu();
    void openSigning();
    void fitToolButtons();
    QFuture<void> insertFromFiles();

    AppModel *m_model;
    QPointer<OpenFile> m_file;
    PageGrid *m_grid = nullptr;

    QWidget *m_topBar = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_status = nullptr;
    QAbstractButton *m_deletePages = nullptr;
    QWidget *m_pageControls = nullptr;
    QWidget *m_tools = nullptr;
    ThemeButton *m_passwordButton = nullptr;
    ThemeButton *m_moreButton = nullptr;
    QMenu *m_moreMenu = nullptr;
    ThemeButton *m_saveAs = nullptr;
};
