// TDDTaxDataOnePerson: reading the item element into the record's groups and slips.
#include "download/TDDTaxDataOnePerson.h"

#include "download/SetOffProgramTable.h"
#include "download/TaxSlips.h"
#include "ordane/MyTiXmlHandle.h"

#include <tinyxml.h>

namespace {
QByteArray textOf(const TiXmlElement *element)
{
    const char *text = element ? element->GetText() : nullptr;
    return text ? QByteArray(text) : QByteArray();
}

QByteArray childText(const TiXmlElement *element, const char *name)
{
    return getElementSubEleStringText(element, name).toUtf8();
}

QByteArray attributeOf(const TiXmlElement *element, const char *name)
{
    const char *value = element ? element->Attribute(name) : nullptr;
    return value ? QByteArray(value) : QByteArray();
}

bool flagOf(const TiXmlElement *element, const char *name)
{
    return getElementSubEleStringAsBool(element, name, false);
}

const TiXmlElement *child(const TiXmlElement *element, const char *name)
{
    return element ? element->FirstChildElement(name) : nullptr;
}

// Calls read for first and each following sibling element, whatever its name, while the list
// is below its capacity; elements past it are not read.
template <class List, class Read>
void readFrom(const TiXmlElement *first, List &list, size_t capacity, Read read)
{
    for (const TiXmlElement *element = first; element && list.size() < capacity;
         element = element->NextSiblingElement())
        list.push_back(read(element));
}

// The same over every child element of parent.
template <class List, class Read>
void readChildren(const TiXmlElement *parent, List &list, size_t capacity, Read read)
{
    readFrom(parent ? parent->FirstChildElement() : nullptr, list, capacity, read);
}

TDDYearValue yearAttributeAndText(const TiXmlElement *element)
{
    return {attributeOf(element, "year"), textOf(element)};
}

void readRepaymentPlan(const TiXmlElement *summary, const char *planName, const char *balanceName,
                       const char *remainingName, const char *toDateName, const char *requiredName,
                       TDDRepaymentPlan &plan)
{
    const TiXmlElement *element = child(summary, planName);
    plan.repayableBalance = childText(element, balanceName);
    plan.requiredRepaymentRemaining = childText(element, remainingName);
    plan.repaymentToDate = childText(element, toDateName);
    plan.updateDate = childText(element, "updateDate");
    plan.requiredRepayments.clear();
    readFrom(child(child(element, requiredName), "RequiredRepayment"), plan.requiredRepayments,
             TDDRepaymentPlan::MaxRequiredRepayments, yearAttributeAndText);
}

void readSummary(const TiXmlElement *summary, TDDSummaryData &data)
{
    if (const TiXmlElement *disability = child(summary, "DisabilityEligibilities"))
        data.disabilityCode = childText(disability, "DisabilityAmountEligibilityCode");
    data.postalCodeOnFile = childText(summary, "PostalCodeOnFile");
    data.instalmentAmount = childText(summary, "InstalmentAmount");
    data.accessCode = childText(summary, "AccessCode");
    data.canadaTrainingCreditLimit = childText(summary, "CanadaTrainingCreditLimitAmount");
    data.eiElection = childText(summary, "EmploymentInsuranceElectionForSelfEmploymentIndicator");

    data.unfiledYears.clear();
    readFrom(child(child(summary, "UnfiledReturn"), "TaxYear"), data.unfiledYears,
             TDDSummaryData::MaxUnfiledYears, textOf);

    data.rrspContributions.clear();
    readFrom(child(child(summary, "RRSPContributionHistory"), "RRSPContribution"),
             data.rrspContributions, TDDSummaryData::MaxRrspRows, [](const TiXmlElement *row) {
                 return TDDRrspContributionRow{
                     childText(row, "TaxYear"),
                     childText(row, "UndeductedContributionsAmount"),
                     childText(row, "CurrentYearContributionsAmount"),
                     childText(row, "TotalAvailableContributionsAmount"),
                     childText(row, "RepaymentToHBPorLLPAmount"),
                     childText(row, "ContributionsDeductedAmount"),
                     childText(row, "TotalUnclaimedRRSPContributionsAmount")};
             });

    const TiXmlElement *fhsa = child(summary, "FHSAPlan");
    data.fhsaPlan.present = fhsa != nullptr;
    if (fhsa) {
        for (int i = 0; i < TDDFhsaPlanData::ItemCount; ++i)
            data.fhsaPlan.items[i].text = childText(fhsa, TDDFhsaPlanData::itemElements[i]);
    }

    data.uncashedCheque = flagOf(summary, "UncashedChequeIndicator");
    data.gstHstReturn = flagOf(summary, "GSTHSTReturnIndicator");
    data.manageOnlineMail = flagOf(summary, "ManageOnlineMailIndicator");
    data.returnedMail = flagOf(summary, "ReturnedMailIndicator");
    data.foreignPropertyDeclared = flagOf(summary, "ForeignPropertyDeclaredIndicator");
    data.electronicCorrespondence = childText(summary, "ElectronicCorrespondenceIndicator");

    readRepaymentPlan(summary, "HomeBuyerPlan", "HomeBuyerPlanRepayableBalanceAmount",
                      "HomeBuyerPlanRequiredRepaymentRemainingAmount",
                      "HomeBuyerPlanRepaymentToDateAmount", "HomeBuyerPlanRequiredRepaymentAmount",
                      data.hbp);
    readRepaymentPlan(summary, "LifeLongLearningPlan", "LifeLongLearningPlanRepayableBalanceAmount",
                      "LifeLongLearningPlanRequiredRepaymentRemainingAmount",
                      "LifeLongLearningPlanRepaymentToDateAmount",
                      "LifeLongLearningPlanRequiredRepaymentAmount", data.llp);

    if (const TiXmlElement *rrsp = child(summary, "RegisteredRetirementSavingsPlan")) {
        data.rrspUpdateDate = attributeOf(rrsp, "updateDate");
        data.rrspDeductionLimit = childText(rrsp, "DeductionLimitAmount");
        data.rrspUnusedContribution = childText(rrsp, "UnusedContributionAmount");
    }
}

void readClient(const TiXmlElement *client, TDDClientData &data)
{
    data.nonResidentSourceDeduction = flagOf(client, "NonResidentSourceDeductionIndicator");
    data.bankrupt = flagOf(client, "BankruptIndicator");
    data.canadaWorkersBenefit = flagOf(client, "CanadaWorkersBenefitIndicator");
    data.refundExamination = flagOf(client, "RefundExaminationIndicator");
    data.craOnlineServiceRegistration = flagOf(client, "CRAOnlineServiceRegistrationIndicator");
    data.currentYearReturn = flagOf(client, "CurrentYearReturnIndicator");
    data.cebDebtOwing = flagOf(client, "CEBDebtOwingIndicator");
    data.craOnlineServiceRegistrationCode = childText(client, "CRAOnlineServiceRegistrationCode");
    data.emigrationDate = childText(client, "EmigrationDate");
    data.immigrationDate = childText(client, "ImmigrationDate");
    if (const TiXmlElement *disability = child(client, "DisabilityEligibilities"))
        data.disabilityCode = childText(disability, "DisabilityAmountEligibilityCode");

    readChildren(
        child(client, "Reassessments"), data.reassessments, TDDClientData::MaxReassessments,
        [](const TiXmlElement *row) {
            return TDDYearValue{childText(row, "TaxYear"), childText(row, "ReassessmentDate")};
        });
    data.refundSetoffCode = childText(client, "RefundSetoffCode");
    readFrom(child(child(client, "RefundSetOffs"), "RefundSetoff"), data.refundSetoffs,
             TDDClientData::MaxRefundSetoffs, [](const TiXmlElement *row) {
                 const QByteArray code = childText(row, "RefundSetoffProgramCode");
                 return TDDRefundSetoff{code, childText(row, "RefundSetoffProgramID"),
                                        childText(row, "RefundSetoffProgramAmount"),
                                        setOffProgramName(code)};
             });
    const TiXmlElement *inProgress = child(client, "ReassessmentInProgress");
    if (inProgress)
        data.reassessmentInProgress = flagOf(inProgress, "ReassessmentInProgressIndicator");
    readFrom(child(inProgress, "ReassessmentTaxYear"), data.reassessmentYears,
             TDDClientData::MaxReassessmentYears, textOf);
    readFrom(child(child(client, "UnfiledReturn"), "TaxYear"), data.unfiledYears,
             TDDClientData::MaxUnfiledYears, textOf);
}

void readCarryOver(const TiXmlElement *carryOver, TDDCarryOverData &data)
{
    readChildren(child(carryOver, "NonCapitalLosses"), data.nonCapitalLosses,
                 TDDCarryOverData::MaxLossRows, [](const TiXmlElement *row) {
                     return TDDNonCapitalLossRow{
                         childText(row, "TaxYear"),
                         childText(row, "CurrentYearNonCapitalLossAmount"),
                         childText(row, "PriorYearNonCapitalLossAmount"),
                         childText(row, "SubsequentYearNonCapitalLossAmount")};
                 });
    readChildren(child(carryOver, "CapitalGainLosses"), data.capitalGainLosses,
                 TDDCarryOverData::MaxLossRows, [](const TiXmlElement *row) {
                     return TDDCapitalGainLossRow{childText(row, "TaxYear"),
                                                  childText(row, "InclusionRate"),
                                                  childText(row, "TaxableCapitalGainAmount"),
                                                  childText(row, "UnappliedNetLossAmount"),
                                                  childText(row, "PriorYearNetLossAmount"),
                                                  childText(row, "SubsequentYearNetLossAmount")};
                 });
    readChildren(child(carryOver, "CapitalGainDeductions"), data.capitalGainDeductions,
                 TDDCarryOverData::MaxLossRows, [](const TiXmlElement *row) {
                     return TDDCapitalGainDeductionRow{
                         childText(row, "TaxYear"), childText(row, "CapitalGainDeductionAmount"),
                         childText(row, "NetCapitalGainLossAmount"),
                         childText(row, "NetFarmPropertyDispositionAmount"),
                         childText(row, "NetSmallBusinessShareDispositionAmount")};
                 });
    const auto tuitionRow = [](const TiXmlElement *row) {
        return TDDYearValue{childText(row, "TaxYear"),
                            childText(row, "CarryForwardAvailableAmount")};
    };
    readChildren(child(carryOver, "FederalTuitionEducationTextBookAmounts"), data.federalTuition,
                 TDDCarryOverData::MaxTuitionRows, tuitionRow);
    readChildren(child(carryOver, "ProvincialTuitionEducationTextBookAmounts"),
                 data.provincialTuition, TDDCarryOverData::MaxTuitionRows, tuitionRow);
    readFrom(
        child(child(carryOver, "BusinessInvestmentLossAmounts"), "BusinessInvestmentLossAmount"),
        data.businessInvestmentLosses, TDDCarryOverData::MaxBusinessInvestmentLosses,
        yearAttributeAndText);
}
} // namespace

