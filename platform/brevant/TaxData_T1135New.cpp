// TaxData_T1135New: the statement's parts 2 and 3 with its foreign property, and its checks.
//
// Written in the simplest faithful way: the statement reports what the user entered, as
// entered. The reporting thresholds of the form (which taxpayers must file, and who may use
// the simplified method) are not among the published figures this program uses, so no check
// compares the property's cost with them.
#include "brevant/BrevantForms.h"

#include "marrow/FormTables.h"
#include "ordane/AmountTolerance.h"
#include "ordane/FilingFormats.h"
#include "ordane/Utilities.h"
#include "ordane/XmlWriters.h"

#include <QStringList>

namespace {

// One element a row of the category, and whether the category asks for the capital received
// and for the gain (loss) on disposition.
struct CategoryElement
{
    TaxData_T1135New::Category category;
    const char *tag;
    bool capital;
    bool gainLoss;
};

const CategoryElement kCategoryElements[] = {
    {TaxData_T1135New::FundsOutsideCanada, "t1135:FundsHeldOutsideCanada", false, false},
    {TaxData_T1135New::SharesOfNonResidentCorporations, "t1135:SharesOfNonResidentCorporation",
     false, true},
    {TaxData_T1135New::IndebtednessOwedByNonResidents, "t1135:IndebtednessOwedByNonResident", false,
     true},
    {TaxData_T1135New::InterestsInNonResidentTrusts, "t1135:InterestInNonResidentTrust", true,
     true},
    {TaxData_T1135New::RealPropertyOutsideCanada, "t1135:RealPropertyOutsideCanada", false, true},
    {TaxData_T1135New::OtherPropertyOutsideCanada, "t1135:OtherPropertyOutsideCanada", false, true},
    {TaxData_T1135New::PropertyWithCanadianDealer, "t1135:PropertyHeldWithCanadianDealer", false,
     true},
};

const QLatin1String kLineEnd("\r\n");

QString textOf(const CTableField &table, int row, int column)
{
    return static_cast<const CStringField &>(table.cell(row, column)).value().trimmed();
}

double amountOf(const CTableField &table, int row, int column)
{
    return static_cast<const CFloatField &>(table.cell(row, column)).value();
}

// A text the user typed, escaped for the XML; optional keys are left out when empty.
void putText(TemplateValues &values, const char *key, const QString &text)
{
    values.insert(key, convertToXMLString(text.trimmed()));
}

void putOptional(TemplateValues &values, const char *key, const QString &text)
{
    values.remove(key);
    if (!text.trimmed().isEmpty())
        putText(values, key, text);
}

QString amountText(double amount)
{
    return QString::number(amount, 'f', 2);
}

void writeChild(QString &content, const char *tag, const QString &value)
{
    content += QLatin1String("\t\t");
    writeXMLString(content, tag, value);
    content += kLineEnd;
}

void writeProperty(QString &content, const CategoryElement &element, const CTableField &table,
                   int row)
{
    using T = TaxData_T1135New;
    content += QLatin1String("\t");
    writeXMLOpenTagString(content, element.tag);
    content += kLineEnd;
    writeChild(content, "t1135:PropertyDescription", textOf(table, row, T::ColDescription));
    const QString country = textOf(table, row, T::ColCountry).toUpper();
    if (!country.isEmpty())
        writeChild(content, "t1135:CountryCode", country);
    writeChild(content, "t1135:MaximumCostAmount",
               amountText(amountOf(table, row, T::ColMaximumCost)));
    writeChild(content, "t1135:YearEndCostAmount",
               amountText(amountOf(table, row, T::ColYearEndCost)));
    writeChild(content, "t1135:IncomeAmount", amountText(amountOf(table, row, T::ColIncome)));
    if (element.capital)
        writeChild(content, "t1135:CapitalReceivedAmount",
                   amountText(amountOf(table, row, T::ColCapital)));
    if (element.gainLoss)
        writeChild(content, "t1135:GainLossAmount",
                   amountText(amountOf(table, row, T::ColGainLoss)));
    content += QLatin1String("\t");
    writeXMLCloseTagString(content, element.tag);
    content += kLineEnd;
}

QString provinceCode(int province)
{
    const ProvInfoRow *row = province > 0 ? provInfo(province) : nullptr;
    return row ? QString::fromLatin1(row->abbreviation) : QString();
}

// The digits of a telephone number; nothing for an empty input mask such as "(000) 000-0000".
QString phoneText(const CStringField &phone)
{
    return ChkPhoneStrHasSomething(phone.value()) ? QString(GetRawPhoneStr(phone.value()))
                                                  : QString();
}

bool isCanadian(const QString &country)
{
    const QString code = country.trimmed().toUpper();
    return code.isEmpty() || code == QLatin1String("CAN");
}

} // namespace

CTableField &TaxData_T1135New::category(Category which)
{
    return const_cast<CTableField &>(static_cast<const TaxData_T1135New *>(this)->category(which));
}

