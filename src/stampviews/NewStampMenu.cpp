#include "stampviews/NewStampMenu.h"

#include "look/Icons.h"
#include "look/Theme.h"
#include "model/AppModel.h"
#include "platform/FilePanels.h"
#include "stampviews/StyleSheets.h"

NewStampMenu::NewStampMenu(AppModel *model, QWidget *parent)
    : QMenu(title(), parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("newStampMenu"));
    setIcon(icon());
    applyMenuStyle(this);
    m_fileAction = addAction(tr("From an Image File…"));
    m_fileAction->setObjectName(QStringLiteral("fromImageFileAction"));
    m_drawingAction = addAction(tr("Draw with Trackpad or Mouse…"));
    m_drawingAction->setObjectName(QStringLiteral("drawAction"));
    m_readyAction = addAction(tr("Ready Stamps…"));
    m_readyAction->setObjectName(QStringLiteral("readyStampsAction"));

    connect(m_fileAction, &QAction::triggered, this, [this] { chooseFile(); });
    connect(m_drawingAction, &QAction::triggered, this,
            [this] { emit sourceChosen(StampSource::drawing()); });
    connect(m_readyAction, &QAction::triggered, this,
            [this] { emit sourceChosen(StampSource::ready()); });
}

QString NewStampMenu::title()
{
    return tr("New Signature or Stamp");
}

QIcon NewStampMenu::icon()
{
    return Icons::icon(Symbol::Add, Theme::accentDeep());
}

QFuture<void> NewStampMenu::chooseFile()
{
    // The panel is awaited, not run in a loop of its own: the menu's owner may
    // go away meanwhile, and then this is dropped with it.
    if (!m_model || !m_model->panels()) {
        co_return;
    }
    QFuture<QList<QUrl>> choice = m_model->panels()->chooseFiles(
        false, {FileKind::Picture}, tr("Choose a photo or scan of your signature or stamp"));
    const QList<QUrl> urls = co_await choice;
    if (!urls.isEmpty()) {
        emit sourceChosen(StampSource::file(urls.first()));
    }
}
