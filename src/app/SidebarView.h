#pragma once

#include "document/OpenFile.h"

#include <QFuture>
#include <QPointer>
#include <QWidget>

#include <optional>

class AppModel;
class Destination;
class OpenFile;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QToolButton;
enum class Symbol;

// A one-line text shortened in the middle, so the beginning and the end of a
// long file name stay visible.
class MiddleElidedLabel : public QWidget
{
    Q_OBJECT

public:
    explicit MiddleElidedLabel(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // What is drawn at the current width.
    QString displayedText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};

// A page count drawn with every digit in a cell of the same width, so counts
// line up and don't jitter as they change.
class PageCountLabel : public QWidget
{
    Q_OBJECT

public:
    explicit PageCountLabel(QWidget *parent = nullptr);

    int count() const { return m_count; }
    void setCount(int count);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int digitWidth() const;

    int m_count = 0;
};

// One open document in the sidebar: its kind, its name, a dot while it has
// unsaved changes, its page count and a close button.
class FileRow : public QWidget
{
    Q_OBJECT

public:
    FileRow(AppModel *model, OpenFile *file, QWidget *parent = nullptr);

    OpenFile *file() const { return m_file; }

private:
    void refresh();

    QPointer<AppModel> m_model;
    QPointer<OpenFile> m_file;
    QWidget *m_editedMark;
    PageCountLabel *m_pageCount;
};

// The window's navigation: Home, the open files, the tools, and the brand
// footer. Its selection is the model's destination.
class SidebarView : public QWidget
{
    Q_OBJECT

public:
    explicit SidebarView(AppModel *model, QWidget *parent = nullptr);

    // The close rule of a row: an edited document asks first through the
    // model's closing question; any other closes at once.
    static void requestClose(AppModel *model, OpenFile *file);

private:
    void rebuild();
    void showSelection();
    void onSelectionChanged();
    void showContextMenu(const QPoint &pos);
    QFuture<void> chooseAndOpen();
    QListWidgetItem *addRow(const QString &title, Symbol symbol, const Destination &tag);
    QListWidgetItem *addSection(const QString &title);

    QPointer<AppModel> m_model;
    QListWidget *m_list;
    bool m_syncing = false;
};
