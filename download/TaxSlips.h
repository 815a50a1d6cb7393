// The twenty downloaded slip kinds. Each reads its own elements and writes its own page lines;
// the texts they copy out of the boxes are what the apply step and the merge read.
#pragma once

#include "download/TaxSlip.h"

#include <memory>

class TaxSlipT4 : public TaxSlip
{
public:
    TaxSlipT4();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray employerName;
    QByteArray box10; // province of employment
    QByteArray cppQppExemptCode;
    QByteArray eiExemptCode;
    QByteArray ppipExemptCode;
};

class TaxSlipT4A : public TaxSlip
{
public:
    TaxSlipT4A();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
};

class TaxSlipT4AP : public TaxSlip
{
public:
    TaxSlipT4AP();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray box13, box14, box15, box16, box17, box18, box19, box20, box21, box22, box23;
};

class TaxSlipT4RSP : public TaxSlip
{
public:
    TaxSlipT4RSP();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
};

class TaxSlipT4E : public TaxSlip
{
public:
    TaxSlipT4E();
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;
};

class TaxSlipT4AOAS : public TaxSlip
{
public:
    TaxSlipT4AOAS();
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;
};

class TaxSlipT4RIF : public TaxSlip
{
public:
    TaxSlipT4RIF();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
};

class TaxSlipT5 : public TaxSlip
{
public:
    TaxSlipT5();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
};

class TaxSlipT3 : public TaxSlip
{
public:
    TaxSlipT3();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray trustName;
};

class TaxSlipT5007 : public TaxSlip
{
public:
    TaxSlipT5007();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
    QByteArray box10;
    QByteArray box11;
};

// Keeps the payer only: a partnership slip never takes an issuer name.
class TaxSlipT5013 : public TaxSlip
{
public:
    TaxSlipT5013();
    int setField(const char *name, const char *text) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
};

class TaxSlipRC62 : public TaxSlip
{
public:
    TaxSlipRC62();
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;
};

class TaxSlipRC210 : public TaxSlip
{
public:
    TaxSlipRC210();
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;
};

class TaxSlipT5008 : public TaxSlip
{
public:
    TaxSlipT5008();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;

    QByteArray box11, box13, box15, box16, box17, box18, box19, box20, box21, box22, box23;
};

class TaxSlipRRSPReceipt : public TaxSlip
{
public:
    TaxSlipRRSPReceipt();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;

    QByteArray receiptIssuerName;
    QByteArray rrspNumber;
    QByteArray rrspContractNumber;
    QByteArray spouseContributionIndicator;
    QByteArray priorYearContribution;
    QByteArray currentYearContribution;
};

class TaxSlipMBRentalAssistSlip : public TaxSlip
{
public:
    TaxSlipMBRentalAssistSlip();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
    QByteArray allowanceAmount;
};

class TaxSlipPRPP : public TaxSlip
{
public:
    TaxSlipPRPP();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray contractNumber;
    QByteArray employeeCurrentYear;
    QByteArray employeeCurrentYearExemptIncome;
    QByteArray employerContribution;
    QByteArray employeePriorYear;
    QByteArray employeePriorYearExemptIncome;
    QByteArray prppVersionDescription;
};

class TaxSlipT1204 : public TaxSlip
{
public:
    TaxSlipT1204();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray payerName;
    QByteArray box82;
    QByteArray box84;
};

// Keeps at most four tuition sessions.
class TaxSlipT2202 : public TaxSlip
{
public:
    static constexpr int MaxSessions = 4;

    TaxSlipT2202();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    int sessionCount = 0;
    QByteArray sessionFrom[MaxSessions];
    QByteArray sessionTo[MaxSessions];
    QByteArray sessionPartTimeMonths[MaxSessions];
    QByteArray sessionFullTimeMonths[MaxSessions];
    QByteArray sessionFees[MaxSessions];
};

class TaxSlipT4FHSA : public TaxSlip
{
public:
    TaxSlipT4FHSA();
    int parseXml(const TiXmlElement *element) override;
    int toHtml(CString &page, int ordinal) const override;
    int applyToForm(CTaxData_Form *form) const override;

    QByteArray issuerPayerName;
};

// The slip kind of an element name, prefix dropped and case ignored; null for any other name.
std::unique_ptr<TaxSlip> createTaxSlip(const char *elementName);
