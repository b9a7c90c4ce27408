#pragma once

#include "document/DocumentTypes.h"

#include <QDialog>

#include <functional>
#include <optional>

class AppModel;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the password of one locked PDF and answers once: with the text
// exactly as typed, or with nothing when the user cancels (Cancel, Escape,
// closing the window). It decides nothing else; a wrong password comes back
// as a new request and so as a new, empty prompt.
class PasswordPrompt : public QDialog
{
    Q_OBJECT

public:
    using Answer = std::function<void(std::optional<QString>)>;

    // `answer` is called at most once, after the prompt has closed itself.
    PasswordPrompt(const PasswordRequest &request, Answer answer, QWidget *parent = nullptr);

    // The prompt for the model's pending question, answering through the
    // model; null when no question is pending.
    static PasswordPrompt *forModel(AppModel *model, QWidget *parent = nullptr);

    QUuid requestID() const { return m_requestID; }

public slots:
    void accept() override;
    void reject() override;

private:
    void finish(std::optional<QString> password);

    const QUuid m_requestID;
    Answer m_answer;
    QLineEdit *m_field;
    QPushButton *m_openButton;
};
