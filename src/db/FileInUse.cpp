#include "db/FileInUse.h"

#include <QFile>

#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace db {

namespace {

bool isNumber(const char *name)
{
    if (!*name)
        return false;
    for (const char *c = name; *c; ++c) {
        if (*c < '0' || *c > '9')
            return false;
    }
    return true;
}

// Whether one of the process's descriptors (its fd folder open as `fdFolder`) is the file.
bool holds(int fdFolder, const struct stat &file)
{
    DIR *fds = ::fdopendir(fdFolder);
    if (!fds) {
        ::close(fdFolder);
        return false;
    }
    bool found = false;
    while (const dirent *entry = ::readdir(fds)) {
        struct stat target = {};
        if (entry->d_name[0] != '.' && ::fstatat(fdFolder, entry->d_name, &target, 0) == 0
            && target.st_dev == file.st_dev && target.st_ino == file.st_ino) {
            found = true;
            break;
        }
    }
    ::closedir(fds);
    return found;
}

} // namespace

bool isOpenInAnotherProcess(const QString &filePath)
{
    struct stat file = {};
    if (::stat(QFile::encodeName(filePath).constData(), &file) != 0)
        return false;
    DIR *processes = ::opendir("/proc");
    if (!processes)
        return false;
    const pid_t self = ::getpid();
    bool found = false;
    while (const dirent *entry = ::readdir(processes)) {
        if (!isNumber(entry->d_name) || std::atol(entry->d_name) == self)
            continue;
        const QByteArray fdPath = QByteArray("/proc/") + entry->d_name + "/fd";
        const int fdFolder = ::open(fdPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fdFolder >= 0 && holds(fdFolder, file)) {
            found = true;
            break;
        }
    }
    ::closedir(processes);
    return found;
}

} // namespace db
