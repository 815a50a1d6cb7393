// ReturnFixture: the persons, slips, notes, dependants and settings of the fixture returns.
#include "ReturnFixture.h"

#include "app/TabWndApp.h"
#include "marrow/EmploymentSlips.h"
#include "marrow/InvestmentSlips.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/MyDataStream.h"

namespace ReturnFixture {
namespace {

void setUpPerson(IndividualTaxData &person, const char *first, const char *sin, const QDate &born)
{
    person.m_province = kProvince;
    person.m_provsTaxMgr.setMainProvince(kProvince);
    person.m_provsTaxMgr.getProvinceManager(kProvince, true);
    auto *t1 = static_cast<TaxData_T1New *>(person.getForm(1, 0, true));
    t1->firstName.setValue(first);
    t1->lastName.setValue("Tremblay");
    t1->sin.setValue(sin);
    t1->birthDate = born;
    t1->maritalStatus = 0;
    t1->f10100 = 52000.25;
    person.getForm(93, 0, true);
}

void addSlips(IndividualTaxData &person, int count, double base)
{
    for (int i = 0; i < count; ++i) {
        switch (i % 3) {
        case 0: {
            auto *t4 = static_cast<TaxData_Slip_T4 *>(person.addSlip(1, 0, 0)->data);
            t4->box14 = base + i;
            t4->box16 = 1200.5;
            t4->box18 = 410.75;
            break;
        }
        case 1: {
            auto *t5 = static_cast<TaxData_Slip_T5 *>(person.addSlip(8, 0, 0)->data);
            t5->box13 = 80 + i;
            break;
        }
        default: {
            auto *t3 = static_cast<TaxData_Slip_T3 *>(person.addSlip(9, 0, 0)->data);
            t3->box21 = 300 + i;
            break;
        }
        }
    }
}

void addNote(IndividualTaxData &person, int key, const char *description, const char *text)
{
    TaxData_TaxNote *note = person.addNote(key)->data;
    note->description.setValue(description);
    note->text.setValue(text);
}

} // namespace

void fillCoupledReturn(FamilyTaxData &family, int slipsEach, int extraFormsEach)
{
    IndividualTaxData *persons[] = {family.taxpayer(), family.spouse()};
    const char *names[] = {"Élise", "Marc"};
    const char *sins[] = {"046454286", "130692544"};
    const QDate born[] = {QDate(1958, 3, 14), QDate(1962, 11, 2)};
    for (int p = 0; p < 2; ++p) {
        IndividualTaxData &person = *persons[p];
        setUpPerson(person, names[p], sins[p], born[p]);
        person.getForm(4, 0, true);
        person.getForm(26, 0, true);
        for (int i = 0; i < extraFormsEach; ++i)
            person.addForm(125, 0, true, 0, false);
        addSlips(person, slipsEach, 30000 + 1000 * p);
        addNote(person, 1, "Receipts", "Kept in the blue folder.");
        addNote(person, 7, "Call", "Ask about the RRSP letter\nbefore April.");
    }
    family.taxpayer()->m_password = kPassword;
    DependantInfoStruct &dependants = family.dependants();
    dependants.AllocData(DependantInfoStruct::kDefaultRecords);
    const char *children[] = {"Zoé", "Luc", "Anaïs"};
    for (int i = 0; i < 3; ++i) {
        DependantRecord &r = dependants.record(i);
        DependantRecord::setName(r.firstName, children[i]);
        DependantRecord::setName(r.lastName, "Tremblay");
        r.birthDate = QDate(2010 + i, 1 + i, 5);
        r.relationship = 1;
        r.netIncome = 150.5 * i;
    }
    family.personalSettings().setPersonView(false, 0, 101);
    family.personalSettings().setPersonView(true, 1, 104);
}

void fillSingleReturn(FamilyTaxData &family)
{
    IndividualTaxData &person = *family.taxpayer();
    setUpPerson(person, "Ana", "046454286", QDate(1980, 6, 1));
    addSlips(person, 1, 41000);
    addNote(person, 1, "Note", "x");
}

void bringToLoadedState(FamilyTaxData &family)
{
    family.taxpayer()->afterLoad(kEdition);
    family.spouse()->afterLoad(kEdition);
    family.setCoupledFlags();
}

void clearPreparerSettings()
{
    CT1AppConfig &c = appInstance()->config;
    for (CString *setting :
         {&c.BusinessPhone, &c.BusinessName, &c.BusinessAddr, &c.BusinessCity, &c.BusinessProv,
          &c.BusinessPostcode, &c.BusinessEFileNum, &c.DiscounterCode})
        setting->Empty();
    c.PreAssessment = -1;
    c.PostAssessment = -1;
}

QByteArray saveToBytes(FamilyTaxData &family, unsigned char edition)
{
    QByteArray bytes;
    MyDataStream out(&bytes, QIODevice::WriteOnly);
    if (family.Serialize(edition, out) != 0)
        return QByteArray();
    return bytes;
}

int loadFromBytes(FamilyTaxData &family, const QByteArray &bytes, unsigned char edition)
{
    MyDataStream in(bytes);
    return family.Serialize(edition, in);
}

} // namespace ReturnFixture
