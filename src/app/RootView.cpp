#include "app/RootView.h"

#include "aboutviews/AboutView.h"
#include "aboutviews/SupportView.h"
#include "aboutviews/TellAFriendView.h"
#include "look/DropLoader.h"
#include "app/HomeView.h"
#include "look/Icons.h"
#include "app/PasswordPrompt.h"
#include "app/SidebarView.h"
#include "look/Theme.h"
#include "codeviews/CodesView.h"
#include "model/AppModel.h"
#include "document/OpenFile.h"
#include "platform/FileRevealer.h"
#include "stampviews/SignView.h"
#include "stampviews/StampsView.h"
#include "views/CompressSheet.h"
#include "views/DocumentView.h"
#include "views/ExportImagesSheet.h"
#include "views/MergeView.h"
#include "views/PasswordSheet.h"
#include "views/SplitSheet.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QProgressBar>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Carries the toast and its fade. The toast's shadow is painted here rather
// than as an effect of the toast: nested graphics effects don't render.
class ToastHolder : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (QWidget *toast = findChild<QWidget *>(QStringLiteral("toast"))) {
            QPainter painter(this);
            const QRectF shape = QRectF(toast->geometry());
            Theme::paintShadow(painter, shape, shape.height() / 2, QColor(0, 0, 0, 31), 12, QPointF(0, 4));
        }
    }
};

} // namespace

// ---- Toast

ToastView::ToastView(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("toast"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 10, 16, 10);
    row->setSpacing(12);
    auto *mark = new QLabel(this);
    mark->setPixmap(QIcon::fromTheme(QStringLiteral("emblem-ok-symbolic"),
                                     QIcon::fromTheme(QStringLiteral("dialog-ok")))
                        .pixmap(16, 16));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("toastText"));
    m_text->setFont(Theme::font(13, QFont::Medium));
    m_text->setTextFormat(Qt::PlainText);
    Theme::setTextColor(m_text, Theme::text());
    m_reveal = new QPushButton(tr("Show in Folder"), this);
    m_reveal->setObjectName(QStringLiteral("showInFolder"));
    m_reveal->setFlat(true);
    m_reveal->setCursor(Qt::PointingHandCursor);
    m_reveal->setFont(Theme::font(13, QFont::DemiBold));
    Theme::setTextColor(m_reveal, Theme::accentDeep());
    row->addWidget(mark);
    row->addWidget(m_text);
    row->addWidget(m_reveal);
    connect(m_reveal, &QPushButton::clicked, this, [this] {
        if (m_file) {
            emit revealRequested(*m_file);
        }
    });
}

void ToastView::setToast(const Toast &toast)
{
    m_file = toast.reveal;
    m_reveal->setVisible(toast.reveal.has_value());
    // One line: a long text is shortened rather than wrapped.
    const int room = 520;
    m_text->setText(m_text->fontMetrics().elidedText(toast.text, Qt::ElideRight, room));
    m_text->setToolTip(toast.text);
    adjustSize();
}

void ToastView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Theme::paintCard(painter, r, r.height() / 2, Theme::surface(), Theme::hairline());
}

// ---- Busy overlay

BusyOverlay::BusyOverlay(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("busyOverlay"));
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);
    auto *outer = new QVBoxLayout(this);
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("busyCard"));
    card->setStyleSheet(QStringLiteral("#busyCard { background: %1; border-radius: 18px; }")
                            .arg(Theme::surface().name()));
    Theme::castShadow(card, QColor(0, 0, 0, 38), 20, QPointF(0, 6));
    outer->addStretch();
    outer->addWidget(card, 0, Qt::AlignCenter);
    outer->addStretch();
    auto *stack = new QVBoxLayout(card);
    stack->setContentsMargins(28, 28, 28, 28);
    stack->setSpacing(14);
    auto *progress = new QProgressBar(card);
    progress->setRange(0, 0);
    progress->setTextVisible(false);
    progress->setFixedWidth(180);
    m_title = new QLabel(card);
    m_title->setObjectName(QStringLiteral("busyTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setFont(Theme::font(14, QFont::DemiBold));
    Theme::setTextColor(m_title, Theme::text());
    auto *cancel = new QPushButton(tr("Cancel"), card);
    cancel->setObjectName(QStringLiteral("busyCancel"));
    stack->addWidget(progress, 0, Qt::AlignCenter);
    stack->addWidget(m_title, 0, Qt::AlignCenter);
    stack->addWidget(cancel, 0, Qt::AlignCenter);
    connect(cancel, &QPushButton::clicked, this, &BusyOverlay::cancelRequested);
    // Anywhere in the window, but only while the overlay shows.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &BusyOverlay::cancelRequested);
}

void BusyOverlay::setTitle(const QString &title)
{
    m_title->setText(title);
}

void BusyOverlay::keyPressEvent(QKeyEvent *event)
{
    event->accept(); // nothing typed here reaches the screen below
}

void BusyOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 31));
}

// ---- Root view

