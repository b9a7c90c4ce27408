#pragma once

// The program's own language choice, apart from the desktop's. It is stored
// under "AppleLanguages" in the program's settings (a list; the program writes
// one code) and applied only when the program starts, so a new choice needs a
// restart, which relaunch() brings about.

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QCoreApplication;

namespace AppLanguage {

struct Language
{
    QString code; // what is stored: "de", "pt-BR", "zh-Hans"
    QString name; // the language's name in itself, never translated
};

// The languages the program ships translations for, in the order the language
// picker lists them.
const QList<Language> &languages();

// The choice stored now: the first code of the stored list; absent when
// nothing (or an empty list) is stored. Only the user's own settings count,
// never system-wide defaults.
std::optional<QString> chosen();
// Stores `code` as the one-element list, or removes the entry for absent, which
// returns the program to the desktop's languages. Takes effect at the next start.
void choose(const std::optional<QString> &code);

// chosen() as it was at the first call, which install() makes at start-up;
// unchanged for the rest of the run.
std::optional<QString> launchChoice();

// Fixes the launch choice and loads its translations (the program's and Qt's
// own) into `app`; with no choice, those of the desktop's language. Call once,
// after the QApplication exists and before the window and the single-instance
// channel start: a copy started by relaunch() waits here until the copy it
// replaces has ended, so that it does not hand itself over to it.
void install(QCoreApplication &app);

// Loads the translations of `code` (absent: the desktop's languages) into
// `app`, replacing those loaded before. True when the program's own
// translation was found. install() calls it with the launch choice.
bool installTranslations(QCoreApplication &app, const std::optional<QString> &code);

// Starts a new copy of the program and, once it has started, asks this one to
// quit through the window's own quit rules (which may still refuse or ask).
// When the new copy cannot be started, `onFailure` runs on the main thread and
// this copy keeps running; the stored choice takes effect at the next start.
void relaunch(std::function<void()> onFailure = {});

} // namespace AppLanguage
