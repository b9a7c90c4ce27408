#pragma once

// The rows of the compress sheet: a choice with its measured size, and the
// card that holds the "Up to" choice with its slider and notes.

#include <QAbstractButton>
#include <QString>
#include <QWidget>

class QVariantAnimation;

namespace CompressRows {

inline constexpr int sheetWidth = 540;

// One choice of the sheet: a radio mark, a title over a detail, and on the
// right the measured size, a spinner while it is being measured, or nothing.
// Drawn as a card of its own, or bare inside a card that holds more.
class ChoiceRow : public QAbstractButton
{
public:
    enum class Size { Hidden, Measuring, Measured };

    ChoiceRow(const QString &title, const QString &detail, bool card, QWidget *parent);

    void setTitle(const QString &title);
    QString title() const { return m_title; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setSize(Size state, const QString &text = {});

    // As tall as its title and detail need, wrapped beside the size, at a width.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    static constexpr int radioSide = 18;

    int padding() const { return m_card ? 12 : 0; }
    // Left of the text, and right of it at a row's width.
    int textLeft() const { return padding() + radioSide + 12; }
    int textRight(int width) const;
    int textHeight(int textWidth) const;
    static QFont titleFont();
    static QFont detailFont();
    static QFont sizeFont();

    QString m_title;
    QString m_detail;
    const bool m_card;
    bool m_selected = false;
    Size m_size = Size::Hidden;
    QString m_sizeText;
    QVariantAnimation *m_spin = nullptr;
    bool m_keyboardFocus = false;
};

// The card that holds the "Up to" row with its slider and notes.
class UpToCard : public QWidget
{
public:
    explicit UpToCard(QWidget *parent)
        : QWidget(parent)
    {}

    void setSelected(bool selected);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool m_selected = false;
};

} // namespace CompressRows