RootView::RootView(AppModel *model, FileRevealer *revealer, QWidget *parent)
    : QWidget(parent), m_model(model), m_revealer(revealer)
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
    m_splitter->setChildrenCollapsible(false);
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
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_detail);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({240, 760});
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
    connect(m_toast, &ToastView::revealRequested, this, [this](const QUrl &file) { m_revealer->reveal(file); });
    m_busy = new BusyOverlay(m_detail);
    m_busy->hide();
    connect(m_busy, &BusyOverlay::cancelRequested, this, [this] {
        if (m_model && m_model->busy()) {
            m_model->busy()->task.cancel();
        }
    });

    m_supportAction = new QAction(Icons::icon(Symbol::Heart, Theme::accent()), tr("Support Tamsel"), this);
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

    connect(model, &AppModel::destinationChanged, this, &RootView::route);
    connect(model, &AppModel::signingFileIDChanged, this, &RootView::route);
    connect(model, &AppModel::filesChanged, this, [this] {
        route();
        closeSheetOfClosedFile();
        scheduleModalUpdate();
    });
    for (auto signal : {&AppModel::supportChanged, &AppModel::sheetChanged, &AppModel::passwordRequestChanged,
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
    case Destination::Kind::Home: key = QStringLiteral("home"); break;
    case Destination::Kind::Merge: key = QStringLiteral("merge"); break;
    case Destination::Kind::Stamps: key = QStringLiteral("stamps"); break;
    case Destination::Kind::Codes: key = QStringLiteral("codes"); break;
    case Destination::Kind::About: key = QStringLiteral("about"); break;
    }
    if (key == m_screenKey && m_screen) {
        return;
    }
    m_screenKey = key;
    if (m_screen) {
        m_screen->hide();
        m_screen->deleteLater();
    }
    m_screen = makeScreen();
    m_screen->setParent(m_detail);
    static_cast<QVBoxLayout *>(m_detail->layout())->addWidget(m_screen);
    m_screen->setEnabled(!m_model->busy());
    m_screen->show();
    m_toastHolder->raise();
    m_busy->raise();
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

// ---- Modal state

void RootView::scheduleModalUpdate()
{
    // Deferred, so that a dialog that answers the model after closing itself
    // is seen with the model's state after that answer.
    if (m_modalUpdatePending) {
        return;
    }
    m_modalUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        m_modalUpdatePending = false;
        updateModal();
    });
}

bool RootView::modalStillWanted()
{
    switch (m_modalKind) {
    case ModalKind::None:
        return false;
    case ModalKind::Support:
        return m_model->support() == m_modalSupport;
    case ModalKind::Sheet:
        return m_model->sheet() && m_model->sheet()->id() == m_modalSheet;
    case ModalKind::Password: {
        auto *prompt = qobject_cast<PasswordPrompt *>(m_modal.data());
        return prompt && m_model->passwordRequest() && m_model->passwordRequest()->id == prompt->requestID();
    }
    case ModalKind::Error:
        if (m_model->errorMessage()) {
            // A later failure replaces the text of the one on screen.
            if (auto *box = qobject_cast<QMessageBox *>(m_modal.data())) {
                box->setInformativeText(*m_model->errorMessage());
            }
            return true;
        }
        return false;
    case ModalKind::Closing:
        return m_modalFile && m_model->closingFile() == m_modalFile;
    }
    return false;
}

void RootView::dropModal()
{
    if (m_modal) {
        QDialog *dialog = m_modal;
        dialog->disconnect(this);
        dialog->hide();
        dialog->deleteLater();
    }
    m_modal = nullptr;
    m_modalKind = ModalKind::None;
    m_modalFile = nullptr;
    m_modalSupport.reset();
    m_modalSheet.clear();
}

void RootView::updateModal()
{
    if (!m_model) {
        return;
    }
    if (m_modal) {
        if (modalStillWanted()) {
            return;
        }
        dropModal();
    }
    if (m_model->support()) {
        m_modalSupport = m_model->support();
        present(closingClears(makeSupportPanel(*m_model->support()), ModalKind::Support), ModalKind::Support);
    } else if (m_model->sheet()) {
        QDialog *sheet = makeToolSheet(*m_model->sheet());
        if (!sheet) {
            // Nothing to show must not hold back the questions queued behind it.
            m_model->setSheet(std::nullopt);
            return;
        }
        m_modalSheet = m_model->sheet()->id();
        present(closingClears(sheet, ModalKind::Sheet), ModalKind::Sheet);
    } else if (m_model->passwordRequest()) {
        present(PasswordPrompt::forModel(m_model, window()), ModalKind::Password);
    } else if (m_model->errorMessage()) {
        present(makeErrorAlert(), ModalKind::Error);
    } else if (OpenFile *file = m_model->closingFile()) {
        m_modalFile = file;
        present(makeClosingQuestion(file), ModalKind::Closing);
    }
}

void RootView::present(QDialog *dialog, ModalKind kind)
{
    if (!dialog) {
        return;
    }
    m_modal = dialog;
    m_modalKind = kind;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        if (m_modal == dialog) {
            m_modal = nullptr;
            m_modalKind = ModalKind::None;
        }
        scheduleModalUpdate();
    });
    dialog->open();
}

