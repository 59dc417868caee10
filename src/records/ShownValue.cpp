#include "records/ShownValue.h"

#include <QDate>
#include <QLocale>

namespace records {

QString shownReadOnlyValue(const QVariant &value)
{
    if (!value.isValid())
        return {};
    QDate date;
    if (value.typeId() == QMetaType::QDate) {
        date = value.toDate();
    } else if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        // Only a whole ISO date: a text that merely starts like one stays as it is.
        if (text.size() == 10)
            date = QDate::fromString(text, Qt::ISODate);
    }
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : value.toString();
}

} // namespace records
