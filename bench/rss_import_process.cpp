// The item import as a process of its own: imports FOLDER/Upload.txt into FOLDER/Rss.db,
// as the publishing window's "Upload File" does. Usage: rss_import_process FOLDER
#include "base/Error.h"
#include "db/ProgramFolder.h"
#include "rss/UploadImport.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: rss_import_process FOLDER\n", stderr);
        return 2;
    }
    db::ProgramFolder::setOverride(QString::fromLocal8Bit(argv[1]));
    rss::ImportResult result;
    try {
        result = rss::importUploadFile();
    } catch (const base::Error &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.description()));
        return 1;
    }
    std::printf("%d imported, %d failed\n", result.imported, result.failed);
    return result.failed == 0 ? 0 : 1;
}
