#include "app/MainWindow.h"

#include "aboutviews/AboutView.h"
#include "app/HomeView.h"
#include "app/RootView.h"
#include "app/SidebarView.h"
#include "document/OpenFile.h"
#include "model/AppModel.h"
#include "views/AlertSheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

MainWindow::MainWindow(AppModel *model, QWidget *parent)
    : QMainWindow(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("mainWindow"));
    m_root = new RootView(model, nullptr, this);
    setCentralWidget(m_root);
    connect(m_root, &RootView::saveAsRequested, this, &MainWindow::saveAs);
    connect(m_root, &RootView::screenTitleChanged, this, &MainWindow::updateTitle);
    updateTitle();
    buildMenus();
    // The window's own bar: the support and about buttons at its trailing end.
    QToolBar *bar = addToolBar(tr("Tamsel"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(20, 20));
    bar->addAction(m_root->sidebarAction());
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    bar->addActions(m_root->toolbarActions());
    for (auto signal :
         {&AppModel::destinationChanged, &AppModel::filesChanged, &AppModel::busyChanged}) {
        connect(model, signal, this, &MainWindow::updateActions);
    }
    // An installed update's new copy runs and waits for this one to end.
    connect(model, &AppModel::quitRequested, this, &MainWindow::requestQuit);
    updateActions();
    QScreen *pointed = QGuiApplication::screenAt(QCursor::pos());
    placeOn(pointed ? pointed : QGuiApplication::primaryScreen());
}

void MainWindow::placeOn(QScreen *screen)
{
    if (!screen) {
        resize(firstSize);
        setMinimumSize(leastSize);
        return;
    }
    // A native window knows the frame it gets, where the platform tells it
    // before the window shows.
    winId();
    boundToScreen(screen);
    const QRect free = screen->availableGeometry();
    const QSize size = firstSize.boundedTo(free.size() - frameExtent());
    QRect placed(QPoint(), size);
    placed.moveCenter(free.center());
    // The frame's top and left edges stay on screen too.
    const QMargins frame = frameMargins();
    placed.moveTopLeft(QPoint(std::max(placed.left(), free.left() + frame.left()),
                              std::max(placed.top(), free.top() + frame.top())));
    setGeometry(placed);
}

void MainWindow::boundToScreen(QScreen *screen)
{
    // The least size holds only where the screen has room for it; the screens
    // scroll below their own least sizes.
    setMinimumSize(leastSize.boundedTo(screen->availableGeometry().size() - frameExtent()));
}

