// Form_Return's print commands: the print command with its options, the print through the Java
// print engine with its one retry, and the single-form print for signature.
#include "print/PrintCommands.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "marrow/FormTables.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/MessagePresenter.h"
#include "ordane/Utilities.h"
#include "print/CJavaPrintEngine.h"
#include "print/DlgPrintOption_Info.h"
#include "print/DlgVarnexaAfterPrint.h"
#include "print/PrintOptions.h"
#include "print/PrintTitles.h"
#include "ui/FolderView.h"
#include "ui/Form_Return.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtDebug>

namespace {
// The T1 texts the print hands on to e-delivery.
constexpr int kKeySin = 1;
constexpr int kKeyFirstName = 11;
constexpr int kKeyEmail = 15;
constexpr int kKeyOtherEmail = 16;

const char kFolderMessage[] =
    "Quorvandelle cannot open or create the file folder for printable tax form (.pdf) file.";

// The slip printed alone: the job names the category only (a slip, entry id 0), so the slip
// selected in the forms tree travels to the engine in the hand-off beside the return.
int selectedSlipId(FolderView *tree, int category)
{
    if (category != 1 || !tree)
        return 0;
    int kind = -1;
    int type = 0;
    int id = 0;
    tree->selectedEntry(kind, type, id);
    return kind == 1 ? id : 0;
}

QString personText(FamilyTaxData *family, int key)
{
    CString text;
    if (family)
        family->getTextByKey(key, text);
    return text;
}
} // namespace

QString printFailureText(int code)
{
    switch (code) {
    case CJavaPrintEngine::ReadRefused:
        return QObject::tr("Quorvandelle cannot generate .pdf file, check if output folder "
                           "pathname contains non-English characters.");
    case CJavaPrintEngine::WriteFailed:
        return QObject::tr("The output PDF file is now opened by another application, e.g. a PDF "
                           "reader. Please close the PDF file and try generate PDF file again.\nor "
                           "anti-virus software blocks pdf file generation.");
    default:
        return QObject::tr("Print error happend");
    }
}

QString printFailureMessage(int code)
{
    return QObject::tr("%1, error code is %2.").arg(printFailureText(code)).arg(code);
}

void Form_Return::generatePrint()
{
    if (validateReturn(AppEdition, false, true) > 0 &&
        !askQuestion(tr("Do you still want to generate the printable file? Click 'Yes' button to "
                        "continue print."),
                     this))
        return;
    {
        DlgPrintOption_Info options(true, this);
        if (options.exec() != QDialog::Accepted)
            return;
    }
    if (PrintOptions::condensedBarcode == 1) {
        // The barcode copy is the whole return as filed: no letter, invoice or form choice.
        printToPdf(1, 0, 0, 0, 0);
        return;
    }
    TabWndApp *app = appInstance();
    if (app && app->config.CustomizedClientLetter && !app->m_clientLetterFetched) {
        if (fetchCustomizedClientLetter(app->config.PDFPATH, app->config.XMLPATH) ==
            ClientLetterFetch::Deployed)
            showInformation(tr("Customized client letter is deployed!"), this);
        // Whatever the fetch gave: one attempt per run.
        app->m_clientLetterFetched = true;
    }
    const int flags = PrintOptions::flagsWord();
    int category = 0;
    int type = 0;
    int entryId = 0;
    if (PrintOptions::currentFormOnly != 0) {
        int id = 0;
        folderView()->selectedEntry(category, type, id);
        entryId = category == 0 ? id : 0;
    }
    if (app && app->config.MODEDEBUG && app->config.EnableGenPrint)
        showInformation(QStringLiteral("print category - %3 formtype %1 formid %2")
                            .arg(type)
                            .arg(entryId)
                            .arg(category),
                        this);
    QString pdf;
    printToPdf(0, category, type, entryId, flags, &pdf);
}

