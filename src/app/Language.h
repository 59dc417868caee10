#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace app {

// The language the windows speak: the one chosen under Help > Language, else the
// desktop's. English is the language the texts are written in, so it needs no file.
class Language
{
public:
    struct Shipped
    {
        QString code;       // "de"
        QString nativeName; // "Deutsch": each language is offered in its own words
    };
    // The languages offered, English last.
    static const QList<Shipped> &shipped();
    static bool isShipped(const QString &code);

    // The desktop's languages, most wanted first, as gettext programs read them: the
    // colon list in LANGUAGE, else the messages locale (LC_ALL, LC_MESSAGES, LANG, the
    // first that is set). LANGUAGE counts only when that locale is not "C" or "POSIX".
    static QStringList desktopLanguages(const std::function<QString(const char *)> &environment);
    static QStringList desktopLanguages();

    // The code of the language to use: the choice when it is shipped, else the first
    // shipped language of the desktop's list ("fr_CA.UTF-8" counts as French, "en"
    // as English), else English.
    static QString resolve(const QString &choice, const QStringList &desktopLanguages);

    // The choice kept in the user's settings; empty for the system language.
    static QString storedChoice();
    static void storeChoice(const QString &code);

    // The folders searched for the program's .qm files, in order: translations/ beside
    // the program, then that of the installation's share folder.
    static QStringList translationFolders(const QString &programFolder);

    // Loads the program's translation and Qt's own for the language the user wants and
    // installs both; English loads nothing. Returns the code in use.
    static QString install(QCoreApplication &application);
};

} // namespace app
