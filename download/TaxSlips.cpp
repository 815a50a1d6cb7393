// The twenty downloaded slip kinds: their own element reading and their own page lines.
#include "download/TaxSlips.h"

#include "download/DataAFR.h"
#include "download/TaxSlipLabels.h"
#include "marrow/TypeCodes.h"
#include "ordane/HtmlLines.h"
#include "ordane/MyTiXmlHandle.h"
#include "ordane/TextMatch.h"

#include <cstring>
#include <tinyxml.h>

namespace {
bool endsWith(const char *name, const char *suffix)
{
    return stringEndwith(name, suffix, false);
}

bool isBox(const char *box, const char *number)
{
    return box && std::strcmp(box, number) == 0;
}

// A box a slip kind copies into a member of its own, and the line the page shows it under.
template <class Slip> struct BoxMember
{
    const char *box;
    QByteArray Slip::*member;
    const char *label;
};

template <class Slip, size_t N>
void copyBoxMember(Slip &slip, const BoxMember<Slip> (&table)[N], const char *box, const char *text)
{
    for (const BoxMember<Slip> &row : table) {
        if (isBox(box, row.box))
            slip.*row.member = text;
    }
}

template <class Slip, size_t N>
void boxMemberLines(const Slip &slip, const BoxMember<Slip> (&table)[N], CString &page)
{
    for (const BoxMember<Slip> &row : table)
        toHtmlOneLineItem(page, slip.*row.member, row.label);
}

// The "<h4>" block most kinds put their lines in.
class Heading
{
public:
    explicit Heading(CString &page) : m_page(page) { m_page += QLatin1String("<h4>"); }
    ~Heading() { m_page += QLatin1String("</h4>"); }
    Heading(const Heading &) = delete;
    Heading &operator=(const Heading &) = delete;

private:
    CString &m_page;
};

int headedLine(CString &page, const QByteArray &value, const char *label)
{
    Heading heading(page);
    toHtmlOneLineItem(page, value, label);
    return 0;
}

const BoxMember<TaxSlipT4AP> t4apBoxes[] = {
    {"13", &TaxSlipT4AP::box13, "Box 13 - Effective Date"},
    {"14", &TaxSlipT4AP::box14, "Box 14 - Retirement Benefit Amount"},
    {"15", &TaxSlipT4AP::box15, "Box 15 - Survivor Benefit Amount"},
    {"16", &TaxSlipT4AP::box16, "Box 16 - Disability Benefit Amount"},
    {"17", &TaxSlipT4AP::box17, "Box 17 - Child Benefit Amount"},
    {"18", &TaxSlipT4AP::box18, "Box 18 - Death Benefit Amount"},
    {"19", &TaxSlipT4AP::box19, "Box 19 - Post-retirement Benefit Amount"},
    {"20", &TaxSlipT4AP::box20, "Box 20 - Taxable Benefit Amount"},
    {"21", &TaxSlipT4AP::box21, "Box 21 - Number of Disability Month"},
    {"22", &TaxSlipT4AP::box22, "Box 22 - Income Tax Deducted"},
    {"23", &TaxSlipT4AP::box23, "Box 23 - Number of Retirement Month"},
};

const BoxMember<TaxSlipT5008> t5008Boxes[] = {
    {"11", &TaxSlipT5008::box11, "Box 11 - Recipient Type"},
    {"13", &TaxSlipT5008::box13, "Box 13 - Currency Code"},
    {"15", &TaxSlipT5008::box15, "Box 15 - Type code of securities"},
    {"16", &TaxSlipT5008::box16, "Box 16 - Quantity of securities"},
    {"17", &TaxSlipT5008::box17, "Box 17 - Identification of securities"},
    {"18", &TaxSlipT5008::box18, "Box 18 - CUSIP/ISIN number"},
    {"19", &TaxSlipT5008::box19, "Box 19 - Security Face Value Amount"},
    {"20", &TaxSlipT5008::box20, "Box 20 - Security Book Value Amount"},
    {"21", &TaxSlipT5008::box21, "Box 21 - Security Settlement Amount"},
    {"22", &TaxSlipT5008::box22, "Box 22 - Type code of securities received on settlement"},
    {"23", &TaxSlipT5008::box23, "Box 23 - Quantify of securities received on settlement"},
};

// A name ending and the member it fills; the first ending that matches wins.
template <class Slip> struct NamedMember
{
    const char *suffix;
    QByteArray Slip::*member;
};

template <class Slip, size_t N>
void copyFirstNamed(Slip &slip, const NamedMember<Slip> (&table)[N], const char *name,
                    const char *text)
{
    for (const NamedMember<Slip> &row : table) {
        if (endsWith(name, row.suffix)) {
            slip.*row.member = text;
            return;
        }
    }
}

const NamedMember<TaxSlipRRSPReceipt> rrspReceiptNames[] = {
    {"IssuerName", &TaxSlipRRSPReceipt::receiptIssuerName},
    {"RRSPNumber", &TaxSlipRRSPReceipt::rrspNumber},
    {"RRSPContractNumber", &TaxSlipRRSPReceipt::rrspContractNumber},
    {"RRSPSpouseContributionIndicator", &TaxSlipRRSPReceipt::spouseContributionIndicator},
    {"PriorYearRRSPContributionAmount", &TaxSlipRRSPReceipt::priorYearContribution},
    {"CurrentYearRRSPContributionAmount", &TaxSlipRRSPReceipt::currentYearContribution},
};

const NamedMember<TaxSlipPRPP> prppNames[] = {
    {"EmployeeCurrentYearPooledRegisteredPensionPlanContributionAmount",
     &TaxSlipPRPP::employeeCurrentYear},
    {"EmployeeCurrentYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount",
     &TaxSlipPRPP::employeeCurrentYearExemptIncome},
    {"EmployeePriorYearPooledRegisteredPensionPlanContributionAmount",
     &TaxSlipPRPP::employeePriorYear},
    {"EmployeePriorYearTaxExemptIncomePooledRegisteredPensionPlanContributionAmount",
     &TaxSlipPRPP::employeePriorYearExemptIncome},
    {"EmployerPooledRegisteredPensionPlanContributionAmount", &TaxSlipPRPP::employerContribution},
    {"PooledRegisteredPensionPlanContractNumber", &TaxSlipPRPP::contractNumber},
    {"SlipVersionDescription", &TaxSlipPRPP::prppVersionDescription},
};
} // namespace

