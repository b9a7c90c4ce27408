#pragma once

#include <QHash>
#include <QTextEdit>

#include <memory>

class QTextDocument;

// Read-only text the user can select and copy, wrapped to the width it is given
// and as tall as its lines. Unlike a label it also breaks inside long words, so
// a web address or a token without spaces never widens the page. With a line
// limit, what lies beyond the last line is cut and ends in "…".
class SelectableText : public QTextEdit
{
    Q_OBJECT

public:
    explicit SelectableText(QWidget *parent = nullptr);

    // Shows `text` in the widget's font and text colour.
    void setText(const QString &text);
    // Shows a copy of `document` (its formats included).
    void setContent(const QTextDocument &document);
    // The text as given, before any cut.
    QString fullText() const;

    // 0 means no limit.
    void setMaximumLines(int lines);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // The document as it shows at `width`: the source, or the source cut to
    // the line limit.
    std::unique_ptr<QTextDocument> laidOut(int width) const;
    void relayout();

    std::unique_ptr<QTextDocument> m_source;
    int m_maxLines = 0;
    int m_laidOutWidth = -1;
    // Layouts ask for the height at the same few widths over and over.
    mutable QHash<int, int> m_heights;
};
