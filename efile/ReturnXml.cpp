// The T1 return XML of a person: part 1 from its template, the EFILE parts, the line
// records and the end part.
#include "efile/ReturnXml.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/AmountTolerance.h"
#include "ordane/FilingFormats.h"
#include "ordane/NetfileRecords.h"
#include "ordane/TemplateEngine.h"
#include "ordane/XmlWriters.h"

#include <cmath>

namespace {

int toInt(double whole)
{
    if (std::isnan(whole))
        return 0;
    return int(qBound(-2147483648.0, whole, 2147483647.0));
}

CString provinceAbbreviation(int province)
{
    const ProvInfoRow *row = provInfo(province);
    return row ? CString(row->abbreviation) : CString();
}

// A text that goes into the map: a user may have typed "&" or "<".
void putText(TemplateValues &values, const char *key, const QString &text)
{
    values.insert(key, convertToXMLString(text));
}

void putNumber(TemplateValues &values, const char *key, int number)
{
    values.insert(key, CString(QString::number(number)));
}

void putDate(TemplateValues &values, const char *key, const CDateField &date)
{
    values.insert(key, GetDateStr(date.date(), 2));
}

// Index 0 of a yes/no answer gives "1", 1 gives "2"; any other sets nothing.
void putYesNo(TemplateValues &values, const char *key, int index)
{
    if (index == 0 || index == 1)
        putNumber(values, key, index + 1);
}

void fillProvinceKeys(TemplateValues &values, const TaxData_T1New &t1, int province)
{
    switch (province) {
    case 13: // Yukon
        putYesNo(values, "AborLandResidence", t1.settlementLand);
        if (t1.settlementLand == 0) {
            putText(values, "ytfirstnation", t1.yukonFirstNation);
            putYesNo(values, "firstnationIDInd", t1.firstNationId);
        }
        break;
    case 7: // Northwest Territories
        putYesNo(values, "tlicho", t1.tlichoLand);
        putYesNo(values, "deline", t1.delineLand);
        if (t1.delineLand == 0)
            putNumber(values, "firstnationIDInd", t1.delineId + 1);
        break;
    case 5:
        putYesNo(values, "AborLandResidence", t1.aboriginalLand);
        break;
    default:
        break;
    }
}

const CT1AppConfig *config()
{
    const TabWndApp *app = appInstance();
    return app ? &app->config : nullptr;
}

} // namespace

int roundToWholeDollars(double amount)
{
    if (amount < 0 && -amount >= kAmountTolerance)
        return toInt(std::trunc(amount - 0.5));
    return toInt(std::trunc(amount + 0.5));
}

int roundBankruptcyAmount(double amount)
{
    if (amount < -0.5 && (-0.5 - amount) >= kAmountTolerance)
        return toInt(std::trunc(amount - 0.5));
    if (amount < 1 && (1 - amount) >= kAmountTolerance)
        return 1;
    return toInt(std::trunc(amount + 0.5));
}

void makeReturnEndPart(QString &out, int edition)
{
    QByteArray bytes;
    processTemplatePart(bytes,
                        (edition & 1) ? QStringLiteral(":/net/net/epartend.xmt")
                                      : QStringLiteral(":/net/net/npartend.xmt"),
                        TemplateValues(), TemplatePlain);
    out += QString::fromUtf8(bytes);
}

void FamilyTaxData::generateReturnXml(QString &out, int edition)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->generateReturnXml(out, edition);
}

void IndividualTaxData::generateReturnXml(QString &out, int edition)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    makeReturnPart1Xml(out, edition);
    if (edition & 1) {
        if (t1->IsDeceasedForEfileReporting())
            makeDeceasedPartXml(out);
        if (t1->IsBankrupt())
            makeBankruptcyPartXml(out);
    }
    CString records;
    int counter = 0;
    NetfileCodeMap codes;
    NetfileGenObjParamStru param;
    param.edition = quint8(edition);
    param.outputKind = NetfileGenObjParamStru::OutputXml;
    param.output = &records;
    param.counter = &counter;
    param.codes = &codes;
    generateNetfileRecords(edition, param);
    if (!t1->IsBankrupt())
        makeSFDRecordsXml(edition, param);
    makeSFDWrapperXml(edition, param);
    out += records;
    makeReturnEndPart(out, edition);
}

