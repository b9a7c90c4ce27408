#include "stampviews/StampLibraryPanel.h"

#include "look/Theme.h"
#include "look/ThemeButton.h"
#include "model/AppModel.h"
#include "stamps/StampLibrary.h"
#include "stampviews/NewStampMenu.h"
#include "stampviews/NewStampSheet.h"
#include "stampviews/PictureIntake.h"
#include "stampviews/StampTile.h"
#include "stampviews/StyleSheets.h"
#include "stampviews/TileGrid.h"

#include <QDragEnterEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The slider works in hundredths of a degree: smooth enough to feel stepless.
constexpr int sliderScale = 100;

// A theme symbol in one colour, as the app's own symbols are.
QIcon tintedIcon(const QString &name, QColor color)
{
    const QIcon source = QIcon::fromTheme(name);
    if (source.isNull()) {
        return QIcon();
    }
    QPixmap pixmap = source.pixmap(QSize(32, 32));
    QPainter p(&pixmap);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(pixmap.rect(), color);
    p.end();
    return QIcon(pixmap);
}

// A library stamp as a button: the tile is all there is to see.
class StampTileButton : public PictureButton
{
public:
    StampTileButton(AppModel *model, const StampRecord &record, QWidget *parent)
        : PictureButton(new StampTile(model, record, 64), parent)
    {
        setObjectName(QStringLiteral("libraryStamp_") + record.id.toString(QUuid::WithoutBraces));
        setToolTip(StampLibraryPanel::tr("Put on this page"));
        setAccessibleName(record.name);
        setFixedHeight(64);
    }
};

} // namespace

StampLibraryPanel::StampLibraryPanel(AppModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_presenter(new NewStampPresenter(model, this))
{
    setObjectName(QStringLiteral("stampLibraryPanel"));
    setAcceptDrops(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Theme::surface());
    setPalette(palette);
    setAutoFillBackground(true);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("libraryScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget(scroll);
    content->setPalette(palette);
    content->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(12);
    column->addWidget(
        Theme::label(tr("Signatures & Stamps"), 14, QFont::DemiBold, Theme::text(), content));
    m_emptyNote = Theme::label(tr("Add your signature or a company seal once; it stays in Tamsel "
                                  "on this computer for every document."),
                               12, QFont::Normal, Theme::secondaryText(), content);
    m_emptyNote->setObjectName(QStringLiteral("emptyLibraryNote"));
    m_emptyNote->setWordWrap(true);
    column->addWidget(m_emptyNote);
    m_grid = new TileGrid(110, 10, content);
    m_grid->setObjectName(QStringLiteral("libraryGrid"));
    column->addWidget(m_grid);

    auto *newButton =
        new ThemeButton(NewStampMenu::title(), ThemeButton::Style::Secondary, content);
    newButton->setObjectName(QStringLiteral("newStampButton"));
    newButton->setIcon(NewStampMenu::icon());
    auto *menu = new NewStampMenu(model, newButton);
    newButton->setMenu(menu);
    column->addWidget(newButton, 0, Qt::AlignLeft);
    auto *hint = Theme::label(tr("Or paste a photo or scan with Ctrl+V, or drop one here."), 11.5,
                              QFont::Normal, Theme::secondaryText(), content);
    hint->setObjectName(QStringLiteral("pasteHint"));
    hint->setWordWrap(true);
    column->addWidget(hint);
    column->addStretch(1);
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);

    m_selection = new QWidget(this);
    m_selection->setObjectName(QStringLiteral("selectionSection"));
    auto *selectionColumn = new QVBoxLayout(m_selection);
    selectionColumn->setContentsMargins(0, 0, 0, 0);
    selectionColumn->setSpacing(0);
    auto *divider = new QFrame(m_selection);
    divider->setFixedHeight(1);
    QPalette line = divider->palette();
    line.setColor(QPalette::Window, Theme::hairline());
    divider->setPalette(line);
    divider->setAutoFillBackground(true);
    selectionColumn->addWidget(divider);
    auto *details = new QVBoxLayout;
    details->setContentsMargins(16, 16, 16, 16);
    details->setSpacing(10);
    m_name = Theme::label(QString(), 13, QFont::DemiBold, Theme::text(), m_selection);
    m_name->setObjectName(QStringLiteral("selectedName"));
    details->addWidget(m_name);

    auto *angleRow = new QHBoxLayout;
    angleRow->addWidget(
        Theme::label(tr("Angle"), 12, QFont::Normal, Theme::secondaryText(), m_selection));
    m_angle = new QSlider(Qt::Horizontal, m_selection);
    m_angle->setObjectName(QStringLiteral("angleSlider"));
    m_angle->setRange(-180 * sliderScale, 180 * sliderScale);
    m_angle->setSingleStep(sliderScale);
    m_angle->setPageStep(15 * sliderScale);
    angleRow->addWidget(m_angle, 1);
    m_angleReadout = Theme::label(QString(), 12, QFont::Normal, Theme::text(), m_selection);
    m_angleReadout->setObjectName(QStringLiteral("angleReadout"));
    m_angleReadout->setFixedWidth(38);
    m_angleReadout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    angleRow->addWidget(m_angleReadout);
    details->addLayout(angleRow);

    auto *addToAll =
        new ThemeButton(tr("Add to All Pages"), ThemeButton::Style::Secondary, m_selection);
    addToAll->setObjectName(QStringLiteral("addToAllButton"));
    addToAll->setIcon(tintedIcon(QStringLiteral("edit-copy-symbolic"), Theme::accentDeep()));
    addToAll->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    details->addWidget(addToAll);

    auto *remove = new QPushButton(tr("Remove from Page"), m_selection);
    remove->setObjectName(QStringLiteral("removeFromPageButton"));
    remove->setIcon(tintedIcon(QStringLiteral("user-trash-symbolic"), Theme::danger()));
    remove->setFlat(true);
    remove->setCursor(Qt::PointingHandCursor);
    remove->setFont(Theme::font(13));
    remove->setStyleSheet(
        QStringLiteral("QPushButton { border: none; padding: 2px 0; color: %1; text-align: left; }"
                       "QPushButton:pressed { color: %2; }")
            .arg(cssColor(Theme::danger()), cssColor(Theme::withOpacity(Theme::danger(), 0.6))));
    details->addWidget(remove, 0, Qt::AlignLeft);
    selectionColumn->addLayout(details);
    outer->addWidget(m_selection);

    connect(addToAll, &QPushButton::clicked, this, &StampLibraryPanel::addToAllRequested);
    connect(remove, &QPushButton::clicked, this, &StampLibraryPanel::removeSelectedRequested);
    connect(m_angle, &QSlider::valueChanged, this, [this](int value) {
        const double angle = double(value) / sliderScale;
        // Values the selection itself put there are not sent back.
        if (m_selected && std::abs(angle - m_selected->rotation) > 0.01) {
            emit rotateRequested(angle);
        }
    });
    connect(menu, &NewStampMenu::sourceChosen, m_presenter, &NewStampPresenter::present);
    PictureIntake::takePastes(this, m_presenter);
    // A stamp made here goes straight onto the page.
    connect(m_presenter, &NewStampPresenter::saved, this, &StampLibraryPanel::placeRequested);
    if (model && model->stamps()) {
        connect(model->stamps(), &StampLibrary::stampsChanged, this,
                &StampLibraryPanel::rebuildTiles);
    }
    rebuildTiles();
    showSelection();
}

QSize StampLibraryPanel::sizeHint() const
{
    return QSize(preferredWidth, QWidget::sizeHint().height());
}

bool StampLibraryPanel::takePicture(const QMimeData *data)
{
    return PictureIntake::present(data, m_presenter);
}

void StampLibraryPanel::dragEnterEvent(QDragEnterEvent *event)
{
    PictureIntake::judgeDrag(event);
}

void StampLibraryPanel::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void StampLibraryPanel::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    takePicture(event->mimeData());
}

