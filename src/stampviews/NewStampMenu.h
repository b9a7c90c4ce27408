#pragma once

#include "platform/Async.h"
#include "stampviews/StampSource.h"

#include <QMenu>
#include <QPointer>

class AppModel;

// The menu "New Signature or Stamp": a picture file, a drawing or the ready
// stamps. It only says which source was chosen; whoever shows it presents the
// new-stamp sheet for that source.
class NewStampMenu : public QMenu
{
    Q_OBJECT

public:
    explicit NewStampMenu(AppModel *model, QWidget *parent = nullptr);

    static QString title();
    // The menu's label: the title beside a plus.
    static QIcon icon();

    QAction *fileAction() const { return m_fileAction; }
    QAction *drawingAction() const { return m_drawingAction; }
    QAction *readyAction() const { return m_readyAction; }

signals:
    // Not emitted when the file panel is cancelled.
    void sourceChosen(const StampSource &source);

private:
    QFuture<void> chooseFile();

    QPointer<AppModel> m_model;
    QAction *m_fileAction;
    QAction *m_drawingAction;
    QAction *m_readyAction;
};
