#pragma once

#include "about/UpdateChecker.h"
#include "document/DocumentTypes.h"
#include "document/OpenFile.h"
#include "model/PasswordQueue.h"
#include "model/SourceHolds.h"
#include "platform/Async.h"
#include "platform/FileKinds.h"
#include "platform/SharedBytes.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Clipboard;
class Clock;
class CodesModel;
class FilePanels;
class MergeModel;
class PDFEngine;
class StampLibrary;
class Thumbnails;

// The one app-wide model: the open documents, what the window shows, every
// modal question and message, and the models the screens use.
//
// Main thread only. Each observed property has a getter, a setter and a signal.
// Setters of values with equality notify only when the value changes; `files`,
// `busy`, `closingFile` and `passwordRequest` notify on every assignment;
// `merge` notifies when another object is assigned. The model owns the open
// documents; a closed one is deleted once control returns to the event loop.
class AppModel : public QObject
{
    Q_OBJECT

public:
    // What the model needs from outside. Tests hand in their own engine and
    // clock; the program uses AppModel(QObject *) below.
    struct Services
    {
        PDFEngine *engine = nullptr;    // required by every operation that reads a source
        Clock *clock = nullptr;         // absent: the model runs a system clock of its own
        FilePanels *panels = nullptr;   // absent: every panel answers as if cancelled
        QString stampsFolder;           // empty: standardStampsFolder()
        Clipboard *clipboard = nullptr; // absent: the system clipboard
        // Starts the program at the given path as the copy that replaces this one;
        // false when it cannot be started. Absent: Relaunch::startSuccessor.
        std::function<bool(const QString &program)> startCopy = nullptr;
    };

    // The program's model: the shared engine, the system clock, the standard stamp folder.
    explicit AppModel(QObject *parent);
    explicit AppModel(Services services, QObject *parent = nullptr);
    ~AppModel() override;

    // The user's application data folder + "Tamsel/Stamps".
    static QString standardStampsFolder();
    QString stampsFolder() const { return m_stampsFolder; }

    PDFEngine *engine() const { return m_engine; }
    Clock *clock() const { return m_clock; }
    FilePanels *panels() const { return m_panels; }
    void setPanels(FilePanels *panels) { m_panels = panels; }
    // The clipboard that pasted pictures are read from and copied texts go to.
    Clipboard *clipboard() const { return m_clipboard; }

    // The stamp library of the stamp folder, loaded when the model is made.
    StampLibrary *stamps() const { return m_stamps; }
    // The one cache of rendered page pictures; renders on the model's engine.
    Thumbnails *thumbnails() const { return m_thumbnails; }

    // ---- Observed state

    const std::optional<Destination> &destination() const { return m_destination; }
    void setDestination(const std::optional<Destination> &destination);

    const QList<OpenFile *> &files() const { return m_files; }
    // Always notifies. Documents in the list become the model's children.
    void setFiles(const QList<OpenFile *> &files);
    // The first open document with that id; null when none.
    OpenFile *file(const QUuid &id) const;

    MergeModel *merge() const { return m_merge; }
    // The state of code reading, for the whole run.
    CodesModel *codes() const { return m_codes; }
    // Takes ownership of `merge`; notifies only when another object is assigned.
    void setMerge(MergeModel *merge);

    // Takes ownership of `codes`; notifies only when another object is assigned.
    void setCodes(CodesModel *codes);

    const std::optional<SupportPrompt> &support() const { return m_support; }
    void setSupport(const std::optional<SupportPrompt> &support);

    const std::optional<FileSheet> &sheet() const { return m_sheet; }
    void setSheet(const std::optional<FileSheet> &sheet);

    const std::optional<Toast> &toast() const { return m_toast; }
    void setToast(const std::optional<Toast> &toast);

    const std::optional<QString> &errorMessage() const { return m_errorMessage; }
    void setErrorMessage(const std::optional<QString> &message);

