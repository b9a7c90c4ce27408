#include "app/DialogFilePanels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
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

// The answer of one panel: the value read when it is accepted, otherwise the
// cancelled value. A panel that goes away without closing (its window was
// destroyed under it) answers "cancelled" too, so the caller never waits forever
// and never sees a future cancelled under it.
template<typename T> class PanelAnswer
{
public:
    explicit PanelAnswer(T cancelled)
        : m_cancelled(std::move(cancelled))
    {
        m_promise.start();
    }
    ~PanelAnswer() { give(m_cancelled); }
    PanelAnswer(const PanelAnswer &) = delete;
    PanelAnswer &operator=(const PanelAnswer &) = delete;

    QFuture<T> future() { return m_promise.future(); }
    const T &cancelled() const { return m_cancelled; }

    void give(T value)
    {
        if (m_given) {
            return;
        }
        m_given = true;
        m_promise.addResult(std::move(value));
        m_promise.finish();
    }

private:
    QPromise<T> m_promise;
    T m_cancelled;
    bool m_given = false;
};

// Opens `dialog` window-modally and hands its result to `answer` once, however
// it closes; the dialog deletes itself afterwards.
template<typename T, typename Read> QFuture<T> present(QFileDialog *dialog, T cancelled, Read read)
{
    auto answer = std::make_shared<PanelAnswer<T>>(std::move(cancelled));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(dialog->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    // The connection holds the only reference: destroying the dialog drops it.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answer, read](int code) {
        answer->give(code == QDialog::Accepted ? read(dialog) : answer->cancelled());
    });
    QFuture<T> future = answer->future();
    dialog->open();
    return future;
}

// The save panel proposes the name with the extension, unless it has it
// already in any case ("SCAN.PDF" is a PDF's name too).
QString withPdfExtension(const QString &name)
{
    return name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
               ? name
               : name + QStringLiteral(".pdf");
}

// The save panel. A typed name gets ".pdf" before the panel takes it, so that
// the panel asks about replacing the file that is really written. Its own
// default suffix would not do: "v1.2 (edited)" already has a suffix to it.
class SavePanel : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        if (auto *field = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
            const QString typed = field->text().trimmed();
            if (!typed.isEmpty() && !QFileInfo(typed).isDir()) {
                field->setText(withPdfExtension(typed));
            }
        }
        QFileDialog::accept();
    }
};

} // namespace

QFuture<QList<QUrl>> DialogFilePanels::chooseFiles(bool multiple, QList<FileKind> kinds,
                                                   QString message)
{
    auto *dialog = new QFileDialog(
        m_window, message.isEmpty() ? QCoreApplication::translate("FilePanels", "Open") : message,
        QDir::homePath());
    dialog->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilter(QCoreApplication::translate("FilePanels", "PDFs and pictures (%1)")
                              .arg(fileKindPatterns(kinds).join(QLatin1Char(' '))));
    return present<QList<QUrl>>(dialog, {}, [](QFileDialog *d) { return d->selectedUrls(); });
}

QFuture<std::optional<QUrl>> DialogFilePanels::chooseSaveUrl(QString name, std::optional<QUrl> near)
{
    auto *dialog =
        new SavePanel(m_window, QCoreApplication::translate("FilePanels", "Save"), folderOf(near));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(QCoreApplication::translate("FilePanels", "PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(withPdfExtension(name));
    return present<std::optional<QUrl>>(
        dialog, std::nullopt, [](QFileDialog *d) -> std::optional<QUrl> {
            const QList<QUrl> urls = d->selectedUrls();
            if (urls.isEmpty()) {
                return std::nullopt;
            }
            // A panel of the system's own may hand back the name as typed.
            const QUrl &url = urls.first();
            return url.isLocalFile() ? QUrl::fromLocalFile(withPdfExtension(url.toLocalFile()))
                                     : url;
        });
}

QFuture<std::optional<QUrl>> DialogFilePanels::chooseFolder(std::optional<QUrl> near,
                                                            QString prompt)
{
    auto *dialog = new QFileDialog(m_window, prompt, folderOf(near));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!prompt.isEmpty()) {
        dialog->setLabelText(QFileDialog::Accept, prompt);
    }
    return present<std::optional<QUrl>>(dialog, std::nullopt,
                                        [](QFileDialog *d) -> std::optional<QUrl> {
                                            const QList<QUrl> urls = d->selectedUrls();
                                            if (urls.isEmpty()) {
                                                return std::nullopt;
                                            }
                                            return urls.first();
                                        });
}