OpenFile *MainWindow::currentFile() const
{
    if (!m_model) {
        return nullptr;
    }
    const auto &d = m_model->destination();
    if (!d || d->kind() != Destination::Kind::File) {
        return nullptr;
    }
    return m_model->file(d->fileID());
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *open = file->addAction(tr("Open…"), this, &MainWindow::openFiles);
    open->setObjectName(QStringLiteral("openAction"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    m_saveAs = file->addAction(tr("Save As…"), this, [this] { saveAs(currentFile()); });
    m_saveAs->setObjectName(QStringLiteral("saveAsAction"));
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_closeFile = file->addAction(tr("Close File"), this, &MainWindow::closeCurrentFile);
    m_closeFile->setObjectName(QStringLiteral("closeFileAction"));
    file->addSeparator();
    QAction *quit = file->addAction(tr("Quit"), this, &MainWindow::requestQuit);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->addAction(m_root->sidebarAction());

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *about = help->addAction(tr("About Tamsel"), this, [this] {
        if (m_model) {
            m_model->setDestination(Destination::about());
        }
    });
    about->setObjectName(QStringLiteral("aboutAction"));
    QAction *updates = help->addAction(tr("Check for Updates…"), this, [this] {
        if (m_model) {
            m_model->setDestination(Destination::about());
            m_model->checkForUpdates();
        }
    });
    updates->setObjectName(QStringLiteral("checkForUpdatesAction"));
    QAction *support = help->addAction(tr("Support the Developer…"), this, [this] {
        if (m_model) {
            m_model->setSupport(SupportPrompt::Manual);
        }
    });
    support->setObjectName(QStringLiteral("supportAction"));
}

void MainWindow::updateTitle()
{
    // Task switchers tell two windows apart by what they show; the home
    // screen has nothing of its own to name, and the about panel's title
    // names the program already.
    const QWidget *screen = m_root->currentScreen();
    const QString shown =
        screen && !qobject_cast<const HomeView *>(screen) ? screen->windowTitle() : QString();
    if (shown.isEmpty()) {
        setWindowTitle(tr("Tamsel"));
    } else if (qobject_cast<const AboutView *>(screen)) {
        setWindowTitle(shown);
    } else {
        setWindowTitle(tr("%1 — Tamsel").arg(shown));
    }
}

void MainWindow::saveAs(OpenFile *file)
{
    if (m_model && file) {
        m_model->saveAs(file);
    }
}

void MainWindow::updateActions()
{
    OpenFile *current = currentFile();
    m_saveAs->setEnabled(current && m_model && !m_model->busy());
    // A running operation leaves closing possible: closing asks first when needed.
    m_closeFile->setEnabled(current != nullptr);
}

void MainWindow::openFiles()
{
    if (!m_model) {
        return;
    }
    QPointer<AppModel> model(m_model);
    m_model->chooseFiles(true, {FileKind::Pdf, FileKind::Picture})
        .then(this, [model](const QList<QUrl> &urls) {
            if (model) {
                model->open(urls);
            }
        });
}

void MainWindow::closeCurrentFile()
{
    if (OpenFile *current = currentFile()) {
        SidebarView::requestClose(m_model, current);
    }
}

QString MainWindow::unsavedChangesText(const QStringList &names)
{
    return tr("Changes in %1 aren't saved. Use Save As… to keep them.")
        .arg(QLocale().createSeparatedList(names));
}

void MainWindow::requestQuit()
{
    if (m_quitting) {
        finishQuit();
        return;
    }
    if (m_quitAsked || !m_model) {
        if (!m_model) {
            finishQuit();
        }
        return;
    }
    // An update being put in place must not be interrupted; the quit is refused silently.
    if (m_model->isInstallingUpdate()) {
        return;
    }
    askAboutBusyWork();
}

void MainWindow::askAboutBusyWork()
{
    if (!m_model->busy()) {
        askAboutUnsavedChanges();
        return;
    }
    askToQuit(
        QStringLiteral("quitWhileBusyQuestion"), tr("Stop and quit?"),
        tr("Tamsel is still working (%1). Quitting stops that work; nothing half-written is kept.")
            .arg(m_model->busy()->title),
        [this] {
            if (m_model) {
                askAboutUnsavedChanges();
            }
        });
}

void MainWindow::askAboutUnsavedChanges()
{
    QStringList names;
    for (OpenFile *file : m_model->files()) {
        if (file->isEdited()) {
            names << file->name();
        }
    }
    if (names.isEmpty()) {
        finishQuit();
        return;
    }
    askToQuit(QStringLiteral("quitQuestion"), tr("Quit without saving?"), unsavedChangesText(names),
              [this] { finishQuit(); });
}

// One quit question: Cancel is the default and the Escape answer; `onQuit` runs
// only for "Quit Anyway". Window-modal, opened without a nested event loop.
void MainWindow::askToQuit(const QString &objectName, const QString &text, const QString &details,
                           std::function<void()> onQuit)
{
    m_quitAsked = true;
    auto *question = new AlertSheet(NoteBanner::Tone::Warning, text, details, this);
    question->setObjectName(objectName);
    QPushButton *quit = question->addButton(tr("Quit Anyway"), AlertSheet::Role::Destructive);
    quit->setObjectName(QStringLiteral("quitAnyway"));
    QPushButton *cancel = question->addButton(tr("Cancel"), AlertSheet::Role::Default);
    cancel->setObjectName(QStringLiteral("quitCancel"));
    question->setEscapeButton(cancel);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    connect(question, &QDialog::finished, this, [this, question, quit, onQuit = std::move(onQuit)] {
        m_quitAsked = false;
        if (question->clickedButton() == quit) {
            onQuit();
        }
    });
    question->open();
}

void MainWindow::finishQuit()
{
    m_quitting = true;
    if (m_model && m_model->busy()) {
        // Writes are atomic: once the cancelled work has ended, nothing
        // half-written is left behind, so quitting waits for that end.
        m_model->busy()->task.cancel();
        if (!m_waitingForWork) {
            m_waitingForWork = true;
            connect(m_model, &AppModel::busyChanged, this, [this] {
                if (!m_model || !m_model->busy()) {
                    emit quitConfirmed();
                }
            });
        }
        return;
    }
    emit quitConfirmed();
}

QMargins MainWindow::frameMargins() const
{
    // Known once the window manager has framed the window; none before.
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

QSize MainWindow::frameExtent() const
{
    const QMargins frame = frameMargins();
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_followsScreen && windowHandle()) {
        m_followsScreen = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::boundToScreen);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_quitting && (!m_model || !m_model->busy())) {
        event->accept();
        return;
    }
    event->ignore();
    requestQuit();
}