void Form_Return::printToPdf(int printMode, int category, int formType, int entryId,
                             int optionFlags, QString *pdfFile)
{
    CJavaPrintEngine &engine = CJavaPrintEngine::instance();
    int code = 0;
    {
        WaitCursorScope wait;
        code = engine.load();
    }
    if (code != 0) {
        showInformation(tr("Print environment error, error code is %1.").arg(code), nullptr);
        return;
    }
    if (!hasFileName()) {
        showInformation(tr("Please save tax return to a tax return file first by menu Start | "
                           "Save or Start | Save As."),
                        this);
        return;
    }
    // The engine prints the file, not the return in memory: a save that failed (its message
    // already shown) would print an older return.
    QString returnFile;
    if (saveToFile(returnFile, true) != 0)
        return;
    FamilyTaxData *family = this->family();
    const QString firstName = personText(family, kKeyFirstName);

    TabWndApp *app = appInstance();
    QString folder = app ? QString(app->config.RetPdfPath) : QString();
    if (app && app->config.PdfPathSameAsRet != 0)
        folder = QFileInfo(returnFile).absolutePath();
    if (!makeFolderExists(folder)) {
        presentMessage(QMessageBox::Information, nullptr, QStringLiteral("Quorvandelle 2025"),
                       tr(kFolderMessage));
        return;
    }
    if (printMode != 0)
        entryId = 0;

    QString fullPath;
    fullFilePath(fullPath);
    // Without its font the engine could print no name as typed.
    const QString missingFont = missingPrintFont();
    if (!missingFont.isEmpty()) {
        showInformation(tr("The print font %1 is missing. Install the package fonts-dejavu-core, "
                           "then generate the print again.")
                            .arg(QDir::toNativeSeparators(missingFont)),
                        this);
        return;
    }
    const QString titles = printTitlesPath(fullPath);
    if (!family || !writePrintTitles(*family, fullPath, selectedSlipId(folderView(), category))) {
        showInformation(tr("Quorvandelle cannot write the file %1 that the print needs.")
                            .arg(QDir::toNativeSeparators(titles)),
                        this);
        return;
    }
    const bool spouse = family->getCurrentPersonIndex() != PersonTaxpayer;
    CString pdfName;
    {
        WaitCursorScope wait;
        code = engine.runPrintJob(fullPath, spouse, printMode, category, entryId, optionFlags,
                                  folder, pdfName);
        if (code != 0) {
            // Once more where the program may always write: its own data folder.
            pdfName = CString();
            code = engine.runPrintJob(fullPath, spouse, printMode, category, entryId, optionFlags,
                                      app ? app->appLocalPath : CString(), pdfName);
        }
        qInfo().noquote() << "output pdf name:" + QString(pdfName);
    }
    QFile::remove(titles);
    if (code != 0) {
        showInformation(printFailureMessage(code), this);
        return;
    }
    const QFileInfo pdfInfo(pdfName);
    if (!pdfInfo.isFile() || pdfInfo.size() <= 0) {
        showInformation(tr("PDF file is created with zero content, usually it means anti-virus "
                           "software blocks file generation."),
                        nullptr);
        return;
    }
    if (pdfFile)
        *pdfFile = QDir::toNativeSeparators(pdfName);
    const QString pdfPath = QDir::fromNativeSeparators(pdfName);
    QString email = personText(family, kKeyEmail);
    if (email.isEmpty())
        email = personText(family, kKeyOtherEmail);
    const QString sin = personText(family, kKeySin);

    DlgVarnexaAfterPrint dialog(QUrl::fromLocalFile(pdfPath).toString(), email, this);
    dialog.setWindowTitle(tr("Generate Printable Return File"));
    if (dialog.exec() == QDialog::Accepted)
        sendVarnexaDelivery(formType, dialog.receiverEmail(), sin, firstName, pdfPath);
}

void Form_Return::sendFormForSignature(int formType)
{
    FamilyTaxData *family = this->family();
    TaxDataEntryStru *entry = family ? family->findFormEntry(formType, 0, false) : nullptr;
    if (!entry) {
        const FormInfoRow *row = formInfo(formType);
        showInformation(tr("Form[%1] is not in the tax return.")
                            .arg(row ? QString::fromLatin1(row->name) : QString::number(formType)),
                        nullptr);
        return;
    }
    printToPdf(0, 0, formType, entry->id, 0);
}
