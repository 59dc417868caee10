#include "records/DetailFormDefinition.h"

namespace records::DetailForms {

const DetailFormDefinition &businessPurpose()
{
    static const DetailFormDefinition definition{
        RecordFamily::TextBoxes,
        QStringLiteral("select BusinessPurposeId,BusinessPurposeDate,BusinessInformationId,BusinessPurpose from "
                       "BusinessPurpose WHERE BusinessInformationId = "),
        QStringLiteral("  Order by BusinessPurposeId"),
        QStringLiteral("Mission Statements Associated With Business: "),
    };
    return definition;
}

const DetailFormDefinition &businessType()
{
    static const DetailFormDefinition definition{
        RecordFamily::TextBoxes,
        QStringLiteral("select BusinessTypeId,BusinessTypeDate,BusinessInformationId,BusinessType from BusinessType "
                       "WHERE BusinessInformationId = "),
        QStringLiteral("  Order by BusinessTypeId"),
        QStringLiteral("Business Types Associated With Business: "),
    };
    return definition;
}

const DetailFormDefinition &businessPerspective()
{
    static const DetailFormDefinition definition{
        RecordFamily::TextBoxes,
        QStringLiteral("select BusinessPerspectiveID,BusinessPerspectiveDate,BusinessInformationId,BusinessConcept,"
                       "BusinessTypeOfCustomers,MethodToReachTarget,ReasonForBusinessMarket from BusinessPerspective "
                       "WHERE BusinessInformationId = "),
        QStringLiteral("  Order by BusinessPerspectiveID"),
        QStringLiteral("Perspectives Associated with Business: "),
    };
    return definition;
}

const DetailFormDefinition &employeeInformation()
{
    static const DetailFormDefinition definition{
        RecordFamily::Grid,
        QStringLiteral("select EmpyoleeId,EmployeeDate,BusinessInformationId,EmployeeFirstName,EmployeeMiddleName,"
                       "EmployeeLastName,EmployeePosition,EmployeeQualifications from BusinessEmployees WHERE "
                       "BusinessInformationId = "),
        QStringLiteral("  Order by EmpyoleeId"),
        QStringLiteral("Employees Associated With Business: "),
    };
    return definition;
}

const DetailFormDefinition &longTermGoals()
{
    static const DetailFormDefinition definition{
        RecordFamily::Grid,
        QStringLiteral("select BusinessLongTermGoalID,BusinessLongTermGoalDate,BusinessInformationId,"
                       "BusinessLongTermGoal from [Business Long Term Goal] WHERE BusinessInformationId = "),
        QStringLiteral("  Order by BusinessLongTermGoalID"),
        QStringLiteral("Long Term Goals Associated With Business: "),
    };
    return definition;
}

const DetailFormDefinition &shortTermGoals()
{
    static const DetailFormDefinition definition{
        RecordFamily::Grid,
        QStringLiteral("select BusinessShortTermGoalID,BusinessShortTermGoalDate,BusinessInformationId,"
                       "BusinessShortTermGoal from [Business Short Term Goal] WHERE BusinessInformationId = "),
        QStringLiteral("  Order by BusinessShortTermGoalID"),
        QStringLiteral("Short Term Goals Associated With Business: "),
    };
    return definition;
}

const DetailFormDefinition &registeredAgent()
{
    static const DetailFormDefinition definition{
        RecordFamily::TextBoxes,
        QStringLiteral("select RegisteredAgentId,BusinessInformationId,REGISTEREDAGENTFirstName,"
                       "REGISTEREDAGENTMiddleName,REGISTEREDAGENTLastName,REGISTEREDAGENTAddressOne,"
                       "REGISTEREDAGENTAddressTwo,REGISTEREDAGENTCity,REGISTEREDAGENTState,REGISTEREDAGENTZip,"
                       "REGISTEREDAGENTPhoneNumber,REGISTEREDAGENTFaxNumber,REGISTEREDAGENTEMailAddress from "
                       "REGISTEREDAGENT WHERE BusinessInformationId = "),
        QStringLiteral("  Order by RegisteredAgentId"),
        QStringLiteral("Registered Agents Associated With Business: "),
    };
    return definition;
}

} // namespace records::DetailForms
