#include "records/DetailFormDefinition.h"

namespace records::DetailForms {

const DetailFormDefinition &businessPurpose()
{
    static const DetailFormDefinition definition{
        RecordFamily::TextBoxes,
        QStringLiteral("select BusinessPurposeId,BusinessPurposeDate,BusinessInformationId,BusinessPurpose from "
                       "BusinessPurpose WHERE BusinessInformationId = "),
        QStringLiteral("  Order by BusinessPurposeId"),
        QT_TRANSLATE_NOOP("records::DetailForms", "Mission Statements Associated With Business: %1"),
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
        QT_TRANSLATE_NOOP("records::DetailForms", "Business Types Associated With Business: %1"),
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
        QT_TRANSLATE_NOOP("records::DetailForms", "Perspectives Associated with Business: %1"),
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
        QT_TRANSLATE_NOOP("records::DetailForms", "Employees Associated With Business: %1"),
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
        QT_TRANSLATE_NOOP("records::DetailForms", "Long Term Goals Associated With Business: %1"),
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
        QT_TRANSLATE_NOOP("records::DetailForms", "Short Term Goals Associated With Business: %1"),
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
        QT_TRANSLATE_NOOP("records::DetailForms", "Registered Agents Associated With Business: %1"),
    };
    return definition;
}

} // namespace records::DetailForms