    // A save that failed because its pages can only be saved as pictures, kept
    // next to its error message so that the alert can offer that way: the same
    // plan as pictures of its pages, to the same target. Read when the alert
    // is made; the alert clears it when it closes.
    struct PicturesOffer
    {
        BuildPlan plan;
        QUrl target;
    };
    const std::optional<PicturesOffer> &picturesOffer() const { return m_picturesOffer; }
    void setPicturesOffer(const std::optional<PicturesOffer> &offer) { m_picturesOffer = offer; }
    // Saves the offered pictures (the user chose it in the alert) and clears the offer.
    QFuture<void> saveOfferedPictures();

    const std::optional<BusyState> &busy() const { return m_busy; }
    void setBusy(const std::optional<BusyState> &busy);

    const std::optional<QUuid> &signingFileID() const { return m_signingFileID; }
    void setSigningFileID(const std::optional<QUuid> &id);

    const std::optional<QUuid> &signingStartPage() const { return m_signingStartPage; }
    void setSigningStartPage(const std::optional<QUuid> &id);

    OpenFile *closingFile() const { return m_closingFile; }
    void setClosingFile(OpenFile *file);

    const std::optional<PasswordRequest> &passwordRequest() const { return m_passwordRequest; }
    void setPasswordRequest(const std::optional<PasswordRequest> &request);

    bool isCheckingForUpdates() const { return m_checkingForUpdates; }
    void setCheckingForUpdates(bool checking);

    const std::optional<UpdateChecker::Result> &updateResult() const { return m_updateResult; }
    // Always notifies: a result has no equality, and every check is news.
    void setUpdateResult(const std::optional<UpdateChecker::Result> &result);

    bool isInstallingUpdate() const { return m_installingUpdate; }
    void setInstallingUpdate(bool installing);

    const std::optional<QString> &updateInstallError() const { return m_updateInstallError; }
    void setUpdateInstallError(const std::optional<QString> &message);

    // ---- Opening, loading and closing

    struct Loaded
    {
        int pageCount = 0;
        std::optional<QString>
            password;     // the one that opened the file; absent when none was needed
        int revision = 0; // the engine's version of the file the pages name
    };

    // Opens every PDF of `urls` as a document of its own and all pictures of the
    // call as one document in name order, then shows the last one and starts
    // `tool` on it. Finishes when every file has been handled.
    QFuture<void> open(QList<QUrl> urls, std::optional<Tool> tool = std::nullopt);
    // Opens one PDF in the engine, asking for its password as often as needed.
    // Absent when the file can't be opened (reported in errorMessage) or the
    // user cancels the question (silent). Questions of loads running at the same
    // time are asked one load after the other.
    QFuture<std::optional<Loaded>> load(QUrl url);
    // The answer to `passwordRequest`; absent means cancelled. A second answer
    // to the same question does nothing.
    void answerPassword(const std::optional<QString> &answer);
    // Removes the document, moves the window off it when it was shown, and lets
    // the engine drop the sources that nothing uses any more. The future finishes
    // once those have been dropped.
    QFuture<void> close(OpenFile *file);
    // The open panel; empty when cancelled.
    QFuture<QList<QUrl>> chooseFiles(bool multiple, QList<FileKind> kinds);

    // True while a page of an open document or of a merge entry reads from
    // `url`, or while an open, load or insert is bringing it in.
    bool isSourceInUse(const QUrl &url) const;

    // ---- Reading codes

    // Reads the codes of the files, in order, replacing the running read: PDFs
    // through load() with its password questions, pictures through the engine,
    // other files skipped. Returns at once; `codes` shows the outcome.
    void readCodes(QList<QUrl> urls);
    // Reads the picture on the clipboard; without one, says so in errorMessage
    // and leaves a running read alone.
    void readCodesFromClipboard();

    // ---- Page edits; ids that name no page are passed over

    // A quarter turn of each page, carrying its stamps along. Pages with stamps
    // are measured on the engine first; the change lands when the future finishes.
    QFuture<void> turn(OpenFile *file, QSet<QUuid> pages, bool clockwise);
    // Refused with a message when it would leave the document without a page.
    void deletePages(OpenFile *file, const QSet<QUuid> &pages);
    // Adds the pages of the files behind the last selected page (at the end when
    // none is selected) and selects them.
    QFuture<void> insertPages(OpenFile *file, QList<QUrl> urls);
    // Moves the pages, in page order, before the page `before` (to the end when absent).
    void move(OpenFile *file, const QList<QUuid> &pages, const std::optional<QUuid> &before);

