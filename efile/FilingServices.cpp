// FilingServices: the editor's entries that the filing library fills at start-up.
#include "efile/FilingServices.h"

#include "model/FamilyTaxData.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

void installFilingServices(NeighbourServices &services)
{
    services.setReFile = [](Form_Return *editor) { editor->setReFile(); };
    services.clearReFileFlag = [](Form_Return *editor) {
        if (editor->family())
            editor->family()->clearReFileFlag();
    };
    services.fileT1135Online = [](Form_Return *editor) { editor->fileT1135Online(); };
}
