#include "app/ui_language.h"
#include "test_env.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace orvi;

// Runs the built program once per interface language and reads its smoke
// line: the catalogue compiled into the real executable must be the one
// that gets installed, and the language number must match.
class LanguageSmokeTest : public QObject
{
    Q_OBJECT

private slots:
    void smokeLineShowsTheTranslatedSample_data()
    {
        QTest::addColumn<QString>("code");
        for (const UiLanguage& language : kUiLanguages)
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
    }
    void smokeLineShowsTheTranslatedSample()
    {
        QFETCH(QString, code);
        QString expectedSample = QStringLiteral("▶  开始打包");
        if (code != QLatin1String("zh")) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(catalogueResourcePath(code)));
            expectedSample = catalogue.translate("PackGuiWindow", "▶  开始打包");
            QVERIFY(!expectedSample.isEmpty());
        }
        if (code == QLatin1String("en"))
            QCOMPARE(expectedSample, QStringLiteral("▶  Start packing"));

        QTemporaryDir settings;
        QProcess program;
        QProcessEnvironment environment = test::programEnvironment(settings.path(), code);
        environment.insert(QStringLiteral("ORVI_GUI_SMOKE"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(test::programPath(), {});
        QVERIFY2(program.waitForFinished(30000), "program did not quit after the smoke run");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        const QStringList smoke = test::outputLines(program.readAllStandardError()).filter(QRegularExpression(QStringLiteral("^ORVI_SMOKE ")));
        QCOMPARE(smoke.size(), 1);
        const int language = int(languageForCode(code));
        const QString expected = QStringLiteral("ORVI_SMOKE lang=%1 zh=%2 locname=")
                                     .arg(language)
                                     .arg(language == int(QLocale::Chinese) ? 1 : 0);
        QVERIFY2(smoke.first().startsWith(expected), qPrintable(smoke.first()));
        QVERIFY2(smoke.first().endsWith(QStringLiteral(" res_exists=1 sample=") + expectedSample),
                 qPrintable(smoke.first()));
    }
};

QTEST_MAIN(LanguageSmokeTest)
#include "test_language_smoke.moc"
