#include "stampviews/ReadyStampsPicker.h"

#include "look/SegmentedChoice.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"
#include "stampviews/PictureBox.h"
#include "stampviews/StyleSheets.h"
#include "stampviews/TileGrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

const QString inkKey = QStringLiteral("readyStamps.ink");
const QString addDateKey = QStringLiteral("readyStamps.addDate");
constexpr qreal tileRadius = 12;
constexpr qreal tilePadding = 10;

} // namespace

// One ready stamp: its preview on white, nothing else. The whole tile is the button.
class ReadyStampTile : public PictureButton
{
public:
    ReadyStampTile(ReadyStamp stamp, QWidget *parent)
        : PictureButton(new PictureBox(PictureBox::Backdrop::White, tileRadius, tilePadding),
                        parent)
        , m_stamp(stamp)
    {
        setObjectName(QStringLiteral("readyStampTile_") + rawValue(stamp));
        setFixedHeight(ReadyStampsPicker::tileHeight);
    }

    ReadyStamp stamp() const { return m_stamp; }
    QString key() const { return m_key; }
    void display(const QString &key, const QImage &preview, const QString &name)
    {
        m_key = key;
        setAccessibleName(name);
        box()->setImage(preview);
    }

private:
    const ReadyStamp m_stamp;
    QString m_key;
};

ReadyStampsPicker::ReadyStampsPicker(AppModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("readyStampsPicker"));
    const QSettings settings;
    m_inkRaw = settings.value(inkKey, QStringLiteral("red")).toString();
    m_addDate = settings.value(addDateKey, false).toBool();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    auto *top = new QHBoxLayout;
    QStringList inkNames;
    for (const char *name : {QT_TR_NOOP("Red"), QT_TR_NOOP("Blue"), QT_TR_NOOP("Black")}) {
        inkNames.append(tr(name));
    }
    m_inkPicker = new SegmentedChoice(inkNames, this);
    m_inkPicker->setObjectName(QStringLiteral("colorPicker"));
    m_inkPicker->setAccessibleName(tr("Color"));
    top->addWidget(m_inkPicker);
    top->addStretch(1);
    m_dateToggle = new QCheckBox(tr("Add today's date"), this);
    m_dateToggle->setObjectName(QStringLiteral("addDateToggle"));
    m_dateToggle->setFont(Theme::font(13));
    m_dateToggle->setChecked(m_addDate);
    top->addWidget(m_dateToggle);
    layout->addLayout(top);

    m_grid = new TileGrid(minimumTileWidth, tileSpacing, this);
    m_grid->setObjectName(QStringLiteral("readyStampGrid"));
    for (ReadyStamp stamp : allReadyStamps()) {
        auto *tile = new ReadyStampTile(stamp, m_grid);
        m_tiles.append(tile);
        connect(tile, &QAbstractButton::clicked, this, [this, tile] {
            const std::optional<QString> stampWord = word(tile->stamp());
            choose(stampWord, dateFor(tile->stamp()));
        });
    }
    layout->addWidget(m_grid);

    auto *own = new QHBoxLayout;
    m_customField = new QLineEdit(this);
    m_customField->setObjectName(QStringLiteral("customWordField"));
    m_customField->setPlaceholderText(tr("Your own word, like PAID IN CASH"));
    m_customField->setClearButtonEnabled(true);
    applyTextFieldStyle(m_customField);
    own->addWidget(m_customField, 1);
    m_addButton = new ThemeButton(tr("Add"), ThemeButton::Style::Secondary, this);
    m_addButton->setObjectName(QStringLiteral("addCustomButton"));
    m_addButton->setAutoDefault(false);
    own->addWidget(m_addButton);
    layout->addLayout(own);

    const auto updateAdd = [this] {
        m_addButton->setEnabled(ReadyStampRenderer::ownWord(m_customField->text()).has_value());
    };
    connect(m_customField, &QLineEdit::textChanged, this, updateAdd);
    connect(m_customField, &QLineEdit::returnPressed, this, &ReadyStampsPicker::addCustom);
    connect(m_addButton, &QPushButton::clicked, this, &ReadyStampsPicker::addCustom);
    connect(m_dateToggle, &QCheckBox::toggled, this, &ReadyStampsPicker::setAddDate);
    connect(m_inkPicker, &SegmentedChoice::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            setInkRaw(rawValue(allStampInks().at(index)));
        }
    });
    updateAdd();

    const std::optional<StampInk> stored = stampInkFromRawValue(m_inkRaw);
    m_inkPicker->setCurrentIndex(stored ? int(allStampInks().indexOf(*stored)) : -1);
    refreshTiles();
}