    // ---- Stamp placements

    std::optional<StampPlacement> place(const StampRecord &record, OpenFile *file,
                                        const QUuid &page);
    void addToAllPages(const StampPlacement &placement, OpenFile *file, const QUuid &page);
    void update(const StampPlacement &placement, OpenFile *file, const QUuid &page);
    void remove(const QUuid &placement, OpenFile *file, const QUuid &page);
    // Deletes the stamp from the library and, once that has been saved, every
    // placement of it from the open documents. When the library can't save the
    // change, its own message says so and the documents keep their placements.
    void deleteStamp(const QUuid &id);

    // ---- Updates

    // Asks the update feed whether a newer build exists and keeps the outcome in
    // `updateResult`. Does nothing while a check or an install runs; a check
    // cannot be cancelled and always ends with a result.
    void checkForUpdates();
    // Puts the release in place of this copy (Updater::install) and starts the new
    // copy, then asks to quit through quitRequested(). Does nothing while an install
    // or a long operation runs or a file has unsaved changes. A failure, or an
    // install that can't relaunch now, ends with its sentence in
    // `updateInstallError`; quitting is refused meanwhile (isInstallingUpdate).
    void installUpdate(const UpdateChecker::Release &release);
    // True when an open file has changes that are not saved.
    bool hasUnsavedChanges() const;

    // ---- Toasts and after-save prompts

    // Shows `text` at the bottom of the window for 2.5 s, or 6 s with a file to reveal.
    void showToast(const QString &text, const std::optional<QUrl> &reveal = std::nullopt);
    // The support panel once per installation, after the first result; only
    // while there is something to give to (a build may come without any
    // donation address), and then not used up.
    void offerSupportOnce();
    void setCanOfferSupport(bool can) { m_canOfferSupport = can; }
    // Reports files just written: the toast, the saved-files count and the offers.
    void saved(const QList<QUrl> &urls);

    // ---- Saving, writing files and merging
    //
    // Nothing is ever written in place: every output goes to a target the user
    // picks, through a temporary file renamed over it, so a failed write leaves
    // an old file as it was. The futures finish when the whole operation has
    // ended, however it ended; failures are reported in errorMessage.

    // The busy operation's work: ends with a failure, a cancellation (silent) or success.
    using Work = std::function<QFuture<Result<void>>(CancelToken task)>;
    // The bytes of the file at a position of a writeFiles list.
    using MakeFile = std::function<QFuture<Result<QByteArray>>(int index, CancelToken task)>;
    struct OutputName
    {
        QString name; // without extension
        QString ext;  // without the dot
    };

    // The save panel with `name` (".pdf" added unless it ends so); absent when
    // cancelled, and at once, without a panel, while an operation is busy.
    QFuture<std::optional<QUrl>> chooseSaveURL(QString name, std::optional<QUrl> near);
    // The folder panel; absent when cancelled or while an operation is busy.
    QFuture<std::optional<QUrl>> chooseFolder(std::optional<QUrl> near, QString prompt);
    // True when a page of an open document or of a merge entry reads from the
    // file at `url`, compared with links resolved.
    bool isInUse(const QUrl &url) const;
    // Runs `work` as the one busy operation under `title`. Work offered while
    // another runs is dropped; the savers below never offer it then.
    QFuture<void> run(QString title, Work work);
    // Builds the plan on the engine and writes it to `to`, then `onSaved`.
    QFuture<void> write(BuildPlan plan, QUrl to, QString title, std::function<void()> onSaved);
    // Writes `data` to `to` on a worker thread: a temporary file in the same
    // folder, renamed over the target once complete.
    static QFuture<Result<void>> write(QByteArray data, QUrl to);
    QFuture<void> saveAs(OpenFile *file);
    // Ready PDF bytes under a name the user confirms.
    QFuture<void> save(QByteArray data, QString name, std::optional<QUrl> near);
    // Files made one by one into a chosen folder, each under the first free name.
    QFuture<void> writeFiles(QList<OutputName> items, std::optional<QUrl> near, QString prompt,
                             QString title, MakeFile make);
    // The selected pages as a new PDF; the document stays as it is.
    QFuture<void> extract(OpenFile *file);
    // Appends one merge entry per readable PDF or picture, in the given order.
    QFuture<void> addToMerge(QList<QUrl> urls);
    // The pages of every merge entry as one new PDF without a password.
    QFuture<void> mergeFiles();

signals:
    void destinationChanged();
    void filesChanged();
    void mergeChanged();
    void codesChanged();
    void supportChanged();
    void sheetChanged();
    void toastChanged();
    void errorMessageChanged();
    void busyChanged();
    void signingFileIDChanged();
    void signingStartPageChanged();
    void closingFileChanged();
    void passwordRequestChanged();
    void isCheckingForUpdatesChanged();
    void updateResultChanged();
    void isInstallingUpdateChanged();
    void updateInstallErrorChanged();
    // The new copy of an installed update runs: the window quits, by its own rules.
    void quitRequested();

private:
    using SourceHold = SourceHolds::Hold;
    SourceHold holdSource(const QUrl &url) { return m_heldSources.hold(url); }

