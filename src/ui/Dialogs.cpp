#include "ui/Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace ui {

namespace {

// A folder chooser that also takes the name of a folder still to be made (in a folder
// that exists): the caller offers to make it. Qt's own dialog, as a desktop's native
// one refuses such a name before anyone can offer anything.
class FolderDialog final : public QFileDialog
{
public:
    FolderDialog(QWidget *parent, const QString &caption, const QString &startFolder)
        : QFileDialog(parent, caption, startFolder)
    {
        setFileMode(QFileDialog::Directory);
        setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    }

    QString chosen() const { return m_newFolder.isEmpty() ? selectedFiles().value(0) : m_newFolder; }

protected:
    void accept() override
    {
        const QStringList names = selectedFiles();
        if (names.size() == 1 && !names.first().isEmpty() && !QFileInfo::exists(names.first())
            && QFileInfo(QFileInfo(names.first()).absolutePath()).isDir()) {
            m_newFolder = QFileInfo(names.first()).absoluteFilePath();
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }

private:
    QString m_newFolder;
};

class RealDialogs final : public Dialogs::Backend
{
public:
    Dialogs::Answer message(QWidget *parent, const QString &text, const QString &title, Dialogs::Buttons buttons,
                            Dialogs::Icon icon) override
    {
        QMessageBox box(parent);
        if (icon == Dialogs::Icon::Information)
            box.setIcon(QMessageBox::Information);
        box.setWindowTitle(title);
        // Texts carry what peers and files said (a service's fault, an item's title):
        // shown as written, never as markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        switch (buttons) {
        case Dialogs::Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Dialogs::Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Dialogs::Buttons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return Dialogs::Answer::Yes;
        case QMessageBox::No: return Dialogs::Answer::No;
        case QMessageBox::Save: return Dialogs::Answer::Save;
        case QMessageBox::Discard: return Dialogs::Answer::Discard;
        case QMessageBox::Cancel: return Dialogs::Answer::Cancel;
        default: return Dialogs::Answer::Ok;
        }
    }

    QString openFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &startName) override
    {
        return QFileDialog::getOpenFileName(parent, caption, startName, filter);
    }

    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &startName) override
    {
        return QFileDialog::getSaveFileName(parent, caption, startName, filter);
    }

    QString existingFolder(QWidget *parent, const QString &caption, const QString &startFolder) override
    {
        FolderDialog dialog(parent, caption, startFolder);
        return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QString();
    }

    QString inputText(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText,
                      Dialogs::Echo echo) override
    {
        bool accepted = false;
        const QLineEdit::EchoMode mode = echo == Dialogs::Echo::Password ? QLineEdit::Password : QLineEdit::Normal;
        const QString text = QInputDialog::getText(parent, title, prompt, mode, defaultText, &accepted);
        return accepted ? text : QString();
    }

    bool choosePrinter(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool hasPrinter() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

    void beep() override { QApplication::beep(); }

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

std::unique_ptr<Dialogs::Backend> &current()
{
    static std::unique_ptr<Dialogs::Backend> backend = std::make_unique<RealDialogs>();
    return backend;
}

} // namespace

void Dialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    backend().message(parent, text, title, Buttons::Ok, Icon::None);
}

void Dialogs::information(QWidget *parent, const QString &text, const QString &title)
{
    backend().message(parent, text, title, Buttons::Ok, Icon::Information);
}

Dialogs::Answer Dialogs::ask(QWidget *parent, const QString &text, Buttons buttons, const QString &title)
{
    return backend().message(parent, text, title, buttons, Icon::None);
}

QString Dialogs::openFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &startName)
{
    return backend().openFileName(parent, caption, filter, startName);
}

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &filter, const QString &startName)
{
    return backend().saveFileName(parent, caption, filter, startName);
}

QString Dialogs::existingFolder(QWidget *parent, const QString &caption, const QString &startFolder)
{
    return backend().existingFolder(parent, caption, startFolder);
}

QString Dialogs::inputText(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText,
                           Echo echo)
{
    return backend().inputText(parent, prompt, title, defaultText, echo);
}

bool Dialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    return backend().choosePrinter(parent, printer);
}

bool Dialogs::hasPrinter()
{
    return backend().hasPrinter();
}

void Dialogs::beep()
{
    backend().beep();
}

bool Dialogs::openUrl(const QUrl &url)
{
    return backend().openUrl(url);
}

void Dialogs::setBackend(std::unique_ptr<Backend> backend)
{
    current() = backend ? std::move(backend) : std::make_unique<RealDialogs>();
}

Dialogs::Backend &Dialogs::backend()
{
    return *current();
}

} // namespace ui
