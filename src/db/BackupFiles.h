#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include <sys/types.h>

// The file-system steps of backups and restores, made so that a folder others can
// write (a shared stick, /tmp) cannot slip a file or a link into them: every working
// folder is made anew under a name nobody can guess, open to its owner alone, and
// nothing is ever put in place over a name that exists already.
namespace db::BackupFiles {

// Makes a new folder `prefix` + six random characters in `parent`, exclusively (an
// existing name or link there is never used), mode 0700 whatever the umask. Returns
// its path. Throws DbError naming `parent`.
QString makePrivateFolder(const QString &parent, const QString &prefix);

// Moves a file or folder to `to` in one step, refusing when anything (a file, a folder,
// a link, even a broken one) has that name. Throws DbError naming `to`.
void moveWithoutReplacing(const QString &from, const QString &to);

// Moves a file to `to`, replacing nothing: false when `to` exists. Throws DbError on
// any other failure.
bool moveIfFree(const QString &from, const QString &to);

// Whether anything has that name, a broken link included.
bool nameTaken(const QString &path);

// Whether the folder, or a link by that name, belongs to a user other than the one
// running (root's own folders, /tmp among them, count as nobody else's; for root,
// nothing does).
bool belongsToAnotherUser(const QString &path);

// Removes a private folder with what this program put in it; a link in it is removed
// as a link, never followed.
void removePrivateFolder(const QString &folder);

// Makes every earlier rename in the folder last through a power cut.
void syncFolder(const QString &folder);

// Throws DbError naming the database when anything (a broken link included) has its name.
void refuseExisting(const QString &databaseFile);

// Whether two names lead to one existing folder.
bool sameFolder(const QString &one, const QString &other);

// Builds the files `names` in a new private working folder (`workingPrefix` and six
// random characters) and moves them into `folder` only once `build` has made them all
// there, under names nothing holds: into a folder that does not exist yet the working
// folder itself becomes it (0700), into an existing one the files move. A failure, or a
// run that is stopped, leaves none of them in `folder`; what a stopped run left of its
// working folder the next run removes. Throws DbError.
void buildThenMove(const QString &folder, const QString &workingPrefix, const QStringList &names,
                   const std::function<void(const QString &workingFolder)> &build);

// Who is to own what a run makes in a folder: the folder's owner, when the run is
// root's and the folder another user's (so that the user is not locked out of files
// of their own folder). No change otherwise.
struct Owner
{
    bool change = false;
    uid_t user = 0;
    gid_t group = 0;
};
Owner ownerFor(const QString &folder);
// Gives the file or folder (not a link's target) to `owner`. Throws DbError naming it.
void giveTo(const QString &path, const Owner &owner);

} // namespace db::BackupFiles
