#include "rss/WsdlDocument.h"

#include "base/Error.h"

#include <QXmlStreamReader>

namespace rss {

QList<const WsdlElement *> WsdlElement::childrenNamed(const QString &ns, const QString &localName) const
{
    QList<const WsdlElement *> found;
    for (const auto &child : children) {
        if (child->is(ns, localName))
            found << child.get();
    }
    return found;
}

QList<const WsdlElement *> WsdlElement::descendantsNamed(const QString &ns, const QString &localName) const
{
    QList<const WsdlElement *> found;
    for (const auto &child : children) {
        if (child->is(ns, localName))
            found << child.get();
        found << child->descendantsNamed(ns, localName);
    }
    return found;
}

WsdlElement::QualifiedName WsdlElement::resolve(const QString &prefixedName) const
{
    const qsizetype colon = prefixedName.indexOf(u':');
    const QString prefix = colon < 0 ? QString() : prefixedName.left(colon);
    return {prefixes.value(prefix), prefixedName.mid(colon + 1)};
}

std::shared_ptr<WsdlElement> parseWsdlDocument(const QByteArray &xml)
{
    // A service description nests a dozen levels; a peer's document may not nest
    // deeper than this, which also bounds the recursion over the tree.
    constexpr qsizetype MaxDepth = 64;
    QXmlStreamReader reader(xml);
    std::shared_ptr<WsdlElement> root;
    QList<WsdlElement *> open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (open.size() == MaxDepth)
                throw base::Error(QStringLiteral("the elements nest deeper than %1 levels (line %2)")
                                      .arg(MaxDepth)
                                      .arg(reader.lineNumber()));
            auto element = std::make_shared<WsdlElement>();
            element->namespaceUri = reader.namespaceUri().toString();
            element->name = reader.name().toString();
            if (!open.isEmpty())
                element->prefixes = open.constLast()->prefixes;
            for (const QXmlStreamNamespaceDeclaration &declaration : reader.namespaceDeclarations())
                element->prefixes.insert(declaration.prefix().toString(), declaration.namespaceUri().toString());
            for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                if (attribute.namespaceUri().isEmpty())
                    element->attributes.insert(attribute.name().toString(), attribute.value().toString());
            }
            if (open.isEmpty())
                root = element;
            else
                open.constLast()->children << element;
            open << element.get();
        } else if (reader.isEndElement()) {
            open.removeLast();
        }
    }
    if (reader.hasError())
        throw base::Error(QStringLiteral("%1 (line %2, column %3)")
                              .arg(reader.errorString())
                              .arg(reader.lineNumber())
                              .arg(reader.columnNumber()));
    if (!root)
        throw base::Error(QStringLiteral("the document is empty"));
    return root;
}

} // namespace rss