QDialog *RootView::makeSupportPanel(SupportPrompt prompt)
{
    if (prompt == SupportPrompt::TellAFriend) {
        return new TellAFriendView(m_model, window());
    }
    return new SupportView(m_model, prompt == SupportPrompt::AfterFirstResult, window());
}

QDialog *RootView::makeToolSheet(const FileSheet &sheet)
{
    OpenFile *file = m_model->file(sheet.fileID);
    if (!file) {
        return nullptr; // its file has closed; the sheet is cleared with it
    }
    switch (sheet.kind) {
    case FileSheet::Kind::Compress: return new CompressSheet(m_model, file, window());
    case FileSheet::Kind::Split: return new SplitSheet(m_model, file, window());
    case FileSheet::Kind::Password: return new PasswordSheet(m_model, file, window());
    case FileSheet::Kind::ExportImages: return new ExportImagesSheet(m_model, file, window());
    }
    return nullptr;
}

// However a sheet or panel closes, the model stops asking for it, unless it
// already asks for another one.
QDialog *RootView::closingClears(QDialog *dialog, ModalKind kind)
{
    if (!dialog) {
        return nullptr;
    }
    const std::optional<SupportPrompt> support = m_model->support();
    const QString sheet = m_model->sheet() ? m_model->sheet()->id() : QString();
    connect(dialog, &QDialog::finished, this, [this, kind, support, sheet] {
        if (!m_model) {
            return;
        }
        if (kind == ModalKind::Support && m_model->support() == support) {
            m_model->setSupport(std::nullopt);
        } else if (kind == ModalKind::Sheet && m_model->sheet() && m_model->sheet()->id() == sheet) {
            m_model->setSheet(std::nullopt);
        }
    });
    return dialog;
}

QDialog *RootView::makeErrorAlert()
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Something went wrong"), tr("Something went wrong"),
                                QMessageBox::NoButton, window());
    box->setObjectName(QStringLiteral("errorAlert"));
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(*m_model->errorMessage());
    QPushButton *ok = box->addButton(tr("OK"), QMessageBox::RejectRole);
    ok->setObjectName(QStringLiteral("errorOK"));
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    QPushButton *pictures = nullptr;
    if (m_model->picturesOffer()) {
        pictures = box->addButton(tr("Save as Pictures"), QMessageBox::AcceptRole);
        pictures->setObjectName(QStringLiteral("errorSaveAsPictures"));
    }
    connect(box, &QDialog::finished, this, [this, box, pictures] {
        if (!m_model) {
            return;
        }
        if (pictures && box->clickedButton() == pictures) {
            m_model->saveOfferedPictures();
            return;
        }
        m_model->setPicturesOffer(std::nullopt);
        m_model->setErrorMessage(std::nullopt);
    });
    return box;
}

QDialog *RootView::makeClosingQuestion(OpenFile *file)
{
    auto *box = new QMessageBox(window());
    box->setObjectName(QStringLiteral("closingQuestion"));
    box->setIcon(QMessageBox::Warning);
    box->setWindowTitle(tr("Tamsel"));
    box->setTextFormat(Qt::PlainText);
    box->setText(tr("Save changes to “%1”?").arg(file ? file->name() : QString()));
    box->setInformativeText(
        tr("Your changes will be lost if you close it without saving. The original file stays as it was."));
    QPushButton *saveAs = box->addButton(tr("Save As…"), QMessageBox::AcceptRole);
    saveAs->setObjectName(QStringLiteral("closingSaveAs"));
    QPushButton *discard = box->addButton(tr("Don't Save"), QMessageBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("closingDontSave"));
    QPushButton *cancel = box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("closingCancel"));
    box->setEscapeButton(cancel);
    QPointer<OpenFile> target(file);
    connect(box, &QDialog::finished, this, [this, box, saveAs, discard, target] {
        if (!m_model) {
            return;
        }
        QAbstractButton *clicked = box->clickedButton();
        m_model->setClosingFile(nullptr);
        if (!target) {
            return;
        }
        if (clicked == saveAs) {
            emit saveAsRequested(target);
        } else if (clicked == discard) {
            m_model->close(target);
        }
    });
    return box;
}

void RootView::closeSheetOfClosedFile()
{
    if (m_model && m_model->sheet() && !m_model->file(m_model->sheet()->fileID)) {
        m_model->setSheet(std::nullopt);
    }
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
    return QPoint((m_detail->width() - size.width()) / 2, m_detail->height() - size.height() - 28 + below);
}

void RootView::updateBusy()
{
    if (!m_model) {
        return;
    }
    const auto &busy = m_model->busy();
    if (busy) {
        m_busy->setTitle(busy->title);
    }
    if (m_screen) {
        // Keys and clicks must not reach the screen under the overlay.
        m_screen->setEnabled(!busy);
    }
    m_busy->setVisible(busy.has_value());
    if (busy) {
        layoutOverlays();
        m_busy->raise();
        m_busy->setFocus();
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