QString StampLibraryPanel::angleText(double degrees)
{
    return QString::number(qint64(std::round(degrees))) + QStringLiteral("°");
}

void StampLibraryPanel::setSelected(const std::optional<StampPlacement> &placement)
{
    if (placement == m_selected) {
        return;
    }
    m_selected = placement;
    showSelection();
}

void StampLibraryPanel::rebuildTiles()
{
    const QList<StampRecord> records =
        m_model && m_model->stamps() ? m_model->stamps()->stamps() : QList<StampRecord>();
    for (QWidget *old : m_grid->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->deleteLater();
    }
    for (const StampRecord &record : records) {
        auto *button = new StampTileButton(m_model, record, m_grid);
        connect(button, &QAbstractButton::clicked, this,
                [this, record] { emit placeRequested(record); });
        button->show();
    }
    m_emptyNote->setVisible(records.isEmpty());
    m_grid->arrange();
    showSelection();
}

void StampLibraryPanel::showSelection()
{
    m_selection->setVisible(m_selected.has_value());
    if (!m_selected) {
        m_angle->setValue(0);
        return;
    }
    std::optional<StampRecord> record;
    if (m_model && m_model->stamps()) {
        record = m_model->stamps()->record(m_selected->stampID);
    }
    const QString name = record ? record->name : QString();
    m_name->setText(m_name->fontMetrics().elidedText(name, Qt::ElideRight, preferredWidth - 32));
    m_name->setToolTip(name);
    m_angle->setValue(int(std::lround(m_selected->rotation * sliderScale)));
    m_angleReadout->setText(angleText(m_selected->rotation));
}
