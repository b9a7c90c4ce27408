#include "app/DialogFilePanels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPromise>

#include <memory>

namespace {

QString folderOf(const std::optional<QUrl> &near)
{
    if (near && near->isLocalFile()) {
        return QFileInfo(near->toLocalFile()).absolutePath();
    }
    return QDir::homePath();
}

// Opens `dialog` window-modally and hands its result to `answer` once, however
// it closes; the dialog deletes itself afterwards.
template <typename T, typename Read>
QFuture<T> present(QFileDialog *dialog, T cancelled, Read read)
{
    auto promise = std::make_shared<QPromise<T>>();
    promise->start();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(dialog->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, promise, cancelled, read](int code) {
        promise->addResult(code == QDialog::Accepted ? read(dialog) : cancelled);
        promise->finish();
    });
    QFuture<T> future = promise->future();
    dialog->open();
    return future;
}

} // namespace

QFuture<QList<QUrl>> DialogFilePanels::chooseFiles(bool multiple, QList<FileKind> kinds, QString message)
{
    auto *dialog = new QFileDialog(m_window, message.isEmpty() ? QCoreApplication::translate("FilePanels", "Open") : message,
                                   QDir::homePath());
    dialog->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilter(QCoreApplication::translate("FilePanels", "PDFs and pictures (%1)")
                              .arg(fileKindPatterns(kinds).join(QLatin1Char(' '))));
    return present<QList<QUrl>>(dialog, {}, [](QFileDialog *d) { return d->selectedUrls(); });
}

QFuture<std::optional<QUrl>> DialogFilePanels::chooseSaveUrl(QString name, std::optional<QUrl> near)
{
    auto *dialog = new QFileDialog(m_window, QCoreApplication::translate("FilePanels", "Save"), folderOf(near));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QCoreApplication::translate("FilePanels", "PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(name);
    return present<std::optional<QUrl>>(dialog, std::nullopt, [](QFileDialog *d) -> std::optional<QUrl> {
        const QList<QUrl> urls = d->selectedUrls();
        if (urls.isEmpty()) {
            return std::nullopt;
        }
        return urls.first();
    });
}

QFuture<std::optional<QUrl>> DialogFilePanels::chooseFolder(std::optional<QUrl> near, QString prompt)
{
    auto *dialog = new QFileDialog(m_window, prompt, folderOf(near));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!prompt.isEmpty()) {
        dialog->setLabelText(QFileDialog::Accept, prompt);
    }
    return present<std::optional<QUrl>>(dialog, std::nullopt, [](QFileDialog *d) -> std::optional<QUrl> {
        const QList<QUrl> urls = d->selectedUrls();
        if (urls.isEmpty()) {
            return std::nullopt;
        }
        return urls.first();
    });
}
