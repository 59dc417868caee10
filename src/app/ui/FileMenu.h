#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QDate;
class QMenuBar;
class QThread;
class QWidget;

namespace app {

// The main form's File menu, first on its menu bar: "Back Up..." into a folder chosen
// and "Export Businesses..." as CSV. Backups run on a thread of their own, so a large
// database or a server far away never holds up the window.
class FileMenu : public QObject
{
    Q_OBJECT

public:
    FileMenu(QWidget *form, QMenuBar *bar);
    // Waits for a backup that is running.
    ~FileMenu() override;

    void backUp();
    void exportBusinesses();
    // Starts the day's automatic backup into backups/ of the program folder when the
    // day has none yet. A failure is said in one message and never stops the program.
    void startDailyBackup(const QDate &today);

    bool isBackingUp() const { return m_thread != nullptr; }
    // Waits for a backup that is running and says how it went, as its end would.
    void waitForBackup();

signals:
    // After each backup, with the reason it failed (empty when it was made).
    void backupFinished(const QString &failure);

private:
    void runInBackground(std::function<void()> work, std::function<void(const QString &)> done);
    void finishBackup(bool report);

    QWidget *m_form;
    QPointer<QAction> m_backUp;
    QThread *m_thread = nullptr;
    QString m_failure;
    std::function<void(const QString &)> m_done;
};

} // namespace app