// T4 ----------------------------------------------------------------------------------------

TaxSlipT4::TaxSlipT4() : TaxSlip(SlipType::T4)
{
    setBoxLabels(t4BoxLabels);
}

int TaxSlipT4::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *box, const char *text) {
        if (!box) {
            if (endsWith(name, "EmployerName"))
                employerName = text;
        } else if (isBox(box, "10")) {
            box10 = text;
        } else if (isBox(box, "28")) {
            if (endsWith(name, "CPPQPPExemptCode"))
                cppQppExemptCode = text;
            else if (endsWith(name, "EmploymentInsurancePremiumExemptCode"))
                eiExemptCode = text;
            else if (endsWith(name, "ProvincialParentalInsurancePlanExemptCode"))
                ppipExemptCode = text;
        }
    });
    return 0;
}

int TaxSlipT4::toHtml(CString &page, int) const
{
    toHtmlOneLineItem(page, employerName, "Employer");
    toHtmlOneLineItem(page, box10, "Box 10 - Province");
    toHtmlOneLineItem(page, cppQppExemptCode, "Box 28 - CPP/QPP exempt", "0");
    toHtmlOneLineItem(page, eiExemptCode, "Box 28 - EI exempt", "0");
    toHtmlOneLineItem(page, ppipExemptCode, "Box 28 - PPIP exempt", "0");
    return 0;
}

// Payer-named kinds -------------------------------------------------------------------------

TaxSlipT4A::TaxSlipT4A() : TaxSlip(SlipType::T4A)
{
    setBoxLabels(t4aBoxLabels);
}

int TaxSlipT4A::parseXml(const TiXmlElement *element)
{
    keepTextOfName(element, "PayerName", payerName);
    return 0;
}

int TaxSlipT4A::toHtml(CString &page, int) const
{
    return headedLine(page, payerName, "Payer");
}

TaxSlipT4RSP::TaxSlipT4RSP() : TaxSlip(SlipType::T4RSP)
{
    setBoxLabels(t4rspBoxLabels);
}

int TaxSlipT4RSP::parseXml(const TiXmlElement *element)
{
    keepTextOfName(element, "PayerName", payerName);
    return 0;
}

int TaxSlipT4RSP::toHtml(CString &page, int) const
{
    return headedLine(page, payerName, "Payer:");
}

TaxSlipT4RIF::TaxSlipT4RIF() : TaxSlip(SlipType::T4RIF)
{
    setBoxLabels(t4rifBoxLabels);
}

