// The members that the filing library defines for the return model and the editor: each one
// declared under "Defined in qv_efile" in model/IndividualTaxData.h, model/FamilyTaxData.h and
// ui/Form_Return.h. This binary links qv_efile and what it links, not the program's entry.
#include <QtTest>

#include "LinkedMembers.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ui/Form_Return.h"

class TestEfileMembers : public QObject
{
    Q_OBJECT
private slots:
    void personMembers();
    void familyMembers();
    void editorMembers();
};

void TestEfileMembers::personMembers()
{
    // The T1 return XML, the line records and the envelope's header values.
    QVERIFY(isDefined(&IndividualTaxData::generateReturnXml));
    QVERIFY(isDefined(&IndividualTaxData::makeReturnPart1Xml));
    QVERIFY(isDefined(&IndividualTaxData::makeSpouseDataXml));
    QVERIFY(isDefined(&IndividualTaxData::makeMailingAddressXml));
    QVERIFY(isDefined(&IndividualTaxData::makeDeceasedPartXml));
    QVERIFY(isDefined(&IndividualTaxData::makeBankruptcyPartXml));
    QVERIFY(isDefined(&IndividualTaxData::generateNetfileRecords));
    QVERIFY(isDefined(&IndividualTaxData::makeSFDRecordsXml));
    QVERIFY(isDefined(&IndividualTaxData::makeSFDWrapperXml));
    QVERIFY(isDefined(&IndividualTaxData::fillNetfileHeaderValues));
    QVERIFY(isDefined(&IndividualTaxData::fillEfileHeaderValues));
    // The T1135 on its own, the filing checks and ReFile.
    QVERIFY(isDefined(&IndividualTaxData::generateT1135Xml));
    QVERIFY(isDefined(&IndividualTaxData::checkT1135));
    QVERIFY(isDefined(&IndividualTaxData::checkNetfileEligibility));
    QVERIFY(isDefined(&IndividualTaxData::checkReFileBankruptcy));
    QVERIFY(isDefined(&IndividualTaxData::checkReFileRestrictions));
    QVERIFY(isDefined(&IndividualTaxData::prepareReFile));
    QVERIFY(isDefined(&IndividualTaxData::clearReFileFlag));
    // The barcode archive's blocks.
    QVERIFY(isDefined(&IndividualTaxData::isBarcodeEligible));
    QVERIFY(isDefined(&IndividualTaxData::countBarcodeSFDForms));
    QVERIFY(isDefined(&IndividualTaxData::fillT1BarcodeFixedData));
    QVERIFY(isDefined(&IndividualTaxData::writeT1BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::fillSFDBarcodeFixedData));
    QVERIFY(isDefined(&IndividualTaxData::writeBarcodeStatementBlocks));
    QVERIFY(isDefined(&IndividualTaxData::writeT776BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeT2042BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeT2121BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeT2125BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeT777BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeTL2BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeT2091BarcodeBlock));
    QVERIFY(isDefined(&IndividualTaxData::writeT5013BarcodeBlocks));
}

void TestEfileMembers::familyMembers()
{
    QVERIFY(isDefined(&FamilyTaxData::generateReturnXml));
    QVERIFY(isDefined(&FamilyTaxData::fillNetfileHeaderValues));
    QVERIFY(isDefined(&FamilyTaxData::fillEfileHeaderValues));
    QVERIFY(isDefined(&FamilyTaxData::generateT1135Xml));
    QVERIFY(isDefined(&FamilyTaxData::checkT1135));
    QVERIFY(isDefined(&FamilyTaxData::checkNetfileEligibility));
    QVERIFY(isDefined(&FamilyTaxData::checkReFileBankruptcy));
    QVERIFY(isDefined(&FamilyTaxData::checkReFileRestrictions));
    QVERIFY(isDefined(&FamilyTaxData::prepareReFile));
    QVERIFY(isDefined(&FamilyTaxData::clearReFileFlag));
}

void TestEfileMembers::editorMembers()
{
    QVERIFY(isDefined(&Form_Return::setReFile));
    QVERIFY(isDefined(&Form_Return::checkReFileAllowed));
    QVERIFY(isDefined(&Form_Return::internetFiling));
    QVERIFY(isDefined(&Form_Return::validateT1135));
    QVERIFY(isDefined(&Form_Return::fileT1135Online));
}

QTEST_APPLESS_MAIN(TestEfileMembers)
#include "tst_EfileMembers.moc"
