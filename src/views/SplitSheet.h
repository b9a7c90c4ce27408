#pragma once

#include "document/PageRanges.h"
#include "views/ToolSheetFrame.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <optional>

class AppModel;
class OpenFile;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;
class SegmentedChoice;

// Splits one open document into several new PDFs: at ranges the user types,
// every few pages, or page by page. It shows at once which files it will make;
// "Split…" closes it and hands the parts to the model, which asks for a folder
// and writes them. The open document and its source stay as they are.
class SplitSheet : public ToolSheetFrame
{
    Q_OBJECT

public:
    enum class Mode { Ranges, Every, Each };
    Q_ENUM(Mode)

    // Starts with the selected pages' numbers in the range field.
    SplitSheet(AppModel *model, OpenFile *file, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    QString rangesText() const;
    void setRangesText(const QString &text);
    int every() const;
    void setEvery(int every);

    // One range of page numbers per file to make, in output order; absent
    // while the typed ranges are blank or not valid for the document.
    std::optional<QList<PageRanges::Range>> ranges() const;
    static std::optional<QList<PageRanges::Range>> ranges(Mode mode, const QString &text, int every,
                                                          int count);
    // "3" for a single page, "1-3" for more.
    static QString label(const PageRanges::Range &range);

private:
    void split();
    void refresh();
    int pageCount() const;

    QPointer<AppModel> m_model;
    QPointer<OpenFile> m_file;
    Mode m_mode = Mode::Ranges;

    SegmentedChoice *m_picker = nullptr;
    QWidget *m_rangesPane = nullptr;
    QLineEdit *m_rangesField = nullptr;
    QWidget *m_everyPane = nullptr;
    QLabel *m_everyLabel = nullptr;
    QSpinBox *m_everyBox = nullptr;
    QLabel *m_eachLabel = nullptr;
    QWidget *m_summary = nullptr;
    QLabel *m_summaryIcon = nullptr;
    QLabel *m_summaryText = nullptr;
};
