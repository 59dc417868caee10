#include "db/schema/DeliveredTemplates.h"

#include <QStringList>

namespace db {

namespace {

QString asStoredText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += QStringLiteral("\r\n") % line;
    return text;
}

const QStringList ArticlesOfIncorporation = {
    QStringLiteral("ARTICLES OF INCORPORATION"),
    QStringLiteral("OF"),
    QStringLiteral("[BusninesName]"),
    QString(),
    QStringLiteral("The undersigned, acting as incorporator of a corporation under the laws of the State of [state], "
                   "adopts the following Articles of Incorporation."),
    QString(),
    QStringLiteral("ARTICLE I - NAME"),
    QStringLiteral("The name of the corporation is [BusninesName]."),
    QString(),
    QStringLiteral("ARTICLE II - PRINCIPAL OFFICE"),
    QStringLiteral("The principal office of the corporation is located at [BusinessAddressOne] [BusinessAddressTwo], "
                   "[BusinessCity], [BusinessState] [BusinessZip], in the County of [county]."),
    QString(),
    QStringLiteral("ARTICLE III - PURPOSE"),
    QStringLiteral("The corporation is organized as a [insert type of business] business. "
                   "Its specific purposes and functions are:"),
    QStringLiteral("[list specific functions]"),
    QStringLiteral("ARTICLE IV - REGISTERED AGENT"),
    QStringLiteral("The name and address of the initial registered agent of the corporation in the State of "
                   "[registeredagentstate] is:"),
    QStringLiteral("[RegisteredAgent]"),
    QStringLiteral("ARTICLE V - CONTACT"),
    QStringLiteral("Telephone: [BusinessPhoneNumber]    Fax: [BusinessFaxNumber]"),
    QStringLiteral("E-mail: [BusinessEMailAddress]    Web site: [BusinessWebSiteURL]"),
    QString(),
    QStringLiteral("IN WITNESS WHEREOF, the incorporator has signed these Articles of Incorporation."),
    QString(),
    QStringLiteral("______________________________    Date: ______________"),
    QStringLiteral("Incorporator"),
};

const QStringList Bylaws = {
    QStringLiteral("BYLAWS OF [BusninesName]"),
    QString(),
    QStringLiteral("ARTICLE I - OFFICES"),
    QStringLiteral("The principal office of [BusninesName] shall be at [BusinessAddressOne], [BusinessCity], "
                   "[BusinessState] [BusinessZip]. The corporation may have other offices within or outside the "
                   "State of [state] as the Board of Directors may decide."),
    QString(),
    QStringLiteral("ARTICLE II - PURPOSE"),
    QStringLiteral("The corporation carries on a [insert type of business] business, and in particular:"),
    QStringLiteral("[list specific functions]"),
    QStringLiteral("ARTICLE III - SHAREHOLDERS"),
    QStringLiteral("The annual meeting of the shareholders shall be held at the principal office in the County of "
                   "[county] on a date fixed by the Board of Directors."),
    QString(),
    QStringLiteral("ARTICLE IV - BOARD OF DIRECTORS"),
    QStringLiteral("The business and affairs of the corporation shall be managed by its Board of Directors."),
    QString(),
    QStringLiteral("ARTICLE V - REGISTERED AGENT"),
    QStringLiteral("The registered agent of the corporation is [REGISTEREDAGENTFirstName] "
                   "[REGISTEREDAGENTLastName], reachable at [REGISTEREDAGENTPhoneNumber]."),
    QString(),
    QStringLiteral("ARTICLE VI - AMENDMENTS"),
    QStringLiteral("These bylaws may be amended or repealed by the Board of Directors."),
    QString(),
    QStringLiteral("Adopted by the Board of Directors of [BusninesName]."),
};

const QStringList RegisteredAgent = {
    QStringLiteral("STATEMENT OF REGISTERED AGENT"),
    QString(),
    QStringLiteral("Corporation: [BusninesName]"),
    QStringLiteral("Principal office: [BusinessAddressOne], [BusinessCity], [BusinessState] [BusinessZip]"),
    QString(),
    QStringLiteral("The corporation names as its registered agent in the State of [registeredagentstate]:"),
    QStringLiteral("[RegisteredAgent]"),
    QStringLiteral("Telephone: [REGISTEREDAGENTPhoneNumber]"),
    QStringLiteral("Fax: [REGISTEREDAGENTFaxNumber]"),
    QStringLiteral("E-mail: [REGISTEREDAGENTEMailAddress]"),
    QString(),
    QStringLiteral("The registered agent named above consents to the appointment."),
    QString(),
    QStringLiteral("______________________________    Date: ______________"),
    QStringLiteral("[REGISTEREDAGENTFirstName] [REGISTEREDAGENTMiddleName] [REGISTEREDAGENTLastName]"),
};

} // namespace

QList<DeliveredTemplate> deliveredTemplates()
{
    return {
        {QStringLiteral("articles of incorporation"), asStoredText(ArticlesOfIncorporation)},
        {QStringLiteral("bylaws"), asStoredText(Bylaws)},
        {QStringLiteral("registered agent"), asStoredText(RegisteredAgent)},
    };
}

} // namespace db
