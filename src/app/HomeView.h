#pragma once

#include "document/DocumentTypes.h"
#include "platform/FileKinds.h"

#include <QAbstractButton>
#include <QFuture>
#include <QScrollArea>

class AdaptiveGridLayout;
class AppModel;
class QLabel;
enum class Symbol;

// The large drop zone of the home screen: click to choose files, or drop them.
// It highlights while a drag of files hovers over it.
class DropZone : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(bool targeted READ isTargeted NOTIFY targetedChanged)

public:
    explicit DropZone(QWidget *parent = nullptr);

    bool isTargeted() const { return m_targeted; }

signals:
    void targetedChanged();
    // Files were dropped on the zone; `urls` may be empty.
    void dropped(const QList<QUrl> &urls);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setTargeted(bool targeted);

    bool m_targeted = false;
};

// One tool of the home screen: a symbol, a title and a wrapping description
// on a white card; the whole card answers clicks.
class HomeTile : public QAbstractButton
{
    Q_OBJECT

public:
    HomeTile(const QString &title, const QString &detail, Symbol symbol, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

// The start screen: a drop zone for PDFs and pictures and six tool tiles that
// open files for a tool or switch to a tool screen. Every action goes through
// the model.
class HomeView : public QScrollArea
{
    Q_OBJECT

public:
    explicit HomeView(AppModel *model, QWidget *parent = nullptr);

    // How many tile columns the grid shows at its current width.
    int toolColumns() const;

private:
    QFuture<void> chooseAndOpen(QList<FileKind> kinds);
    QFuture<void> openOne(Tool tool);
    HomeTile *addTile(const QString &title, const QString &detail, Symbol symbol);

    AppModel *m_model;
    QWidget *m_grid = nullptr;
    AdaptiveGridLayout *m_gridLayout = nullptr;
};