const CTableField &TaxData_T1135New::category(Category which) const
{
    switch (which) {
    case SharesOfNonResidentCorporations:
        return sharesOfNonResidentCorporations;
    case IndebtednessOwedByNonResidents:
        return indebtednessOwedByNonResidents;
    case InterestsInNonResidentTrusts:
        return interestsInNonResidentTrusts;
    case RealPropertyOutsideCanada:
        return realPropertyOutsideCanada;
    case OtherPropertyOutsideCanada:
        return otherPropertyOutsideCanada;
    case PropertyWithCanadianDealer:
        return propertyWithCanadianDealer;
    case FundsOutsideCanada:
    case CategoryCount:
        break;
    }
    return fundsOutsideCanada;
}

bool TaxData_T1135New::isPropertyRowUsed(const CTableField &table, int row)
{
    if (!textOf(table, row, ColDescription).isEmpty())
        return true;
    for (int column = ColMaximumCost; column < PropertyColumnCount; ++column)
        if (qAbs(amountOf(table, row, column)) >= kAmountTolerance)
            return true;
    return false;
}

int TaxData_T1135New::getT1135XMLContent(CString &content, TemplateValues &values)
{
    const auto part2 = values.constFind("t1135part2");
    const auto part3 = values.constFind("t1135part3");
    if (part2 == values.constEnd() || part2->isEmpty() || part3 == values.constEnd() ||
        part3->isEmpty())
        return 1;
    // Copies on purpose: the inserts below may reallocate values under a reference.
    const QString part2Text = *part2; // NOLINT(performance-unnecessary-copy-initialization)
    const QString part3Text = *part3; // NOLINT(performance-unnecessary-copy-initialization)

    putOptional(values, "currency", functionalCurrency.value().toUpper());
    values.remove("amended");
    if (amended)
        values.insert("amended", CString("1"));
    putText(values, "firstname", givenName);
    putText(values, "lastname", lastName);
    putOptional(values, "sin", GetPureDigitStr(sin.value()));
    values.insert("selfemp", CString(selfEmployed ? "1" : "2"));
    putText(values, "street", street);
    putText(values, "city", city);
    values.insert("prov", provinceCode(province));
    putText(values, "postcode", GetRawPostcode(postalCode.value()));
    putOptional(values, "country", countryCode.value().toUpper());
    values.insert("startdate", GetDateStr(periodFrom.date(), 2));
    values.insert("enddate", GetDateStr(periodTo.date(), 2));
    processTemplateText(content, part2Text, values);

    for (const CategoryElement &element : kCategoryElements) {
        const CTableField &table = category(element.category);
        for (int row = 0; row < table.rowCount(); ++row)
            if (isPropertyRowUsed(table, row))
                writeProperty(content, element, table, row);
    }

    // Part 3 names the certifier under the same keys as the taxpayer's name in part 2.
    putText(values, "firstname", certifierFirstName);
    putText(values, "lastname", certifierLastName);
    putOptional(values, "certpos", certifierPosition);
    putOptional(values, "certphone", phoneText(certifierPhone));
    putOptional(values, "certdate", GetDateStr(certificationDate.date(), 2));
    putOptional(values, "preparername", preparerName);
    putOptional(values, "prepareraddr", preparerAddress);
    putOptional(values, "preparerpostcode", GetRawPostcode(preparerPostalCode.value()));
    putOptional(values, "preparerphone", phoneText(preparerPhone));
    processTemplateText(content, part3Text, values);
    return 0;
}

bool TaxData_T1135New::validate(int edition, QStringList &messages)
{
    Q_UNUSED(edition);
    const int before = messages.size();
    const auto require = [&messages](bool present, const char *what) {
        if (!present)
            messages.append(QStringLiteral("T1135: %1 is missing.").arg(QLatin1String(what)));
    };
    const auto filled = [](const CStringField &field) {
        return !field.value().trimmed().isEmpty();
    };
    require(filled(givenName), "the taxpayer's first name");
    require(filled(lastName), "the taxpayer's last name");
    require(!GetPureDigitStr(sin.value()).isEmpty(), "the taxpayer's social insurance number");
    require(filled(street), "the taxpayer's street address");
    require(filled(city), "the taxpayer's city");
    if (isCanadian(countryCode))
        require(province > 0 && provInfo(province) != nullptr, "the taxpayer's province");
    require(!GetRawPostcode(postalCode.value()).isEmpty(), "the taxpayer's postal code");
    require(periodFrom.date().isValid(), "the start of the taxation year");
    require(periodTo.date().isValid(), "the end of the taxation year");
    require(filled(certifierFirstName), "the certifier's first name");
    require(filled(certifierLastName), "the certifier's last name");
    require(!phoneText(certifierPhone).isEmpty(), "the certifier's telephone number");
    require(certificationDate.date().isValid(), "the certification date");
    return messages.size() > before;
}
