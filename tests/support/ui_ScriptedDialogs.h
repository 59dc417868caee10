#pragma once

#include "ui/Dialogs.h"

#include <QStringList>
#include <QUrl>

#include <deque>

namespace testing_support {

// Answers the program's dialogs from a script and records what they were asked.
// Install with ScriptedDialogs::install(); the real dialogs come back when the
// returned guard goes out of scope.
class ScriptedDialogs : public ui::Dialogs::Backend
{
public:
    struct Message
    {
        QString text;
        QString title;
        ui::Dialogs::Buttons buttons;
        ui::Dialogs::Icon icon = ui::Dialogs::Icon::None;
    };

    class Guard
    {
    public:
        explicit Guard(ScriptedDialogs *dialogs)
            : m_dialogs(dialogs)
        {
        }
        ~Guard() { ui::Dialogs::setBackend(nullptr); }
        ScriptedDialogs *operator->() const { return m_dialogs; }
        ScriptedDialogs &operator*() const { return *m_dialogs; }

    private:
        ScriptedDialogs *m_dialogs;
    };

    static Guard install();

    // Queued answers; when a queue is empty a message gets Ok/Cancel, a file dialog "".
    std::deque<ui::Dialogs::Answer> answers;
    std::deque<QString> fileNames;
    // Answers of folder choosers; an empty queue answers as Cancel does ("").
    std::deque<QString> folders;
    QStringList folderDialogCaptions;
    // Answers of input boxes; an empty queue answers as Cancel does ("").
    std::deque<QString> inputs;
    bool printerAvailable = false;
    bool acceptPrintDialog = true;
    // False stands for a desktop without a handler for the address opened.
    bool desktopOpensUrls = true;

    std::vector<Message> messages;
    QStringList fileDialogCaptions;
    QStringList fileDialogStarts;
    struct Input
    {
        QString prompt;
        QString title;
        QString defaultText;
        ui::Dialogs::Echo echo = ui::Dialogs::Echo::Normal;
    };
    std::vector<Input> inputBoxes;
    int printDialogs = 0;
    int beeps = 0;
    std::vector<QUrl> openedUrls;

    ui::Dialogs::Answer message(QWidget *parent, const QString &text, const QString &title,
                                ui::Dialogs::Buttons buttons, ui::Dialogs::Icon icon) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &startName) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &startName) override;
    QString existingFolder(QWidget *parent, const QString &caption, const QString &startFolder) override;
    QString inputText(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText,
                      ui::Dialogs::Echo echo) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    bool hasPrinter() override { return printerAvailable; }
    void beep() override { ++beeps; }
    bool openUrl(const QUrl &url) override;
};

} // namespace testing_support
