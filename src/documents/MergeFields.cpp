#include "documents/MergeFields.h"

#include <vector>

namespace documents {

namespace {

constexpr bool noFieldHoldsALineBreak()
{
    for (const db::MergeFieldDefinition &definition : db::MergeFieldList) {
        for (qsizetype i = 0; i < definition.name.size(); ++i) {
            if (definition.name[i] == u'\n')
                return false;
        }
    }
    return true;
}
// The merge fills runs of whole lines one at a time, which relies on this.
static_assert(noFieldHoldsALineBreak());

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
