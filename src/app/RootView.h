#pragma once

#include "document/DocumentTypes.h"

#include <QPointer>
#include <QWidget>

class AppModel;
class BusyOverlay;
class FileRevealer;
class OpenFile;
class QAction;
class QDialog;
class QGraphicsOpacityEffect;
class QParallelAnimationGroup;
class QPropertyAnimation;
class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class SidebarView;
class ToastView;

// The whole content of the window: the sidebar beside the detail area that
// shows what the model's destination names, and the one presenter of the
// model's modal state. It shows one modal at a time, window-modal and without
// nested event loops; only the user's dismissal writes back to the model.
class RootView : public QWidget
{
    Q_OBJECT

public:
    // `revealer` shows a file in the file manager; the system's when null.
    explicit RootView(AppModel *model, FileRevealer *revealer = nullptr, QWidget *parent = nullptr);
    ~RootView() override;

    QWidget *detailArea() const { return m_detail; }
    // The screen the detail area shows now.
    QWidget *currentScreen() const { return m_screen; }
    // The modal shown now; null when none.
    QDialog *currentModal() const { return m_modal; }
    // "Support Tamsel" and "About Tamsel", for the window's toolbar.
    QList<QAction *> toolbarActions() const { return {m_supportAction, m_aboutAction}; }
    // "Hide Sidebar"/"Show Sidebar", for the toolbar and the View menu. The
    // choice lasts as long as the view; it is not kept between runs.
    QAction *sidebarAction() const { return m_sidebarAction; }
    bool isSidebarShown() const;
    void setSidebarShown(bool shown);

signals:
    // "Save As…" was chosen in the unsaved-changes question.
    void saveAsRequested(OpenFile *file);
    // Another screen shows, or the shown one changed its title.
    void screenTitleChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class ModalKind { None, Support, Sheet, Password, Error, Closing };

    void route();
    QWidget *makeScreen();
    void scheduleModalUpdate();
    void updateModal();
    bool modalStillWanted();
    void dropModal();
    void present(QDialog *dialog, ModalKind kind);
    QDialog *makeSupportPanel(SupportPrompt prompt);
    QDialog *makeToolSheet(const FileSheet &sheet);
    QDialog *closingClears(QDialog *dialog, ModalKind kind);
    QDialog *makeErrorAlert();
    QDialog *makeClosingQuestion(OpenFile *file);
    void closeSheetOfClosedFile();
    void updateToast();
    void slideToast(QPoint to, qreal opacity);
    QPoint toastRestingPlace() const;
    void updateBusy();
    void giveBackFocus();
    void layoutOverlays();
    void updateSidebarAction();

    QPointer<AppModel> m_model;
    FileRevealer *m_revealer;
    std::unique_ptr<FileRevealer> m_ownRevealer;
    QSplitter *m_splitter;
    SidebarView *m_sidebar;
    QWidget *m_detail;
    QScrollArea *m_screenScroll; // scrolls a screen only where the window is smaller than it needs
    QWidget *m_screen = nullptr;
    QString m_screenKey;
    ToastView *m_toast;
    QWidget *m_toastHolder; // carries the toast's fade; the toast itself carries its shadow
    QGraphicsOpacityEffect *m_toastFade;
    QParallelAnimationGroup *m_toastMotion;
    QPropertyAnimation *m_toastSlide;
    QPropertyAnimation *m_toastOpacity;
    bool m_toastShown = false;
    QAction *m_supportAction;
    QAction *m_aboutAction;
    QAction *m_sidebarAction;
    int m_sidebarWidth = 240; // to come back at when shown again
    BusyOverlay *m_busy;
    QPointer<QWidget> m_focusBeforeBusy;

    QPointer<QDialog> m_modal;
    ModalKind m_modalKind = ModalKind::None;
    QPointer<OpenFile> m_modalFile; // the file the unsaved-changes question asks about
    std::optional<SupportPrompt> m_modalSupport;
    QString m_modalSheet;
    bool m_modalUpdatePending = false;
};
