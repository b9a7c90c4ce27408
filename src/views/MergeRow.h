#pragma once

#include <QFont>
#include <QUuid>
#include <QWidget>

class AppModel;
class QLabel;
struct MergeItem;

// One entry of the merge list: its number, first page, name and page count,
// and a button that removes it. The whole row is dragged (as the entry's id)
// and takes drops of another entry's id.
class MergeRow : public QWidget
{
public:
    MergeRow(AppModel *model, const MergeItem &item, QWidget *parent);

    // "1 page" or "%1 pages".
    static QString pagesText(int count);

    QUuid id() const { return m_id; }
    void setNumber(int number);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void startDrag();
    qsizetype indexOfSelf() const;
    void removeSelf();

    AppModel *m_model;
    const QUuid m_id;
    QLabel *m_number;
    QPoint m_pressAt;
    bool m_pressed = false;
};
