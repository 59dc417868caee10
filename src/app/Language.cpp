#include "app/Language.h"

#include "db/ProgramFolderDelivery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

namespace app {

namespace {

const QString ChoiceSetting = QStringLiteral("Interface/Language");
const QString English = QStringLiteral("en");

// "fr_CA.UTF-8@euro" -> "fr_CA"
QString withoutCodeset(const QString &locale)
{
    return locale.section(u'.', 0, 0).section(u'@', 0, 0).trimmed();
}

// "fr_CA", "fr-CA" -> "fr"
QString languageOf(const QString &locale)
{
    return withoutCodeset(locale).section(u'_', 0, 0).section(u'-', 0, 0).toLower();
}

QSettings userSettings()
{
    return QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere"));
}

// The first of the folders that holds the file; empty when none does.
QString firstHolding(const QStringList &folders, const QString &fileName)
{
    for (const QString &folder : folders) {
        if (QFileInfo(QDir(folder).filePath(fileName)).isFile())
            return folder;
    }
    return {};
}

} // namespace

const QList<Language::Shipped> &Language::shipped()
{
    static const QList<Shipped> languages{
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {English, QStringLiteral("English")},
    };
    return languages;
}

bool Language::isShipped(const QString &code)
{
    return std::any_of(shipped().cbegin(), shipped().cend(), [&code](const Shipped &l) { return l.code == code; });
}

QStringList Language::desktopLanguages(const std::function<QString(const char *)> &environment)
{
    QString messages;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = environment(name).trimmed();
        if (!messages.isEmpty())
            break;
    }
    const QString locale = withoutCodeset(messages);
    // As gettext: the C locale means untranslated messages, whatever LANGUAGE says.
    if (locale.isEmpty() || locale == u"C" || locale == u"POSIX")
        return {};
    const QStringList wanted = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    return wanted.isEmpty() ? QStringList{messages} : wanted;
}

QStringList Language::desktopLanguages()
{
    return desktopLanguages([](const char *name) { return qEnvironmentVariable(name); });
}

QString Language::resolve(const QString &choice, const QStringList &desktopLanguages)
{
    if (isShipped(choice))
        return choice;
    for (const QString &locale : desktopLanguages) {
        const QString language = languageOf(locale);
        if (isShipped(language))
            return language;
    }
    return English;
}

QString Language::storedChoice()
{
    return userSettings().value(ChoiceSetting).toString();
}

void Language::storeChoice(const QString &code)
{
    QSettings settings = userSettings();
    if (code.isEmpty())
        settings.remove(ChoiceSetting);
    else
        settings.setValue(ChoiceSetting, code);
}

QStringList Language::translationFolders(const QString &programFolder)
{
    QStringList folders{QDir(programFolder).filePath(QStringLiteral("translations"))};
    const QString delivered = db::deliveredFolderOf(programFolder);
    if (!delivered.isEmpty())
        folders << QDir(delivered).filePath(QStringLiteral("translations"));
    return folders;
}

QString Language::install(QCoreApplication &application)
{
    const QString code = resolve(storedChoice(), desktopLanguages());
    if (code == English)
        return code;
    const QString programFile = QStringLiteral("tallowmere_%1.qm").arg(code);
    const QStringList folders = translationFolders(QCoreApplication::applicationDirPath());
    const QString folder = firstHolding(folders, programFile);
    auto *program = new QTranslator(&application);
    if (folder.isEmpty() || !program->load(programFile, folder)) {
        // The windows speak English then; say where the file was looked for.
        qWarning("Tallowmere: %s was not found in %s", qPrintable(programFile),
                 qPrintable(QDir::toNativeSeparators(folders.join(QStringLiteral(", ")))));
        delete program;
        return English;
    }
    QCoreApplication::installTranslator(program);
    // Standard buttons and dialogs (Cancel, the file dialog) in the same language.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return code;
}

} // namespace app
