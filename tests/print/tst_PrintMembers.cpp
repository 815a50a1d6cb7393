// The members that the printing library defines for the editor: each one declared under
// "Defined in qv_print" in ui/Form_Return.h. This binary links qv_print and what it links, not
// the program's entry.
#include <QtTest>

#include "LinkedMembers.h"
#include "ui/Form_Return.h"

class TestPrintMembers : public QObject
{
    Q_OBJECT
private slots:
    void editorMembers();
};

void TestPrintMembers::editorMembers()
{
    // The e-signature service.
    QVERIFY(isDefined(&Form_Return::hasVarnexaCredentials));
    QVERIFY(isDefined(&Form_Return::loginVarnexa));
    QVERIFY(isDefined(&Form_Return::sendVarnexaDelivery));
    QVERIFY(isDefined(&Form_Return::querySignatureStatus));
    QVERIFY(isDefined(&Form_Return::reportFiling));
    QVERIFY(isDefined(&Form_Return::fetchCustomizedClientLetter));
    // Printing.
    QVERIFY(isDefined(&Form_Return::generatePrint));
    QVERIFY(isDefined(&Form_Return::printToPdf));
    QVERIFY(isDefined(&Form_Return::sendFormForSignature));
}

QTEST_APPLESS_MAIN(TestPrintMembers)
#include "tst_PrintMembers.moc"
