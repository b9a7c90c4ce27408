// The root view's modal queue: one sheet, panel, prompt, alert or question at
// a time, taken from the model's modal state in a fixed order of precedence.

#include "app/RootView.h"

#include "aboutviews/SupportView.h"
#include "aboutviews/TellAFriendView.h"
#include "app/PasswordPrompt.h"
#include "document/OpenFile.h"
#include "model/AppModel.h"
#include "views/AlertSheet.h"
#include "views/CompressSheet.h"
#include "views/ExportImagesSheet.h"
#include "views/PasswordSheet.h"
#include "views/SplitSheet.h"

#include <QPushButton>
#include <QTimer>

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
        return prompt && m_model->passwordRequest() &&
               m_model->passwordRequest()->id == prompt->requestID();
    }
    case ModalKind::Error:
        if (m_model->errorMessage()) {
            // A later failure replaces the text of the one on screen.
            if (auto *alert = qobject_cast<AlertSheet *>(m_modal.data())) {
                alert->setInformativeText(*m_model->errorMessage());
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
        present(closingClears(makeSupportPanel(*m_model->support()), ModalKind::Support),
                ModalKind::Support);
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
    case FileSheet::Kind::Compress:
        return new CompressSheet(m_model, file, window());
    case FileSheet::Kind::Split:
        return new SplitSheet(m_model, file, window());
    case FileSheet::Kind::Password:
        return new PasswordSheet(m_model, file, window());
    case FileSheet::Kind::ExportImages:
        return new ExportImagesSheet(m_model, file, window());
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
        } else if (kind == ModalKind::Sheet && m_model->sheet() &&
                   m_model->sheet()->id() == sheet) {
            m_model->setSheet(std::nullopt);
        }
    });
    return dialog;
}

QDialog *RootView::makeErrorAlert()
{
    auto *alert = new AlertSheet(NoteBanner::Tone::Danger, tr("Something went wrong"),
                                 *m_model->errorMessage(), window());
    alert->setObjectName(QStringLiteral("errorAlert"));
    QPushButton *ok = alert->addButton(tr("OK"), AlertSheet::Role::Default);
    ok->setObjectName(QStringLiteral("errorOK"));
    alert->setEscapeButton(ok);
    QPushButton *pictures = nullptr;
    if (m_model->picturesOffer()) {
        pictures = alert->addButton(tr("Save as Pictures"), AlertSheet::Role::Other);
        pictures->setObjectName(QStringLiteral("errorSaveAsPictures"));
    }
    connect(alert, &QDialog::finished, this, [this, alert, pictures] {
        if (!m_model) {
            return;
        }
        if (pictures && alert->clickedButton() == pictures) {
            m_model->saveOfferedPictures();
            return;
        }
        m_model->setPicturesOffer(std::nullopt);
        m_model->setErrorMessage(std::nullopt);
    });
    return alert;
}

QDialog *RootView::makeClosingQuestion(OpenFile *file)
{
    auto *question = new AlertSheet(
        NoteBanner::Tone::Warning, tr("Save changes to “%1”?").arg(file ? file->name() : QString()),
        tr("Your changes will be lost if you close it without saving. The original file stays as "
           "it was."),
        window());
    question->setObjectName(QStringLiteral("closingQuestion"));
    QPushButton *discard = question->addButton(tr("Don't Save"), AlertSheet::Role::Destructive);
    discard->setObjectName(QStringLiteral("closingDontSave"));
    QPushButton *cancel = question->addButton(tr("Cancel"), AlertSheet::Role::Other);
    cancel->setObjectName(QStringLiteral("closingCancel"));
    QPushButton *saveAs = question->addButton(tr("Save As…"), AlertSheet::Role::Default);
    saveAs->setObjectName(QStringLiteral("closingSaveAs"));
    question->setEscapeButton(cancel);
    QPointer<OpenFile> target(file);
    connect(question, &QDialog::finished, this, [this, question, saveAs, discard, target] {
        if (!m_model) {
            return;
        }
        QAbstractButton *clicked = question->clickedButton();
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
    return question;
}

void RootView::closeSheetOfClosedFile()
{
    if (m_model && m_model->sheet() && !m_model->file(m_model->sheet()->fileID)) {
        m_model->setSheet(std::nullopt);
    }
}
