#include "views/CompressSheet.h"

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "look/Icons.h"
#include "look/NoteBanner.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"
#include "views/ByteCount.h"
#include "views/CompressRows.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>
#include <cstdlib>

using Compression::Choice;

namespace {

const QString targetBytesKey = QStringLiteral("compress.targetBytes");
using CompressRows::sheetWidth;

} // namespace

using CompressRows::ChoiceRow;

// ---- Policy

std::optional<CompressionStep> CompressSheet::presetStep(Choice choice)
{
    switch (choice) {
    case Choice::Medium:
        return CompressionStep{2000, 0.70, false};
    case Choice::Small:
        return CompressionStep{1300, 0.55, false};
    case Choice::Original:
    case Choice::UpTo:
        break;
    }
    return std::nullopt;
}

const Compression::Ladder &CompressSheet::textLadder()
{
    static const Compression::Ladder ladder{
        std::nullopt,
        CompressionStep{2000, 0.70, false},
        CompressionStep{1800, 0.62, false},
        CompressionStep{1600, 0.55, false},
        CompressionStep{1300, 0.55, false},
        CompressionStep{1300, 0.45, false},
        CompressionStep{1150, 0.40, false},
        CompressionStep{1000, 0.35, false},
    };
    return ladder;
}

const Compression::Ladder &CompressSheet::picturesLadder()
{
    static const Compression::Ladder ladder{
        CompressionStep{2000, 0.60, true}, CompressionStep{1600, 0.50, true},
        CompressionStep{1300, 0.45, true}, CompressionStep{1150, 0.40, true},
        CompressionStep{1000, 0.35, true}, CompressionStep{900, 0.30, true},
        CompressionStep{800, 0.25, true},  CompressionStep{700, 0.20, true},
    };
    return ladder;
}

int CompressSheet::storedLimitIndex()
{
    const qint64 stored = QSettings().value(targetBytesKey).toLongLong();
    const qint64 target = stored > 0 ? stored : 1'000'000;
    const QList<qint64> &limits = Compression::limits();
    int best = 0;
    for (int i = 1; i < limits.size(); ++i) {
        if (std::llabs(limits[i] - target) < std::llabs(limits[best] - target)) {
            best = i;
        }
    }
    return best;
}

// ---- The sheet

CompressSheet::CompressSheet(AppModel *model, OpenFile *file, QWidget *parent)
    : ToolSheetFrame(tr("Compress “%1”").arg(file->name()), sheetWidth, 16, parent)
    , m_model(model)
    , m_file(file)
    , m_limitIndex(storedLimitIndex())
{
    Q_ASSERT(model && file);
    setObjectName(QStringLiteral("compressSheet"));
    QLabel *title = titleLabel();
    title->setText(
        QFontMetrics(title->font()).elidedText(windowTitle(), Qt::ElideMiddle, sheetWidth - 48));
    title->setToolTip(windowTitle());
    auto *subtitle = new QLabel(
        tr("Sizes are measured on this computer: the file you save is exactly this size."), this);
    subtitle->setFont(Theme::font(12.5));
    subtitle->setWordWrap(true);
    Theme::setTextColor(subtitle, Theme::secondaryText());
    header()->addWidget(subtitle);

    auto *rows = new QVBoxLayout;
    rows->setSpacing(8);
    const struct
    {
        Choice choice;
        QString name;
        QString title;
        QString detail;
    } presets[] = {
        {Choice::Original, QStringLiteral("originalRow"), tr("Original"), tr("As it is now")},
        {Choice::Medium, QStringLiteral("mediumRow"), tr("Medium"),
         tr("Sharp text, fits most email")},
        {Choice::Small, QStringLiteral("smallRow"), tr("Small"), tr("The smallest readable file")},
    };
    for (const auto &preset : presets) {
        auto *row = new ChoiceRow(preset.title, preset.detail, true, this);
        row->setObjectName(preset.name);
        row->setAccessibleName(preset.title);
        connect(row, &QAbstractButton::clicked, this,
                [this, choice = preset.choice] { setChoice(choice); });
        m_rows.insert(preset.choice, row);
        rows->addWidget(row);
    }
    rows->addWidget(makeUpToPanel());
    body()->addLayout(rows);

    m_errorBanner = new NoteBanner(QString(), NoteBanner::Tone::Warning, this);
    m_errorBanner->setObjectName(QStringLiteral("errorBanner"));
    m_errorBanner->hide();
    body()->addWidget(m_errorBanner);
    m_noteBanner = new NoteBanner(QString(), NoteBanner::Tone::Info, this);
    m_noteBanner->setObjectName(QStringLiteral("mostlyTextNote"));
    m_noteBanner->hide();
    body()->addWidget(m_noteBanner);

    finishLayout(tr("Save…"), false);
    connect(actionButton(), &QPushButton::clicked, this, &CompressSheet::save);
    // A document closed behind the sheet leaves nothing to compress.
    connect(file, &QObject::destroyed, this, &QDialog::reject);

    refresh();
    m_measureTask = CancelToken::make();
    measure(m_measureTask);
    if (m_choice == Choice::UpTo) {
        refit();
    }
}

