#include "documents/MergeFields.h"

#include <array>

namespace documents {

namespace {

using enum MergeSource;

constexpr std::array Fields{
    MergeField{u"[businessName]", Business, u"BusninesName"},
    MergeField{u"[BusninesName]", Business, u"BusninesName"},
    MergeField{u"[BusinessAddressOne]", Business, u"BusinessAddressOne"},
    MergeField{u"[BusinessAddressTwo]", Business, u"BusinessAddressTwo"},
    MergeField{u"[BusinessCity]", Business, u"BusinessCity"},
    MergeField{u"[BusinessState]", Business, u"BusinessState"},
    MergeField{u"[BusinessZip]", Business, u"BusinessZip"},
    MergeField{u"[BusinessPhoneNumber]", Business, u"BusinessPhoneNumber"},
    MergeField{u"[BusinessFaxNumber]", Business, u"BusinessFaxNumber"},
    MergeField{u"[BusinessEMailAddress]", Business, u"BusinessEMailAddress"},
    MergeField{u"[BusinessWebSiteURL]", Business, u"BusinessWebSiteURL"},
    MergeField{u"[BusinessCounty]", Business, u"BusinessCounty"},
    MergeField{u"[REGISTEREDAGENTFirstName]", RegisteredAgent, u"REGISTEREDAGENTFirstName"},
    MergeField{u"[REGISTEREDAGENTMiddleName]", RegisteredAgent, u"REGISTEREDAGENTMiddleName"},
    MergeField{u"[REGISTEREDAGENTLastName]", RegisteredAgent, u"REGISTEREDAGENTLastName"},
    MergeField{u"[REGISTEREDAGENTAddressOne]", RegisteredAgent, u"REGISTEREDAGENTAddressOne"},
    MergeField{u"[REGISTEREDAGENTAddressTwo]", RegisteredAgent, u"REGISTEREDAGENTAddressTwo"},
    MergeField{u"[REGISTEREDAGENTCity]", RegisteredAgent, u"REGISTEREDAGENTCity"},
    MergeField{u"[REGISTEREDAGENTState]", RegisteredAgent, u"REGISTEREDAGENTState"},
    MergeField{u"[REGISTEREDAGENTZip]", RegisteredAgent, u"REGISTEREDAGENTZip"},
    MergeField{u"[REGISTEREDAGENTPhoneNumber]", RegisteredAgent, u"REGISTEREDAGENTPhoneNumber"},
    MergeField{u"[REGISTEREDAGENTFaxNumber]", RegisteredAgent, u"REGISTEREDAGENTFaxNumber"},
    MergeField{u"[REGISTEREDAGENTEMailAddress]", RegisteredAgent, u"REGISTEREDAGENTEMailAddress"},
    MergeField{u"[RegisteredAgent]", AgentBlock, {}},
    MergeField{u"[registeredagentstate]", RegisteredAgent, u"REGISTEREDAGENTState"},
    MergeField{u"[list specific functions]", GoalList, {}},
    MergeField{u"[county]", Business, u"BusinessCounty"},
    MergeField{u"[state]", Business, u"BusinessState"},
    MergeField{u"[insert type of business]", BusinessType, {}},
};

static_assert(Fields.size() == 29);

constexpr bool noFieldHoldsALineBreak()
{
    for (const MergeField &field : Fields) {
        for (qsizetype i = 0; i < field.field.size(); ++i) {
            if (field.field[i] == u'\n')
                return false;
        }
    }
    return true;
}
// The merge fills runs of whole lines one at a time, which relies on this.
static_assert(noFieldHoldsALineBreak());

} // namespace

std::span<const MergeField> mergeFields()
{
    return Fields;
}

} // namespace documents