StampInk ReadyStampsPicker::ink() const
{
    return stampInkFromSetting(m_inkRaw);
}

std::optional<QString> ReadyStampsPicker::dateFor(ReadyStamp stamp) const
{
    if (stamp == ReadyStamp::Date || m_addDate) {
        return ReadyStampRenderer::today();
    }
    return std::nullopt;
}

QString ReadyStampsPicker::keyFor(ReadyStamp stamp) const
{
    return ReadyStampRenderer::previewKey(word(stamp), dateFor(stamp), ink());
}

void ReadyStampsPicker::setInkRaw(const QString &raw)
{
    if (raw == m_inkRaw) {
        return;
    }
    m_inkRaw = raw;
    QSettings().setValue(inkKey, raw);
    refreshTiles();
}

void ReadyStampsPicker::setAddDate(bool on)
{
    if (on == m_addDate) {
        return;
    }
    m_addDate = on;
    QSettings().setValue(addDateKey, on);
    m_dateToggle->setChecked(on);
    refreshTiles();
}

void ReadyStampsPicker::refreshTiles()
{
    const StampInk inUse = ink();
    for (ReadyStampTile *tile : std::as_const(m_tiles)) {
        const std::optional<QString> stampWord = word(tile->stamp());
        const std::optional<QString> date = dateFor(tile->stamp());
        const QString key = ReadyStampRenderer::previewKey(stampWord, date, inUse);
        tile->display(key, m_previews.value(key), ReadyStampRenderer::storedName(stampWord, date));
        drawPreview(key, stampWord, date, inUse);
    }
}

QFuture<void> ReadyStampsPicker::drawPreview(QString key, std::optional<QString> word,
                                             std::optional<QString> date, StampInk ink)
{
    if (m_previews.contains(key) || m_drawing.contains(key)) {
        co_return;
    }
    m_drawing.insert(key);
    QFuture<std::optional<StampMaker::Stamp>> drawing = QtConcurrent::run(
        [word, date, ink] { return ReadyStampRenderer::render(word, date, ink); });
    const std::optional<StampMaker::Stamp> stamp = co_await drawing;
    m_drawing.remove(key);
    if (!stamp) {
        co_return; // the tile stays white
    }
    const QImage picture = QImage::fromData(stamp->png, "png");
    if (picture.isNull()) {
        m_previews.remove(key);
        co_return;
    }
    m_previews.insert(key, picture);
    for (ReadyStampTile *tile : std::as_const(m_tiles)) {
        if (tile->key() == key) {
            tile->display(key, picture, tile->accessibleName());
        }
    }
}

QFuture<void> ReadyStampsPicker::choose(std::optional<QString> word, std::optional<QString> date)
{
    if (!m_model || !m_model->stamps()) {
        co_return;
    }
    QPointer<StampLibrary> library = m_model->stamps();
    // A message left from an earlier failure must not be taken for this one's.
    library->clearErrorMessage();
    // The ink of the moment of the click, whatever is picked while it draws.
    QFuture<std::optional<StampRecord>> stored =
        ReadyStampRenderer::choose(library, word, date, ink());
    const std::optional<StampRecord> record = co_await stored;
    if (record) {
        emit chosen(*record);
    } else if (library && !library->errorMessage().isEmpty()) {
        emit failed(library->errorMessage());
    }
}

void ReadyStampsPicker::addCustom()
{
    const std::optional<QString> own = ReadyStampRenderer::ownWord(m_customField->text());
    if (!own) {
        return;
    }
    choose(own, m_addDate ? std::optional<QString>(ReadyStampRenderer::today()) : std::nullopt);
}