CompressSheet::~CompressSheet()
{
    cancelWork();
}

QWidget *CompressSheet::makeUpToPanel()
{
    auto *card = new CompressRows::UpToCard(this);
    m_upToPanel = card;
    card->setObjectName(QStringLiteral("upToPanel"));
    card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    auto *column = new QVBoxLayout(card);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);

    auto *row =
        new ChoiceRow(QString(), tr("For websites and forms with a size limit"), false, card);
    row->setObjectName(QStringLiteral("upToRow"));
    connect(row, &QAbstractButton::clicked, this, [this] { setChoice(Choice::UpTo); });
    m_rows.insert(Choice::UpTo, row);
    column->addWidget(row);

    m_sliderRow = new QWidget(card);
    auto *sliderLayout = new QHBoxLayout(m_sliderRow);
    sliderLayout->setContentsMargins(30, 0, 0, 0); // under the title, past the radio mark
    sliderLayout->setSpacing(10);
    const QList<qint64> &limits = Compression::limits();
    auto *lowest = new QLabel(Compression::limitTitle(limits.first()), m_sliderRow);
    auto *highest = new QLabel(Compression::limitTitle(limits.last()), m_sliderRow);
    for (QLabel *end : {lowest, highest}) {
        end->setFont(Theme::font(11));
        Theme::setTextColor(end, Theme::secondaryText());
    }
    m_slider = new QSlider(Qt::Horizontal, m_sliderRow);
    m_slider->setObjectName(QStringLiteral("limitSlider"));
    m_slider->setAccessibleName(tr("Limit"));
    m_slider->setRange(0, int(limits.size()) - 1);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setValue(m_limitIndex);
    connect(m_slider, &QSlider::valueChanged, this, &CompressSheet::setLimitIndex);
    sliderLayout->addWidget(lowest);
    sliderLayout->addWidget(m_slider, 1);
    sliderLayout->addWidget(highest);
    column->addWidget(m_sliderRow);

    m_picturesNote = new QWidget(card);
    m_picturesNote->setObjectName(QStringLiteral("picturesNote"));
    auto *noteLayout = new QHBoxLayout(m_picturesNote);
    noteLayout->setContentsMargins(30, 0, 0, 0);
    noteLayout->setSpacing(8);
    auto *photo = new QLabel(m_picturesNote);
    const QFont noteFont = Theme::font(12);
    const int side = QFontMetrics(noteFont).height();
    photo->setPixmap(Icons::icon(Symbol::Pictures, Theme::text())
                         .pixmap(QSize(side, side), devicePixelRatioF()));
    photo->setFixedSize(side, side);
    auto *noteText = new QLabel(tr("To fit, the pages became pictures: text in this copy can't be "
                                   "selected or searched. The original keeps its text."),
                                m_picturesNote);
    noteText->setFont(noteFont);
    noteText->setWordWrap(true);
    Theme::setTextColor(noteText, Theme::text());
    noteLayout->addWidget(photo, 0, Qt::AlignTop);
    noteLayout->addWidget(noteText, 1);
    column->addWidget(m_picturesNote);

    m_notReached = new QLabel(card);
    m_notReached->setObjectName(QStringLiteral("notReached"));
    m_notReached->setFont(Theme::font(12));
    m_notReached->setWordWrap(true);
    m_notReached->setContentsMargins(30, 0, 0, 0);
    Theme::setTextColor(m_notReached, Theme::danger());
    column->addWidget(m_notReached);
    return card;
}

