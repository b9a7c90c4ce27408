#include "stampviews/DrawingPad.h"

#include "look/SegmentedChoice.h"
#include "look/Theme.h"
#include "look/ThemeButton.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTabletEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr qreal padRadius = 12;
constexpr qreal guideInset = 40;
constexpr qreal guideLift = 50;

// A pen's pressure around its middle gives the usual width.
qreal widthAt(qreal pressure)
{
    if (pressure < 0) {
        return DrawingPad::lineWidth;
    }
    return std::clamp(DrawingPad::lineWidth * (0.35 + 1.3 * pressure), 1.0, 5.0);
}

QPen inkPen(QColor color, qreal width)
{
    QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setMiterLimit(10);
    return pen;
}

QPointF middle(QPointF a, QPointF b)
{
    return QPointF((a.x() + b.x()) * 0.5, (a.y() + b.y()) * 0.5);
}

// The area the user draws on. Mouse and trackpad come as mouse events; a pen
// comes as tablet events, accepted so that Qt does not repeat them as mouse
// events.
class DrawingCanvas : public QWidget
{
public:
    explicit DrawingCanvas(DrawingPad *pad)
        : QWidget(pad)
        , m_pad(pad)
    {
        setObjectName(QStringLiteral("drawingCanvas"));
        setFixedSize(pad->padSize());
        setCursor(Qt::CrossCursor);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF area(rect());
        const QPainterPath outline = Theme::continuousRect(area, padRadius);
        p.fillPath(outline, Theme::surface());

        QList<DrawingPad::Stroke> strokes = m_pad->strokes();
        if (!m_pad->current().isEmpty()) {
            strokes.append(m_pad->current());
        }
        if (!strokes.isEmpty()) {
            p.save();
            p.setClipPath(outline);
            p.drawImage(area,
                        DrawingPad::inkLayer(size(), devicePixelRatioF(), strokes, m_pad->ink()));
            p.restore();
        }
        p.setPen(QPen(Theme::hairline(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(Theme::continuousRect(area.adjusted(0.5, 0.5, -0.5, -0.5), padRadius - 0.5));
        p.fillRect(QRectF(guideInset, height() - guideLift - 1, width() - 2 * guideInset, 1),
                   Theme::hairline());
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            return;
        }
        // A release that never came (the pointer grabbed away mid-stroke)
        // still ends that stroke rather than leaving the pad stuck in it.
        if (m_tracking) {
            m_pad->endStroke();
        }
        m_tracking = true;
        m_pad->beginStroke({event->position(), -1});
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (m_tracking) {
            m_pad->extendStroke({event->position(), -1});
        }
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || !m_tracking) {
            return;
        }
        m_tracking = false;
        m_pad->extendStroke({event->position(), -1});
        m_pad->endStroke();
    }

    void tabletEvent(QTabletEvent *event) override
    {
        event->accept();
        const DrawingPad::InkPoint point{event->position(), event->pressure()};
        switch (event->type()) {
        case QEvent::TabletPress:
            if (m_tracking) {
                m_pad->endStroke();
            }
            m_tracking = true;
            m_pad->beginStroke(point);
            break;
        case QEvent::TabletMove:
            if (m_tracking) {
                m_pad->extendStroke(point);
            }
            break;
        case QEvent::TabletRelease:
            if (m_tracking) {
                m_tracking = false;
                m_pad->endStroke();
            }
            break;
        default:
            break;
        }
    }

private:
    DrawingPad *m_pad;
    bool m_tracking = false;
};

} // namespace

