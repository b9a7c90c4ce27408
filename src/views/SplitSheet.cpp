#include "views/SplitSheet.h"

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "look/Icons.h"
#include "look/SegmentedChoice.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int sheetWidth = 520;
// Files named in the summary before it ends in an ellipsis.
constexpr int listedFiles = 6;

QString trimmedOfBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (from < to && blank(text.at(from))) {
        ++from;
    }
    while (to > from && blank(text.at(to - 1))) {
        --to;
    }
    return text.mid(from, to - from);
}

} // namespace

SplitSheet::SplitSheet(AppModel *model, OpenFile *file, QWidget *parent)
    : ToolSheetFrame(tr("Split “%1”").arg(file->name()), sheetWidth, 16, parent)
    , m_model(model)
    , m_file(file)
{
    Q_ASSERT(model && file);
    setObjectName(QStringLiteral("splitSheet"));
    const int count = pageCount();
    QLabel *title = titleLabel();
    title->setText(
        QFontMetrics(title->font()).elidedText(windowTitle(), Qt::ElideMiddle, sheetWidth - 48));
    title->setToolTip(windowTitle());

    m_picker = new SegmentedChoice(
        {tr("By page ranges"), tr("Every few pages"), tr("Page by page")}, this);
    m_picker->setObjectName(QStringLiteral("modePicker"));
    m_picker->setAccessibleName(tr("Split"));
    m_picker->setCurrentIndex(int(Mode::Ranges));
    m_picker->setSizePolicy(QSizePolicy::Expanding,
                            QSizePolicy::Fixed); // as wide as the field below
    body()->addWidget(m_picker);

    // By page ranges
    m_rangesPane = new QWidget(this);
    auto *rangesColumn = new QVBoxLayout(m_rangesPane);
    rangesColumn->setContentsMargins(0, 0, 0, 0);
    rangesColumn->setSpacing(6);
    m_rangesField = new QLineEdit(m_rangesPane);
    m_rangesField->setObjectName(QStringLiteral("rangesField"));
    m_rangesField->setPlaceholderText(tr("For example: 1-3, 5, 8-10"));
    m_rangesField->setFont(Theme::font(14));
    m_rangesField->setClearButtonEnabled(true);
    m_rangesField->setMinimumHeight(34);
    m_rangesField->setTextMargins(6, 0, 6, 0);
    auto *rangesHint =
        new QLabel(tr("Each range becomes its own PDF. Pages 1 to %1.").arg(count), m_rangesPane);
    rangesHint->setFont(Theme::font(12));
    rangesHint->setWordWrap(true);
    Theme::setTextColor(rangesHint, Theme::secondaryText());
    rangesColumn->addWidget(m_rangesField);
    rangesColumn->addWidget(rangesHint);
    body()->addWidget(m_rangesPane);

    // Every few pages
    m_everyPane = new QWidget(this);
    auto *everyRow = new QHBoxLayout(m_everyPane);
    everyRow->setContentsMargins(0, 0, 0, 0);
    everyRow->setSpacing(10);
    m_everyLabel = new QLabel(m_everyPane);
    m_everyLabel->setObjectName(QStringLiteral("everyLabel"));
    m_everyLabel->setFont(Theme::font(14));
    Theme::setTextColor(m_everyLabel, Theme::text());
    m_everyBox = new QSpinBox(m_everyPane);
    m_everyBox->setObjectName(QStringLiteral("everyStepper"));
    m_everyBox->setFont(Theme::font(14));
    m_everyBox->setRange(1, std::max(count, 1));
    m_everyBox->setValue(2);
    m_everyBox->setAccessibleName(tr("Pages per file"));
    m_everyBox->setMinimumHeight(30);
    everyRow->addWidget(m_everyLabel);
    everyRow->addWidget(m_everyBox);
    everyRow->addStretch(1);
    body()->addWidget(m_everyPane);

    // Page by page
    m_eachLabel = new QLabel(tr("Each of the %n pages becomes its own PDF.", nullptr, count), this);
    m_eachLabel->setObjectName(QStringLiteral("eachLabel"));
    m_eachLabel->setFont(Theme::font(14));
    m_eachLabel->setWordWrap(true);
    Theme::setTextColor(m_eachLabel, Theme::text());
    body()->addWidget(m_eachLabel);

    // What "Split…" will make, or why it can't.
    m_summary = new QWidget(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    auto *summaryRow = new QHBoxLayout(m_summary);
    summaryRow->setContentsMargins(0, 0, 0, 0);
    summaryRow->setSpacing(6);
    m_summaryIcon = new QLabel(m_summary);
    m_summaryText = new QLabel(m_summary);
    m_summaryText->setObjectName(QStringLiteral("summaryText"));
    m_summaryText->setTextFormat(Qt::PlainText);
    m_summaryText->setWordWrap(true);
    summaryRow->addWidget(m_summaryIcon, 0, Qt::AlignTop);
    summaryRow->addWidget(m_summaryText, 1);
    body()->addWidget(m_summary);

    finishLayout(tr("Split…"), false);

    // Seeded with the selected pages, so splitting them off is one click.
    QList<int> selected;
    const QList<PageItem> &pages = file->pages();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (file->selection().contains(pages[i].id)) {
            selected.append(int(i) + 1);
        }
    }
    if (!selected.isEmpty()) {
        m_rangesField->setText(PageRanges::describe(selected));
    }

    connect(m_picker, &SegmentedChoice::currentIndexChanged, this,
            [this](int index) { setMode(Mode(index)); });
    connect(m_rangesField, &QLineEdit::textChanged, this, &SplitSheet::refresh);
    connect(m_everyBox, &QSpinBox::valueChanged, this, &SplitSheet::refresh);
    connect(actionButton(), &QPushButton::clicked, this, &SplitSheet::split);
    // A document closed behind the sheet leaves nothing to split.
    connect(file, &QObject::destroyed, this, &QDialog::reject);
    refresh();
    m_rangesField->setFocus();
}

