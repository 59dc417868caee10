#include "app/MainFormData.h"

#include "app/BusinessInformationController.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Schema.h"
#include "documents/TemplateCatalog.h"

namespace app {

MainFormData MainFormData::read()
{
    auto connection = std::make_unique<db::Connection>();
    connection->open(db::ConnectionStrings::recordForm());
    // A file that is not a business database ends the start here, before anything is shown.
    db::Schema::requireBusinessDatabase(*connection);
    MainFormData data;
    data.shared = connection->isShared();
    data.place = connection->filePath();
    data.templateNames = documents::storedTemplateNames(*connection, documents::NullNames::AsEmpty);
    data.businesses = records::RecordFormController::openRecords(QLatin1String(BusinessInformationController::Query),
                                                                 std::move(connection));
    return data;
}

} // namespace app
