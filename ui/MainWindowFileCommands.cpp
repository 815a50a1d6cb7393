// MainWindow: the commands that bring a return into the program or write it out — new, open,
// save, import, couple — and the report of returns not filed online.
#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/MessageHelpers.h"
#include "app/ReturnFileEntriesModel.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "marrow/FormTables.h"
#include "model/DataNewReturnBasic.h"
#include "model/FamilyTaxData.h"
#include "model/ImportOptions.h"
#include "model/ReturnFile.h"
#include "ordane/Clock.h"
#include "ordane/SafeFileWriter.h"
#include "ui/FileCommandRules.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>
#include <memory>

namespace {

constexpr int kTaxYear = 2025;
constexpr int kTaxYearKey = 995;

QString separatorOf(const TabWndApp *app)
{
    return app && !app->separator.isEmpty() ? app->separator : QString(QDir::separator());
}

} // namespace

// ---- New Return

void MainWindow::actionNewReturn()
{
    if (!canOpenAnotherReturn())
        return;
    const auto &wizard = neighbourServices().newReturnWizard;
    if (!wizard) {
        notAvailable(ui->actionNew);
        return;
    }
    DataNewReturnBasic answers;
    answers.fld_dob.setDate(QDate(1980, 1, 1));
    answers.fld_dobSpouse.setDate(QDate(1980, 1, 1));
    if (wizard(answers, this) != 1)
        return;
    if (!IsProvinceSupported(answers.fld_TaxPronv.value())) {
        showInformation(tr("Tax Province is not supported!"));
        return;
    }
    WaitCursorScope wait;
    auto family = std::make_unique<FamilyTaxData>(0);
    family->createFromNewReturnWizard(answers);
    family->Recalculate(0, nullptr);
    addReturnPage(nullptr, family.release());
}

// ---- Open Return

void MainWindow::actionOpenReturn()
{
    if (!canOpenAnotherReturn())
        return;
    QString start = m_app ? QString(m_app->LastOpenPath) : QString();
    if (start.isEmpty() && m_app)
        start = m_app->config.RetPath;
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Return File"), start, "*.r25 Return files (*.r25);;All files (*.*)");
    if (!path.isEmpty())
        openReturnFile(path);
}

void MainWindow::openReturnFile(const QString &path)
{
    std::unique_ptr<FamilyTaxData> family;
    int result = resultNumber(ReturnFileResult::CannotOpen);
    bool handedOver = false;
    try {
        {
            WaitCursorScope wait;
            family = loadReturnFile(path, &result, AppEdition);
        }
        if (!family) {
            showInformation(tr("Open return file failed!"));
            return;
        }
        if (result == resultNumber(ReturnFileResult::NotForThisVersion)) {
            showInformation(tr("The return file is not meant for this version of software!"));
            return;
        }
        if (result != 0) {
            showInformation(tr("Open return file failed!"));
            return;
        }
        int year = kTaxYear;
        family->getIntByKey(kTaxYearKey, year);
        if (year != kTaxYear &&
            !askQuestion(tr("This tax return file is for tax year %1. Do you still want to "
                            "continue?")
                             .arg(year))) {
            return;
        }
        {
            WaitCursorScope wait;
            const QFileInfo file(path);
            if (m_app)
                m_app->LastOpenPath = file.canonicalPath();
            family->Recalculate(0, nullptr);
            handedOver = true;
            addReturnPage(&file, family.release());
        }
        setStatusText(tr("File read successfully"));
    } catch (...) {
        if (family && !handedOver) {
            // Show what was read. Only a whole read keeps the file's name, so a later Save
            // cannot put a partial return over the original.
            const QFileInfo file(path);
            const bool named = result == 0 && file.exists();
            handedOver = true;
            addReturnPage(named ? &file : nullptr, family.release());
        }
        if (result != 0) {
            setStatusText(tr("File open failed"));
            showInformation(tr("There are some problem in reading return file, some info may be "
                               "lost.\nThis is the most recovered!"));
        } else {
            setStatusText(tr("File read successfully"));
        }
    }
}

// ---- Save Return and Save Return As

void MainWindow::actionSaveReturn()
{
    if (Form_Return *editor = committedEditor())
        saveReturn(editor, false);
}

void MainWindow::on_actionSave_Return_As_triggered()
{
    if (Form_Return *editor = committedEditor())
        saveReturn(editor, true);
}

int MainWindow::saveReturn(Form_Return *editor, bool saveAs)
{
    int result = 0;
    bool saved = false;
    try {
        if (saveAs || !editor->hasFileName()) {
            QString chosen;
            if (!askSaveFileName(editor->family(), chosen))
                return 0;
            const QFileInfo file(chosen);
            editor->setFilePath(&file);
        }
        WaitCursorScope wait;
        editor->family()->Recalculate(0, nullptr);
        QString path;
        result = editor->saveToFile(path, true);
        saved = result == 0;
    } catch (...) {
        result = 0;
    }
    updateTitleAndActions();
    // After the title and result lines, which would put the income summary over it.
    if (saved)
        setStatusText(tr("File saved"));
    return result;
}

