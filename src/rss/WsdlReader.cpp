#include "rss/WsdlReader.h"

#include "base/Error.h"
#include "rss/WsdlDocument.h"

namespace rss {

namespace {

const QString WsdlNs = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
const QString Soap11Ns = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");
const QString SchemaNs = QStringLiteral("http://www.w3.org/2001/XMLSchema");

using Name = WsdlElement::QualifiedName;

[[noreturn]] void fail(const QString &reason)
{
    throw base::Error(reason);
}

const WsdlElement *namedChild(const WsdlElement &parent, const QString &ns, const QString &tag, const QString &name)
{
    for (const WsdlElement *child : parent.childrenNamed(ns, tag)) {
        if (child->attribute(QStringLiteral("name")) == name)
            return child;
    }
    return nullptr;
}

class Reader
{
public:
    Reader(const WsdlElement &definitions, const QString &operationName)
        : m_definitions(definitions)
        , m_operation(operationName)
        , m_targetNamespace(definitions.attribute(QStringLiteral("targetNamespace")))
    {
    }

    SoapOperation read(const QUrl &address)
    {
        SoapOperation result;
        const WsdlElement *binding = nullptr;
        const WsdlElement *boundOperation = findSoap11Operation(&binding);
        if (const auto *soapOperation = boundOperation->childrenNamed(Soap11Ns, QStringLiteral("operation")).value(0)) {
            result.soapAction = soapOperation->attribute(QStringLiteral("soapAction"));
            // The action travels in an HTTP header, where a line break would start another.
            for (const QChar c : std::as_const(result.soapAction)) {
                if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                    fail(QStringLiteral("its soapAction for %1 holds a line break or another control character")
                             .arg(m_operation));
            }
            if (soapOperation->attribute(QStringLiteral("style")) == u"rpc")
                failRpc();
        }
        for (const WsdlElement *input : boundOperation->childrenNamed(WsdlNs, QStringLiteral("input"))) {
            for (const WsdlElement *body : input->childrenNamed(Soap11Ns, QStringLiteral("body"))) {
                if (body->attribute(QStringLiteral("use")) == u"encoded")
                    fail(QStringLiteral("it describes %1 with encoded messages, which this program does not speak")
                             .arg(m_operation));
            }
        }
        result.endpoint = address.resolved(QUrl(endpointOf(*binding)));
        readInput(*binding, result);
        return result;
    }

private:
    [[noreturn]] void failRpc() const
    {
        fail(QStringLiteral("it describes %1 in the rpc style; this program calls document-style services")
                 .arg(m_operation));
    }

    const WsdlElement *findSoap11Operation(const WsdlElement **bindingFound) const
    {
        for (const WsdlElement *binding : m_definitions.childrenNamed(WsdlNs, QStringLiteral("binding"))) {
            const auto soapBindings = binding->childrenNamed(Soap11Ns, QStringLiteral("binding"));
            if (soapBindings.isEmpty())
                continue;
            const WsdlElement *operation = namedChild(*binding, WsdlNs, QStringLiteral("operation"), m_operation);
            if (!operation)
                continue;
            if (soapBindings.first()->attribute(QStringLiteral("style")) == u"rpc")
                failRpc();
            *bindingFound = binding;
            return operation;
        }
        fail(QStringLiteral("it offers no SOAP 1.1 operation %1").arg(m_operation));
    }

    QString endpointOf(const WsdlElement &binding) const
    {
        const QString bindingName = binding.attribute(QStringLiteral("name"));
        for (const WsdlElement *service : m_definitions.childrenNamed(WsdlNs, QStringLiteral("service"))) {
            for (const WsdlElement *port : service->childrenNamed(WsdlNs, QStringLiteral("port"))) {
                const Name bound = port->resolve(port->attribute(QStringLiteral("binding")));
                if (bound.name != bindingName || bound.namespaceUri != m_targetNamespace)
                    continue;
                for (const WsdlElement *address : port->childrenNamed(Soap11Ns, QStringLiteral("address"))) {
                    const QString location = address->attribute(QStringLiteral("location"));
                    if (!location.isEmpty())
                        return location;
                }
            }
        }
        fail(QStringLiteral("it gives no address to send %1 to").arg(m_operation));
    }

