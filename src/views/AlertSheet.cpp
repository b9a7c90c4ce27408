#include "views/AlertSheet.h"

#include "look/Theme.h"
#include "look/ThemeButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int alertWidth = 420;

// The tone's symbol on a tile of its colour, as the home screen's tiles carry theirs.
class ToneTile : public QWidget
{
public:
    ToneTile(NoteBanner::Tone tone, QWidget *parent)
        : QWidget(parent)
        , m_color(NoteBanner::toneColor(tone))
        , m_icon(NoteBanner::toneIcon(tone))
    {
        setFixedSize(44, 44);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        Theme::paintCard(p, QRectF(rect()), 12, Theme::withOpacity(m_color, 0.12));
        const int side = 24;
        m_icon.paint(&p, QRect((width() - side) / 2, (height() - side) / 2, side, side));
    }

private:
    QColor m_color;
    QIcon m_icon;
};

} // namespace

AlertSheet::AlertSheet(NoteBanner::Tone tone, const QString &title, const QString &message,
                       QWidget *parent)
    : ToolSheetFrame(title, alertWidth, 16, parent)
{
    auto *tile = new ToneTile(tone, this);
    tile->setObjectName(QStringLiteral("alertSymbol"));
    header()->insertWidget(0, tile);
    header()->insertSpacing(1, 10);
    titleLabel()->setWordWrap(true);
    m_message = addNote(message, 13);
    m_message->setObjectName(QStringLiteral("alertMessage"));
    Theme::setTextColor(m_message, Theme::text());
    m_row = addClosingRow();
    m_row->addStretch(1);
    m_trailing = 1;
}

QString AlertSheet::text() const
{
    return titleLabel()->text();
}

QString AlertSheet::informativeText() const
{
    return m_message->text();
}

void AlertSheet::setInformativeText(const QString &message)
{
    m_message->setText(message);
    fitHeight();
}

QPushButton *AlertSheet::addButton(const QString &text, Role role)
{
    auto *button = new ThemeButton(
        text, role == Role::Default ? ThemeButton::Style::Primary : ThemeButton::Style::Secondary,
        this);
    button->setAutoDefault(false);
    switch (role) {
    case Role::Default:
        button->setDefault(true);
        m_default = button;
        m_row->addWidget(button);
        break;
    case Role::Destructive:
        // Apart from the safe answers, so it is not hit by habit.
        m_row->insertWidget(m_trailing - 1, button);
        ++m_trailing;
        break;
    case Role::Other:
        m_row->insertWidget(m_default ? m_row->count() - 1 : m_row->count(), button);
        break;
    }
    connect(button, &QPushButton::clicked, this, [this, button] {
        m_clicked = button;
        done(button == m_escape ? QDialog::Rejected : QDialog::Accepted);
    });
    fitHeight();
    return button;
}

void AlertSheet::reject()
{
    if (m_escape) {
        m_clicked = m_escape;
    }
    QDialog::reject();
}

void AlertSheet::showEvent(QShowEvent *event)
{
    ToolSheetFrame::showEvent(event);
    // The keys start on the safe answer, never on a destructive one.
    if (m_default) {
        m_default->setFocus(Qt::OtherFocusReason);
    }
}
