#pragma once

#include "document/Compression.h"
#include "document/DocumentTypes.h"
#include "platform/Async.h"
#include "views/ToolSheetFrame.h"

#include <QByteArray>
#include <QMap>
#include <QPointer>

#include <optional>

class AppModel;
class NoteBanner;
class OpenFile;
class QAbstractButton;
class QLabel;
class QSlider;
class QWidget;

namespace CompressRows {
class ChoiceRow;
}

// Measures how large one open document becomes under three fixed settings and
// under the fit to a size limit, and hands the bytes the user picks to the
// model's save. Every size shown is the byte count of a PDF the engine really
// built, so the saved file is exactly that size.
//
// The builds run on the engine's worker; the sheet stays responsive and cancels
// its work when it closes. It closes itself after "Save…" (before the save panel
// shows) and on Cancel or Escape; whoever presents it clears the model's sheet.
class CompressSheet : public ToolSheetFrame
{
    Q_OBJECT

public:
    CompressSheet(AppModel *model, OpenFile *file, QWidget *parent = nullptr);
    ~CompressSheet() override;

    // The settings the preset rows are measured with; absent for Original.
    static std::optional<CompressionStep> presetStep(Compression::Choice choice);
    // Least to most compressed; the first keeps text, the second turns pages into pictures.
    static const Compression::Ladder &textLadder();
    static const Compression::Ladder &picturesLadder();
    // The slider position for the stored "compress.targetBytes": the nearest
    // limit, the lower one of two equally near; 1 MB when nothing is stored.
    static int storedLimitIndex();

    Compression::Choice choice() const { return m_choice; }
    void setChoice(Compression::Choice choice);
    int limitIndex() const { return m_limitIndex; }
    // Stores the limit as the preference and fits anew while "Up to" is chosen.
    void setLimitIndex(int index);

    // What each row holds so far.
    std::optional<QByteArray> measured(Compression::Choice preset) const;
    const std::optional<Compression::Fit> &fit() const { return m_fit; }
    const std::optional<QString> &errorText() const { return m_errorText; }
    // The bytes "Save…" would hand over; absent until the chosen row is measured.
    std::optional<QByteArray> chosenData() const;
    // Advice shown when recompressing pictures barely helps: the file is mostly text.
    std::optional<QString> mostlyTextNote() const;

public slots:
    void done(int result) override;

signals:
    // Any of the values above changed.
    void stateChanged();

private:
    QFuture<void> measure(CancelToken task);
    void refit();
    QFuture<void> runFit(CancelToken task, qint64 limit,
                         QMap<Compression::Choice, QByteArray> reuse);
    void save();
    void cancelWork();
    BuildPlan basePlan(std::optional<CompressionStep> quality) const;
    void setErrorText(const QString &text);
    void refresh();
    QWidget *makeUpToPanel();

    QPointer<AppModel> m_model;
    QPointer<OpenFile> m_file;

    Compression::Choice m_choice = Compression::Choice::Medium;
    QMap<Compression::Choice, QByteArray> m_results;
    std::optional<Compression::Fit> m_fit;
    int m_limitIndex = 4;
    CancelToken m_measureTask;
    CancelToken m_fitTask;
    std::optional<QString> m_errorText;

    QMap<Compression::Choice, CompressRows::ChoiceRow *> m_rows;
    QWidget *m_upToPanel = nullptr;
    QWidget *m_sliderRow = nullptr;
    QSlider *m_slider = nullptr;
    QWidget *m_picturesNote = nullptr;
    QLabel *m_notReached = nullptr;
    NoteBanner *m_errorBanner = nullptr;
    NoteBanner *m_noteBanner = nullptr;
};
