#include "db/schema/SchemaTables.h"

#include <QStringList>

#include <initializer_list>

namespace db::SchemaTables {

namespace {

using K = ColumnKind;
namespace t = tables;

Column col(tables::Name name, ColumnKind kind)
{
    return {name, kind};
}

// A per-business table: key, date added, business key, then its text columns, and an
// index of the business key.
Table perBusiness(tables::Name name, tables::Name key, tables::Name date, std::initializer_list<tables::Name> texts,
                  const char *indexName)
{
    Table table{name,
                {col(key, K::Key), col(date, K::DateAdded), col(t::BusinessId, K::Number)},
                {{QLatin1String(indexName), t::BusinessId}}};
    for (const tables::Name text : texts)
        table.columns.append(col(text, K::Text));
    return table;
}

QList<Table> makeBusinessTables()
{
    namespace info = t::BusinessInformation;
    namespace agent = t::RegisteredAgent;
    Table information{info::Table,
                      {col(info::Id, K::Key), col(info::DateAdded, K::DateAdded)},
                      // The keys alone: count(*) reads the narrowest index, some 75 pages for
                      // 30,000 businesses against the table's 1,100, and the main form counts
                      // the businesses on every start.
                      {{QStringLiteral("BusinessInformationKeys"), info::Id, true}}};
    for (const tables::Name text :
         {info::BusinessName, info::AddressOne, info::AddressTwo, info::City, info::State, info::Zip, info::County,
          info::PhoneNumber, info::FaxNumber, info::WebSiteUrl, info::EMailAddress})
        information.columns.append(col(text, K::Text));
    Table registeredAgent{agent::Table,
                          {col(agent::Id, K::Key), col(t::BusinessId, K::Number)},
                          {{QStringLiteral("RegisteredAgentByBusiness"), t::BusinessId}}};
    for (const tables::Name text :
         {agent::FirstName, agent::MiddleName, agent::LastName, agent::AddressOne, agent::AddressTwo, agent::City,
          agent::State, agent::Zip, agent::PhoneNumber, agent::FaxNumber, agent::EMailAddress})
        registeredAgent.columns.append(col(text, K::Text));

    namespace perspective = t::BusinessPerspective;
    namespace employees = t::BusinessEmployees;
    const QList<Table> older = {
        information,
        perBusiness(t::BusinessPurpose::Table, t::BusinessPurpose::Id, t::BusinessPurpose::DateAdded,
                    {t::BusinessPurpose::Purpose}, "BusinessPurposeByBusiness"),
        perBusiness(t::BusinessType::Table, t::BusinessType::Id, t::BusinessType::DateAdded, {t::BusinessType::Type},
                    "BusinessTypeByBusiness"),
        perBusiness(perspective::Table, perspective::Id, perspective::DateAdded,
                    {perspective::Concept, perspective::TypeOfCustomers, perspective::MethodToReachTarget,
                     perspective::ReasonForMarket},
                    "BusinessPerspectiveByBusiness"),
        perBusiness(employees::Table, employees::Id, employees::DateAdded,
                    {employees::FirstName, employees::MiddleName, employees::LastName, employees::Position,
                     employees::Qualifications},
                    "BusinessEmployeesByBusiness"),
        perBusiness(t::LongTermGoal::Table, t::LongTermGoal::Id, t::LongTermGoal::DateAdded, {t::LongTermGoal::Goal},
                    "LongTermGoalByBusiness"),
        perBusiness(t::ShortTermGoal::Table, t::ShortTermGoal::Id, t::ShortTermGoal::DateAdded,
                    {t::ShortTermGoal::Goal}, "ShortTermGoalByBusiness"),
        Table{t::Templates::Table,
              {col(t::Templates::Id, K::Key), col(t::Templates::ReportName, K::Text),
               col(t::Templates::Info, K::LongText)},
              {}},
        registeredAgent,
        Table{t::MasterField::Table, {col(t::MasterField::Id, K::Key), col(t::MasterField::FieldName, K::Text)}, {}},
    };
    return older + planTables();
}

// A table of one kind of plan line: key, business key, then its values.
Table planTable(tables::Name name, tables::Name key, std::initializer_list<Column> values, const char *indexName)
{
    Table table{name, {col(key, K::Key), col(t::BusinessId, K::Number)}, {{QLatin1String(indexName), t::BusinessId}}};
    for (const Column &value : values)
        table.columns.append(value);
    return table;
}

QList<Table> makePlanTables()
{
    namespace settings = t::PlanSettings;
    namespace revenue = t::PlanRevenue;
    namespace people = t::PlanPeople;
    namespace expenses = t::PlanExpenses;
    namespace financing = t::PlanFinancing;
    namespace assets = t::PlanAssets;
    return {
        planTable(settings::Table, settings::Id,
                  {col(settings::FirstMonth, K::Text), col(settings::StartingCash, K::Text),
                   col(settings::TaxRatePercent, K::Text), col(settings::PayrollBurdenPercent, K::Text)},
                  "PlanSettingsByBusiness"),
        planTable(revenue::Table, revenue::Id,
                  {col(revenue::LineName, K::Text), col(revenue::Kind, K::Text), col(revenue::StartMonth, K::Number),
                   col(revenue::FirstQuantity, K::Text), col(revenue::MonthlyGrowthPercent, K::Text),
                   col(revenue::Price, K::Text), col(revenue::ChurnPercent, K::Text),
                   col(revenue::DirectCostPercent, K::Text), col(revenue::DirectCostPerUnit, K::Text)},
                  "PlanRevenueByBusiness"),
        planTable(people::Table, people::Id,
                  {col(people::Role, K::Text), col(people::EmployeeId, K::Number), col(people::MonthlySalary, K::Text),
                   col(people::StartMonth, K::Number), col(people::EndMonth, K::Number)},
                  "PlanPeopleByBusiness"),
        planTable(expenses::Table, expenses::Id,
                  {col(expenses::LineName, K::Text), col(expenses::Amount, K::Text),
                   col(expenses::StartMonth, K::Number), col(expenses::MonthlyGrowthPercent, K::Text),
                   col(expenses::OneOff, K::YesNo)},
                  "PlanExpensesByBusiness"),
        planTable(financing::Table, financing::Id,
                  {col(financing::LineName, K::Text), col(financing::Kind, K::Text), col(financing::Amount, K::Text),
                   col(financing::Month, K::Number), col(financing::AnnualInterestPercent, K::Text),
                   col(financing::TermMonths, K::Number)},
                  "PlanFinancingByBusiness"),
        planTable(assets::Table, assets::Id,
                  {col(assets::LineName, K::Text), col(assets::Cost, K::Text), col(assets::Month, K::Number),
                   col(assets::LifeMonths, K::Number)},
                  "PlanAssetsByBusiness"),
    };
}

QString columnOfKind(const Table &table, ColumnKind kind)
{
    for (const Column &column : table.columns) {
        if (column.kind == kind)
            return column.name;
    }
    return {};
}

} // namespace

QString Table::keyColumn() const
{
    return columnOfKind(*this, ColumnKind::Key);
}

QString Table::dateAddedColumn() const
{
    return columnOfKind(*this, ColumnKind::DateAdded);
}

const QList<Table> &businessTables()
{
    static const QList<Table> tables = makeBusinessTables();
    return tables;
}

const QList<Table> &planTables()
{
    static const QList<Table> tables = makePlanTables();
    return tables;
}

const QList<Table> &rssAnnouncementTables()
{
    namespace announced = t::RssAnnouncements;
    // The post's address keeps its case; the network's name is compared as typed names are.
    static const QList<Table> tables = {
        Table{announced::Table,
              {col(announced::Id, K::Key), col(announced::ItemId, K::Number), col(announced::Network, K::Text),
               col(announced::PostAddress, K::LongText)},
              {Index{QStringLiteral("RssAnnouncementsByItem"), announced::ItemId}}},
    };
    return tables;
}

const QList<Table> &rssTables()
{
    namespace rss = t::RssFeedItems;
    static const QList<Table> tables = QList<Table>{
        Table{rss::Table,
              {col(rss::Id, K::Key), col(rss::Title, K::Text), col(rss::Link, K::Text), col(rss::Description, K::Text),
               col(rss::Twittered, K::YesNo), col(rss::DateAdded, K::DateAdded)},
              {}},
    } + rssAnnouncementTables();
    return tables;
}

const Table *findTable(const QString &name)
{
    for (const QList<Table> *tables : {&businessTables(), &rssTables()}) {
        for (const Table &table : *tables) {
            if (table.name.compare(name, Qt::CaseInsensitive) == 0)
                return &table;
        }
    }
    return nullptr;
}

QStringList allNames()
{
    QStringList names;
    for (const QList<Table> *tables : {&businessTables(), &rssTables()}) {
        for (const Table &table : *tables) {
            names << table.name;
            for (const Column &column : table.columns)
                names << column.name;
        }
    }
    names.removeDuplicates();
    return names;
}

} // namespace db::SchemaTables
