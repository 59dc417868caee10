#pragma once

#include "db/Backup.h"

#include <QString>

#include <sys/wait.h>
#include <unistd.h>

// Runs a restore of `backup` into `target` in a child process that is killed after the
// restore's nth move, as a crash would: none of the restore's own cleaning up runs.
// True when the child stopped where it was meant to.
inline bool restoreStoppedAfterMove(const QString &backup, const QString &target, int stopAfter)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        int moves = 0;
        try {
            db::Backup::restore(backup, target, [&] {
                if (++moves == stopAfter)
                    ::_exit(0);
            });
        } catch (...) {
        }
        ::_exit(1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
