// EfileFixture: persons for the electronic-return tests.
#include "EfileFixture.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/TypeCodes.h"

namespace EfileFixture {

void setSoftwareSettings()
{
    CT1AppConfig &c = appInstance()->config;
    c.NetfileSoftwareCode = "Q25";
    c.NetfileSoftwareDate = "2025-11-15";
    c.EfileSoftwareCode = "E25";
    c.EfileSoftwareDate = "2025-11-20";
    c.CompabEnable = 0;
}

TaxData_T1New *setUpPerson(IndividualTaxData &person)
{
    person.m_province = 9;
    auto *t1 = add<TaxData_T1New>(person, FormType::T1);
    t1->sin = QString("046454286");
    t1->birthDate.setDate(QDate(1980, 6, 1));
    t1->firstName = QString("Mary");
    t1->lastName = QString("O'Neil");
    t1->maritalStatus = 5;
    t1->province = 9;
    t1->street = QString("12 Main St");
    t1->city = QString("Toronto");
    t1->mailingProvince = 9;
    t1->postalCode = QString("m5v 2t6");
    return t1;
}

TaxData_T1135New *addT1135Statement(IndividualTaxData &person)
{
    auto *f = add<TaxData_T1135New>(person, FormType::T1135);
    f->givenName = QString("Mary");
    f->lastName = QString("O'Neil");
    f->sin = QString("046 454 286");
    f->street = QString("12 Main St");
    f->city = QString("Toronto");
    f->province = 9;
    f->postalCode = QString("m5v 2t6");
    f->countryCode = QString("CAN");
    f->periodFrom.setDate(QDate(2025, 1, 1));
    f->periodTo.setDate(QDate(2025, 12, 31));
    f->certifierFirstName = QString("Ann");
    f->certifierLastName = QString(kT1135Certifier);
    f->certifierPosition = QString("Owner");
    f->certifierPhone = QString("(416) 555-0100");
    f->certificationDate.setDate(QDate(2026, 3, 20));
    f->preparerName = QString("Lee & Sons");
    f->preparerAddress = QString("1 Bay St, Toronto");
    f->preparerPostalCode = QString("m5j 2n8");
    f->preparerPhone = QString("416-555-0199");
    for (int c = 0; c < TaxData_T1135New::CategoryCount; ++c) {
        CTableField &table = f->category(TaxData_T1135New::Category(c));
        const double base = 1000.0 * (c + 1);
        table.textAt(0, TaxData_T1135New::ColDescription) = QString("Property %1").arg(c + 1);
        table.textAt(0, TaxData_T1135New::ColCountry) = QString("usa");
        table.amountAt(0, TaxData_T1135New::ColMaximumCost) = base + 0.25;
        table.amountAt(0, TaxData_T1135New::ColYearEndCost) = base + 0.5;
        table.amountAt(0, TaxData_T1135New::ColIncome) = base + 0.75;
        table.amountAt(0, TaxData_T1135New::ColCapital) = base + 1;
        table.amountAt(0, TaxData_T1135New::ColGainLoss) = -(base + 2);
    }
    return f;
}

Records::Records(int edition, int kind)
{
    param.edition = quint8(edition);
    param.outputKind = quint8(kind);
    param.output = &text;
    param.counter = &counter;
    param.codes = &codes;
}

} // namespace EfileFixture