void IndividualTaxData::makeReturnPart1Xml(QString &out, int edition)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    const bool efile = edition & 1;
    const CT1AppConfig *c = config();
    const bool refile = t1->reFileFlag != 0;
    TemplateValues values;
    values.insert("AFRFlag", t1->autoFillFlag ? "1" : "0");
    if (t1->autoFillFlag)
        putDate(values, "AFRDate", t1->autoFillDate);
    if (efile) {
        putText(values, "swrevdate", c ? c->EfileSoftwareDate : CString());
        putText(values, "swcode", (c ? c->getSoftwareCode() : CString()) + (refile ? "R" : "F"));
    } else {
        putText(values, "swrevdate", c ? c->NetfileSoftwareDate : CString());
        putText(values, "swcode", (c ? c->NetfileSoftwareCode : CString()) + (refile ? "S" : "G"));
    }
    if (refile)
        values.insert("amended", "1");
    if (t1->multiYearFiling)
        values.insert("multiyear", "1");
    putText(values, "sin", t1->sin);
    values.insert("taxyear", "2025");
    putDate(values, "bdate", t1->birthDate);
    putNumber(values, "marital", t1->maritalStatus + 1);
    values.insert("maritalchg", t1->maritalChange != 0 ? "1" : "2");
    if (t1->maritalChange != 0)
        putDate(values, "maritalchgdate", t1->maritalChangeDate);
    values.insert("spouseselfemp", t1->HasSpouse() && t1->selfEmployedDeadline ? "1" : "0");
    values.insert("taxprov", provinceAbbreviation(t1->province));
    if (t1->currentResidenceProvince > 0)
        values.insert("resprov", provinceAbbreviation(t1->currentResidenceProvince));
    fillProvinceKeys(values, *t1, m_province);

    // The names go in already escaped.
    if (t1->filedBefore) {
        CString sin, first, second, last, email;
        QDate born;
        double balance = 0;
        getIdentityForFiling(sin, first, second, last, email, born, balance);
        values.insert("firstname", first.IsEmpty() ? CString("X") : convertToXMLString(first));
        values.insert("lastname", convertToXMLString(t1->lastName));
    } else {
        values.insert("firstname", CString());
        values.insert("lastname", CString());
    }
    if (t1->nameChanged == 0)
        values.insert("namechanged", "2");
    const char *residency = "1";
    if (t1->deemedResident)
        residency = "2";
    else if (t1->IsImmigrant())
        residency = "4";
    else if (t1->IsEmmigrant())
        residency = "5";
    values.insert("ResiType", residency);
    values.insert("FrgnMailAddr", t1->foreignAddress ? "1" : "2");
    if (efile || !t1->foreignAddress) {
        QString block;
        makeMailingAddressXml(block);
        values.insert("mailing_address_block", block);
    }
    if (t1->dateOfMove.IsValid() &&
        (t1->dateOfMove.getYear() == 2025 || t1->dateOfMove.getYear() == 2026))
        putDate(values, "dateofmove", t1->dateOfMove);
    if (t1->IsImmigrant())
        putDate(values, "EntryDate", t1->entryDate);
    if (t1->IsEmmigrant())
        putDate(values, "DepartDate", t1->departureDate);
    if (ChkPhoneStrHasSomething(t1->phone)) {
        const CString digits = GetRawPhoneStr(t1->phone);
        putText(values, "areacode", digits.Left(3));
        putText(values, "phone", digits.Mid(3, 7));
    }
    if (!t1->email.IsEmptyIfRemoveBlank())
        putText(values, "email", t1->email);
    putNumber(values, "language", t1->language + 1);
    if (hasSpouseData()) {
        QString block;
        makeSpouseDataXml(block);
        values.insert("tpTaxpayerSpouseData_block", block);
    }
    values.insert("citizen", t1->citizen == 0 ? "1" : t1->citizen == 1 ? "2" : "0");
    if (t1->citizen == 0 && (t1->elecanauth == 0 || t1->elecanauth == 1))
        values.insert("elecanauth", t1->elecanauth == 0 ? "01" : "02");
    values.insert("isIndian", hasForm(FormType::T90) ? "1" : "0");
    if (t1->isDonorInfoNeeded())
        values.insert("Donor", t1->organDonor == 0 ? "1" : "2");

    processTemplatePartInString(out,
                                efile ? QStringLiteral(":/net/net/epart1.xmt")
                                      : QStringLiteral(":/net/net/npart1.xmt"),
                                values, TemplateResource);
}

