#pragma once

#include "records/RecordFormController.h"

#include <QString>
#include <QStringList>

namespace app {

// What the main form shows from the business database: the database checked to be one,
// where it is, the stored templates' names and the businesses, over one connection. The
// start reads it before the window exists, while the desktop's fonts load.
struct MainFormData
{
    // Throws db::DbError, naming the file or server at fault.
    static MainFormData read();

    bool shared = false;
    // The file or server, as the caption names it.
    QString place;
    QStringList templateNames;
    records::OpenedRecords businesses;
};

} // namespace app
