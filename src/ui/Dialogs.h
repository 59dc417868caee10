#pragma once

#include <QString>
#include <QUrl>

#include <memory>

class QPrinter;
class QWidget;

namespace ui {

inline constexpr auto ApplicationTitle = "Tallowmere";

// Every message box, file dialog, printer choice, beep and browser start goes
// through here, so tests can answer them without a display (see setBackend).
class Dialogs
{
public:
    enum class Answer {
        Ok,
        Cancel,
        Yes,
        No,
        Save,
        Discard
    };
    enum class Buttons {
        Ok,
        YesNo,
        SaveDiscardCancel
    };
    enum class Icon {
        None,
        Information
    };
    // What an input box shows of what is typed: the text, or a dot per character.
    enum class Echo {
        Normal,
        Password
    };

    class Backend
    {
    public:
        virtual ~Backend() = default;
        virtual Answer message(QWidget *parent, const QString &text, const QString &title, Buttons buttons, Icon icon)
            = 0;
        // The file dialogs start at startName (a file name or path) when it is not empty.
        virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                     const QString &startName)
            = 0;
        virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                     const QString &startName)
            = 0;
        // A folder chooser starting at startFolder, which also takes a new folder's name;
        // the empty string when the user cancels.
        virtual QString existingFolder(QWidget *parent, const QString &caption, const QString &startFolder) = 0;
        // A one-line input box; the empty string when the user cancels.
        virtual QString inputText(QWidget *parent, const QString &prompt, const QString &title,
                                  const QString &defaultText, Echo echo)
            = 0;
        virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
        virtual bool hasPrinter() = 0;
        virtual void beep() = 0;
        virtual bool openUrl(const QUrl &url) = 0;
    };

    // An OK box with the text and the application's title.
    static void message(QWidget *parent, const QString &text, const QString &title = QLatin1String(ApplicationTitle));
    // An OK box with the information icon.
    static void information(QWidget *parent, const QString &text, const QString &title);
    static Answer ask(QWidget *parent, const QString &text, Buttons buttons,
                      const QString &title = QLatin1String(ApplicationTitle));
    static QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                                const QString &startName = {});
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                const QString &startName = {});
    // Asks for a folder: one that exists, or the name of one to be made in a folder that
    // exists; the empty string when cancelled.
    static QString existingFolder(QWidget *parent, const QString &caption, const QString &startFolder = {});
    // A one-line input box with the prompt; the empty string when cancelled.
    static QString inputText(QWidget *parent, const QString &prompt, const QString &title,
                             const QString &defaultText = {}, Echo echo = Echo::Normal);
    // Shows the print dialog; false when the user cancelled it.
    static bool choosePrinter(QWidget *parent, QPrinter &printer);
    // True when the system has a printer to print on.
    static bool hasPrinter();
    static void beep();
    static bool openUrl(const QUrl &url);

    // Replaces the real dialogs (tests); nullptr restores them.
    static void setBackend(std::unique_ptr<Backend> backend);
    static Backend &backend();
};

} // namespace ui
