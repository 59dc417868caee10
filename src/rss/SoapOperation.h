#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace rss {

// What a client needs to call one operation of a document/literal SOAP 1.1 service.
struct SoapOperation
{
    QUrl endpoint;                    // where requests are posted
    QString soapAction;               // the SOAPAction header's value
    QString elementNamespace;         // namespace of the request's wrapper element
    QString elementName;              // the wrapper element (the operation's input)
    QStringList parameterNames;       // the wrapper's children, in order
    bool qualifiedParameters = false; // the children carry the wrapper's namespace
};

} // namespace rss
