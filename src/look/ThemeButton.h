#pragma once

#include <QPushButton>

class QGraphicsDropShadowEffect;
class QVariantAnimation;

// The three button looks of the application's own screens:
// - Primary: the main action, white on the accent gradient (or on the danger
//   red when destructive), with a coloured shadow; dims when disabled and
//   shrinks a little while pressed.
// - Secondary: accent-deep text on a white card with a hairline border.
// - Tool: the smaller variant of Secondary for a document's top bar.
class ThemeButton : public QPushButton
{
    Q_OBJECT

public:
    enum class Style { Primary, Secondary, Tool };
    Q_ENUM(Style)

    ThemeButton(const QString &text, Style style, QWidget *parent = nullptr);

    Style buttonStyle() const { return m_style; }

    void setDestructive(bool destructive);

    // The look as it is drawn now (the press animation included).
    qreal bodyOpacity() const;
    qreal bodyScale() const;
    // Transparent when the style casts no shadow or the button is disabled.
    QColor shadowColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void animatePress(bool down);
    void updateShadow();
    QSize padding() const;
    qreal cornerRadius() const;

    const Style m_style;
    bool m_destructive = false;
    qreal m_press = 0; // 0 released … 1 pressed
    QVariantAnimation *m_pressAnimation = nullptr;
    QGraphicsDropShadowEffect *m_shadow = nullptr;
};