int TaxSlipT4RIF::parseXml(const TiXmlElement *element)
{
    keepTextOfName(element, "PayerName", payerName);
    return 0;
}

int TaxSlipT4RIF::toHtml(CString &page, int) const
{
    return headedLine(page, payerName, "Payer");
}

TaxSlipT5::TaxSlipT5() : TaxSlip(SlipType::T5)
{
    setBoxLabels(t5BoxLabels);
}

int TaxSlipT5::parseXml(const TiXmlElement *element)
{
    keepTextOfName(element, "PayerName", payerName);
    return 0;
}

int TaxSlipT5::toHtml(CString &page, int) const
{
    return headedLine(page, payerName, "Payer:");
}

TaxSlipT3::TaxSlipT3() : TaxSlip(SlipType::T3)
{
    setBoxLabels(t3BoxLabels);
}

int TaxSlipT3::parseXml(const TiXmlElement *element)
{
    keepTextOfName(element, "TrustName", trustName);
    return 0;
}

int TaxSlipT3::toHtml(CString &page, int) const
{
    return headedLine(page, trustName, "Trust Name");
}

TaxSlipT5013::TaxSlipT5013() : TaxSlip(SlipType::T5013)
{
    setBoxLabels(t5013BoxLabels);
}

int TaxSlipT5013::setField(const char *name, const char *text)
{
    if (endsWith(name, "PayerName"))
        payerName = text;
    return 0;
}

int TaxSlipT5013::toHtml(CString &page, int) const
{
    return headedLine(page, payerName, "Payer");
}

TaxSlipT4FHSA::TaxSlipT4FHSA() : TaxSlip(SlipType::T4FHSA)
{
    setBoxLabels(t4fhsaBoxLabels);
}

int TaxSlipT4FHSA::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *, const char *text) {
        if (endsWith(name, "IssuerPayerName"))
            issuerPayerName = text;
    });
    return 0;
}

int TaxSlipT4FHSA::toHtml(CString &page, int) const
{
    return headedLine(page, issuerPayerName, "Name");
}

// Kinds shown by their labelled boxes alone -------------------------------------------------

TaxSlipT4E::TaxSlipT4E() : TaxSlip(SlipType::T4E)
{
    setBoxLabels(t4eBoxLabels);
}

int TaxSlipT4E::toHtml(CString &, int) const
{
    return 0;
}

TaxSlipT4AOAS::TaxSlipT4AOAS() : TaxSlip(SlipType::T4AOAS)
{
    setBoxLabels(t4aoasBoxLabels);
}

int TaxSlipT4AOAS::toHtml(CString &, int) const
{
    return 0;
}

TaxSlipRC62::TaxSlipRC62() : TaxSlip(SlipType::RC62)
{
    setBoxLabels(rc62BoxLabels);
}

int TaxSlipRC62::toHtml(CString &, int) const
{
    return 0;
}

TaxSlipRC210::TaxSlipRC210() : TaxSlip(SlipType::RC210)
{
    setBoxLabels(rc210BoxLabels);
}

int TaxSlipRC210::toHtml(CString &, int) const
{
    return 0;
}

// Kinds that copy their boxes into members --------------------------------------------------

TaxSlipT4AP::TaxSlipT4AP() : TaxSlip(SlipType::T4AP) {}

int TaxSlipT4AP::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *, const char *box, const char *text) {
        copyBoxMember(*this, t4apBoxes, box, text);
    });
    return 0;
}

int TaxSlipT4AP::toHtml(CString &page, int) const
{
    Heading heading(page);
    boxMemberLines(*this, t4apBoxes, page);
    return 0;
}

TaxSlipT5008::TaxSlipT5008() : TaxSlip(DownloadSlipType::T5008) {}

int TaxSlipT5008::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *box, const char *text) {
        if (box)
            copyBoxMember(*this, t5008Boxes, box, text);
        else
            setField(name, text);
    });
    return 0;
}

int TaxSlipT5008::toHtml(CString &page, int) const
{
    Heading heading(page);
    toHtmlOneLineItem(page, issuerName, "Issuer Name");
    boxMemberLines(*this, t5008Boxes, page);
    return 0;
}

TaxSlipT5007::TaxSlipT5007() : TaxSlip(SlipType::T5007) {}

int TaxSlipT5007::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *box, const char *text) {
        if (isBox(box, "10"))
            box10 = text;
        else if (isBox(box, "11"))
            box11 = text;
        else if (!box && endsWith(name, "PayerName"))
            payerName = text;
    });
    return 0;
}

