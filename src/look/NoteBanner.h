#pragma once

#include <QIcon>
#include <QWidget>

class QLabel;

// An inline message on a tinted card: a symbol in the tone's colour and a text
// that wraps onto as many lines as it needs.
class NoteBanner : public QWidget
{
    Q_OBJECT

public:
    enum class Tone { Info, Warning, Danger };
    Q_ENUM(Tone)

    NoteBanner(const QString &text, Tone tone, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    Tone tone() const { return m_tone; }

    static QColor toneColor(Tone tone);
    // The tone's symbol in its colour.
    static QIcon toneIcon(Tone tone);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateSymbol();

    Tone m_tone;
    QLabel *m_symbol;
    QLabel *m_text;
};
