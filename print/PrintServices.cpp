// The editor's entries of the printing library.
#include "print/PrintServices.h"

#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

void installPrintServices(NeighbourServices &services)
{
    services.querySignatureStatus = [](Form_Return *editor, int formType) {
        editor->querySignatureStatus(formType);
    };
    services.reportFiling = [](Form_Return *editor, int formType, bool filed,
                               const QString &confirmation, const QString &message) {
        return editor->reportFiling(formType, filed, confirmation, message);
    };
}
