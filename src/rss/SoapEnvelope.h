#pragma once

#include "rss/SoapOperation.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace rss {

// SOAP 1.1 messages of a document/literal call: the request's envelope, and the
// fault an answer may carry.
class SoapEnvelope
{
public:
    // The envelope with one value per parameter, in the operation's order (missing
    // values are sent empty). The values are escaped as XML text.
    static QByteArray request(const SoapOperation &operation, const QStringList &values);

    // The HTTP headers that go with a request.
    static QList<QByteArray> requestHeaders(const SoapOperation &operation);

    // The fault's text when the answer is a SOAP Fault (faultstring, else faultcode),
    // nothing otherwise, also when the answer is no XML at all.
    static std::optional<QString> faultOf(const QByteArray &answer);
};

} // namespace rss
