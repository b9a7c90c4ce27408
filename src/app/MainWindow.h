#pragma once

#include <functional>

#include <QMainWindow>
#include <QPointer>

class AppModel;
class OpenFile;
class QAction;
class QScreen;
class RootView;

// The program's one window: the root view and the menu commands. Closing it
// is quitting, since nothing else could bring it back.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppModel *model, QWidget *parent = nullptr);

    RootView *rootView() const { return m_root; }

    // The document the detail area shows; null when it shows anything else.
    OpenFile *currentFile() const;

    // Asks what quitting would lose and quits when the user agrees. Returns at
    // once; the questions are window-modal.
    void requestQuit();

    // "Changes in A and B aren't saved. Use Save As… to keep them."
    static QString unsavedChangesText(const QStringList &names);

    // The first size and the least one, bounded by what `screen` leaves free
    // of panels, and a place wholly on it, centred. The constructor places
    // the window on the screen under the pointer.
    void placeOn(QScreen *screen);
    static constexpr QSize firstSize{1200, 780};
    static constexpr QSize leastSize{1000, 660};

signals:
    // The user agreed to quit and nothing is running any more: the program may end.
    void quitConfirmed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void updateActions();
    void updateTitle();
    void boundToScreen(QScreen *screen);
    QMargins frameMargins() const;
    QSize frameExtent() const;
    void openFiles();
    void closeCurrentFile();
    void saveAs(OpenFile *file);
    void askAboutBusyWork();
    void askAboutUnsavedChanges();
    void askToQuit(const QString &objectName, const QString &text, const QString &details,
                   std::function<void()> onQuit);
    void finishQuit();

    QPointer<AppModel> m_model;
    RootView *m_root;
    QAction *m_saveAs = nullptr;
    QAction *m_closeFile = nullptr;
    bool m_quitAsked = false; // a quit question is on screen
    bool m_quitting = false;  // the user agreed; the window may close
    bool m_waitingForWork = false;
    bool m_followsScreen = false;
};
