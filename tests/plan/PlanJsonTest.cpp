// The plan file: what is written reads back the same, and a faulty or hostile file is
// refused naming its first fault.
#include "plan/PlanJson.h"
#include "PlanGenerator.h"
#include "plan/PlanError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace plan;

namespace {

QString faultOf(const QByteArray &json)
{
    try {
        planFromJson(json, QStringLiteral("/tmp/my plan.json"));
    } catch (const PlanError &error) {
        return error.description();
    }
    return QStringLiteral("<no error>");
}

// A sound file with one change made by `edit` to the object at `path` ("" for the top,
// "revenue" for the first revenue line).
QByteArray edited(const std::function<void(QJsonObject &)> &edit, const QString &line = {})
{
    plan::Plan plan = plan_testing::PlanGenerator(11).next(1);
    QJsonObject top = QJsonDocument::fromJson(planToJson(plan)).object();
    if (line.isEmpty()) {
        edit(top);
    } else {
        QJsonArray lines = top.value(line).toArray();
        QJsonObject first = lines.at(0).toObject();
        edit(first);
        lines[0] = first;
        top[line] = lines;
    }
    return QJsonDocument(top).toJson();
}

TEST(PlanJson, WrittenPlansReadBackUnchanged)
{
    plan_testing::PlanGenerator generator(5);
    for (int i = 0; i < 50; ++i) {
        const Plan plan = generator.next(-1);
        EXPECT_EQ(planFromJson(planToJson(plan), QStringLiteral("plan.json")), plan) << "plan " << i;
    }
    Plan person = plan_testing::PlanGenerator(1).next(1);
    person.people[0].employeeId = 9007199254740993; // beyond a double's whole numbers
    person.people[0].endMonth = std::nullopt;
    EXPECT_EQ(planFromJson(planToJson(person), QStringLiteral("plan.json")), person);
    EXPECT_TRUE(planToJson(person).contains("\"endMonth\": null"));
    EXPECT_EQ(planFromJson(QByteArrayLiteral("\xEF\xBB\xBF") + planToJson(person), QStringLiteral("plan.json")), person)
        << "saved by an editor that writes a byte-order mark";
}

TEST(PlanJson, FaultyFilesAreRefusedNamingTheFirstFault)
{
    using O = QJsonObject;
    const struct
    {
        const char *why;
        QByteArray json;
        const char *named;
    } cases[] = {
        {"not JSON", "{\"firstMonth\": ", "/tmp/my plan.json is not a plan"},
        {"empty file", "", "/tmp/my plan.json is not a plan"},
        {"a list", "[1, 2]", "holds no object"},
        {"nesting", QByteArray(100000, '['), "is not a plan"},
        {"missing field", edited([](O &o) { o.remove(QStringLiteral("taxRatePercent")); }),
         "taxRatePercent is missing"},
        {"unknown field", edited([](O &o) { o[QStringLiteral("taxRate")] = QStringLiteral("5"); }),
         "taxRate is not a field"},
        {"amount as a number", edited([](O &o) { o[QStringLiteral("startingCash")] = 12.5; }),
         "startingCash must be a decimal number written as a text"},
        {"fraction of a cent", edited([](O &o) { o[QStringLiteral("startingCash")] = QStringLiteral("1.005"); }),
         "Starting cash must be an amount"},
        {"exponent", edited([](O &o) { o[QStringLiteral("taxRatePercent")] = QStringLiteral("1e2"); }),
         "Income-tax rate (%) must be a number from 0 to 100"},
        {"tax above 100", edited([](O &o) { o[QStringLiteral("taxRatePercent")] = QStringLiteral("100.5"); }),
         "Income-tax rate"},
        {"padded number", edited([](O &o) { o[QStringLiteral("taxRatePercent")] = QStringLiteral(" 5"); }),
         "taxRatePercent"},
        {"month 13", edited([](O &o) { o[QStringLiteral("firstMonth")] = QStringLiteral("2027-13"); }),
         "First month must be a month written YYYY-MM"},
        {"lines not a list", edited([](O &o) { o[QStringLiteral("assets")] = O{}; }), "assets must be a list"},
        {"line not an object", edited([](O &o) { o[QStringLiteral("people")] = QJsonArray{1}; }),
         "people[0] must be an object"},
        {"start month 0", edited([](O &o) { o[QStringLiteral("startMonth")] = 0; }, QStringLiteral("revenue")),
         "revenue[0].startMonth: Start month must be a whole number from 1 to 36"},
        {"start month 1.5", edited([](O &o) { o[QStringLiteral("startMonth")] = 1.5; }, QStringLiteral("expenses")),
         "expenses[0].startMonth: Start month"},
        {"start month as text",
         edited([](O &o) { o[QStringLiteral("startMonth")] = QStringLiteral("3"); }, QStringLiteral("expenses")),
         "expenses[0].startMonth: Start month"},
        {"huge term", edited([](O &o) { o[QStringLiteral("termMonths")] = 1e300; }, QStringLiteral("financing")),
         "financing[0].termMonths: Term (months) must be a whole number from 1 to 600"},
        {"unknown kind",
         edited([](O &o) { o[QStringLiteral("kind")] = QStringLiteral("unit sales"); }, QStringLiteral("revenue")),
         "Kind must be \"Unit sales\", \"Recurring\" or \"Billable hours\""},
        {"one-off as text",
         edited([](O &o) { o[QStringLiteral("oneOff")] = QStringLiteral("yes"); }, QStringLiteral("expenses")),
         "expenses[0].oneOff must be true or false"},
        {"negative price",
         edited([](O &o) { o[QStringLiteral("price")] = QStringLiteral("-1"); }, QStringLiteral("revenue")),
         "Price must be a number from 0 to 1000000000"},
        {"end before start",
         edited(
             [](O &o) {
                 o[QStringLiteral("startMonth")] = 10;
                 o[QStringLiteral("endMonth")] = 9;
             },
             QStringLiteral("people")),
         "People line 1: End month must not come before the start month"},
        {"long name", edited([](O &o) { o[QStringLiteral("name")] = QString(201, u'x'); }, QStringLiteral("assets")),
         "Name takes at most 200 characters"},
        {"control character",
         edited([](O &o) { o[QStringLiteral("role")] = QStringLiteral("a\nb"); }, QStringLiteral("people")),
         "Role takes no tabs, line breaks"},
        {"too many lines",
         edited([](O &o) { o[QStringLiteral("assets")] = QJsonArray::fromStringList(QStringList(1001, {})); }),
         "assets holds more than 1000 lines"},
    };
    for (const auto &c : cases) {
        const QString fault = faultOf(c.json);
        EXPECT_TRUE(fault.contains(QString::fromUtf8(c.named))) << c.why << ": " << fault.toStdString();
        EXPECT_TRUE(fault.startsWith(QStringLiteral("/tmp/my plan.json"))) << c.why << ": " << fault.toStdString();
    }
}

} // namespace
