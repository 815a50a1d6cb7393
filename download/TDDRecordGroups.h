// The groups of a downloaded Auto-fill record: summary amounts, client indicators and
// carry-over rows. Every value is the text found in the XML (UTF-8), empty when absent;
// amounts are read as numbers only where they are used.
#pragma once

#include "ordane/CString.h"

#include <QByteArray>
#include <vector>

// A year and a text: a required repayment, a tuition carry-forward, a business investment
// loss, or a reassessment (tax year and reassessment date).
struct TDDYearValue
{
    QByteArray year;
    QByteArray value;
};

struct TDDRrspContributionRow
{
    QByteArray taxYear;
    QByteArray undeductedContributions;
    QByteArray currentYearContributions;
    QByteArray totalAvailableContributions;
    QByteArray repaymentToHbpOrLlp;
    QByteArray contributionsDeducted;
    QByteArray totalUnclaimedContributions;

    // True when each of the six amounts reads as exactly 0 (an empty text reads as 0).
    bool isEmpty() const;
};

struct TDDFhsaItem
{
    QByteArray text;
    double amount = 0;
};

struct TDDFhsaPlanData
{
    static constexpr int ItemCount = 12;
    // The child elements of "FHSAPlan", in the order the items are kept and shown.
    static const char *const itemElements[ItemCount];

    bool present = false;
    TDDFhsaItem items[ItemCount];

    // Reads all twelve texts into their amounts; true when any amount is at least kAmountTolerance.
    bool hasFhsaAmounts();
};

// The HBP or LLP part of the summary.
struct TDDRepaymentPlan
{
    static constexpr int MaxRequiredRepayments = 10;

    QByteArray repayableBalance;
    QByteArray requiredRepaymentRemaining;
    QByteArray repaymentToDate;
    QByteArray updateDate;
    std::vector<TDDYearValue> requiredRepayments;

    // The first required repayment whose year is exactly year, read as an amount; 0 if none.
    double repaymentOf(const char *year) const;
};

struct TDDSummaryData
{
    static constexpr int MaxUnfiledYears = 100;
    static constexpr int MaxRrspRows = 100;

    QByteArray disabilityCode;
    QByteArray postalCodeOnFile;
    QByteArray instalmentAmount;
    QByteArray accessCode;
    QByteArray canadaTrainingCreditLimit;
    QByteArray eiElection;
    std::vector<QByteArray> unfiledYears;
    std::vector<TDDRrspContributionRow> rrspContributions;
    TDDFhsaPlanData fhsaPlan;
    TDDRepaymentPlan hbp;
    TDDRepaymentPlan llp;
    QByteArray rrspUpdateDate;
    QByteArray rrspDeductionLimit;
    QByteArray rrspUnusedContribution;
    bool uncashedCheque = false;
    bool gstHstReturn = false;
    bool manageOnlineMail = false;
    bool returnedMail = false;
    bool foreignPropertyDeclared = false;
    QByteArray electronicCorrespondence;

    double getHbpRepayment(const char *year) const { return hbp.repaymentOf(year); }
    double getLlpRepayment(const char *year) const { return llp.repaymentOf(year); }
};

struct TDDRefundSetoff
{
    QByteArray programCode;
    QByteArray programId;
    QByteArray amount;
    QByteArray programName; // looked up from the programme code
};

struct TDDClientData
{
    static constexpr int MaxReassessments = 20;
    static constexpr int MaxRefundSetoffs = 40;
    static constexpr int MaxReassessmentYears = 20;
    static constexpr int MaxUnfiledYears = 20;

    bool nonResidentSourceDeduction = false;
    bool bankrupt = false;
    bool canadaWorkersBenefit = false;
    bool refundExamination = false;
    bool craOnlineServiceRegistration = false;
    bool currentYearReturn = false;
    bool cebDebtOwing = false;
    QByteArray craOnlineServiceRegistrationCode;
    QByteArray emigrationDate;
    QByteArray immigrationDate;
    QByteArray disabilityCode;
    QByteArray refundSetoffCode;
    std::vector<TDDRefundSetoff> refundSetoffs;
    std::vector<TDDYearValue> reassessments;
    bool reassessmentInProgress = false;
    std::vector<QByteArray> reassessmentYears;
    std::vector<QByteArray> unfiledYears;
};

struct TDDNonCapitalLossRow
{
    QByteArray taxYear;
    QByteArray currentYearLoss;
    QByteArray priorYearLoss;
    QByteArray subsequentYearLoss;
};

struct TDDCapitalGainLossRow
{
    QByteArray taxYear;
    QByteArray inclusionRate;
    QByteArray taxableCapitalGain;
    QByteArray unappliedNetLoss;
    QByteArray priorYearNetLoss;
    QByteArray subsequentYearNetLoss;
};

struct TDDCapitalGainDeductionRow
{
    QByteArray taxYear;
    QByteArray capitalGainDeduction;
    QByteArray netCapitalGainLoss;
    QByteArray netFarmPropertyDisposition;
    QByteArray netSmallBusinessShareDisposition;
};

struct TDDCarryOverData
{
    static constexpr int MaxLossRows = 100;
    static constexpr int MaxTuitionRows = 20;
    static constexpr int MaxBusinessInvestmentLosses = 20;

    std::vector<TDDNonCapitalLossRow> nonCapitalLosses;
    std::vector<TDDCapitalGainLossRow> capitalGainLosses;
    std::vector<TDDCapitalGainDeductionRow> capitalGainDeductions;
    std::vector<TDDYearValue> federalTuition;
    std::vector<TDDYearValue> provincialTuition;
    std::vector<TDDYearValue> businessInvestmentLosses;

    // The first tuition row whose year is exactly year, read as an amount; 0 if none.
    double getFederalTuitionCarryForward(const char *year) const;
    double getProvincialTuitionCarryForward(const char *year) const;
};