TDDTaxDataOnePerson::TDDTaxDataOnePerson(int year) : taxYear(year) {}

TDDTaxDataOnePerson::~TDDTaxDataOnePerson() = default;

int TDDTaxDataOnePerson::parseItem(const TiXmlElement *item)
{
    const TiXmlElement *identifier = child(item, "IndividualTaxpayerIdentifier");
    if (!identifier)
        return -1;
    sin = textOf(identifier);
    if (const TiXmlElement *element = child(item, "Summary"))
        readSummary(element, summary);
    if (const TiXmlElement *element = child(item, "Client"))
        readClient(element, client);
    if (const TiXmlElement *element = child(item, "CarryOver"))
        readCarryOver(element, carryOver);
    if (const TiXmlElement *element = child(item, "Slips"))
        parseSlips(element);
    return 0;
}

int TDDTaxDataOnePerson::parseSlips(const TiXmlElement *slipsElement)
{
    if (!slipsElement)
        return slipCount();
    if (const char *value = slipsElement->Attribute("remark"))
        remark = value;
    for (const TiXmlElement *element = slipsElement->FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        if (slipCount() >= MaxSlips)
            break;
        std::unique_ptr<TaxSlip> slip = createTaxSlip(element->Value());
        if (!slip)
            continue;
        slip->parseCommonElements(element);
        slip->parseXml(element);
        slips.push_back(std::move(slip));
    }
    return slipCount();
}