int TaxSlipT5007::toHtml(CString &page, int) const
{
    Heading heading(page);
    toHtmlOneLineItem(page, payerName, "Payer");
    toHtmlOneLineItem(page, box10, "Box 10 - Worker Compensation Benefit Amount");
    toHtmlOneLineItem(page, box11,
                      "Box 11 - Social Assistance Payments of Provincial or Territorial "
                      "Supplements");
    return 0;
}

TaxSlipT1204::TaxSlipT1204() : TaxSlip(SlipType::T1204) {}

int TaxSlipT1204::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *box, const char *text) {
        if (isBox(box, "82"))
            box82 = text;
        else if (isBox(box, "84"))
            box84 = text;
        else if (!box && endsWith(name, "PayerName"))
            payerName = text;
    });
    return 0;
}

int TaxSlipT1204::toHtml(CString &page, int) const
{
    Heading heading(page);
    toHtmlOneLineItem(page, payerName, "Payer Name");
    toHtmlOneLineItem(page, box82, "Contract Service Payment");
    toHtmlOneLineItem(page, box84, "Service and Goods Payment");
    return 0;
}

// Kinds read by element name, box number or not ---------------------------------------------

TaxSlipRRSPReceipt::TaxSlipRRSPReceipt() : TaxSlip(DownloadSlipType::RRSPReceipt) {}

int TaxSlipRRSPReceipt::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *, const char *text) {
        copyFirstNamed(*this, rrspReceiptNames, name, text);
    });
    return 0;
}

int TaxSlipRRSPReceipt::toHtml(CString &page, int) const
{
    Heading heading(page);
    toHtmlOneLineItem(page, receiptIssuerName, "Issuer Name");
    toHtmlOneLineItem(page, rrspNumber, "RRSP Number");
    toHtmlOneLineItem(page, rrspContractNumber, "RRSP Contract Number");
    toHtmlOneLineItem(page, spouseContributionIndicator, "Spouse RRSP Contribution Indicator", "0");
    toHtmlOneLineItem(page, priorYearContribution, "Prior Year RRSP Contribution Amount");
    toHtmlOneLineItem(page, currentYearContribution, "Current Year RRSP Contribution Amount");
    return 0;
}

TaxSlipMBRentalAssistSlip::TaxSlipMBRentalAssistSlip() : TaxSlip(SlipType::MBSHELTERASSIST) {}

int TaxSlipMBRentalAssistSlip::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *, const char *text) {
        if (endsWith(name, "PayerName"))
            payerName = text;
        else if (endsWith(name, "ManitobaShelterBenefitAmount"))
            allowanceAmount = text;
    });
    return 0;
}

int TaxSlipMBRentalAssistSlip::toHtml(CString &page, int) const
{
    Heading heading(page);
    toHtmlOneLineItem(page, payerName, "Payer Name");
    toHtmlOneLineItem(page, allowanceAmount, "Allowance Amount");
    return 0;
}

TaxSlipPRPP::TaxSlipPRPP() : TaxSlip(SlipType::PRPP) {}

int TaxSlipPRPP::parseXml(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *, const char *text) {
        copyFirstNamed(*this, prppNames, name, text);
    });
    return 0;
}

int TaxSlipPRPP::toHtml(CString &page, int) const
{
    Heading heading(page);
    toHtmlOneLineItem(page, contractNumber, "Contract Number");
    toHtmlOneLineItem(page, employeeCurrentYear, "Employee Contributed Current year");
    toHtmlOneLineItem(page, employeeCurrentYearExemptIncome,
                      "Employee contributed amount from exempt income current year");
    toHtmlOneLineItem(page, employeePriorYear, "Employee Contributed Prior year");
    toHtmlOneLineItem(page, employeePriorYearExemptIncome,
                      "Employee contributed amount from exempt income prior year");
    toHtmlOneLineItem(page, employerContribution, "PRPP employer contributions");
    return 0;
}

// T2202 -------------------------------------------------------------------------------------

TaxSlipT2202::TaxSlipT2202() : TaxSlip(SlipType::T2202) {}

