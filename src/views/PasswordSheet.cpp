#include "views/PasswordSheet.h"

#include "document/OpenFile.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Runs after the sheet has gone; belongs to the model.
QFuture<void> chooseTargetAndWrite(AppModel *model, BuildPlan plan, QString name, QUrl near,
                                   QString title)
{
    const std::optional<QUrl> target = co_await model->chooseSaveURL(name, near);
    if (!target) {
        co_return;
    }
    const QFuture<void> writing = model->write(plan, *target, title, [] {});
    co_await writing;
}

} // namespace

PasswordSheet::PasswordSheet(AppModel *model, OpenFile *file, QWidget *parent)
    : ToolSheetFrame(tr("Password"), 460, 14, parent)
    , m_model(model)
    , m_file(file)
    , m_protected(file && file->password().has_value())
{
    setObjectName(QStringLiteral("passwordSheet"));
    const QString name = file ? file->name() : QString();

    if (m_protected) {
        QLabel *intro =
            addNote(tr("“%1” is protected with a password. Save a copy that opens without it, "
                       "or a copy with a new one.")
                        .arg(name));
        intro->setObjectName(QStringLiteral("sheetIntro"));
        auto *withoutPassword = new ThemeButton(tr("Save a Copy without Password…"),
                                                ThemeButton::Style::Secondary, this);
        withoutPassword->setObjectName(QStringLiteral("withoutPasswordButton"));
        withoutPassword->setAutoDefault(false);
        body()->addWidget(withoutPassword, 0, Qt::AlignLeft);
        connect(withoutPassword, &QAbstractButton::clicked, this,
                [this] { saveCopy(std::nullopt); });
        auto *divider = new QFrame(this);
        divider->setFixedHeight(1);
        divider->setAutoFillBackground(true);
        QPalette palette = divider->palette();
        palette.setColor(QPalette::Window, Theme::hairline());
        divider->setPalette(palette);
        body()->addWidget(divider);
    } else {
        QLabel *intro =
            addNote(tr("Save a copy that asks for this password to open. Keep it somewhere safe: "
                       "it can't be recovered."));
        intro->setObjectName(QStringLiteral("sheetIntro"));
    }

    const auto field = [this](const QString &placeholder, const char *objectName) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(objectName));
        edit->setEchoMode(QLineEdit::Password);
        edit->setPlaceholderText(placeholder);
        edit->setAccessibleName(placeholder);
        edit->setMinimumHeight(32);
        body()->addWidget(edit);
        return edit;
    };
    m_password = field(m_protected ? tr("New password") : tr("Password"), "passwordField");
    m_repeated = field(tr("Repeat password"), "repeatField");

    m_mismatch = new QLabel(tr("The passwords don't match."), this);
    m_mismatch->setObjectName(QStringLiteral("mismatchLine"));
    m_mismatch->setFont(Theme::font(12));
    Theme::setTextColor(m_mismatch, Theme::danger());
    m_mismatch->hide();
    body()->addWidget(m_mismatch);

    finishLayout(tr("Save Protected Copy…"), false);
    connect(actionButton(), &QAbstractButton::clicked, this, [this] {
        // Return reaches here only while the button is enabled; check anyway, a
        // protected copy with a mistyped password could never be opened again.
        if (!m_password->text().isEmpty() && m_password->text() == m_repeated->text()) {
            saveCopy(m_password->text());
        }
    });
    connect(m_password, &QLineEdit::textChanged, this, &PasswordSheet::updateState);
    connect(m_repeated, &QLineEdit::textChanged, this, &PasswordSheet::updateState);
    m_password->setFocus();
}

void PasswordSheet::updateState()
{
    const QString password = m_password->text();
    const QString repeated = m_repeated->text();
    // Exactly equal, character for character: no trimming, no minimum length.
    const bool mismatch = !repeated.isEmpty() && repeated != password;
    if (m_mismatch->isHidden() == mismatch) {
        m_mismatch->setVisible(mismatch);
        fitHeight();
    }
    actionButton()->setEnabled(!password.isEmpty() && password == repeated);
}

void PasswordSheet::saveCopy(const std::optional<QString> &password)
{
    if (!m_file || !m_model) {
        reject();
        return;
    }
    //: The name offered for the copy: %1 the document's name.
    const QString name = password ? tr("%1 (protected)").arg(m_file->name())
                                  : tr("%1 (no password)").arg(m_file->name());
    // The pages as they are now, when the button is pressed.
    BuildPlan plan;
    plan.pages = m_file->pages();
    plan.stampFiles = m_model->stamps()->files();
    plan.password = password;
    const QUrl near = m_file->url();
    const QString title = tr("Saving…");
    m_password->clear();
    m_repeated->clear();
    accept();
    AppModel *model = m_model;
    QMetaObject::invokeMethod(
        model,
        [model, plan, name, near, title] { chooseTargetAndWrite(model, plan, name, near, title); },
        Qt::QueuedConnection);
}
