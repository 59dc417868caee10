#pragma once

#include <QList>
#include <QString>

namespace db {

struct DeliveredTemplate
{
    QString name; // lower case, as an upload stores it
    QString text; // CR LF before every line, as an upload stores it
};

// The starter document templates that come with a new business database.
QList<DeliveredTemplate> deliveredTemplates();

} // namespace db