void IndividualTaxData::makeSpouseDataXml(QString &out)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    writeXMLString(out, "tp:SpouseSocialInsuranceNumber", t1->spouseSin);
    writeXMLString(out, "tp:SpouseGivenName", t1->spouseFirstName.value().Left(4));
    const int netIncome = roundToWholeDollars(t1->spouseNetIncome);
    if (netIncome > 0)
        out +=
            QString::asprintf("<tp:SpouseNetIncomeAmount>%d</tp:SpouseNetIncomeAmount>", netIncome);
    const int benefit = toInt(std::trunc(double(t1->spouseUccbAmount)));
    if (benefit != 0)
        out += QString::asprintf("<tp:SpouseUniversalChildCareBenefitAmount>%d"
                                 "</tp:SpouseUniversalChildCareBenefitAmount>",
                                 benefit);
    const int repayment = toInt(std::trunc(double(t1->spouseUccbRepayment)));
    if (repayment != 0)
        out += QString::asprintf("<tp:SpouseUniversalChildCareRepaymentAmount>%d"
                                 "</tp:SpouseUniversalChildCareRepaymentAmount>",
                                 repayment);
}

void IndividualTaxData::makeMailingAddressXml(QString &out)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    QString inner;
    if (!t1->careOf.IsEmptyIfRemoveBlank())
        writeXMLString(inner, "comm:AddressCareOfLineText", t1->careOf, 26);
    const CString street = t1->GetFullAddressWithoutPostcode(10);
    if (t1->foreignAddress) {
        const CString country = t1->country.GetTrimedString();
        writeXMLOpenTagString(inner, "comm:NonCanadianMailingAddress");
        writeXMLString(inner, "comm:AddressStreetText", street, 60);
        writeXMLString(inner, "comm:GlobalAddressMunicipalityName", t1->city, 50);
        if (country.CompareNoCase("USA") == 0) {
            writeXMLString(inner, "comm:StateCode", t1->state.GetTrimedString());
            writeXMLOpenTagString(inner, "comm:USZipCode");
            writeXMLString(inner, "comm:ZipCode", t1->postalCode.GetTrimedString());
            writeXMLCloseTagString(inner, "comm:USZipCode");
        }
        writeXMLString(inner, "comm:CountryCode", country);
        writeXMLCloseTagString(inner, "comm:NonCanadianMailingAddress");
    } else {
        writeXMLOpenTagString(inner, "comm:CanadianMailingAddress");
        writeXMLString(inner, "comm:AddressStreetText", street, 60);
        writeXMLString(inner, "comm:AddressMunicipalityName", t1->city, 50);
        writeXMLString(inner, "comm:AddressProvinceCode",
                       provinceAbbreviation(t1->mailingProvince));
        writeXMLString(inner, "comm:AddressPostalCode", GetRawPostcode(t1->postalCode));
        writeXMLCloseTagString(inner, "comm:CanadianMailingAddress");
    }
    if (t1->homeAddressSame == 0 || t1->homeAddressSame == 1)
        writeXMLString(inner, "tp:HomeAddressSameAsMailingAddressIndicator",
                       t1->homeAddressSame == 0 ? "1" : "2");
    writeXMLOpenTagString(out, "tp:TaxpayerMailingAddress");
    out += inner;
    writeXMLCloseTagString(out, "tp:TaxpayerMailingAddress");
}

void IndividualTaxData::makeDeceasedPartXml(QString &out)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    TemplateValues values;
    putDate(values, "date", t1->deathDate);
    if (t1->deceasedBeneficiaryElection)
        values.insert("taxbnfry", "1");
    processTemplatePartInString(out, ":/net/net/epartdec.xmt", values, TemplatePlain);
}

void IndividualTaxData::makeBankruptcyPartXml(QString &out)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    TemplateValues values;
    putNumber(values, "netinc", roundBankruptcyAmount(t1->postBankruptNetIncome));
    putNumber(values, "adjnetinc", roundBankruptcyAmount(t1->postBankruptAdjustedNetIncome));
    processTemplatePartInString(out, ":/net/net/epartbnk.xmt", values, TemplatePlain);
}