int TaxSlipT2202::parseXml(const TiXmlElement *element)
{
    const TiXmlElement *periods =
        element ? element->FirstChildElement("TuitionSessionPeriods") : nullptr;
    const TiXmlElement *session =
        periods ? periods->FirstChildElement("TuitionSessionPeriod") : nullptr;
    for (; session && sessionCount < MaxSessions; session = session->NextSiblingElement()) {
        const int i = sessionCount;
        sessionFrom[i] = getElementSubEleStringText(session, "FromPeriod").toUtf8();
        sessionTo[i] = getElementSubEleStringText(session, "ToPeriod").toUtf8();
        sessionPartTimeMonths[i] =
            getElementSubEleStringText(session, "PartTimeMonthCount").toUtf8();
        sessionFullTimeMonths[i] =
            getElementSubEleStringText(session, "FullTimeMonthCount").toUtf8();
        sessionFees[i] =
            getElementSubEleStringText(session, "TuitionSessionEligibleFeesAmount").toUtf8();
        ++sessionCount;
    }
    return 0;
}

int TaxSlipT2202::toHtml(CString &page, int) const
{
    static const TaxSlipBoxLabel schoolBoxes[] = {
        {"11", "Box 11 - School Type"},
        {"12", "Box 12 - Flying School or club"},
        {"13", "Box 13 - Name of Program or Course"},
        {"14", "Box 14 - Student Number"},
        {"15", "Box 15 - Filer Account Number"},
        {"24", "Box 24 - Total number of months part-time"},
        {"25", "Box 25 - Total number of months full-time"},
        {"26", "Box 26 - Total eligible tuition fee"},
    };
    Heading heading(page);
    toHtmlOneLineItem(page, issuerName, "School Name");
    for (const TaxSlipBoxLabel &row : schoolBoxes)
        toHtmlOneLineItem(page, getBoxText(row.box), row.label);
    for (int i = 0; i < sessionCount; ++i) {
        toHtmlNewLine(page);
        page += QStringLiteral("Session: %1<br>\n").arg(i + 1);
        toHtmlOneLineItem(page, sessionFrom[i], "Box 19 - From (YYYY-MM)");
        toHtmlOneLineItem(page, sessionTo[i], "Box 20 - To (YYYY-MM)");
        toHtmlOneLineItem(page, sessionPartTimeMonths[i], "Box 21 - Number of months part-time",
                          "0");
        toHtmlOneLineItem(page, sessionFullTimeMonths[i], "Box 22 - Number of months full-time",
                          "0");
        toHtmlOneLineItem(page, sessionFees[i], "Box 23 - Eligible tuition fee");
    }
    return 0;
}

// Making a slip from its element name -------------------------------------------------------

namespace {
struct SlipKind
{
    const char *elementName;
    std::unique_ptr<TaxSlip> (*make)();
};

template <class Slip> std::unique_ptr<TaxSlip> make()
{
    return std::make_unique<Slip>();
}

// The order names are tried in.
const SlipKind slipKinds[] = {
    {"T4Slip", make<TaxSlipT4>},
    {"T4ASlip", make<TaxSlipT4A>},
    {"T4ESlip", make<TaxSlipT4E>},
    {"RC62Slip", make<TaxSlipRC62>},
    {"T5Slip", make<TaxSlipT5>},
    {"T3Slip", make<TaxSlipT3>},
    {"T4AOASSlip", make<TaxSlipT4AOAS>},
    {"T4RSPSlip", make<TaxSlipT4RSP>},
    {"T4APSlip", make<TaxSlipT4AP>},
    {"T2202Slip", make<TaxSlipT2202>},
    {"T5007Slip", make<TaxSlipT5007>},
    {"T5008Slip", make<TaxSlipT5008>},
    {"T5013Slip", make<TaxSlipT5013>},
    {"T4RIFSlip", make<TaxSlipT4RIF>},
    {"RC210Slip", make<TaxSlipRC210>},
    {"RRSPContributionReceiptSlip", make<TaxSlipRRSPReceipt>},
    {"ManitobaRentAssistSlip", make<TaxSlipMBRentalAssistSlip>},
    {"PRPPSlip", make<TaxSlipPRPP>},
    {"T1204Slip", make<TaxSlipT1204>},
    {"T4FHSASlip", make<TaxSlipT4FHSA>},
};
} // namespace

std::unique_ptr<TaxSlip> createTaxSlip(const char *elementName)
{
    if (!elementName)
        return nullptr;
    // A namespace prefix of any length is dropped at its first ":".
    const char *colon = std::strchr(elementName, ':');
    const char *name = colon ? colon + 1 : elementName;
    for (const SlipKind &kind : slipKinds) {
        if (stricmp(name, kind.elementName) == 0)
            return kind.make();
    }
    return nullptr;
}
