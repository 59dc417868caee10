#pragma once

#include <QString>
#include <QStringList>

namespace app {

// Where the shipped user guide is looked for: beside the program (a build tree, a
// portable copy), then in the shared-data folders of the prefix the program is
// installed under (<prefix>/lib/tallowmere -> <prefix>/share/...).
class UserGuide
{
public:
    // Every place tried, in order.
    static QStringList places();
    // The first place that holds the guide; empty when none does.
    static QString path();
    // Tests stand the program in another folder; empty restores the executable's.
    static void setProgramDirectory(const QString &folder);
};

} // namespace app