int SplitSheet::pageCount() const
{
    return m_file ? int(m_file->pages().size()) : 0;
}

void SplitSheet::setMode(Mode mode)
{
    if (mode == m_mode) {
        return;
    }
    m_mode = mode;
    m_picker->setCurrentIndex(int(mode));
    refresh();
    // Typing goes on where the new mode takes it, not to whatever follows a hidden field.
    if (mode == Mode::Ranges) {
        m_rangesField->setFocus();
    } else if (mode == Mode::Every) {
        m_everyBox->setFocus();
    } else {
        m_picker->setFocus();
    }
}

QString SplitSheet::rangesText() const
{
    return m_rangesField->text();
}

void SplitSheet::setRangesText(const QString &text)
{
    m_rangesField->setText(text);
}

int SplitSheet::every() const
{
    return m_everyBox->value();
}

void SplitSheet::setEvery(int every)
{
    m_everyBox->setValue(every);
}

std::optional<QList<PageRanges::Range>> SplitSheet::ranges() const
{
    return ranges(m_mode, rangesText(), every(), pageCount());
}

std::optional<QList<PageRanges::Range>> SplitSheet::ranges(Mode mode, const QString &text,
                                                           int every, int count)
{
    QList<PageRanges::Range> result;
    switch (mode) {
    case Mode::Ranges:
        return PageRanges::parse(text, count);
    case Mode::Every:
        every = std::max(every, 1);
        for (int start = 1; start <= count; start += every) {
            result.append({start, std::min(start + every - 1, count)});
        }
        break;
    case Mode::Each:
        for (int page = 1; page <= std::max(count, 1); ++page) {
            result.append({page, page});
        }
        break;
    }
    return result;
}

QString SplitSheet::label(const PageRanges::Range &range)
{
    return range.first == range.last
               ? QString::number(range.first)
               : QString::number(range.first) + QLatin1Char('-') + QString::number(range.last);
}

