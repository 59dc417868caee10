#pragma once

#include <QString>

#include <stdexcept>

namespace documents {

// A printout that could not be produced: the printer or the output file refused it.
// description() is the text a message box shows.
class PrintError : public std::runtime_error
{
public:
    explicit PrintError(const QString &description)
        : std::runtime_error(description.toStdString())
        , m_description(description)
    {
    }

    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace documents
