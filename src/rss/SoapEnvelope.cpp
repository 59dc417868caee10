#include "rss/SoapEnvelope.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace rss {

namespace {

const QString EnvelopeNs = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");

} // namespace

QByteArray SoapEnvelope::request(const SoapOperation &operation, const QStringList &values)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    writer.writeNamespace(EnvelopeNs, QStringLiteral("soap"));
    writer.writeStartElement(EnvelopeNs, QStringLiteral("Envelope"));
    writer.writeStartElement(EnvelopeNs, QStringLiteral("Body"));
    if (!operation.elementNamespace.isEmpty())
        writer.writeNamespace(operation.elementNamespace, QStringLiteral("m"));
    writer.writeStartElement(operation.elementNamespace, operation.elementName);
    const QString parameterNs = operation.qualifiedParameters ? operation.elementNamespace : QString();
    for (qsizetype i = 0; i < operation.parameterNames.size(); ++i)
        writer.writeTextElement(parameterNs, operation.parameterNames.at(i), values.value(i));
    writer.writeEndDocument();
    return xml;
}

QList<QByteArray> SoapEnvelope::requestHeaders(const SoapOperation &operation)
{
    return {QByteArrayLiteral("Content-Type: text/xml; charset=utf-8"),
            QByteArrayLiteral("SOAPAction: \"") + operation.soapAction.toUtf8() + '"'};
}

std::optional<QString> SoapEnvelope::faultOf(const QByteArray &answer)
{
    QXmlStreamReader reader(answer);
    bool inFault = false;
    QString faultString;
    QString faultCode;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.namespaceUri() == EnvelopeNs && reader.name() == u"Fault") {
            inFault = true;
        } else if (inFault && reader.name() == u"faultstring") {
            faultString = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (inFault && reader.name() == u"faultcode") {
            faultCode = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    if (!inFault)
        return std::nullopt;
    if (!faultString.isEmpty())
        return faultString;
    return faultCode.isEmpty() ? QStringLiteral("the service reported a fault without a reason") : faultCode;
}

} // namespace rss
