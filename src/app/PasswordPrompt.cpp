#include "app/PasswordPrompt.h"

#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

PasswordPrompt::PasswordPrompt(const PasswordRequest &request, Answer answer, QWidget *parent)
    : QDialog(parent)
    , m_requestID(request.id)
    , m_answer(std::move(answer))
{
    setObjectName(QStringLiteral("passwordPrompt"));
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    setFixedWidth(420);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 22, 22, 22);
    layout->setSpacing(14);

    const QFont titleFont = Theme::font(17, QFont::Bold);
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    auto *lock = new QLabel(this);
    lock->setObjectName(QStringLiteral("lockSymbol"));
    const int side = QFontMetrics(titleFont).height();
    // Tinted as the alerts tint their symbols: a question, not a failure.
    lock->setPixmap(Icons::icon(Symbol::Lock, NoteBanner::toneColor(NoteBanner::Tone::Info))
                        .pixmap(QSize(side, side), devicePixelRatioF()));
    lock->setFixedSize(side, side);
    auto *title = new QLabel(tr("“%1” is locked").arg(request.fileName), this);
    setWindowTitle(title->text());
    title->setObjectName(QStringLiteral("passwordTitle"));
    title->setTextFormat(Qt::PlainText);
    title->setFont(titleFont);
    title->setWordWrap(true);
    titleRow->addWidget(lock, 0, Qt::AlignTop);
    titleRow->addWidget(title, 1);
    layout->addLayout(titleRow);

    auto *explanation = new QLabel(this);
    explanation->setObjectName(QStringLiteral("passwordExplanation"));
    explanation->setFont(Theme::font(13));
    explanation->setWordWrap(true);
    explanation->setText(
        request.wasWrong
            ? tr("That password didn't open it. Try again.")
            : tr("Enter its password to open it. The password stays on this computer."));
    Theme::setTextColor(explanation, request.wasWrong ? Theme::danger() : Theme::secondaryText());
    layout->addWidget(explanation);

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("passwordField"));
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setPlaceholderText(tr("Password"));
    layout->addWidget(m_field);

    // The closing row of every sheet: the way out beside the primary action.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->setContentsMargins(0, 6, 0, 0);
    buttons->addStretch(1);
    auto *cancel = new ThemeButton(tr("Cancel"), ThemeButton::Style::Secondary, this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    m_openButton = new ThemeButton(tr("Open"), ThemeButton::Style::Primary, this);
    m_openButton->setObjectName(QStringLiteral("openButton"));
    m_openButton->setDefault(true);
    m_openButton->setEnabled(false);
    buttons->addWidget(cancel);
    buttons->addWidget(m_openButton);
    layout->addLayout(buttons);

    // Return in the field reaches the dialog, which presses the default button
    // only while it is enabled; no second path to an answer is needed.
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_openButton->setEnabled(!text.isEmpty()); });
    connect(cancel, &QPushButton::clicked, this, &PasswordPrompt::reject);
    connect(m_openButton, &QPushButton::clicked, this, &PasswordPrompt::accept);
    m_field->setFocus();
    // Exactly 420 wide; as tall as the wrapped title and line need at that width.
    setFixedHeight(layout->totalHeightForWidth(420));
}

PasswordPrompt *PasswordPrompt::forModel(AppModel *model, QWidget *parent)
{
    if (!model || !model->passwordRequest()) {
        return nullptr;
    }
    QPointer<AppModel> target(model);
    return new PasswordPrompt(
        *model->passwordRequest(),
        [target](std::optional<QString> password) {
            if (target) {
                target->answerPassword(password);
            }
        },
        parent);
}

void PasswordPrompt::accept()
{
    const QString password = m_field->text();
    if (password.isEmpty()) {
        return;
    }
    finish(password);
}

void PasswordPrompt::reject()
{
    finish(std::nullopt);
}

void PasswordPrompt::finish(std::optional<QString> password)
{
    if (!m_answer) {
        return; // answered already: a load is resumed once, never twice
    }
    Answer answer = std::exchange(m_answer, nullptr);
    const bool accepted = password.has_value();
    m_field->clear();
    if (accepted) {
        QDialog::accept();
    } else {
        QDialog::reject();
    }
    // Last: answering may publish a new request, which may replace this prompt.
    answer(std::move(password));
}
