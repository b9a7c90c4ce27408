#pragma once

#include "document/DocumentTypes.h"

#include <QList>
#include <QScrollArea>
#include <QUuid>

#include <optional>

class AppModel;
class QPropertyAnimation;
class ThumbnailRequests;

// The narrow column of small page pictures beside the page being signed: each
// page with its stamps and its number, the current one ringed in the accent.
// A click on a cell asks for that page; the strip never changes the document.
//
// Only the cells scrolled into view are painted and have their pictures
// rendered, so a long document costs no more than a short one.
class SignPageStrip : public QScrollArea
{
    Q_OBJECT

public:
    explicit SignPageStrip(AppModel *model, QWidget *parent = nullptr);

    static constexpr int stripWidth = 130;
    static constexpr int thumbnailLongSide = 220;
    static constexpr int pictureHeight = 120;

    const QList<PageItem> &pages() const { return m_pages; }
    void setPages(const QList<PageItem> &pages);
    // The page ringed as current; none when the document has no pages.
    void setCurrent(const std::optional<QUuid> &page);
    std::optional<QUuid> current() const { return m_current; }

    // Scrolls so that the cell of `page` sits in the middle of the strip.
    void centreOn(const QUuid &page, bool animated);

    // In the coordinates of the scrolled content.
    QRect cellRect(int index) const;
    // The cell under a point of the content, -1 for the gaps and margins.
    int indexAt(QPoint contentPoint) const;
    // The first and last cell in view, both -1 when none is.
    std::pair<int, int> visibleRange() const;

signals:
    void pageClicked(const QUuid &page);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    class Content;
    friend class Content;

    int cellHeight() const;
    int numberHeight() const { return m_numberHeight; }
    void requestVisible();
    void updateContentSize();

    AppModel *m_model;
    Content *m_content;
    ThumbnailRequests *m_requests;
    QPropertyAnimation *m_scroll;
    QList<PageItem> m_pages;
    std::optional<QUuid> m_current;
    int m_numberHeight;
};
