// ReFileCommand: the editor's ReFile command, which saves a copy of the return marked for
// re-filing and leaves the file the return was opened from as it was.
#include "app/MessageHelpers.h"
#include "app/WaitCursor.h"
#include "app/dialogs/DlgFilingTerm.h"
#include "efile/FilingChecks.h"
#include "model/FamilyTaxData.h"
#include "ordane/Clock.h"
#include "ui/Form_Return.h"

#include <QDir>
#include <QFileInfo>

bool Form_Return::checkReFileAllowed()
{
    std::list<CString> problems;
    if (!family() || family()->checkReFileBankruptcy(2, problems) == 0)
        return true;
    showInformation(problems.front(), this);
    return false;
}

void Form_Return::setReFile()
{
    FamilyTaxData *data = family();
    if (!data)
        return;
    {
        DlgFilingTerm terms(true, this);
        terms.setTerms(tr("I agree to the terms and conditions"), QString(),
                       tr("ReFile Restrictions"), QStringLiteral(":/net/net/ReFilestmt.txt"));
        if (terms.exec() != QDialog::Accepted)
            return;
    }
    if (!checkReFileAllowed())
        return;
    if (!hasFileName()) {
        showInformation(tr("Please save current return to a file first!"), this);
        return;
    }

    QString path;
    fullFilePath(path);
    const QString copyPath = reFileCopyPath(path, now());
    // Run twice within a minute the copy's name is taken: never write over a file, and leave
    // the return exactly as it was.
    if (QFileInfo::exists(copyPath)) {
        showInformation(tr("ReFile did not copy the return: a file named [%1] already exists. "
                           "Please try again in a minute.")
                            .arg(QDir::toNativeSeparators(copyPath)),
                        this);
        return;
    }

    if (data->prepareReFile() != 0) {
        // Nothing is saved: the return lacks its summary.
        showInformation(FilingChecks::kReFileBroken, this);
        refreshPages();
        return;
    }

    const QFileInfo copy(copyPath);
    setFilePath(&copy);
    beginWaitCursor();
    // No backup: the copy's path was free, and the original is not to be touched.
    const int saved = saveAfterFiling(false);
    endWaitCursor();
    // A failed save has shown its own message.
    if (saved == 0) {
        showInformation(tr("ReFile copied a new file named [%1] to handle amendment. Original "
                           "file is untouched.")
                            .arg(QDir::toNativeSeparators(copyPath)),
                        this);
    }
    refreshPages();
}
