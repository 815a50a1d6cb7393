// CalcFixture: persons for the calculation tests.
#include "CalcFixture.h"

#include "marrow/TypeCodes.h"

namespace CalcFixture {

TaxData_T1New *setUpPerson(IndividualTaxData &person, int province, const char *first,
                           const char *sin, const QDate &born, int maritalStatus)
{
    person.m_province = province;
    person.m_provsTaxMgr.setMainProvince(province);
    person.m_provsTaxMgr.getProvinceManager(province, true);
    auto *t1 = form<TaxData_T1New>(person, FormType::T1);
    t1->firstName = QString::fromUtf8(first);
    t1->lastName = QStringLiteral("Gagnon");
    t1->sin = QString::fromUtf8(sin);
    t1->birthDate = born;
    t1->maritalStatus = maritalStatus;
    form<TaxData_T1KSNew>(person, FormType::T1KS);
    return t1;
}

bool RecordedCouple::setUp()
{
    if (!folder.linkTestPlugin(kTaxpayerProvince, &recorder) ||
        !folder.linkTestPlugin(kSpouseProvince, &recorder))
        return false;
    setUpPerson(*family.taxpayer(), kTaxpayerProvince, "Louise", "046454286", QDate(1970, 5, 1));
    setUpPerson(*family.spouse(), kSpouseProvince, "Paul", "130692544", QDate(1968, 9, 9));
    recorder.calls.clear();
    return true;
}

bool linkOntarioWithCounterparts(PluginFolder &folder, TestPluginRecorder &recorder)
{
    recorder.scripts[9].linkedForms = {{FormType::SCH2, FormType::ON_S2},
                                       {FormType::SCH11, FormType::ON_S11},
                                       {FormType::T778, FormType::ON479A}};
    return folder.linkTestPlugin(9, &recorder);
}

TaxData_T1New *t1Of(IndividualTaxData &person)
{
    return existing<TaxData_T1New>(person, FormType::T1);
}

TaxData_T1KSNew *summaryOf(IndividualTaxData &person)
{
    return existing<TaxData_T1KSNew>(person, FormType::T1KS);
}

QString fieldText(const CTaxData_Form &form, const char *name)
{
    const CField *field = form.findField(name);
    return field ? field->toText() : QString();
}

QList<int> formTypes(const IndividualTaxData &person)
{
    QList<int> types;
    for (const TaxDataEntryStru *entry : person.m_formList)
        types.append(entry->type);
    return types;
}

} // namespace CalcFixture
