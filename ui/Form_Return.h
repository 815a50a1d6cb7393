// Form_Return: the editor of one open return — person selector, forms tree, result lines and
// the pages of the form on screen.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "marrow/CTaxData_Form.h"
#include "ordane/CString.h"

class ActionShowReturn;
class BaseTaxPage;
class CField;
class FamilyTaxData;
class FolderView;
class MainWindow;
class QFileInfo;
class QItemSelection;
class QSplitter;
class QTabWidget;

namespace Ui {
class Form_Return;
}

// What filing the T1135 on its own came to before or after its filing dialog.
enum class T1135FilingStart : int
{
    DialogRan = 0,
    NoT1135 = 111,
    XmlNotMade = 111,
    FormHasErrors = 118,
};

// Logging into the e-signature service.
enum class VarnexaLogin : int
{
    LoggedIn = 0, // the token is set
    NoAccount = 112,
    Failed = 99,
};

// Showing a section's help page in place of a form; it always shows.
enum class QuickHelpTab : int
{
    Shown = 99,
};

// Fetching the customized client letter.
enum class ClientLetterFetch : int
{
    NothingNewer = 0,
    Deployed = 100,
    RequestFailed = 106, // the request or a download failed
    UnreadableReply = 111,
    NoAccount = 112, // the login's
    LoginFailed = 99,
};

// Recording the return among the recent files.
enum class RecentFileRecord : int
{
    Recorded = 0,
    NotRecorded = 99, // no return, no file name yet, or no application
};

// Copying the T1's address into a business form.
enum class AddressCopy : int
{
    Copied = 0,
    NoForm = -1,
    NoT1 = -10,
    NotBusinessForm = -100, // the form is not a T2125
};

// Reporting a filing to the e-signature service; the filing dialogs get the number through
// the reportFiling entry of the neighbour services.
enum class FilingReportResult : int
{
    Reported = 0, // or reports are off
    NoAccount = -1,
    LongReply = -99, // more than the acknowledgement's 200 characters
    NoReply = -100,  // no 2xx reply
};

class Form_Return : public QWidget
{
    Q_OBJECT
public:
    // Takes over the return data. The file is null for a return never saved.
    Form_Return(const QFileInfo *file, FamilyTaxData *family, MainWindow *window, QWidget *parent,
                int returnNumber, int fontSize);
    ~Form_Return() override;

    // Identity of the return file.
    void setFilePath(const QFileInfo *file);
    QString displayName() const;
    void fullFilePath(QString &path) const;
    bool hasFileName() const;
    RecentFileRecord updateRecentFileRecord();
    bool isModified() const;
    bool getFieldText(int key, CString &text);

    // Recalculation road.
    void commitCurrentPage();
    void refreshTreeCaptions(bool forms, bool slips);
    void updateResultLabels(QString &summary);
    void updateResultLabels();

    // Saving and closing. 0 when the file was written.
    int saveToFile(QString &path, bool backupAllowed);
    int saveAfterFiling(bool backupAllowed);
    bool confirmClose(QString &path);

    AddressCopy copyAddressToBusinessForm(int formType, CTaxData_Form *form);
    // The e-signature commands of the printing library (command: the menu text for the
    // message when that library is not in this build).
    void requestSignature(int formType, const QString &command);
    void requestSignatureStatus(int formType);
    void gotoForm(int formType);

    // Commands on the forms, slips and notes of the person on screen (Form_ReturnCommands.cpp).
    void shareForm();
    void unshareForm();
    void shareSlip();
    void unshareSlip();
    void addSlip(int slipCode);
    void addNote();
    void removeSelectedItem();
    void changeFormOrder();
    void addTaxForm();
    void showSlipSummary();
    void changeProvince();
    void decoupleReturn();
    void taxPlanning();
    void optimizeReturn();
    // The number of review messages; 0 when the return passes.
    int validateReturn(unsigned char edition, bool offerWarnings, bool askBeforeErrors);
    void unsetReFile();
    // "<return folder>/<person's default file name>_SlipSummary.html".
    QString slipSummaryPath();

    // Pages and styling.
    int openForm(int mode, CTaxData_Form *form);
    void clearFormTabs();
    void refreshPages();
    QuickHelpTab addQuickHelpTab(const QString &address);
    void applyBackgroundColor();
    void applyFontSize(int size);
    void applyTreeStyleSheet(const QString &background, int size, bool dark);
    QString buildPageStyleSheet(int size, bool dark) const;
    void applyPanelStyleSheets(bool dark);
    void saveSplitterSizes();
    int restoreSplitterSizes(int width);
    bool setMaximizedView();

