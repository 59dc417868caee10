#pragma once

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
    QStringView column; // for Business and RegisteredAgent
};

// The one list of merge fields: MasterField is delivered with these names in this
// order, and templates are filled field by field in this order (text one field puts
// in is scanned by the fields after it).
inline constexpr std::array MergeFieldList{
    MergeFieldDefinition{u"businessName", MergeFieldSource::Business, u"BusninesName"},
    MergeFieldDefinition{u"BusninesName", MergeFieldSource::Business, u"BusninesName"},
    MergeFieldDefinition{u"BusinessAddressOne", MergeFieldSource::Business, u"BusinessAddressOne"},
    MergeFieldDefinition{u"BusinessAddressTwo", MergeFieldSource::Business, u"BusinessAddressTwo"},
    MergeFieldDefinition{u"BusinessCity", MergeFieldSource::Business, u"BusinessCity"},
    MergeFieldDefinition{u"BusinessState", MergeFieldSource::Business, u"BusinessState"},
    MergeFieldDefinition{u"BusinessZip", MergeFieldSource::Business, u"BusinessZip"},
    MergeFieldDefinition{u"BusinessPhoneNumber", MergeFieldSource::Business, u"BusinessPhoneNumber"},
    MergeFieldDefinition{u"BusinessFaxNumber", MergeFieldSource::Business, u"BusinessFaxNumber"},
    MergeFieldDefinition{u"BusinessEMailAddress", MergeFieldSource::Business, u"BusinessEMailAddress"},
    MergeFieldDefinition{u"BusinessWebSiteURL", MergeFieldSource::Business, u"BusinessWebSiteURL"},
    MergeFieldDefinition{u"BusinessCounty", MergeFieldSource::Business, u"BusinessCounty"},
    MergeFieldDefinition{u"REGISTEREDAGENTFirstName", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTFirstName"},
    MergeFieldDefinition{u"REGISTEREDAGENTMiddleName", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTMiddleName"},
    MergeFieldDefinition{u"REGISTEREDAGENTLastName", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTLastName"},
    MergeFieldDefinition{u"REGISTEREDAGENTAddressOne", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTAddressOne"},
    MergeFieldDefinition{u"REGISTEREDAGENTAddressTwo", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTAddressTwo"},
    MergeFieldDefinition{u"REGISTEREDAGENTCity", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTCity"},
    MergeFieldDefinition{u"REGISTEREDAGENTState", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTState"},
    MergeFieldDefinition{u"REGISTEREDAGENTZip", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTZip"},
    MergeFieldDefinition{u"REGISTEREDAGENTPhoneNumber", MergeFieldSource::RegisteredAgent,
                         u"REGISTEREDAGENTPhoneNumber"},
    MergeFieldDefinition{u"REGISTEREDAGENTFaxNumber", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTFaxNumber"},
    MergeFieldDefinition{u"REGISTEREDAGENTEMailAddress", MergeFieldSource::RegisteredAgent,
                         u"REGISTEREDAGENTEMailAddress"},
    MergeFieldDefinition{u"RegisteredAgent", MergeFieldSource::AgentBlock, {}},
    MergeFieldDefinition{u"registeredagentstate", MergeFieldSource::RegisteredAgent, u"REGISTEREDAGENTState"},
    MergeFieldDefinition{u"list specific functions", MergeFieldSource::GoalList, {}},
    MergeFieldDefinition{u"county", MergeFieldSource::Business, u"BusinessCounty"},
    MergeFieldDefinition{u"state", MergeFieldSource::Business, u"BusinessState"},
    MergeFieldDefinition{u"insert type of business", MergeFieldSource::BusinessType, {}},
};

} // namespace db