BuildPlan CompressSheet::basePlan(std::optional<CompressionStep> quality) const
{
    BuildPlan plan;
    if (m_file) {
        plan.pages = m_file->pages();
        plan.password = m_file->password();
    }
    if (m_model && m_model->stamps()) {
        plan.stampFiles = m_model->stamps()->files();
    }
    plan.quality = quality;
    return plan;
}

std::optional<QByteArray> CompressSheet::measured(Choice preset) const
{
    const auto at = m_results.constFind(preset);
    return at == m_results.cend() ? std::nullopt : std::optional<QByteArray>(*at);
}

std::optional<QByteArray> CompressSheet::chosenData() const
{
    if (m_choice == Choice::UpTo) {
        return m_fit ? std::optional<QByteArray>(m_fit->data) : std::nullopt;
    }
    return measured(m_choice);
}

std::optional<QString> CompressSheet::mostlyTextNote() const
{
    const std::optional<QByteArray> original = measured(Choice::Original);
    const std::optional<QByteArray> small = measured(Choice::Small);
    if (!original || !small || double(small->size()) <= 0.85 * double(original->size())) {
        return std::nullopt;
    }
    return tr("Pictures in this PDF can't get much smaller while it keeps its text. Up to %1 can "
              "turn the pages into pictures when that's the only way to fit.")
        .arg(Compression::limitTitle(Compression::limits().at(m_limitIndex)));
}

void CompressSheet::setChoice(Choice choice)
{
    if (choice == m_choice) {
        return;
    }
    m_choice = choice;
    if (choice == Choice::UpTo) {
        refit(); // always against the limit as it is now
    }
    refresh();
    emit stateChanged();
}

void CompressSheet::setLimitIndex(int index)
{
    index = std::clamp(index, 0, int(Compression::limits().size()) - 1);
    if (index == m_limitIndex) {
        return;
    }
    m_limitIndex = index;
    QSettings().setValue(targetBytesKey, Compression::limits().at(index));
    if (m_choice == Choice::UpTo) {
        refit();
    }
    refresh();
    emit stateChanged();
}

void CompressSheet::setErrorText(const QString &text)
{
    m_errorText = text;
    refresh();
    emit stateChanged();
}

QFuture<void> CompressSheet::measure(CancelToken task)
{
    // One preset after the other, so the rows fill in as the sizes arrive.
    for (const Choice preset : {Choice::Original, Choice::Medium, Choice::Small}) {
        if (!m_model || !m_model->engine()) {
            co_return;
        }
        const QFuture<Result<QByteArray>> building =
            m_model->engine()->buildBytes(basePlan(presetStep(preset)), task);
        const Result<QByteArray> built = co_await building;
        if (task.isCanceled() || built.isCanceled()) {
            co_return;
        }
        if (!built) {
            setErrorText(built.error().message);
            co_return;
        }
        m_results.insert(preset, built.value());
        refresh();
        emit stateChanged();
    }
}

void CompressSheet::refit()
{
    m_fitTask.cancel();
    m_fitTask = CancelToken::make();
    m_fit.reset();
    runFit(m_fitTask, Compression::limits().at(m_limitIndex), m_results);
}

