#pragma once

#include <QString>

namespace rss {

// Where an upload goes: the FTP values of the publishing settings, or those typed in.
struct FtpAccount
{
    QString site, userName, password, directory;
};

} // namespace rss
