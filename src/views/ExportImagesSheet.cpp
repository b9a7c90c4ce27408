#include "views/ExportImagesSheet.h"

#include "document/OpenFile.h"
#include "engine/PDFEngine.h"
#include "look/SegmentedChoice.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "stamps/StampLibrary.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>

#include <memory>

namespace {

const QString jpegKey = QStringLiteral("export.jpeg");
const QString dpiKey = QStringLiteral("export.dpi");
constexpr int defaultDpi = 200;

// The pictures of one export, drawn a few pages ahead of the one being written,
// so that every engine worker has a page, and let go as soon as each is
// written: a long export holds a few pictures, not all of them. Main thread only.
struct PicturesBox
{
    QHash<int, QFuture<Result<QByteArray>>> ahead;
};

QFuture<Result<QByteArray>> pictureAt(PDFEngine *engine, std::shared_ptr<PicturesBox> box,
                                      BuildPlan plan, double dpi, bool jpeg, int index,
                                      CancelToken task)
{
    const int end = std::min(index + engine->workerCount(), int(plan.pages.size()));
    for (int i = index; i < end; ++i) {
        if (!box->ahead.contains(i)) {
            box->ahead.insert(i, engine->picture(plan, i, dpi, jpeg, task));
        }
    }
    if (!box->ahead.contains(index)) {
        // One picture per page is the engine's promise; a short answer must not
        // leave a page silently missing.
        co_return Error{PDFEngine::message(PDFEngine::EngineError::WriteFailed)};
    }
    const QFuture<Result<QByteArray>> made = box->ahead.take(index);
    const Result<QByteArray> picture = co_await made;
    co_return picture;
}

QLabel *fieldLabel(const QString &text, QWidget *parent)
{
    return Theme::label(text, 13, QFont::Medium, Theme::text(), parent);
}

} // namespace

bool ExportImagesSheet::storedJpeg()
{
    return QSettings().value(jpegKey, false).toBool();
}

int ExportImagesSheet::storedDpi()
{
    bool ok = false;
    const int dpi = QSettings().value(dpiKey, defaultDpi).toInt(&ok);
    // Zero or less would render nothing; anything else is used as it stands.
    return ok && dpi > 0 ? dpi : defaultDpi;
}

QList<AppModel::OutputName> ExportImagesSheet::outputNames(const OpenFile &file, bool jpeg)
{
    QHash<QUuid, int> numbers;
    const QList<PageItem> &pages = file.pages();
    for (qsizetype i = pages.size() - 1; i >= 0; --i) {
        numbers.insert(pages[i].id, int(i) + 1); // the first page with an id wins
    }
    const QString ext = jpeg ? QStringLiteral("jpg") : QStringLiteral("png");
    QList<AppModel::OutputName> names;
    for (const PageItem &page : file.selectedPages()) {
        //: The name of one exported picture: %1 the document's name, %2 the page number.
        names.append(
            {tr("%1 page %2").arg(file.name(), QString::number(numbers.value(page.id))), ext});
    }
    return names;
}

ExportImagesSheet::ExportImagesSheet(AppModel *model, OpenFile *file, QWidget *parent)
    : ToolSheetFrame(tr("Export Pages as Images"), 460, 14, parent)
    , m_model(model)
    , m_file(file)
    , m_dpi(storedDpi())
{
    setObjectName(QStringLiteral("exportImagesSheet"));

    int selected = 0;
    int total = 0;
    if (file) {
        total = int(file->pages().size());
        for (const PageItem &page : file->pages()) {
            selected += file->selection().contains(page.id) ? 1 : 0;
        }
    }
    QString pagesLine;
    if (selected > 0) {
        pagesLine = selected == 1 ? tr("The selected page.")
                                  : tr("The %n selected pages.", nullptr, selected);
    } else {
        pagesLine = total == 1 ? tr("The one page.") : tr("All %n pages.", nullptr, total);
    }
    QLabel *line = addNote(pagesLine);
    line->setObjectName(QStringLiteral("pagesLine"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(14);
    grid->setContentsMargins(0, 2, 0, 2);
    m_format = new SegmentedChoice({tr("PNG"), tr("JPEG")}, this);
    m_format->setObjectName(QStringLiteral("formatPicker"));
    m_format->setAccessibleName(tr("Format"));
    m_format->setCurrentIndex(storedJpeg() ? 1 : 0);
    grid->addWidget(fieldLabel(tr("Format"), this), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_format, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);

    m_resolution = new QComboBox(this);
    m_resolution->setObjectName(QStringLiteral("resolutionPicker"));
    m_resolution->setAccessibleName(tr("Resolution"));
    m_resolution->addItem(tr("Screen (100 dpi)"), 100);
    m_resolution->addItem(tr("Good (200 dpi)"), 200);
    m_resolution->addItem(tr("Print (300 dpi)"), 300);
    // A stored value of another kind shows no choice but is still what renders.
    m_resolution->setCurrentIndex(m_resolution->findData(m_dpi));
    m_resolution->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(fieldLabel(tr("Resolution"), this), 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_resolution, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);

    connect(m_format, &SegmentedChoice::currentIndexChanged, this,
            [](int index) { QSettings().setValue(jpegKey, index == 1); });
    connect(m_resolution, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) {
            return;
        }
        m_dpi = m_resolution->itemData(index).toInt();
        QSettings().setValue(dpiKey, m_dpi);
    });

    finishLayout(tr("Export…"));
    connect(actionButton(), &QAbstractButton::clicked, this, &ExportImagesSheet::exportPictures);
}

void ExportImagesSheet::exportPictures()
{
    if (!m_file || !m_model) {
        reject();
        return;
    }
    const bool jpeg = m_format->currentIndex() == 1;
    const QList<AppModel::OutputName> names = outputNames(*m_file, jpeg);
    BuildPlan plan;
    plan.pages = m_file->selectedPages();
    plan.stampFiles = m_model->stamps()->files();
    const double dpi = m_dpi;
    const QUrl near = m_file->url();
    const QString prompt = tr("Export Here");
    const QString title = tr("Exporting…");
    accept();

    AppModel *model = m_model;
    PDFEngine *engine = model->engine();
    auto box = std::make_shared<PicturesBox>();
    AppModel::MakeFile make = [engine, box, plan, dpi, jpeg](int index, CancelToken task) {
        return pictureAt(engine, box, plan, dpi, jpeg, index, task);
    };
    QMetaObject::invokeMethod(
        model,
        [model, names, near, prompt, title, make] {
            model->writeFiles(names, near, prompt, title, make);
        },
        Qt::QueuedConnection);
}
