#pragma once

#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "stamps/StampMaker.h"
#include "stampviews/StampSource.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

#include <optional>

class AppModel;
class DrawingPad;
class NoteBanner;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class ReadyStampsPicker;

// Turns one source into a signature or stamp in the library. A picture file or
// picture data is lifted off its paper at once; a drawing is drawn first on the
// pad and then lifted the same way; both end in a preview over the
// checkerboard with a name and "Save". Ready stamps are chosen from the picker,
// which stores them, and the sheet closes at once.
//
// Open it window-modally with open(). It reports the saved or chosen stamp
// once, then accepts; Cancel and Escape reject and store nothing, and a stamp
// still being made then is dropped.
class NewStampSheet : public QDialog
{
    Q_OBJECT

public:
    NewStampSheet(AppModel *model, const StampSource &source, QWidget *parent = nullptr);

    StampSource source() const { return m_source; }

    enum class Stage { Ready, Drawing, Working, Preview, Failed };
    Stage stage() const;

    // The made stamp, not yet saved.
    const std::optional<StampMaker::Stamp> &madeStamp() const { return m_result; }
    // Finishes once the stamp under way is shown, its error is, or it was
    // dropped after Cancel; a finished future when nothing is under way.
    QFuture<void> making() const { return m_making; }
    QString name() const;

    static constexpr int sheetWidth = 560;

signals:
    void saved(const StampRecord &record);

public slots:
    void reject() override;

private:
    void start();
    QFuture<void> process(QFuture<QImage> decoding);
    void save();
    void finish(const StampRecord &record);
    void showStage();
    void showSaveError(QString message);
    void fitHeight();
    QWidget *makePreview();
    QWidget *makeProgress();

    QPointer<AppModel> m_model;
    const StampSource m_source;
    std::optional<StampMaker::Stamp> m_result;
    QImage m_preview;
    std::optional<QString> m_errorText;
    CancelToken m_work;
    QFuture<void> m_making = Async::ready();
    bool m_drawingDone = false;
    bool m_finished = false; // reported once; later choices are ignored

    QVBoxLayout *m_layout;
    QLabel *m_title;
    QWidget *m_content = nullptr;
    NoteBanner *m_saveError;
    QLineEdit *m_nameField = nullptr;
    QPushButton *m_cancelButton;
    QPushButton *m_saveButton;
};

// Presents the new-stamp sheet of a screen: one at a time, over the screen's
// window. A source with the id of the sheet on screen keeps that sheet; any
// other replaces it.
class NewStampPresenter : public QObject
{
    Q_OBJECT

public:
    NewStampPresenter(AppModel *model, QWidget *screen);

    void present(const StampSource &source);
    NewStampSheet *sheet() const { return m_sheet; }

signals:
    void saved(const StampRecord &record);

private:
    QPointer<AppModel> m_model;
    QWidget *m_screen;
    QPointer<NewStampSheet> m_sheet;
};