void SplitSheet::refresh()
{
    m_rangesPane->setVisible(m_mode == Mode::Ranges);
    m_everyPane->setVisible(m_mode == Mode::Every);
    m_eachLabel->setVisible(m_mode == Mode::Each);
    m_everyLabel->setText(tr("A new file every %n pages", nullptr, every()));

    const std::optional<QList<PageRanges::Range>> list = ranges();
    const QFont summaryFont = Theme::font(13, QFont::Medium);
    const int side = QFontMetrics(summaryFont).height();
    if (list && !list->isEmpty()) {
        QStringList labels;
        for (qsizetype i = 0; i < std::min<qsizetype>(list->size(), listedFiles); ++i) {
            labels.append(label(list->at(i)));
        }
        QString listed = labels.join(QStringLiteral(", "));
        if (list->size() > listedFiles) {
            listed += QChar(0x2026);
        }
        m_summaryText->setText(tr("Makes %n files: %1", nullptr, int(list->size())).arg(listed));
        m_summaryText->setFont(summaryFont);
        Theme::setTextColor(m_summaryText, Theme::accentDeep());
        m_summaryIcon->setPixmap(Icons::icon(Symbol::Documents, Theme::accentDeep())
                                     .pixmap(QSize(side, side), devicePixelRatioF()));
        m_summary->show();
    } else if (m_mode == Mode::Ranges && !trimmedOfBlanks(rangesText()).isEmpty()) {
        m_summaryText->setText(tr("Use page numbers from 1 to %1, like 1-3, 5.").arg(pageCount()));
        m_summaryText->setFont(Theme::font(13));
        Theme::setTextColor(m_summaryText, Theme::danger());
        m_summaryIcon->setPixmap(Icons::icon(Symbol::Danger, Theme::danger())
                                     .pixmap(QSize(side, side), devicePixelRatioF()));
        m_summary->show();
    } else {
        m_summary->hide();
    }
    m_summaryIcon->setFixedSize(side, side);
    actionButton()->setEnabled(list && !list->isEmpty());
    fitHeight();
}

void SplitSheet::split()
{
    const std::optional<QList<PageRanges::Range>> list = ranges();
    if (!list || list->isEmpty() || !m_model || !m_file) {
        return;
    }
    // Names and pages as they are at the click: later edits of the document
    // don't reach the parts, and the parts never share page ids with it.
    const QList<PageItem> pages = m_file->pages();
    const QHash<QUuid, QUrl> stampFiles = m_model->stamps()->files();
    QList<AppModel::OutputName> names;
    QList<BuildPlan> plans;
    for (const PageRanges::Range &range : *list) {
        names.append({m_file->name() + QLatin1Char(' ') + label(range), QStringLiteral("pdf")});
        QList<PageItem> part;
        for (int number = range.first; number <= range.last && number <= pages.size(); ++number) {
            part.append(pages.at(number - 1).duplicated());
        }
        plans.append(BuildPlan{part, stampFiles, m_file->password(), std::nullopt});
    }

    AppModel *model = m_model;
    const QPointer<PDFEngine> engine = model->engine();
    const AppModel::MakeFile make = [engine, plans](int index, CancelToken task) {
        if (!engine || index < 0 || index >= plans.size()) {
            return Async::ready(
                Result<QByteArray>(Error{PDFEngine::message(PDFEngine::EngineError::WriteFailed)}));
        }
        return engine->buildBytes(plans.at(index), task);
    };
    const QUrl near = m_file->url();
    const QString prompt = tr("Split Here");
    const QString title = tr("Splitting…");
    accept();
    // After the sheet has gone, so the folder panel never stacks on it.
    QMetaObject::invokeMethod(
        model,
        [model, names, near, prompt, title, make] {
            model->writeFiles(names, near, prompt, title, make);
        },
        Qt::QueuedConnection);
}
