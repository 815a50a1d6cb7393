// MainWindow: the program's one main window — menus, tool bar, status bar and a stack of the
// start page and the editors of the open returns.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class FamilyTaxData;
class Form_Return;
class QAction;
class QFileInfo;
class QLabel;
class QMenu;
class QStackedWidget;
class TabWndApp;
class ViewIntroduction;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The one main window, created on the first call; later calls ignore the parent.
    static MainWindow *instance(QWidget *parent);
    ~MainWindow() override;

    void setStatusText(const QString &text);
    bool canOpenAnotherReturn();
    // The new editor owns the return data. 0.
    int addReturnPage(const QFileInfo *file, FamilyTaxData *family);
    void updateTitleAndActions();
    void addContextMenuActions(int kind, QMenu *menu);

    // Return files (MainWindowFileCommands.cpp). The callers check the open-return limit.
    void openReturnFile(const QString &path);
    // The result of Form_Return::saveToFile; 0 when nothing was saved.
    int saveReturn(Form_Return *editor, bool saveAs);
    // The save dialog's answer; true when a name was chosen.
    bool askSaveFileName(FamilyTaxData *family, QString &path);
    void importPriorYearReturn(const QString &path);

    QStackedWidget *pages() const;
    ViewIntroduction *startPage() const { return m_intro; }
    // The editor shown, or null on the start page.
    Form_Return *shownEditor() const;
    int openReturnCount() const { return m_openReturns; }
    int fontSize() const { return m_fontSize; }
    QLabel *statusTextLabel() const { return m_statusText; }
    QAction *generatePrintFilesAction() const { return m_genPrintAction; }

public slots:
    // Window and view.
    void actionCloseReturn();
    void actionQuit();
    void actionShowWelcome();
    void actionShowReturn();
    void on_actionLarge_triggered();
    void on_actionSmall_triggered();
    void on_actionMaximize_View_triggered();
    void actionGeneratePrintFiles();

    // Commands on the return shown.
    void on_actionAdd_a_Tax_Form_triggered();
    void on_actionValidate_Return_triggered();
    void onAdd_a_tax_note();
    void onSlipSummary();
    void on_actionRemove_Selected_Slip_triggered();
    void on_actionRemove_Selected_Form_Schedule_triggered();
    void on_actionShare_Form_to_Spouse_triggered();
    void on_actionUn_share_form_with_spouse_triggered();
    void on_actionShare_slip_with_spouse_triggered();
    void on_actionUn_share_slip_with_spouse_triggered();
    void on_actionArrange_Order_of_Tax_Forms_triggered();
    void on_actionChange_Tax_Province_triggered();
    void on_actionDe_Couple_Return_1to2_triggered();
    void on_actionTax_Planning_triggered();
    void on_actionOptimize_triggered();
    void on_actionUn_set_Return_for_ReFile_triggered();
    void on_actionSend_T183_for_E_Signature_triggered();
    void on_SendRC71ESignature();
    void on_actionSubmit_PAD_Pre_authorized_Debit_triggered();
    void on_actionGenerate_Print_pdf_Files_triggered();
    void on_actionInternetFiling_triggered();
    void on_actionFile_T1135_Online_triggered();
    void on_actionSet_Return_for_ReFile_triggered();

    // Adding slips.
    void on_actionAdd_T4_slip_triggered();
    void on_actionAdd_T4A_slip_triggered();
    void on_actionAdd_T4A_P_slip_triggered();
    void on_actionAdd_T4RSP_slip_triggered();
    void on_actionAdd_T4E_slip_triggered();
    void on_actionAdd_T4A_OAS_slip_triggered();
    void on_actionAdd_T4RIF_slip_triggered();
    void on_actionAdd_T5_slip_triggered();
    void on_actionAdd_T3_slip_triggered();
    void on_actionAdd_T5003_slip_triggered();
    void on_actionAdd_T5007_triggered();
    void on_actionAdd_T5013_slip_triggered();
    void on_actionAdd_T4PS_slip_triggered();
    void on_actionAdd_T4A_RCA_slip_triggered();
    void on_actionAdd_T5006_slip_triggered();
    void on_actionAdd_RC62_slip_triggered();
    void on_actionAdd_RC210_slip_triggered();
    void on_actionAdd_Manitoba_shelter_benefit_slip_triggered();
    void on_actionAdd_PRPP_slip_triggered();
    void on_actionAdd_T1204_slip_triggered();
    void on_actionAdd_NR4_slip_triggered();
    void on_actionAdd_T2202_slip_triggered();
    void onAddSlip_T4FHSA();

    // Commands of the file, information and help dialogs.
    void actionNewReturn();
    void actionOpenReturn();
    void actionSaveReturn();
    void on_actionSave_Return_As_triggered();
    void on_actionImport_Prior_Year_s_Return_triggered();
    void on_actionCouple_Returns_2to1_triggered();
    void on_actionFind_Returns_Not_Filed_Online_triggered();
    void on_actionFind_Return_Files_triggered();
    void on_actionPreference_triggered();
    void on_actionBackground_Color_triggered();
    void on_actionAuto_Fill_AFR_triggered();
    void actionAbout();
    void on_actionAdd_T5008_slip_triggered();
    void on_actionUpdate_Quorvandelle_triggered();
    void on_actionFind_Industry_Code_triggered();
    void on_HelpDirectDepositForm();
    void onSendReturnFile();
    // The download's dialog: true for Auto-fill My Return (the only mode reached from here).
    void launchAutoFill(bool autoFill);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Every showing asks the information service about a newer release.
    void showEvent(QShowEvent *event) override;

private:
    MainWindow(TabWndApp *app, QWidget *parent);

    void setUpToolBar();
    // The editor shown, its page committed; null (nothing done) on the start page.
    Form_Return *committedEditor();
    // A command whose editor operation is not in this build: commit, then say so.
    void commitAndReport(QAction *action);
    void addSlip(int slipCode);
    // After the commit: the run folder must exist for the filing commands.
    bool runFolderReady();
    void notAvailable(QAction *action);
    // Find Return Files: the dialog, or a message with two returns open.
    void findReturnFiles();
    // The host of a linked web site: 0 the maker's, 1 the statistics agency's, 2 the
    // government's.
    QString webHost(int which) const;
    // Reads both files and opens the first as a couple with the second's taxpayer.
    void coupleReturnFiles(const QString &firstPath, const QString &secondPath);
    // Runs the neighbour's command on the editor, or says it is not in this build.
    using EditorService = std::function<void(Form_Return *)>;
    void runService(Form_Return *editor, const EditorService &service, QAction *action);

    TabWndApp *m_app;
    std::unique_ptr<Ui::MainWindow> ui;
    int m_fontSize = 12;
    ViewIntroduction *m_intro = nullptr;
    int m_openReturns = 0;
    QLabel *m_emptyStatus = nullptr;
    QLabel *m_statusText = nullptr;
    QAction *m_genPrintAction = nullptr;
};
