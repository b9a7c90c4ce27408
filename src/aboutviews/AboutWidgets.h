#pragma once

// Small controls shared by the about, support and tell-a-friend panels.

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QUrl>
#include <QWidget>

class QButtonGroup;
class QHBoxLayout;

namespace AboutWidgets {

// A plain-text label in the application font, wrapping onto as many lines as it needs.
QLabel *wrappingLabel(const QString &text, qreal size, QFont::Weight weight, QColor color,
                      QWidget *parent);
// A row of a symbol and a text in one colour.
QWidget *symbolLabel(const QString &symbol, const QString &text, qreal size, QFont::Weight weight,
                     QColor color, QWidget *parent);

// The 46-point badge of a panel's header: a white symbol on the accent gradient.
class Badge : public QWidget
{
public:
    Badge(const QString &symbol, int symbolSize, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_icon;
    int m_symbolSize;
};

// One choice out of a few, shown side by side on a track; the chosen segment
// sits on a raised white card.
class SegmentedPicker : public QWidget
{
    Q_OBJECT

public:
    SegmentedPicker(const QStringList &titles, QWidget *parent = nullptr);

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    QAbstractButton *segment(int index) const;

signals:
    // Only for the user's choice of another segment.
    void activated(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QAbstractButton *> m_segments;
    int m_current = 0;
};

// A link: a symbol and a title in the link colour; clicking it emits clicked().
class LinkRow : public QAbstractButton
{
public:
    LinkRow(const QString &symbol, const QString &title, const QUrl &url,
            QWidget *parent = nullptr);

    QUrl url() const { return m_url; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_icon;
    QUrl m_url;
};

} // namespace AboutWidgets
