#include "app/ToastView.h"

#include "look/Icons.h"
#include "look/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

ToastView::ToastView(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("toast"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 10, 16, 10);
    row->setSpacing(12);
    auto *mark = new QLabel(this);
    mark->setObjectName(QStringLiteral("toastMark"));
    mark->setPixmap(Icons::icon(Symbol::CheckmarkCircle, Theme::success())
                        .pixmap(QSize(16, 16), devicePixelRatioF()));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("toastText"));
    m_text->setFont(Theme::font(13, QFont::Medium));
    m_text->setTextFormat(Qt::PlainText);
    Theme::setTextColor(m_text, Theme::text());
    m_reveal = new QPushButton(tr("Show in Folder"), this);
    m_reveal->setObjectName(QStringLiteral("showInFolder"));
    m_reveal->setFlat(true);
    m_reveal->setCursor(Qt::PointingHandCursor);
    m_reveal->setFont(Theme::font(13, QFont::DemiBold));
    Theme::setTextColor(m_reveal, Theme::accentDeep());
    row->addWidget(mark);
    row->addWidget(m_text);
    row->addWidget(m_reveal);
    connect(m_reveal, &QPushButton::clicked, this, [this] {
        if (m_file) {
            emit revealRequested(*m_file);
        }
    });
}

void ToastView::setToast(const Toast &toast)
{
    m_file = toast.reveal;
    m_reveal->setVisible(toast.reveal.has_value());
    // One line: a long text is shortened rather than wrapped.
    const int room = 520;
    m_text->setText(m_text->fontMetrics().elidedText(toast.text, Qt::ElideRight, room));
    m_text->setToolTip(toast.text);
    adjustSize();
}

void ToastView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    Theme::paintCard(painter, r, r.height() / 2, Theme::surface(), Theme::hairline());
}

void ToastHolder::paintEvent(QPaintEvent *)
{
    if (QWidget *toast = findChild<QWidget *>(QStringLiteral("toast"))) {
        QPainter painter(this);
        const QRectF shape = QRectF(toast->geometry());
        Theme::paintShadow(painter, shape, shape.height() / 2, QColor(0, 0, 0, 31), 12,
                           QPointF(0, 4));
    }
}
