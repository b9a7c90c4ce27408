#include "aboutviews/AppLanguage.h"

#include "AboutFixture.h"

#include <QProcess>
#include <QSettings>
#include <QTest>

class TestAppLanguage : public QObject
{
    Q_OBJECT

    // Runs the probe as a fresh start of the program would run, in the C locale.
    static QStringList probe(const QProcessEnvironment &extra = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
        environment.remove(QStringLiteral("LANGUAGE"));
        for (const QString &key : extra.keys()) {
            environment.insert(key, extra.value(key));
        }
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(LANGUAGE_PROBE), {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            qWarning() << process.readAllStandardError();
            return {};
        }
        return QString::fromUtf8(process.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        AboutFixture::setUpApplication();
        // Fixed now, before any test stores a choice: this run started without one.
        QVERIFY(!AppLanguage::launchChoice());
    }

    void init() { QSettings().remove(QStringLiteral("AppleLanguages")); }

    void chosenReadsTheFirstStoredCode_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected"); // empty: no choice
        QTest::newRow("several codes written by another tool")
            << QVariant(QStringList{"pt-BR", "de"}) << "pt-BR";
        QTest::newRow("one code") << QVariant(QStringList{"zh-Hant"}) << "zh-Hant";
        QTest::newRow("an empty list") << QVariant(QStringList{}) << "";
        // The settings file cannot tell a one-element list from a string.
        QTest::newRow("a string as the file keeps one code")
            << QVariant(QStringLiteral("ja")) << "ja";
        QTest::newRow("a number") << QVariant(42) << "";
    }

    void chosenReadsTheFirstStoredCode()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        QSettings().setValue(QStringLiteral("AppleLanguages"), stored);
        const std::optional<QString> chosen = AppLanguage::chosen();
        QCOMPARE(chosen.value_or(QString()), expected);
        QCOMPARE(chosen.has_value(), !expected.isEmpty());
    }

    void chooseReplacesTheListOrRemovesIt()
    {
        QSettings().setValue(QStringLiteral("AppleLanguages"), QStringList{"fr", "de"});
        AppLanguage::choose(QStringLiteral("de"));
        QCOMPARE(QSettings().value(QStringLiteral("AppleLanguages")).toStringList(),
                 QStringList{"de"});
        QCOMPARE(AppLanguage::chosen(), QStringLiteral("de"));
        // The running copy keeps the language it started with.
        QVERIFY(!AppLanguage::launchChoice());

        AppLanguage::choose(std::nullopt);
        QVERIFY(!QSettings().contains(QStringLiteral("AppleLanguages")));
        QVERIFY(!AppLanguage::chosen());
    }

    void everyListedLanguageShipsItsTranslation()
    {
        for (const AppLanguage::Language &language : AppLanguage::languages()) {
            QVERIFY2(AppLanguage::installTranslations(*qApp, language.code),
                     qPrintable(language.code));
        }
        QVERIFY(AppLanguage::installTranslations(*qApp, QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("AboutView", "Language"), QStringLiteral("Sprache"));
        // A region the program has no file for falls back to its language.
        QVERIFY(AppLanguage::installTranslations(*qApp, QStringLiteral("de-AT")));
        QCOMPARE(QCoreApplication::translate("AboutView", "Language"), QStringLiteral("Sprache"));
        QVERIFY(!AppLanguage::installTranslations(*qApp, QStringLiteral("xx")));
        QCOMPARE(QCoreApplication::translate("AboutView", "Language"), QStringLiteral("Language"));
        AppLanguage::installTranslations(*qApp, QStringLiteral("en"));
        QLocale::setDefault(QLocale::c());
    }

    void aRestartedCopyStartsInTheStoredLanguage()
    {
        AppLanguage::choose(QStringLiteral("de"));
        QCOMPARE(probe(), (QStringList{"de", "Sprache", "not passed on"}));

        AppLanguage::choose(std::nullopt);
        QCOMPARE(probe(), (QStringList{"-", "Language", "not passed on"}));
    }

    void aRestartedCopyWaitsForTheOneItReplaces()
    {
        QProcess old;
        old.start(QStringLiteral("sleep"), {QStringLiteral("1")});
        QVERIFY(old.waitForStarted());
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("TAMSEL_RELAUNCHED_FROM"), QString::number(old.processId()));
        // Not passed on: a program the new copy starts must not wait for anything.
        QCOMPARE(probe(extra), (QStringList{"-", "Language", "gone", "not passed on"}));
        old.waitForFinished();
    }
};

QTEST_MAIN(TestAppLanguage)
#include "tst_AppLanguage.moc"
