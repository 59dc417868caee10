#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

namespace rss {

// A namespace-aware element tree of a small XML document (a service description),
// which keeps for each element the prefixes in scope, so that attribute values like
// "tns:SubmitUserStatus" can be resolved.
class WsdlElement
{
public:
    QString namespaceUri;
    QString name;
    QHash<QString, QString> attributes; // unqualified attributes by local name
    QHash<QString, QString> prefixes;   // prefix -> namespace in scope ("" the default)
    QList<std::shared_ptr<WsdlElement>> children;

    bool is(const QString &ns, const QString &localName) const { return namespaceUri == ns && name == localName; }
    QString attribute(const QString &localName) const { return attributes.value(localName); }
    // The children with that namespace and local name.
    QList<const WsdlElement *> childrenNamed(const QString &ns, const QString &localName) const;
    // Every element below this one (at any depth) with that namespace and local name.
    QList<const WsdlElement *> descendantsNamed(const QString &ns, const QString &localName) const;

    struct QualifiedName
    {
        QString namespaceUri;
        QString name;
    };
    // A prefixed name written in an attribute, resolved with the prefixes in scope.
    QualifiedName resolve(const QString &prefixedName) const;
};

// Parses the document; throws base::Error with the parser's reason and position.
std::shared_ptr<WsdlElement> parseWsdlDocument(const QByteArray &xml);

} // namespace rss
