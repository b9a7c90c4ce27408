#pragma once

#include "codes/FoundCode.h"

#include <QFuture>
#include <QHash>
#include <QScrollArea>
#include <QUuid>

#include <memory>

class AppModel;
class CodeCard;
class LinkOpener;
class NoteBanner;
class QLabel;
class QVBoxLayout;

// The strip that takes dropped pictures and PDFs, with "Paste" and "Open…". It
// lights up while a drag of files hovers over it.
class CodesDropZone : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool targeted READ isTargeted NOTIFY targetedChanged)

public:
    explicit CodesDropZone(QWidget *parent = nullptr);

    bool isTargeted() const { return m_targeted; }

signals:
    void targetedChanged();
    // Files were dropped; `urls` may be empty when none of the items was a file.
    void dropped(const QList<QUrl> &urls);
    void pasteClicked();
    void openClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setTargeted(bool targeted);

    bool m_targeted = false;
};

// The QR Codes screen: reads codes from dropped or chosen files and from a
// pasted picture, and shows what the model's code state holds: progress with
// "Stop" while a read runs, a note when the last read found nothing, and one
// card per code found, newest read first. Keeps nothing of its own; every
// action goes through the model. Main thread only.
class CodesView : public QScrollArea
{
    Q_OBJECT

public:
    explicit CodesView(AppModel *model, QWidget *parent = nullptr);
    ~CodesView() override;

    // Where "Open in Browser" sends links; the desktop's browser when unset.
    // Applies to the cards made from then on. Not owned.
    void setLinkOpener(LinkOpener *opener);

    // The cards on screen, top to bottom. After a large read they come a batch
    // at a time, the further ones as the page is scrolled towards its end.
    QList<CodeCard *> cards() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFuture<void> chooseAndRead();
    void pasteShortcut();
    void showReading();
    void showNote();
    void showFound();
    void placeCards();
    void placeMoreIfNear();

    AppModel *m_model;
    std::unique_ptr<LinkOpener> m_systemOpener;
    LinkOpener *m_opener;
    QWidget *m_column = nullptr;
    QVBoxLayout *m_stack = nullptr;
    QWidget *m_readingRow = nullptr;
    NoteBanner *m_note = nullptr;
    QWidget *m_foundRow = nullptr;
    QHash<QUuid, CodeCard *> m_cards;
    QList<CodeCard *> m_order;
    bool m_morePending = false; // more cards wait for the page to near its end
};
