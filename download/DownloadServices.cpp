// DownloadServices: the editor's entries that the download library fills at start-up.
#include "download/DownloadServices.h"

#include <QSqlDatabase>

#include "download/DlgTDDMain.h"
#include "download/MergeDownloadedTaxData.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

void installDownloadServices(NeighbourServices &services)
{
    // Applying a chosen download goes through the model's hook.
    installAutoFillMerge();
    services.autoFillMyReturn = [](Form_Return *editor, QWidget *parent) {
        // The S.I.N. of the person the editor shows; empty on the start page.
        CString sin;
        if (editor)
            editor->getFieldText(1, sin);
        DlgTDDMain dialog(1, QSqlDatabase::database(), sin, editor, parent);
        dialog.exec();
    };
}
