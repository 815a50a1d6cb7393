// EfileFixture: persons for the electronic-return tests.
#include "EfileFixture.h"

#include "app/TabWndApp.h"
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

Records::Records(int edition, int kind)
{
    param.edition = quint8(edition);
    param.outputKind = quint8(kind);
    param.output = &text;
    param.counter = &counter;
    param.codes = &codes;
}

} // namespace EfileFixture
