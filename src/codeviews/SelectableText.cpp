#include "codeviews/SelectableText.h"

#include <QAbstractTextDocumentLayout>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr QTextOption::WrapMode wrapMode = QTextOption::WrapAtWordBoundaryOrAnywhere;
const QString ellipsis = QStringLiteral("\u2026");

void prepare(QTextDocument &document, int width)
{
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(wrapMode);
    document.setDefaultTextOption(option);
    document.setTextWidth(std::max(1, width));
}

int lineCount(const QTextDocument &document)
{
    document.size(); // lays the document out
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        lines += block.layout()->lineCount();
    }
    return lines;
}

// The character position just after line `lines` (1-based) of a laid-out document.
int endOfLine(const QTextDocument &document, int lines)
{
    int seen = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            if (++seen == lines) {
                const QTextLine line = layout->lineAt(i);
                return block.position() + line.textStart() + line.textLength();
            }
        }
    }
    return document.characterCount();
}

} // namespace

SelectableText::SelectableText(QWidget *parent)
    : QTextEdit(parent)
    , m_source(std::make_unique<QTextDocument>())
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(wrapMode);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setViewportMargins(0, 0, 0, 0);
    document()->setDocumentMargin(0);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    setPalette(palette);
    viewport()->setAutoFillBackground(false);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void SelectableText::setText(const QString &text)
{
    auto source = std::make_unique<QTextDocument>();
    source->setDefaultFont(font());
    source->setPlainText(text);
    m_source = std::move(source);
    m_laidOutWidth = -1;
    m_heights.clear();
    relayout();
    updateGeometry();
}

void SelectableText::setContent(const QTextDocument &document)
{
    m_source.reset(document.clone());
    m_laidOutWidth = -1;
    m_heights.clear();
    relayout();
    updateGeometry();
}

QString SelectableText::fullText() const
{
    return m_source->toPlainText();
}

void SelectableText::setMaximumLines(int lines)
{
    if (m_maxLines == lines) {
        return;
    }
    m_maxLines = lines;
    m_laidOutWidth = -1;
    m_heights.clear();
    relayout();
    updateGeometry();
}

std::unique_ptr<QTextDocument> SelectableText::laidOut(int width) const
{
    std::unique_ptr<QTextDocument> document(m_source->clone());
    prepare(*document, width);
    if (m_maxLines <= 0 || lineCount(*document) <= m_maxLines) {
        return document;
    }
    // Cut at the end of the last line that fits, then give back characters
    // until the ellipsis fits on that line too. Only plain text is ever cut.
    const QString text = m_source->toPlainText();
    int keep = endOfLine(*document, m_maxLines);
    auto cut = std::make_unique<QTextDocument>();
    cut->setDefaultFont(m_source->defaultFont());
    prepare(*cut, width);
    do {
        cut->setPlainText(text.left(keep).trimmed() + ellipsis);
        --keep;
    } while (keep > 0 && lineCount(*cut) > m_maxLines);
    return cut;
}

void SelectableText::relayout()
{
    const int width = viewport()->width();
    if (width == m_laidOutWidth) {
        return;
    }
    m_laidOutWidth = width;
    const std::unique_ptr<QTextDocument> shown = laidOut(width);
    QTextDocument *own = document();
    own->clear();
    own->setDefaultFont(shown->defaultFont());
    QTextCursor cursor(own);
    cursor.insertFragment(QTextDocumentFragment(shown.get()));
}

int SelectableText::heightForWidth(int width) const
{
    if (const auto known = m_heights.constFind(width); known != m_heights.cend()) {
        return *known;
    }
    const int inner = width - contentsMargins().left() - contentsMargins().right();
    const std::unique_ptr<QTextDocument> document = laidOut(inner);
    const int height = int(std::ceil(document->size().height())) + contentsMargins().top() +
                       contentsMargins().bottom();
    if (m_heights.size() > 64) {
        m_heights.clear();
    }
    m_heights.insert(width, height);
    return height;
}

QSize SelectableText::sizeHint() const
{
    const int width = 240;
    return {width, heightForWidth(width)};
}

QSize SelectableText::minimumSizeHint() const
{
    return {60, QFontMetrics(font()).height()};
}

void SelectableText::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    relayout();
    if (event->size().width() != event->oldSize().width()) {
        updateGeometry();
    }
}

void SelectableText::wheelEvent(QWheelEvent *event)
{
    // The text is never taller than itself: the page around it scrolls.
    event->ignore();
}