    FamilyTaxData *family() const { return m_family; }
    ActionShowReturn *showAction() const;
    const QString &returnLabel() const { return m_label; }
    CTaxData_Form *currentForm() const { return m_currentForm; }
    // The pages of the form on screen, in tab order. A page makes its rows when first shown;
    // one not shown yet makes them here, so a caller always reaches complete, bound pages.
    const QList<BaseTaxPage *> &pages() const;
    int fontSize() const { return m_fontSize; }
    FolderView *folderView() const;
    QTabWidget *tabWidget() const;
    QSplitter *splitter() const;

    // The help folder next to the program's folder, and a section's help page in it.
    static QString helpFolder();
    enum HelpSection
    {
        HelpStart,
        HelpSlips,
        HelpWizard,
        HelpForms
    };
    static QString helpAddress(HelpSection section);

    // ==== Defined in qv_efile (efile/), not in this library. The editor links no filing code:
    // it reaches these through the entries of NeighbourServices.h, and only qv_efile and what
    // links it may call them. tests/efile/tst_EfileMembers.cpp takes the address of each, so a
    // definition that goes missing fails that test's link.

    // ReFile: terms, checks, then the return saved under a copy's name and marked for
    // re-filing; the file it was opened from is never written.
    void setReFile();
    bool checkReFileAllowed();
    // NETFILE: the season, eligibility, ReFile and validation gates, the sign-up and
    // multi-year steps and the review, then one submission; the outcome goes into the return,
    // the database and the filing log.
    void internetFiling();
    // The T1135 on its own: its check, with the messages shown, returns how many there are;
    // filing tells whether the filing dialog ran.
    int validateT1135(unsigned char edition, int formType, bool showSuccess, bool askFirst);
    T1135FilingStart fileT1135Online();

    // ==== Defined in qv_print (print/), not in this library; reached the same way.
    // tests/print/tst_PrintMembers.cpp takes the address of each.

    // The e-signature service: each operation logs in afresh and blocks under the wait cursor
    // until the reply has come.
    bool hasVarnexaCredentials();
    VarnexaLogin loginVarnexa(QString &token);
    void sendVarnexaDelivery(int formType, const QString &email, const QString &sin,
                             const QString &firstName, const QString &pdfPath);
    // formType: 96 (T183) or 53 (RC71).
    void querySignatureStatus(int formType);
    FilingReportResult reportFiling(int formType, bool accepted, const QString &confirmation,
                                    const QString &message);
    ClientLetterFetch fetchCustomizedClientLetter(const QString &pdfFolder,
                                                  const QString &xmlFolder);
    // Printing: the print command asks for the options and prints; printToPdf saves the
    // return and has the print engine write the PDF (into pdfFile, native separators, when it
    // succeeded), then offers the after-print dialog; printMode 1 is the condensed barcode print.
    void generatePrint();
    void printToPdf(int printMode, int category, int formType, int entryId, int optionFlags,
                    QString *pdfFile = nullptr);
    // Prints the person's one form of that type (96 T183, 53 RC71), or says it is missing.
    void sendFormForSignature(int formType);

public slots:
    void onFolderViewSelChange(const QItemSelection &selected, const QItemSelection &deselected);
    void onSignalCalc(CTaxData_Form *form, CField *field);
    void on_comboBox_currentIndexChanged(int index);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void askGotoForm(int formType);
    QString backgroundSetting() const;
    // A page of the current form shown for the first time takes its form's values (and makes
    // its rows, when it left them for then).
    void syncPageAt(int index);
    // The page in that tab, not yet synchronised, takes the page and entry sheets, then makes
    // its rows and shows its form's values; nothing for a page already synchronised.
    void completePageAt(int index) const;

    QString m_label;
    std::unique_ptr<Ui::Form_Return> ui;
    // A page may free its form (removal, de-coupling) while the editor still points at it.
    QPointer<CTaxData_Form> m_currentForm;
    bool m_switching = false;
    // Set while openForm and clearFormTabs add or remove tabs.
    bool m_fillingTabs = false;
    int m_fontSize;
    int m_returnNumber;
    // The main window destroys it when the return is closed.
    QPointer<ActionShowReturn> m_showAction;
    MainWindow *m_window;
    FamilyTaxData *m_family;
    FamilyTaxData *m_snapshot = nullptr;
    QList<BaseTaxPage *> m_pages;
    CString m_folder;
    CString m_fileName;
};