    // One merge entry's source read, when it is a readable PDF or picture.
    QFuture<std::optional<Loaded>> mergeSource(QUrl url);
    QFuture<std::optional<QString>> askPassword(const QString &fileName, bool wasWrong);
    QFuture<void> releaseSources(QList<QUrl> urls);
    void appendFile(OpenFile *file);
    QFuture<void> clearToastAfter(CancelToken task, std::chrono::milliseconds delay);
    QFuture<void> presentAfterDelay(SupportPrompt prompt);
    void offerFriendIfDue();
    bool refuseInUse(const QUrl &target);
    bool refuseWhileBusy(const QUrl &target);
    QFuture<Result<void>> buildAndWrite(BuildPlan plan, QUrl to, std::function<void()> onSaved,
                                        CancelToken task);
    // Awaits a write to `to` that has begun, then reports it saved.
    QFuture<Result<void>> writeAndReport(QFuture<Result<void>> writing, QUrl to,
                                         std::function<void()> onSaved);
    QFuture<Result<void>> writeEach(QUrl folder, QList<OutputName> items, MakeFile make,
                                    CancelToken task);
    void forgetWritten(const QList<QUrl> &urls);
    void installedWithoutRelaunch();
    QFuture<void> finishInstall(QFuture<std::optional<QString>> install);

    // ---- What the model was made with (Services)
    QString m_stampsFolder;
    PDFEngine *m_engine = nullptr;
    Clock *m_clock = nullptr;
    std::unique_ptr<Clock> m_ownClock;
    FilePanels *m_panels = nullptr;
    Clipboard *m_clipboard = nullptr;
    std::unique_ptr<Clipboard> m_ownClipboard;
    std::function<bool(const QString &)> m_startCopy;

    // ---- The models it owns
    MergeModel *m_merge = nullptr;
    CodesModel *m_codes = nullptr;
    StampLibrary *m_stamps = nullptr;
    Thumbnails *m_thumbnails = nullptr;

    // ---- Observed state: documents, window and questions
    std::optional<Destination> m_destination = Destination::home();
    QList<OpenFile *> m_files;
    std::optional<FileSheet> m_sheet;
    std::optional<QUuid> m_signingFileID;
    std::optional<QUuid> m_signingStartPage;
    QPointer<OpenFile> m_closingFile;
    std::optional<PasswordRequest> m_passwordRequest;

    // ---- Opening and loading (AppModelLoading.cpp)
    PasswordQueue m_passwords;
    SourceHolds m_heldSources;

    // ---- Saving (AppModelSaving.cpp): the busy operation and what failed
    std::optional<BusyState> m_busy;
    std::optional<QString> m_errorMessage;
    std::optional<PicturesOffer> m_picturesOffer;

    // ---- Prompts (AppModelPrompts.cpp)
    std::optional<SupportPrompt> m_support;
    std::optional<Toast> m_toast;
    CancelToken m_toastTask;
    bool m_offeredSupportThisSession = false;
    bool m_canOfferSupport = true;

    // ---- Updates (AppModelUpdates.cpp)
    bool m_checkingForUpdates = false;
    std::optional<UpdateChecker::Result> m_updateResult;
    bool m_installingUpdate = false;
    std::optional<QString> m_updateInstallError;
};