QFuture<void> CompressSheet::runFit(CancelToken task, qint64 limit, QMap<Choice, QByteArray> reuse)
{
    // Steps equal to a measured preset take its bytes instead of building again.
    const QPointer<PDFEngine> engine = m_model ? m_model->engine() : nullptr;
    const BuildPlan base = basePlan(std::nullopt);
    const Compression::BuildFunction build =
        [engine, base, reuse,
         task](std::optional<CompressionStep> step) -> QFuture<Result<QByteArray>> {
        for (const Choice preset : {Choice::Original, Choice::Medium, Choice::Small}) {
            if (step == presetStep(preset) && reuse.contains(preset)) {
                return Async::ready(Result<QByteArray>(reuse.value(preset)));
            }
        }
        if (!engine) {
            return Async::ready(Result<QByteArray>::canceled());
        }
        BuildPlan plan = base;
        plan.quality = step;
        return engine->buildBytes(plan, task);
    };

    const QFuture<Result<Compression::Fit>> fitting =
        Compression::fit(textLadder(), picturesLadder(), limit, build, task);
    const Result<Compression::Fit> fit = co_await fitting;
    // A newer fit, or the sheet's closing, has made this one stale.
    if (task.isCanceled() || fit.isCanceled()) {
        co_return;
    }
    if (!fit) {
        setErrorText(fit.error().message);
        co_return;
    }
    m_fit = *fit;
    refresh();
    emit stateChanged();
}

void CompressSheet::save()
{
    const std::optional<QByteArray> data = chosenData();
    if (!data || !m_model || !m_file) {
        return;
    }
    const QString name =
        m_file->name() + QStringLiteral(" (") + ByteCount::text(data->size()) + QLatin1Char(')');
    const QUrl near = m_file->url();
    AppModel *model = m_model;
    accept();
    // After the sheet has gone, so the save panel never stacks on it; dropped
    // with the model should the program end first.
    QMetaObject::invokeMethod(
        model, [model, data = *data, name, near] { model->save(data, name, near); },
        Qt::QueuedConnection);
}

void CompressSheet::cancelWork()
{
    m_measureTask.cancel();
    m_fitTask.cancel();
}

void CompressSheet::done(int result)
{
    cancelWork();
    QDialog::done(result);
}

void CompressSheet::refresh()
{
    const bool upTo = m_choice == Choice::UpTo;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it) {
        ChoiceRow *row = it.value();
        row->setSelected(it.key() == m_choice);
        if (it.key() == Choice::UpTo) {
            if (!upTo) {
                row->setSize(ChoiceRow::Size::Hidden);
            } else if (m_fit) {
                row->setSize(ChoiceRow::Size::Measured, ByteCount::text(m_fit->data.size()));
            } else {
                row->setSize(ChoiceRow::Size::Measuring);
            }
        } else if (const std::optional<QByteArray> data = measured(it.key())) {
            row->setSize(ChoiceRow::Size::Measured, ByteCount::text(data->size()));
        } else {
            row->setSize(ChoiceRow::Size::Measuring);
        }
    }
    const QString limitText = Compression::limitTitle(Compression::limits().at(m_limitIndex));
    m_rows.value(Choice::UpTo)->setTitle(tr("Up to %1").arg(limitText));
    static_cast<CompressRows::UpToCard *>(m_upToPanel)->setSelected(upTo);
    if (m_slider->value() != m_limitIndex) {
        m_slider->setValue(m_limitIndex);
    }
    m_sliderRow->setVisible(upTo);
    // A fit outlives a change to another row, and so do its notes.
    m_picturesNote->setVisible(m_fit && m_fit->pagesAsPictures);
    const bool notReached = m_fit && !m_fit->reached;
    if (notReached) {
        m_notReached->setText(tr("Can't get under %1. The smallest Tamsel can make is %2.")
                                  .arg(limitText, ByteCount::text(m_fit->data.size())));
    }
    m_notReached->setVisible(notReached);

    m_errorBanner->setVisible(m_errorText.has_value());
    m_errorBanner->setText(m_errorText.value_or(QString()));
    const std::optional<QString> note = mostlyTextNote();
    m_noteBanner->setVisible(note.has_value());
    m_noteBanner->setText(note.value_or(QString()));

    if (actionButton()) {
        actionButton()->setEnabled(chosenData().has_value());
    }
    fitHeight();
}
