#pragma once

#include <QHash>
#include <QUuid>
#include <QWidget>

class AppModel;
class MergeModel;
class QLabel;
class QMenu;
class QScrollArea;
class QStackedLayout;
class QVBoxLayout;
class ThemeButton;
class MergeListArea;
class MergeRow;

// The merge screen: the app-wide merge list, with ways to add files (the open
// panel, a file drop anywhere on the screen, an open document as it is now),
// to put the entries in order by dragging them, to remove one or all, and to
// merge them into one PDF. The list lives in the model; the screen keeps only
// whether a file drag hovers over it.
class MergeView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool targeted READ isTargeted NOTIFY targetedChanged)

public:
    explicit MergeView(AppModel *model, QWidget *parent = nullptr);

    bool isTargeted() const { return m_targeted; }
    // The "Add" menu, filled anew each time it opens.
    QMenu *addMenu() const { return m_addMenu; }

    // What dropping the entry `dragged` on the entry `target` does: the dragged
    // entry takes the target's place (after it when dragged down, before it
    // when dragged up). False, changing nothing, when either id names no entry
    // or both name the same one.
    static bool moveEntry(MergeModel *merge, const QUuid &dragged, const QUuid &target);

signals:
    void targetedChanged();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setTargeted(bool targeted);
    void fillAddMenu();
    void syncRows();
    void updateFooter();

    AppModel *m_model;
    bool m_targeted = false;
    QMenu *m_addMenu;
    MergeListArea *m_listArea;
    QStackedLayout *m_listStack;
    QWidget *m_rowsHolder;
    QVBoxLayout *m_rowsLayout;
    QHash<QUuid, MergeRow *> m_rows;
    QLabel *m_summary;
    ThemeButton *m_clear;
    ThemeButton *m_merge;
};
