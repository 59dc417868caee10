#pragma once

#include "db/schema/SchemaTables.h"

#include <QStringView>

#include <array>

namespace db {

// Where the value of a merge field comes from when a template is filled.
enum class MergeFieldSource {
    Business,
    RegisteredAgent,
    AgentBlock,
    GoalList,
    BusinessType
};

struct MergeFieldDefinition
{
    QStringView name; // as MasterField holds it; templates write it in square brackets
    MergeFieldSource source;
    tables::Name column; // for Business and RegisteredAgent
};

// The one list of merge fields: MasterField is delivered with these names in this
// order. A template is filled in one pass; the text a field puts in is not scanned again.
inline constexpr std::array MergeFieldList{
    MergeFieldDefinition{u"businessName", MergeFieldSource::Business, tables::BusinessInformation::BusinessName},
    MergeFieldDefinition{u"BusninesName", MergeFieldSource::Business, tables::BusinessInformation::BusinessName},
    MergeFieldDefinition{u"BusinessAddressOne", MergeFieldSource::Business, tables::BusinessInformation::AddressOne},
    MergeFieldDefinition{u"BusinessAddressTwo", MergeFieldSource::Business, tables::BusinessInformation::AddressTwo},
    MergeFieldDefinition{u"BusinessCity", MergeFieldSource::Business, tables::BusinessInformation::City},
    MergeFieldDefinition{u"BusinessState", MergeFieldSource::Business, tables::BusinessInformation::State},
    MergeFieldDefinition{u"BusinessZip", MergeFieldSource::Business, tables::BusinessInformation::Zip},
    MergeFieldDefinition{u"BusinessPhoneNumber", MergeFieldSource::Business, tables::BusinessInformation::PhoneNumber},
    MergeFieldDefinition{u"BusinessFaxNumber", MergeFieldSource::Business, tables::BusinessInformation::FaxNumber},
    MergeFieldDefinition{u"BusinessEMailAddress", MergeFieldSource::Business,
                         tables::BusinessInformation::EMailAddress},
    MergeFieldDefinition{u"BusinessWebSiteURL", MergeFieldSource::Business, tables::BusinessInformation::WebSiteUrl},
    MergeFieldDefinition{u"BusinessCounty", MergeFieldSource::Business, tables::BusinessInformation::County},
    MergeFieldDefinition{u"REGISTEREDAGENTFirstName", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::FirstName},
    MergeFieldDefinition{u"REGISTEREDAGENTMiddleName", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::MiddleName},
    MergeFieldDefinition{u"REGISTEREDAGENTLastName", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::LastName},
    MergeFieldDefinition{u"REGISTEREDAGENTAddressOne", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::AddressOne},
    MergeFieldDefinition{u"REGISTEREDAGENTAddressTwo", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::AddressTwo},
    MergeFieldDefinition{u"REGISTEREDAGENTCity", MergeFieldSource::RegisteredAgent, tables::RegisteredAgent::City},
    MergeFieldDefinition{u"REGISTEREDAGENTState", MergeFieldSource::RegisteredAgent, tables::RegisteredAgent::State},
    MergeFieldDefinition{u"REGISTEREDAGENTZip", MergeFieldSource::RegisteredAgent, tables::RegisteredAgent::Zip},
    MergeFieldDefinition{u"REGISTEREDAGENTPhoneNumber", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::PhoneNumber},
    MergeFieldDefinition{u"REGISTEREDAGENTFaxNumber", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::FaxNumber},
    MergeFieldDefinition{u"REGISTEREDAGENTEMailAddress", MergeFieldSource::RegisteredAgent,
                         tables::RegisteredAgent::EMailAddress},
    MergeFieldDefinition{u"RegisteredAgent", MergeFieldSource::AgentBlock, {}},
    MergeFieldDefinition{u"registeredagentstate", MergeFieldSource::RegisteredAgent, tables::RegisteredAgent::State},
    MergeFieldDefinition{u"list specific functions", MergeFieldSource::GoalList, {}},
    MergeFieldDefinition{u"county", MergeFieldSource::Business, tables::BusinessInformation::County},
    MergeFieldDefinition{u"state", MergeFieldSource::Business, tables::BusinessInformation::State},
    MergeFieldDefinition{u"insert type of business", MergeFieldSource::BusinessType, {}},
};

} // namespace db
