#pragma once

#include "ui/Dialogs.h"

#include <QStringList>

namespace screenshots {

// Answers every dialog without showing it, as a person who cancels would, and keeps
// the text of each message box: on the tour a message means a window went wrong.
class QuietDialogs : public ui::Dialogs::Backend
{
public:
    QStringList messages;

    ui::Dialogs::Answer message(QWidget *, const QString &text, const QString &, ui::Dialogs::Buttons buttons,
                                ui::Dialogs::Icon) override
    {
        messages << text;
        return buttons == ui::Dialogs::Buttons::Ok ? ui::Dialogs::Answer::Ok : ui::Dialogs::Answer::Cancel;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString existingFolder(QWidget *, const QString &, const QString &) override { return {}; }
    QString inputText(QWidget *, const QString &, const QString &, const QString &, ui::Dialogs::Echo) override
    {
        return {};
    }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    bool hasPrinter() override { return false; }
    void beep() override { }
    bool openUrl(const QUrl &) override { return true; }
};

} // namespace screenshots
