#include "aboutviews/AppLanguage.h"

#include "platform/Relaunch.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <mutex>
#include <vector>

namespace {

const QString languagesKey = QStringLiteral("AppleLanguages");

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

bool loadFirst(QTranslator &translator, const QStringList &names, const QString &folder)
{
    for (const QString &name : names) {
        if (translator.load(name, folder)) {
            return true;
        }
    }
    return false;
}

// "pt-BR" → "tamsel_pt_BR", then "tamsel_pt".
QStringList fileNames(const QString &prefix, const QString &code)
{
    QString name = code;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names{prefix + name};
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language != name) {
        names << prefix + language;
    }
    return names;
}

void requestQuit()
{
    // Through the window, whose close runs the quit questions.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<QMainWindow *>(widget); window && window->isVisible()) {
            window->close();
            return;
        }
    }
    QCoreApplication::quit();
}

} // namespace

namespace AppLanguage {

const QList<Language> &languages()
{
    static const QList<Language> list{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("id"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("nl"), QStringLiteral("Nederlands")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("pt-BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
        {QStringLiteral("vi"), QStringLiteral("Tiếng Việt")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("uk"), QStringLiteral("Українська")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("zh-Hans"), QStringLiteral("简体中文")},
        {QStringLiteral("zh-Hant"), QStringLiteral("繁體中文")},
    };
    return list;
}

std::optional<QString> chosen()
{
    QSettings settings;
    settings.setFallbacksEnabled(false);
    const QVariant value = settings.value(languagesKey);
    QString first;
    if (value.typeId() == QMetaType::QStringList) {
        const QStringList list = value.toStringList();
        if (!list.isEmpty()) {
            first = list.first();
        }
    } else if (value.typeId() == QMetaType::QString) {
        // The settings file keeps a one-element list as a plain string.
        first = value.toString();
    }
    if (first.isEmpty()) {
        return std::nullopt;
    }
    return first;
}

void choose(const std::optional<QString> &code)
{
    QSettings settings;
    if (code) {
        settings.setValue(languagesKey, QStringList{*code});
    } else {
        settings.remove(languagesKey);
    }
}

std::optional<QString> launchChoice()
{
    static std::once_flag once;
    static std::optional<QString> choice;
    std::call_once(once, [] { choice = chosen(); });
    return choice;
}

bool installTranslations(QCoreApplication &app, const std::optional<QString> &code)
{
    for (const auto &translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed().clear();

    const QLocale locale = code ? QLocale(*code) : QLocale::system();
    if (code) {
        // Lists, numbers and dates in the chosen language too.
        QLocale::setDefault(locale);
    }

    auto own = std::make_unique<QTranslator>();
    const QString folder = QStringLiteral(":/i18n");
    const bool found =
        code ? loadFirst(*own, fileNames(QStringLiteral("tamsel_"), *code), folder)
             : own->load(locale, QStringLiteral("tamsel"), QStringLiteral("_"), folder);
    // Qt's own texts: standard buttons, file dialogs, context menus.
    auto qt = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // By the locale's own names, which lead "zh-Hans" to Qt's "zh_CN".
    const bool qtFound = qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder);
    if (qtFound) {
        app.installTranslator(qt.get());
        installed().push_back(std::move(qt));
    }
    if (found) {
        app.installTranslator(own.get());
        installed().push_back(std::move(own));
    }
    return found;
}

void install(QCoreApplication &app)
{
    Relaunch::waitForPredecessor();
    installTranslations(app, launchChoice());
}

void relaunch(std::function<void()> onFailure)
{
    const bool started = Relaunch::startSuccessor(QCoreApplication::applicationFilePath());
    // Later, from the event loop, as the caller expects to return first.
    QMetaObject::invokeMethod(
        qApp,
        [started, onFailure = std::move(onFailure)] {
            if (started) {
                requestQuit();
            } else if (onFailure) {
                onFailure();
            }
        },
        Qt::QueuedConnection);
}

} // namespace AppLanguage
