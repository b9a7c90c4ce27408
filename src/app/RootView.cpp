#include "app/RootView.h"

#include "aboutviews/AboutView.h"
#include "aboutviews/DonationNetwork.h"
#include "app/BusyOverlay.h"
#include "app/HomeView.h"
#include "app/SidebarView.h"
#include "app/ToastView.h"
#include "codeviews/CodesView.h"
#include "look/DropLoader.h"
#include "look/Icons.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "platform/FileRevealer.h"
#include "stampviews/SignView.h"
#include "stampviews/StampsView.h"
#include "views/DocumentView.h"
#include "views/MergeView.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QMimeData>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

RootView::RootView(AppModel *model, FileRevealer *revealer, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_revealer(revealer)
{
    setObjectName(QStringLiteral("rootView"));
    if (!m_revealer) {
        m_ownRevealer = std::make_unique<SystemFileRevealer>();
        m_revealer = m_ownRevealer.get();
    }
    setAcceptDrops(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("rootSplitter"));
    m_sidebar = new SidebarView(model, m_splitter);
    m_sidebar->setMinimumWidth(220);
    m_sidebar->setMaximumWidth(300);
    m_detail = new QWidget(m_splitter);
    m_detail->setObjectName(QStringLiteral("detailArea"));
    m_detail->setAutoFillBackground(true);
    QPalette palette = m_detail->palette();
    palette.setColor(QPalette::Window, Theme::background());
    m_detail->setPalette(palette);
    auto *detailLayout = new QVBoxLayout(m_detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    // On a small screen the window may be smaller than a screen's least size;
    // the screen then scrolls instead of pushing the window off the display.
    m_screenScroll = new QScrollArea(m_detail);
    m_screenScroll->setObjectName(QStringLiteral("screenScroll"));
    m_screenScroll->setFrameShape(QFrame::NoFrame);
    m_screenScroll->setWidgetResizable(true);
    m_screenScroll->setFocusPolicy(Qt::NoFocus);
    m_screenScroll->viewport()->setAutoFillBackground(false);
    detailLayout->addWidget(m_screenScroll);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_detail);
    m_splitter->setStretchFactor(1, 1);
    // Only the sidebar gives way: dragged past its least width it folds away.
    m_splitter->setCollapsible(0, true);
    m_splitter->setCollapsible(1, false);
    m_splitter->setSizes({m_sidebarWidth, 760});
    layout->addWidget(m_splitter);
    m_detail->installEventFilter(this);

    m_toastHolder = new ToastHolder(m_detail);
    m_toastHolder->setObjectName(QStringLiteral("toastHolder"));
    auto *toastRoom = new QVBoxLayout(m_toastHolder);
    // Room for the shadow, which would be clipped at the holder's edges.
    toastRoom->setContentsMargins(14, 10, 14, 14);
    m_toast = new ToastView(m_toastHolder);
    toastRoom->addWidget(m_toast);
    m_toastFade = new QGraphicsOpacityEffect(m_toastHolder);
    m_toastHolder->setGraphicsEffect(m_toastFade);
    m_toastHolder->hide();
    m_toastMotion = new QParallelAnimationGroup(this);
    m_toastSlide = new QPropertyAnimation(m_toastHolder, "pos", m_toastMotion);
    m_toastOpacity = new QPropertyAnimation(m_toastFade, "opacity", m_toastMotion);
    for (QPropertyAnimation *a : {m_toastSlide, m_toastOpacity}) {
        a->setDuration(200);
        a->setEasingCurve(QEasingCurve::OutCubic);
    }
    connect(m_toastMotion, &QAbstractAnimation::finished, this, [this] {
        if (!m_toastShown) {
            m_toastHolder->hide();
        }
    });
    connect(m_toast, &ToastView::revealRequested, this,
            [this](const QUrl &file) { m_revealer->reveal(file); });
    m_busy = new BusyOverlay(m_detail);
    m_busy->hide();
    connect(m_busy, &BusyOverlay::cancelRequested, this, [this] {
        if (m_model && m_model->busy()) {
            m_model->busy()->task.cancel();
        }
    });

    m_supportAction =
        new QAction(Icons::icon(Symbol::Heart, Theme::accent()), tr("Support Tamsel"), this);
    m_supportAction->setObjectName(QStringLiteral("supportButton"));
    m_supportAction->setToolTip(tr("Support the developer"));
    connect(m_supportAction, &QAction::triggered, this, [this] {
        if (m_model) {
            m_model->setSupport(SupportPrompt::Manual);
        }
    });
    m_aboutAction = new QAction(Icons::icon(Symbol::Info, Theme::text()), tr("About Tamsel"), this);
    m_aboutAction->setObjectName(QStringLiteral("aboutButton"));
    m_aboutAction->setToolTip(tr("About, updates, privacy and support"));
    connect(m_aboutAction, &QAction::triggered, this, [this] {
        if (m_model) {
            m_model->setDestination(Destination::about());
        }
    });

    m_sidebarAction = new QAction(Icons::icon(Symbol::Sidebar, Theme::text()), QString(), this);
    m_sidebarAction->setObjectName(QStringLiteral("sidebarAction"));
    m_sidebarAction->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    connect(m_sidebarAction, &QAction::triggered, this,
            [this] { setSidebarShown(!isSidebarShown()); });
    connect(m_splitter, &QSplitter::splitterMoved, this, &RootView::updateSidebarAction);
    updateSidebarAction();
    // An action only works while a widget of the window holds it.
    addAction(m_sidebarAction);

    // Every screen behaves the same, so the support offer after a result is the
    // only place that must know whether this build can take a donation.
    model->setCanOfferSupport(DonationNetwork::anyAddress());

    connect(model, &AppModel::destinationChanged, this, &RootView::route);
    connect(model, &AppModel::signingFileIDChanged, this, &RootView::route);
    connect(model, &AppModel::filesChanged, this, [this] {
        route();
        closeSheetOfClosedFile();
        scheduleModalUpdate();
    });
    for (auto signal :
         {&AppModel::supportChanged, &AppModel::sheetChanged, &AppModel::passwordRequestChanged,
          &AppModel::errorMessageChanged, &AppModel::closingFileChanged}) {
        connect(model, signal, this, &RootView::scheduleModalUpdate);
    }
    connect(model, &AppModel::toastChanged, this, &RootView::updateToast);
    connect(model, &AppModel::busyChanged, this, &RootView::updateBusy);

    route();
    updateToast();
    updateBusy();
    scheduleModalUpdate();
}

RootView::~RootView()
{
    // Closing the window is not the user answering a question.
    dropModal();
}

// ---- Routing

void RootView::route()
{
    if (!m_model) {
        return;
    }
    const Destination d = m_model->destination().value_or(Destination::home());
    QString key;
    switch (d.kind()) {
    case Destination::Kind::File:
        if (!m_model->file(d.fileID())) {
            key = QStringLiteral("home");
        } else if (m_model->signingFileID() == d.fileID()) {
            key = QStringLiteral("sign-") + d.fileID().toString();
        } else {
            key = QStringLiteral("file-") + d.fileID().toString();
        }
        break;
    case Destination::Kind::Home:
        key = QStringLiteral("home");
        break;
    case Destination::Kind::Merge:
        key = QStringLiteral("merge");
        break;
    case Destination::Kind::Stamps:
        key = QStringLiteral("stamps");
        break;
    case Destination::Kind::Codes:
        key = QStringLiteral("codes");
        break;
    case Destination::Kind::About:
        key = QStringLiteral("about");
        break;
    }
    if (key == m_screenKey && m_screen) {
        return;
    }
    m_screenKey = key;
    if (m_screen) {
        // Later: the old screen may be the one whose click brought us here.
        m_screen->hide();
        QWidget *old = m_screenScroll->takeWidget();
        old->setParent(m_detail);
        old->deleteLater();
    }
    m_screen = makeScreen();
    m_screenScroll->setWidget(m_screen);
    m_screen->setEnabled(!m_model->busy());
    m_screen->installEventFilter(this);
    m_screen->show();
    m_toastHolder->raise();
    m_busy->raise();
    emit screenTitleChanged();
}

// ---- Sidebar

bool RootView::isSidebarShown() const
{
    return m_splitter->sizes().value(0) > 0;
}

void RootView::setSidebarShown(bool shown)
{
    if (shown == isSidebarShown()) {
        return;
    }
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (shown) {
        const int width =
            std::clamp(m_sidebarWidth, m_sidebar->minimumWidth(), m_sidebar->maximumWidth());
        m_splitter->setSizes({width, std::max(0, total - width)});
    } else {
        m_sidebarWidth = sizes.value(0);
        m_splitter->setSizes({0, total});
    }
    updateSidebarAction();
}

void RootView::updateSidebarAction()
{
    const bool shown = isSidebarShown();
    if (shown) {
        m_sidebarWidth = m_splitter->sizes().value(0);
    }
    m_sidebarAction->setText(shown ? tr("Hide Sidebar") : tr("Show Sidebar"));
    m_sidebarAction->setToolTip(m_sidebarAction->text());
}

QWidget *RootView::makeScreen()
{
    if (m_screenKey == QLatin1String("home")) {
        auto *home = new HomeView(m_model);
        home->setObjectName(QStringLiteral("homeView"));
        return home;
    }
    if (m_screenKey.startsWith(QLatin1String("sign-"))) {
        const Destination d = m_model->destination().value_or(Destination::home());
        return new SignView(m_model, m_model->file(d.fileID()));
    }
    if (m_screenKey.startsWith(QLatin1String("file-"))) {
        const Destination d = m_model->destination().value_or(Destination::home());
        return new DocumentView(m_model, m_model->file(d.fileID()));
    }
    if (m_screenKey == QLatin1String("merge")) {
        return new MergeView(m_model);
    }
    if (m_screenKey == QLatin1String("stamps")) {
        return new StampsView(m_model);
    }
    if (m_screenKey == QLatin1String("codes")) {
        return new CodesView(m_model);
    }
    return new AboutView(m_model);
}

// ---- Overlays

void RootView::updateToast()
{
    if (!m_model) {
        return;
    }
    const auto &toast = m_model->toast();
    if (!toast) {
        if (m_toastShown) {
            m_toastShown = false;
            slideToast(QPoint(m_toastHolder->x(), m_detail->height()), 0.0);
        }
        return;
    }
    m_toast->setToast(*toast);
    m_toastHolder->resize(m_toastHolder->sizeHint());
    if (!m_toastShown) {
        // It rises from the bottom edge as it fades in.
        m_toastShown = true;
        if (!m_toastHolder->isVisible()) {
            m_toastFade->setOpacity(0.0);
            m_toastHolder->move(toastRestingPlace().x(), m_detail->height());
        }
        m_toastHolder->show();
    }
    // A replacement moves to its new centred place the same way.
    slideToast(toastRestingPlace(), 1.0);
    m_toastHolder->raise();
    m_busy->raise();
}

void RootView::slideToast(QPoint to, qreal opacity)
{
    m_toastMotion->stop();
    m_toastSlide->setStartValue(m_toastHolder->pos());
    m_toastSlide->setEndValue(to);
    m_toastOpacity->setStartValue(m_toastFade->opacity());
    m_toastOpacity->setEndValue(opacity);
    m_toastMotion->start();
}

QPoint RootView::toastRestingPlace() const
{
    // The toast floats 28 points above the bottom edge; the holder adds the room for its shadow.
    const QSize size = m_toastHolder->size();
    const int below = m_toastHolder->layout()->contentsMargins().bottom();
    return QPoint((m_detail->width() - size.width()) / 2,
                  m_detail->height() - size.height() - 28 + below);
}

void RootView::updateBusy()
{
    if (!m_model) {
        return;
    }
    const auto &busy = m_model->busy();
    if (busy && m_busy->isHidden()) {
        // The overlay holds the keys only while it shows; they go back afterwards.
        QWidget *focus = window()->focusWidget();
        m_focusBeforeBusy = focus != m_busy ? focus : nullptr;
    }
    if (busy) {
        m_busy->setTitle(busy->title);
    }
    if (m_screen) {
        // Keys and clicks must not reach the screen under the overlay.
        m_screen->setEnabled(!busy);
    }
    if (busy) {
        m_busy->show();
        layoutOverlays();
        m_busy->raise();
        m_busy->setFocus();
    } else if (!m_busy->isHidden()) {
        giveBackFocus();
        m_busy->hide();
    }
}

void RootView::giveBackFocus()
{
    QWidget *before = m_focusBeforeBusy;
    m_focusBeforeBusy = nullptr;
    QWidget *now = window()->focusWidget();
    if (now && now != m_busy && !m_busy->isAncestorOf(now)) {
        return; // the user has put the keys elsewhere meanwhile
    }
    if (before && before->isVisibleTo(window()) && before->isEnabled()) {
        before->setFocus(Qt::OtherFocusReason);
    } else if (m_screen) {
        // The screen shown before has gone (the work opened another one): its
        // first part that a click would focus takes the keys, as it would
        // have on appearing.
        const auto parts = m_screen->findChildren<QWidget *>();
        for (QWidget *part : parts) {
            if ((part->focusPolicy() & Qt::ClickFocus) && part->isVisibleTo(m_screen) &&
                part->isEnabled()) {
                part->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
}

void RootView::layoutOverlays()
{
    m_busy->setGeometry(m_detail->rect());
    if (m_toastShown && m_toastMotion->state() != QAbstractAnimation::Running) {
        m_toastHolder->move(toastRestingPlace());
    }
}

bool RootView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_detail && event->type() == QEvent::Resize) {
        layoutOverlays();
    } else if (watched == m_screen && event->type() == QEvent::WindowTitleChange) {
        emit screenTitleChanged();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Drops on the rest of the window

// Only drags that carry files are welcomed: a web address alone would be taken
// and then open nothing.
void RootView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DropLoader::urls(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void RootView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!DropLoader::urls(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void RootView::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    if (m_model) {
        m_model->open(DropLoader::urls(event->mimeData()));
    }
}
