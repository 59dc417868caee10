#include "documents/MergeFields.h"

#include <vector>

namespace documents {

namespace {

constexpr bool noFieldHoldsABracket()
{
    for (const db::MergeFieldDefinition &definition : db::MergeFieldList) {
        for (qsizetype i = 0; i < definition.name.size(); ++i) {
            if (definition.name[i] == u'[' || definition.name[i] == u']')
                return false;
        }
    }
    return true;
}
// The merge and the field check find a field from its opening bracket to the first
// closing one, which relies on this.
static_assert(noFieldHoldsABracket());

struct Fields
{
    Fields()
    {
        // Reserved first: the views below point into these strings.
        written.reserve(db::MergeFieldList.size());
        for (const db::MergeFieldDefinition &definition : db::MergeFieldList) {
            written.push_back(u'[' % definition.name % u']');
            fields.push_back({written.back(), definition.source, definition.column});
        }
    }
    std::vector<QString> written;
    std::vector<MergeField> fields;
};

} // namespace

std::span<const MergeField> mergeFields()
{
    static const Fields list;
    return list.fields;
}

} // namespace documents
