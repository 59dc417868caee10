#pragma once

#include <QString>

#include <stdexcept>

namespace base {

// A failure whose description is the text a person reads in a message box.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &description);

    const QString &description() const noexcept { return m_description; }

private:
    QString m_description;
};

// A file that cannot be read or written; the description names the file.
class FileError : public Error
{
public:
    using Error::Error;
};

} // namespace base