bool MainWindow::askSaveFileName(FamilyTaxData *family, QString &path)
{
    const QString retPath = m_app ? QString(m_app->config.RetPath) : QString();
    const QString proposed =
        proposedSavePath(retPath, separatorOf(m_app), family ? family->getDefaultFileName() : "");
    QFileDialog dialog(this, tr("Save Return File"), proposed, "Return file (*.r25)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog on Linux adds no suffix: "Smith" becomes "Smith.r25".
    dialog.setDefaultSuffix("r25");
    dialog.selectFile(proposed);
    path.clear();
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        path = dialog.selectedFiles().constFirst();
    return !path.isEmpty();
}

// ---- Import Prior Year's Return

void MainWindow::on_actionImport_Prior_Year_s_Return_triggered()
{
    if (!canOpenAnotherReturn())
        return;
    if (!neighbourServices().importPriorYearReturn) {
        notAvailable(ui->actionImport_Prior_Year_s_Return);
        return;
    }
    const QString start =
        m_app ? importStartFolder(m_app->LastImportPath, m_app->config.RetPath) : QString();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import Return File"), start, "*.r24 Return files (*.r24);;All files (*.*)");
    if (!path.isEmpty())
        importPriorYearReturn(path);
}

void MainWindow::importPriorYearReturn(const QString &path)
{
    const auto &optionsDialog = neighbourServices().importPriorYearReturn;
    if (!optionsDialog) {
        notAvailable(ui->actionImport_Prior_Year_s_Return);
        return;
    }
    int result = resultNumber(ReturnFileResult::CannotOpen);
    std::unique_ptr<FamilyTaxData> family;
    {
        WaitCursorScope wait;
        family = loadReturnFile(path, &result, AppEdition);
    }
    if (!family || result != 0) {
        showInformation(tr("Import prior year's return file failed, error = %1.").arg(result));
        return;
    }
    if (m_app)
        m_app->LastImportPath = QFileInfo(path).canonicalPath();
    ImportOptions options;
    if (optionsDialog(options, this) == 0)
        return;
    WaitCursorScope wait;
    family->importPriorYearReturn(options);
    family->Recalculate(0, nullptr);
    addReturnPage(nullptr, family.release());
}

// ---- Couple Returns (2to1)

void MainWindow::on_actionCouple_Returns_2to1_triggered()
{
    if (!canOpenAnotherReturn())
        return;
    const auto &wizard = neighbourServices().coupleReturnsWizard;
    if (!wizard) {
        notAvailable(ui->actionCouple_Returns_2to1);
        return;
    }
    QString firstPath;
    QString secondPath;
    if (wizard(this, firstPath, secondPath) != 1)
        return;
    coupleReturnFiles(firstPath, secondPath);
}

void MainWindow::coupleReturnFiles(const QString &firstPath, const QString &secondPath)
{
    WaitCursorScope wait;
    int result = resultNumber(ReturnFileResult::CannotOpen);
    std::unique_ptr<FamilyTaxData> first = loadReturnFile(firstPath, &result, AppEdition);
    if (!first || result != 0) {
        showInformation(tr("First return file cannot be read properly, Couple return failed."));
        return;
    }
    std::unique_ptr<FamilyTaxData> second = loadReturnFile(secondPath, &result, AppEdition);
    if (!second || result != 0) {
        showInformation(tr("Second return file cannot be read properly, Couple return failed."));
        return;
    }
    first->coupleWith(*second);
    second.reset();
    first->Recalculate(0, nullptr);
    addReturnPage(nullptr, first.release());
}

// ---- Find Returns Not-Filed-Online

void MainWindow::on_actionFind_Returns_Not_Filed_Online_triggered()
{
    const QString runFolder = m_app ? QString(m_app->runPath) : QString();
    const QString reportPath = notFiledReportPath(runFolder, now());
    if (!writeFileSafely(reportPath, QByteArray())) {
        showInformation(tr("cannot create report file ") + reportPath);
        return;
    }
    QByteArray report;
    int rows = 0;
    int notFiled = 0;
    {
        WaitCursorScope wait;
        const ReturnFileEntriesModel *model = m_app ? m_app->retFileModel : nullptr;
        rows = model ? model->entryCount() : 0;
        for (int i = 0; i < rows; ++i) {
            const QString path = model->filePathAt(i);
            const QByteArray heading =
                QString::asprintf("%04d ", i).toUtf8() + path.toUtf8() + QByteArray("\n");
            try {
                int result = 0;
                std::unique_ptr<FamilyTaxData> family = loadReturnFile(path, &result, AppEdition);
                if (!family) {
                    report += heading + QByteArray("===> file open failed\n\n");
                    continue;
                }
                QString status;
                family->getFilingStatusText(status);
                if (!status.isEmpty()) {
                    report += heading + QByteArray("===> ") + status.toUtf8() + QByteArray("\n\n");
                    ++notFiled;
                }
            } catch (...) {
                // One file that cannot be handled does not end the scan.
            }
        }
    }
    report += QString::asprintf("Summary: Total files scaned: %d;  Not-filed files: %d\n\n", rows,
                                notFiled)
                  .toUtf8();
    if (!writeFileSafely(reportPath, report)) {
        showInformation(tr("cannot create report file ") + reportPath);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(reportPath));
}
