#include "app/ui_language.h"

#include "common/settings_store.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTranslator>

namespace orvi {

namespace {
const char* const kLanguageKey = "ui_lang";
const char* const kSystem = "system";

// The one installed catalogue; a QPointer so a translator deleted together
// with its application object is never touched again.
QPointer<QTranslator>& installedTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

QString& catalogueDirectory()
{
    static QString directory = QStringLiteral(":/i18n");
    return directory;
}

DetachedStarter& detachedStarter()
{
    static DetachedStarter starter = [](const QString& program, const QStringList& arguments) {
        QProcess::startDetached(program, arguments); // a failed start is not reported
    };
    return starter;
}

QString overrideLanguageCode()
{
    return normalizeLanguageCode(qEnvironmentVariable("ORVI_LANG"));
}

bool installCatalogue(QApplication& application, const QString& code)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(catalogueResourcePath(code))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installedTranslator() = translator;
    return true;
}
} // namespace

const UiLanguage* findUiLanguage(const QString& code)
{
    for (const UiLanguage& language : kUiLanguages) {
        if (code == QLatin1String(language.code))
            return &language;
    }
    return nullptr;
}

QString catalogueResourcePath(const QString& code)
{
    return QStringLiteral("%1/%2.qm").arg(catalogueDirectory(), code);
}

void setCatalogueDirectory(const QString& directory)
{
    catalogueDirectory() = directory;
}

DetachedStarter replaceDetachedStarter(DetachedStarter starter)
{
    DetachedStarter previous = std::move(detachedStarter());
    detachedStarter() = std::move(starter);
    return previous;
}

QString savedUiLanguage()
{
    const auto settings = openSettings(kLanguageSettingsName);
    const QString value = settings->value(QLatin1String(kLanguageKey), QLatin1String(kSystem)).toString();
    return findUiLanguage(value) ? value : QString::fromLatin1(kSystem);
}

void saveUiLanguage(const QString& code)
{
    const auto settings = openSettings(kLanguageSettingsName);
    settings->setValue(QLatin1String(kLanguageKey), code);
    settings->sync();
}

QString normalizeLanguageCode(const QString& text)
{
    QString t = text.trimmed().toLower();
    t.replace(QLatin1Char('_'), QLatin1Char('-'));
    if (t.isEmpty())
        return {};
    if (t.startsWith(QLatin1String("zh"))) {
        for (const char* marker : {"hant", "-tw", "-hk", "-mo"}) {
            if (t.contains(QLatin1String(marker)))
                return QStringLiteral("hant");
        }
        return QStringLiteral("zh");
    }
    const QString primary = t.section(QLatin1Char('-'), 0, 0);
    return findUiLanguage(primary) ? primary : QString();
}

QLocale environmentLocale()
{
    QString value;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
        const QByteArray raw = qgetenv(name);
        if (!raw.isEmpty()) {
            value = QString::fromLocal8Bit(raw);
            break;
        }
    }
    const QString first = value.split(QLatin1Char(':')).first().trimmed();
    const QLocale chinaChinese(QLocale::Chinese, QLocale::China);
    if (first.isEmpty() || first.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0
        || first.startsWith(QLatin1String("POSIX"), Qt::CaseInsensitive))
        return chinaChinese;
    const QLocale locale(first);
    return locale.language() == QLocale::C ? chinaChinese : locale;
}

QString systemLanguageCode()
{
    const QString forced = overrideLanguageCode();
    if (!forced.isEmpty())
        return forced;
    const QString saved = savedUiLanguage();
    if (saved != QLatin1String(kSystem))
        return saved;
    const QLocale locale = environmentLocale();
    if (locale.language() == QLocale::Chinese) {
        const QString name = locale.name();
        for (const char* marker : {"Hant", "TW", "HK", "MO"}) {
            if (name.contains(QLatin1String(marker), Qt::CaseSensitive))
                return QStringLiteral("hant");
        }
        return QStringLiteral("zh");
    }
    for (const UiLanguage& language : kUiLanguages) {
        const QLocale::Language candidate = QLocale(QLatin1String(language.code)).language();
        if (candidate != QLocale::C && candidate == locale.language())
            return QLatin1String(language.code);
    }
    return QStringLiteral("en");
}

QString applyUiLanguage(QApplication& application, const QString& requested)
{
    if (QTranslator* old = installedTranslator()) {
        QCoreApplication::removeTranslator(old);
        delete old;
        installedTranslator() = nullptr;
    }

    QString code = requested;
    const QString forced = overrideLanguageCode();
    if (!forced.isEmpty())
        code = forced;
    else if (code == QLatin1String(kSystem))
        code = systemLanguageCode();

    const UiLanguage* language = findUiLanguage(code);
    application.setLayoutDirection(language && language->rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

    if (code == QLatin1String("zh"))
        return code;
    if (installCatalogue(application, code))
        return code;
    qWarning("ui-language: %s 的翻译表 %s 不在资源里 -> 退回 en", code.toUtf8().constData(),
             catalogueResourcePath(code).toUtf8().constData());
    if (code == QLatin1String("en"))
        return code;
    if (installCatalogue(application, QStringLiteral("en")))
        return QStringLiteral("en");
    return code;
}

QComboBox* createUiLanguageSelector(QMainWindow* window)
{
    auto* combo = new QComboBox(window);
    combo->addItem(QCoreApplication::translate("UiLangRow", "跟随系统"), QString::fromLatin1(kSystem));
    for (const UiLanguage& language : kUiLanguages) {
        const QString code = QLatin1String(language.code);
        if (code == QLatin1String("zh") || QFile::exists(catalogueResourcePath(code)))
            combo->addItem(QString::fromUtf8(language.displayName), code);
    }
    const int saved = combo->findData(savedUiLanguage(), Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(saved >= 0 ? saved : 0);
    combo->setToolTip(QCoreApplication::translate("UiLangRow", "界面语言。切换后程序会重启一次以便整套界面换语言。"));

    QObject::connect(combo, &QComboBox::currentIndexChanged, window, [combo, window](int index) {
        const QString code = combo->itemData(index).toString();
        if (code == savedUiLanguage())
            return;
        saveUiLanguage(code);
        QMessageBox::information(
            window, QCoreApplication::translate("UiLangRow", "语言"),
            QCoreApplication::translate("UiLangRow", "界面语言已切换，程序将自动重启一次以生效。"));
        restartApplication();
    });
    return combo;
}

void restartApplication()
{
    // Every window may still refuse to close (a pack runs and the user keeps
    // it): then this instance stays, and no second one may start beside it.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !widget->close())
            return;
    }
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    detachedStarter()(QCoreApplication::applicationFilePath(), arguments);
    QCoreApplication::quit();
}

QString documentLanguage()
{
    const QString code = systemLanguageCode();
    if (code == QLatin1String("zh") || code == QLatin1String("hant"))
        return QStringLiteral("zh");
    if (code == QLatin1String("pl"))
        return QStringLiteral("pl");
    return QStringLiteral("en");
}

QLocale::Language languageForCode(const QString& code)
{
    if (code == QLatin1String("zh") || code == QLatin1String("hant"))
        return QLocale::Chinese;
    const QLocale::Language language = QLocale(code).language();
    return language == QLocale::C ? QLocale::English : language;
}

} // namespace orvi
