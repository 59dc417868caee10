#pragma once

#include <QString>

#include <stdexcept>

namespace db {

// The one failure type of the data layer. Its description is the text a person
// reads in a message box, so it never carries internal codes alone.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &description);

    const QString &description() const noexcept { return m_description; }

private:
    QString m_description;
};

} // namespace db
