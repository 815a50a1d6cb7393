// The members that the wizards library defines for the return model: each one declared under
// "Defined in qv_wizards" in model/FamilyTaxData.h. This binary links qv_wizards and what it
// links, not the program's entry.
#include <QtTest>

#include "LinkedMembers.h"
#include "model/FamilyTaxData.h"

class TestWizardsMembers : public QObject
{
    Q_OBJECT
private slots:
    void familyMembers();
};

void TestWizardsMembers::familyMembers()
{
    QVERIFY(isDefined(&FamilyTaxData::ShareAmountsBetweenSpouses));
    QVERIFY(isDefined(&FamilyTaxData::OptimizePensionSplit));
    QVERIFY(isDefined(&FamilyTaxData::OptimizeDonationSplit));
}

QTEST_APPLESS_MAIN(TestWizardsMembers)
#include "tst_WizardsMembers.moc"
