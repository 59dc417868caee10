#pragma once

#include "rss/SoapOperation.h"

#include <QByteArray>
#include <QUrl>

namespace rss {

// Reads a WSDL 1.1 document of a document/literal SOAP 1.1 service and finds in it
// how to call one operation: its SOAP 1.1 binding and port, the input message's
// element and that element's sequence of parameters.
class WsdlReader
{
public:
    // `address` is where the document came from (a relative endpoint resolves
    // against it). Throws base::Error saying what the document lacks.
    static SoapOperation describe(const QByteArray &wsdl, const QUrl &address, const QString &operationName);
};

} // namespace rss