    void readInput(const WsdlElement &binding, SoapOperation &result) const
    {
        const Name portTypeName = binding.resolve(binding.attribute(QStringLiteral("type")));
        const WsdlElement *portType = namedChild(m_definitions, WsdlNs, QStringLiteral("portType"), portTypeName.name);
        const WsdlElement *operation
            = portType ? namedChild(*portType, WsdlNs, QStringLiteral("operation"), m_operation) : nullptr;
        const WsdlElement *input
            = operation ? operation->childrenNamed(WsdlNs, QStringLiteral("input")).value(0) : nullptr;
        if (!input)
            fail(QStringLiteral("it does not say what %1 takes").arg(m_operation));
        const Name messageName = input->resolve(input->attribute(QStringLiteral("message")));
        const WsdlElement *message = namedChild(m_definitions, WsdlNs, QStringLiteral("message"), messageName.name);
        const auto parts
            = message ? message->childrenNamed(WsdlNs, QStringLiteral("part")) : QList<const WsdlElement *>();
        if (parts.size() != 1 || parts.first()->attribute(QStringLiteral("element")).isEmpty())
            fail(QStringLiteral("its message for %1 is not one document element").arg(m_operation));

        const Name elementName = parts.first()->resolve(parts.first()->attribute(QStringLiteral("element")));
        const WsdlElement *schema = nullptr;
        const WsdlElement *element = findInSchemas(elementName, QStringLiteral("element"), &schema);
        if (!element)
            fail(QStringLiteral("it does not define the element %1").arg(elementName.name));
        result.elementNamespace = elementName.namespaceUri;
        result.elementName = elementName.name;
        result.qualifiedParameters = schema->attribute(QStringLiteral("elementFormDefault")) == u"qualified";

        const WsdlElement *type = element->childrenNamed(SchemaNs, QStringLiteral("complexType")).value(0);
        if (!type && !element->attribute(QStringLiteral("type")).isEmpty()) {
            const Name typeName = element->resolve(element->attribute(QStringLiteral("type")));
            const WsdlElement *typeSchema = nullptr;
            type = findInSchemas(typeName, QStringLiteral("complexType"), &typeSchema);
        }
        const WsdlElement *sequence
            = type ? type->childrenNamed(SchemaNs, QStringLiteral("sequence")).value(0) : nullptr;
        if (!sequence)
            fail(QStringLiteral("it does not list the values of %1").arg(elementName.name));
        for (const WsdlElement *parameter : sequence->childrenNamed(SchemaNs, QStringLiteral("element"))) {
            QString name = parameter->attribute(QStringLiteral("name"));
            if (name.isEmpty())
                name = parameter->resolve(parameter->attribute(QStringLiteral("ref"))).name;
            result.parameterNames << name;
        }
    }

    const WsdlElement *findInSchemas(const Name &name, const QString &tag, const WsdlElement **schemaFound) const
    {
        for (const WsdlElement *types : m_definitions.childrenNamed(WsdlNs, QStringLiteral("types"))) {
            for (const WsdlElement *schema : types->childrenNamed(SchemaNs, QStringLiteral("schema"))) {
                if (schema->attribute(QStringLiteral("targetNamespace")) != name.namespaceUri)
                    continue;
                if (const WsdlElement *found = namedChild(*schema, SchemaNs, tag, name.name)) {
                    *schemaFound = schema;
                    return found;
                }
            }
        }
        return nullptr;
    }

    const WsdlElement &m_definitions;
    QString m_operation;
    QString m_targetNamespace;
};

} // namespace

SoapOperation WsdlReader::describe(const QByteArray &wsdl, const QUrl &address, const QString &operationName)
{
    std::shared_ptr<WsdlElement> root;
    try {
        root = parseWsdlDocument(wsdl);
    } catch (const base::Error &error) {
        fail(QStringLiteral("its description is not readable XML: %1").arg(error.description()));
    }
    if (!root->is(WsdlNs, QStringLiteral("definitions")))
        fail(QStringLiteral("it sent something other than a service description"));
    return Reader(*root, operationName).read(address);
}

} // namespace rss
