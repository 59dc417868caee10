#include "db/postgres/PostgresAccess.h"

#include "db/postgres/PostgresSchema.h"
#include "db/postgres/PostgresSession.h"

#include <QMap>

#include <array>

namespace db::PostgresAccess {

namespace {

PostgresResult query(PostgresSession &session, const QString &sql, QVariantList parameters = {})
{
    parameters.prepend(PostgresSchema::tableNameArray());
    return session.run(PostgresSchema::programTablesClause() + sql, parameters);
}

struct Owner
{
    QString oid;
    QString name;
};

// The role that owns most of the tables; each table another role owns is a problem.
Owner tablesOwner(PostgresSession &session, QStringList &problems)
{
    const PostgresResult owners
        = query(session, QStringLiteral("SELECT relowner::text, pg_get_userbyid(relowner), count(*), "
                                        "string_agg(relname, ', ' ORDER BY relname) FROM program_tables "
                                        "GROUP BY relowner ORDER BY 3 DESC, 2"));
    if (owners.rowCount() == 0)
        return {};
    const Owner owner{owners.value(0, 0).toString(), owners.value(0, 1).toString()};
    for (int row = 1; row < owners.rowCount(); ++row) {
        const bool one = owners.value(row, 2).toLongLong() == 1;
        problems << QStringLiteral("%1 %2 %3 to %4, the others to %5: one role must own them all.")
                        .arg(one ? QStringLiteral("Table") : QStringLiteral("Tables"), owners.value(row, 3).toString(),
                             one ? QStringLiteral("belongs") : QStringLiteral("belong"),
                             owners.value(row, 1).toString(), owner.name);
    }
    return owner;
}

// Roles that act as the owner: its members, and the owner of the tables' schema, who
// may drop the tables and put others in their place.
void actingAsOwner(PostgresSession &session, const Owner &owner, QStringList &problems)
{
    const PostgresResult members
        = session.run(QStringLiteral("SELECT rolname FROM pg_roles WHERE oid <> $1::oid AND NOT rolsuper "
                                     "AND pg_has_role(oid, $1::oid, 'MEMBER') ORDER BY 1"),
                      {owner.oid});
    for (int row = 0; row < members.rowCount(); ++row) {
        problems << QStringLiteral("Role %1 is a member of %2, which owns the tables: it can change them as their "
                                   "owner can. Users must not be members of the owner.")
                        .arg(members.value(row, 0).toString(), owner.name);
    }
    const PostgresResult schema
        = session.run(QStringLiteral("SELECT n.nspname, pg_get_userbyid(o.oid) FROM pg_namespace n "
                                     "JOIN pg_database d ON d.datname = current_database() "
                                     "JOIN pg_roles o ON o.oid = CASE WHEN n.nspowner = 'pg_database_owner'::regrole "
                                     "THEN d.datdba ELSE n.nspowner END "
                                     "WHERE n.nspname = current_schema() AND o.oid <> $1::oid AND NOT o.rolsuper"),
                      {owner.oid});
    if (schema.rowCount() > 0) {
        problems << QStringLiteral("Schema %1, which holds the tables, belongs to %2 rather than to their owner %3: "
                                   "%2 can drop the tables and put others in their place.")
                        .arg(schema.value(0, 0).toString(), schema.value(0, 1).toString(), owner.name);
    }
}

// What users need of each kind of object; anything more is reported.
struct Allowed
{
    const char *kind;
    QStringList privileges;
    const char *need;
};

const std::array<Allowed, 5> &allowedGrants()
{
    static const std::array<Allowed, 5> allowed{{
        {"table",
         {QStringLiteral("SELECT"), QStringLiteral("INSERT"), QStringLiteral("UPDATE"), QStringLiteral("DELETE")},
         "SELECT, INSERT, UPDATE and DELETE"},
        {"column",
         {QStringLiteral("SELECT"), QStringLiteral("INSERT"), QStringLiteral("UPDATE")},
         "SELECT, INSERT and UPDATE"},
        {"key generator", {QStringLiteral("USAGE"), QStringLiteral("SELECT")}, "USAGE and SELECT"},
        {"schema", {QStringLiteral("USAGE")}, "USAGE"},
        {"database", {QStringLiteral("CONNECT"), QStringLiteral("TEMPORARY")}, "CONNECT and TEMPORARY"},
    }};
    return allowed;
}

const Allowed *allowedFor(const QString &kind)
{
    for (const Allowed &allowed : allowedGrants()) {
        if (kind == QLatin1String(allowed.kind))
            return &allowed;
    }
    return nullptr;
}

// Tables first, the database last, as allowedGrants() lists them.
QString rankOf(const QString &kind)
{
    const Allowed *allowed = allowedFor(kind);
    return QString::number(allowed ? allowed - allowedGrants().data() : 9);
}

// Grants to roles other than each object's owner, on the tables, their columns, their
// key generators, their schema and the database.
void wideGrants(PostgresSession &session, QStringList &problems)
{
    const PostgresResult grants = query(
        session,
        QStringLiteral(
            ", granted AS ("
            "SELECT 'table' AS kind, t.relname::text AS object, g.* FROM program_tables t, aclexplode(t.relacl) g "
            "WHERE g.grantee <> t.relowner "
            "UNION ALL SELECT 'column', t.relname || '.' || a.attname, g.* FROM program_tables t "
            "JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum > 0, aclexplode(a.attacl) g "
            "WHERE g.grantee <> t.relowner "
            "UNION ALL SELECT 'key generator', s.relname::text, g.* FROM program_tables t "
            "JOIN pg_depend p ON p.refobjid = t.oid AND p.refclassid = 'pg_class'::regclass "
            "AND p.classid = 'pg_class'::regclass "
            "JOIN pg_class s ON s.oid = p.objid AND s.relkind = 'S', aclexplode(s.relacl) g "
            "WHERE g.grantee <> s.relowner "
            "UNION ALL SELECT 'schema', n.nspname::text, g.* FROM pg_namespace n, aclexplode(n.nspacl) g "
            "WHERE n.nspname = current_schema() AND g.grantee <> n.nspowner "
            "UNION ALL SELECT 'database', d.datname::text, g.* FROM pg_database d, aclexplode(d.datacl) g "
            "WHERE d.datname = current_database() AND g.grantee <> d.datdba) "
            "SELECT kind, object, CASE WHEN grantee = 0 THEN 'PUBLIC' ELSE pg_get_userbyid(grantee) END, "
            "privilege_type, is_grantable FROM granted ORDER BY 1, 3, 2, 4"));
    // rank, kind, role and object: the privileges beyond what users need.
    QMap<QStringList, QStringList> wide;
    for (int row = 0; row < grants.rowCount(); ++row) {
        const QString kind = grants.value(row, 0).toString();
        const QString privilege = grants.value(row, 3).toString();
        const bool grantable = grants.value(row, 4).toBool();
        const Allowed *allowed = allowedFor(kind);
        if (allowed && allowed->privileges.contains(privilege) && !grantable)
            continue;
        wide[{rankOf(kind), kind, grants.value(row, 2).toString(), grants.value(row, 1).toString()}]
            << (grantable ? privilege + QStringLiteral(" WITH GRANT OPTION") : privilege);
    }
    // One sentence per role and set of privileges, naming every object they cover.
    QMap<QStringList, QStringList> objects;
    for (auto grant = wide.cbegin(); grant != wide.cend(); ++grant)
        objects[{grant.key()[0], grant.key()[1], grant.key()[2], grant.value().join(QStringLiteral(", "))}]
            << grant.key()[3];
    for (auto group = objects.cbegin(); group != objects.cend(); ++group) {
        const QString &kind = group.key()[1];
        const QString &role = group.key()[2];
        const Allowed *allowed = allowedFor(kind);
        problems << QStringLiteral("Role %1 is granted %2 on %3 %4; users need only %5.")
                        .arg(role == QLatin1String("PUBLIC") ? QStringLiteral("PUBLIC (everyone)") : role,
                             group.key()[3], group.value().size() == 1 ? kind : kind + u's',
                             group.value().join(QStringLiteral(", ")),
                             allowed ? QLatin1String(allowed->need) : QLatin1String("none"));
    }
}

// The program makes no functions: one in a schema its statements search could be called
// in place of a built-in one, with the rights of whoever runs the statement. A schema
// named for a role comes first on that role's default search path.
void strangers(PostgresSession &session, QStringList &problems)
{
    const PostgresResult functions = session.run(QStringLiteral(
        "SELECT n.nspname || '.' || p.proname || '(' || pg_get_function_identity_arguments(p.oid) || ')', "
        "pg_get_userbyid(p.proowner) FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace "
        "WHERE n.nspname = ANY (current_schemas(false)) ORDER BY 1"));
    for (int row = 0; row < functions.rowCount(); ++row) {
        problems << QStringLiteral("Function %1 of role %2 is in a schema the program's statements search; Tallowmere "
                                   "makes no functions, and a statement could call it in place of a built-in one.")
                        .arg(functions.value(row, 0).toString(), functions.value(row, 1).toString());
    }
    const PostgresResult schemas
        = session.run(QStringLiteral("SELECT n.nspname FROM pg_namespace n JOIN pg_roles r ON r.rolname = n.nspname "
                                     "WHERE n.nspname <> current_schema() ORDER BY 1"));
    for (int row = 0; row < schemas.rowCount(); ++row) {
        problems << QStringLiteral("Schema %1 comes first on role %1's search path (\"$user\"): what it holds is found "
                                   "in place of Tallowmere's tables when that role works.")
                        .arg(schemas.value(row, 0).toString());
    }
}

} // namespace

QStringList check(PostgresSession &session)
{
    QStringList problems;
    const Owner owner = tablesOwner(session, problems);
    if (!owner.oid.isEmpty())
        actingAsOwner(session, owner, problems);
    wideGrants(session, problems);
    strangers(session, problems);
    return problems;
}

} // namespace db::PostgresAccess
