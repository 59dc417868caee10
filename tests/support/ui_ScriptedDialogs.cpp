#include "support/ui_ScriptedDialogs.h"

namespace testing_support {

ScriptedDialogs::Guard ScriptedDialogs::install()
{
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs *raw = dialogs.get();
    ui::Dialogs::setBackend(std::move(dialogs));
    return Guard(raw);
}

ui::Dialogs::Answer ScriptedDialogs::message(QWidget *, const QString &text, const QString &title,
                                             ui::Dialogs::Buttons buttons, ui::Dialogs::Icon icon)
{
    messages.push_back({text, title, buttons, icon});
    if (!answers.empty()) {
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == ui::Dialogs::Buttons::Ok ? ui::Dialogs::Answer::Ok : ui::Dialogs::Answer::Cancel;
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &caption, const QString &, const QString &startName)
{
    fileDialogCaptions << caption;
    fileDialogStarts << startName;
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                      const QString &startName)
{
    return openFileName(parent, caption, filter, startName);
}

QString ScriptedDialogs::existingFolder(QWidget *, const QString &caption, const QString &)
{
    folderDialogCaptions << caption;
    if (folders.empty())
        return {};
    const QString folder = folders.front();
    folders.pop_front();
    return folder;
}

QString ScriptedDialogs::inputText(QWidget *, const QString &prompt, const QString &title, const QString &defaultText,
                                   ui::Dialogs::Echo echo)
{
    inputBoxes.push_back({prompt, title, defaultText, echo});
    if (inputs.empty())
        return {};
    const QString answer = inputs.front();
    inputs.pop_front();
    return answer;
}

bool ScriptedDialogs::choosePrinter(QWidget *, QPrinter &)
{
    ++printDialogs;
    return acceptPrintDialog;
}

bool ScriptedDialogs::openUrl(const QUrl &url)
{
    openedUrls.push_back(url);
    return desktopOpensUrls;
}

} // namespace testing_support
