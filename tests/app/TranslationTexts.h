#pragma once

// What the tests over the program's languages share: the translation files
// as written, a text as it shows on screen, a paint device that catches the
// texts painted into it, and every screen, sheet and panel of the window.

#include "document/OpenFile.h"
#include "model/AppModel.h"

#include <QDir>
#include <QFile>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <climits>
#include <functional>
#include <utility>

namespace TranslationTexts {

inline const QString translationsDir = QStringLiteral(TAMSEL_TRANSLATIONS_DIR);

struct Message
{
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form; empty when untranslated
    bool finished = false;
};

inline QList<Message> readMessages(const QString &language)
{
    QFile file(QDir(translationsDir).filePath(QStringLiteral("tamsel_%1.ts").arg(language)));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(file.fileName()));
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, false};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.finished = type.isEmpty();
            // Either the text itself or one numerus form per plural form.
            QString text;
            while (!xml.atEnd() &&
                   !(xml.isEndElement() && xml.name() == QLatin1String("translation"))) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    message.translations << xml.readElementText();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                }
            }
            if (message.translations.isEmpty()) {
                message.translations << text;
            }
            message.translations.removeAll(QString());
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete")) {
                messages << message;
            }
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
    }
    return messages;
}

inline QString plain(QString text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // "&Open" shows as "Open"; "&&" is a shown ampersand.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

inline const QRegularExpression placeholder(QStringLiteral("%L?(n|[1-9][0-9]?)"));

// A text as a pattern for what it becomes on screen, its placeholders filled
// with anything.
inline QRegularExpression shownAs(const QString &text)
{
    const QString shown = plain(text);
    QString pattern;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(shown); it.hasNext();) {
        const auto match = it.next();
        pattern += QRegularExpression::escape(shown.mid(at, match.capturedStart() - at)) +
                   QStringLiteral(".+");
        at = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(shown.mid(at));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// Texts that are mostly placeholders say nothing about the language.
inline bool saysSomething(const QString &source)
{
    QString letters = plain(source);
    letters.remove(placeholder);
    return letters.count(QRegularExpression(QStringLiteral("\\p{L}"))) >= 3;
}

// Every text run painted into it.
class TextCatcher : public QPaintDevice
{
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QStringList *texts)
            : QPaintEngine(AllFeatures)
            , m_texts(texts)
        {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        // Everything but text is dropped (the defaults would call each other).
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawImage(const QRectF &, const QImage &, const QRectF &,
                       Qt::ImageConversionFlags) override
        {}
        void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
        void drawRects(const QRectF *, int) override {}
        void drawRects(const QRect *, int) override {}
        void drawLines(const QLineF *, int) override {}
        void drawLines(const QLine *, int) override {}
        void drawEllipse(const QRectF &) override {}
        void drawEllipse(const QRect &) override {}
        void drawPoints(const QPointF *, int) override {}
        void drawPoints(const QPoint *, int) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override
        {
            *m_texts << item.text();
        }
        Type type() const override { return User; }

    private:
        QStringList *m_texts;
    };

public:
    explicit TextCatcher(QSize size)
        : m_size(size)
    {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    QStringList texts;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        }
        return 0;
    }

private:
    QSize m_size;
    mutable Engine m_engine{&texts};
};

// Every screen, sheet and panel of the window, each with what brings it up.
inline QList<std::pair<const char *, std::function<void()>>> everyScreen(AppModel *model,
                                                                         OpenFile *document)
{
    const auto sheet = [&](FileSheet::Kind kind) {
        return [=] {
            model->setDestination(Destination::file(document->id()));
            model->setSheet(FileSheet{kind, document->id()});
        };
    };
    const auto panel = [&](SupportPrompt prompt) {
        return [=] {
            model->setSheet(std::nullopt);
            model->setSupport(prompt);
        };
    };
    return {
        {"home", [=] { model->setDestination(Destination::home()); }},
        {"document", [=] { model->setDestination(Destination::file(document->id())); }},
        {"compress", sheet(FileSheet::Kind::Compress)},
        {"split", sheet(FileSheet::Kind::Split)},
        {"password", sheet(FileSheet::Kind::Password)},
        {"export", sheet(FileSheet::Kind::ExportImages)},
        {"support", panel(SupportPrompt::Manual)},
        {"tell a friend", panel(SupportPrompt::TellAFriend)},
        {"merge",
         [=] {
             model->setSupport(std::nullopt);
             model->setDestination(Destination::merge());
         }},
        {"stamps", [=] { model->setDestination(Destination::stamps()); }},
        {"codes", [=] { model->setDestination(Destination::codes()); }},
        {"about", [=] { model->setDestination(Destination::about()); }},
        {"sign",
         [=] {
             model->setDestination(Destination::file(document->id()));
             model->setSigningFileID(document->id());
         }},
    };
}

} // namespace TranslationTexts