DrawingPad::DrawingPad(QSize size, QWidget *parent)
    : QWidget(parent)
    , m_size(size)
{
    setObjectName(QStringLiteral("drawingPad"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    m_canvas = new DrawingCanvas(this);
    layout->addWidget(m_canvas, 0, Qt::AlignLeft);

    auto *controls = new QHBoxLayout;
    controls->setSpacing(8);
    m_inkPicker = new SegmentedChoice({tr("Blue"), tr("Black")}, this);
    m_inkPicker->setObjectName(QStringLiteral("inkPicker"));
    m_inkPicker->setAccessibleName(tr("Ink"));
    m_inkPicker->setCurrentIndex(0);
    controls->addWidget(m_inkPicker);
    controls->addStretch(1);
    m_clearButton = new ThemeButton(tr("Clear"), ThemeButton::Style::Secondary, this);
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_clearButton->setAutoDefault(false);
    controls->addWidget(m_clearButton);
    m_useButton = new ThemeButton(tr("Use This Signature"), ThemeButton::Style::Primary, this);
    m_useButton->setObjectName(QStringLiteral("useSignatureButton"));
    m_useButton->setAutoDefault(false);
    controls->addWidget(m_useButton);
    layout->addLayout(controls);

    connect(m_inkPicker, &SegmentedChoice::currentIndexChanged, this,
            [this](int index) { setInk(index == 1 ? StampInk::Black : StampInk::Blue); });
    connect(m_clearButton, &QPushButton::clicked, this, &DrawingPad::clear);
    connect(m_useButton, &QPushButton::clicked, this, [this] { emit used(render()); });
    changed();
}

void DrawingPad::setInk(StampInk ink)
{
    if (ink == m_ink) {
        return;
    }
    m_ink = ink;
    m_inkPicker->setCurrentIndex(ink == StampInk::Black ? 1 : ink == StampInk::Blue ? 0 : -1);
    changed();
}

void DrawingPad::beginStroke(InkPoint point)
{
    m_drawing = true;
    m_current = {point};
    changed();
}

void DrawingPad::extendStroke(InkPoint point)
{
    if (!m_drawing) {
        return;
    }
    // A release where the last move ended adds nothing to the line.
    if (!m_current.isEmpty() && m_current.last().at == point.at) {
        return;
    }
    m_current.append(point);
    changed();
}

void DrawingPad::endStroke()
{
    if (!m_drawing) {
        return;
    }
    m_drawing = false;
    m_strokes.append(std::exchange(m_current, {}));
    changed();
}

void DrawingPad::clear()
{
    if (m_strokes.isEmpty()) {
        return;
    }
    m_strokes.clear();
    changed();
}

void DrawingPad::changed()
{
    m_clearButton->setEnabled(!m_strokes.isEmpty());
    m_useButton->setEnabled(!m_strokes.isEmpty());
    m_canvas->update();
    emit drawingChanged();
}

void DrawingPad::paintStrokes(QPainter &painter, const QList<Stroke> &strokes, StampInk ink)
{
    QColor color = inkColor(ink);
    color.setAlphaF(1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const Stroke &stroke : strokes) {
        const qsizetype n = stroke.size();
        if (n < 2) {
            continue;
        }
        const bool pressed = std::any_of(stroke.begin(), stroke.end(),
                                         [](const InkPoint &p) { return p.pressure >= 0; });
        if (!pressed) {
            // Each sample is the control point of a curve between the midpoints
            // around it, which rounds off the corners of a jittery hand.
            QPainterPath path(stroke.first().at);
            for (qsizetype i = 1; i < n; ++i) {
                path.quadTo(stroke.at(i - 1).at, middle(stroke.at(i - 1).at, stroke.at(i).at));
            }
            path.lineTo(stroke.last().at);
            painter.setPen(inkPen(color, lineWidth));
            painter.drawPath(path);
            continue;
        }
        // The same curve piece by piece, each piece as wide as the pen pressed
        // there; the round caps join the pieces.
        QPointF from = stroke.first().at;
        for (qsizetype i = 1; i < n; ++i) {
            const QPointF to = middle(stroke.at(i - 1).at, stroke.at(i).at);
            QPainterPath piece(from);
            piece.quadTo(stroke.at(i - 1).at, to);
            painter.setPen(
                inkPen(color, widthAt((stroke.at(i - 1).pressure + stroke.at(i).pressure) / 2)));
            painter.drawPath(piece);
            from = to;
        }
        QPainterPath tail(from);
        tail.lineTo(stroke.last().at);
        painter.setPen(inkPen(color, widthAt(stroke.last().pressure)));
        painter.drawPath(tail);
    }
}

QImage DrawingPad::inkLayer(QSize size, qreal scale, const QList<Stroke> &strokes, StampInk ink)
{
    const QSize pixels = (QSizeF(size) * scale).toSize();
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull()) {
        return layer;
    }
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    painter.scale(scale, scale);
    paintStrokes(painter, strokes, ink);
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(layer.rect(), QColor::fromRgbF(0, 0, 0, inkColor(ink).alphaF()));
    painter.end();
    return layer;
}

QByteArray DrawingPad::render() const
{
    const QImage layer = inkLayer(m_size, renderScale, m_strokes, m_ink);
    if (layer.isNull()) {
        return QByteArray();
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(layer)) {
        return QByteArray();
    }
    return png;
}
