#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

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
    // The copy of the guide built into the program, pictures and all, for the resource
    // browser: that browser lets a page opened from a file read no other file, not even
    // the pictures beside it, while pages of the program's own resources may show each
    // other.
    static QUrl builtInAddress();
    // Tests stand the program in another folder; empty restores the executable's.
    static void setProgramDirectory(const QString &folder);
};

} // namespace app
