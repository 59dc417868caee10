#pragma once

#include <QStringList>

namespace browser {

// The entries of the resource browser's address box.
class AddressList
{
public:
    // The 25 preset pages with resources for businesses.
    static const QStringList &presets();
    // Where Home and Search go.
    static QString homePage();
    static QString searchPage();

    // The list after a visit to `current`: the first entry exactly equal to it (case
    // matters) is removed and `current` is put first.
    static QStringList afterVisit(QStringList entries, const QString &current);
};

} // namespace browser
