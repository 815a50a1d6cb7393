// The editor's entries of the printing library.
#include "print/PrintServices.h"

#include "ordane/ResultNumber.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

void installPrintServices(NeighbourServices &services)
{
    services.generatePrint = [](Form_Return *editor) { editor->generatePrint(); };
    services.printToPdf = [](Form_Return *editor) { editor->printToPdf(0, 0, 0, 0, 0); };
    services.sendFormForSignature = [](Form_Return *editor, int formType) {
        editor->sendFormForSignature(formType);
    };
    services.querySignatureStatus = [](Form_Return *editor, int formType) {
        editor->querySignatureStatus(formType);
    };
    services.reportFiling = [](Form_Return *editor, int formType, bool filed,
                               const QString &confirmation, const QString &message) {
        return resultNumber(editor->reportFiling(formType, filed, confirmation, message));
    };
}
