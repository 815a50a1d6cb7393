// MainWindow: construction, menus and tool bar, open returns, title, action states, closing.
#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "ordane/Utilities.h"
#include "ui/ActionShowReturn.h"
#include "ui/EditorRules.h"
#include "ui/Form_Return.h"
#include "ui/NeighbourServices.h"
#include "ui/ViewIntroduction.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QShowEvent>
#include <QStackedWidget>

namespace {
MainWindow *s_window = nullptr;
const char *const kReleaseDate = "2026-03-03";
constexpr int kMaxOpenReturns = 2;
constexpr unsigned char kEfileEdition = 1;
} // namespace

MainWindow *MainWindow::instance(QWidget *parent)
{
    if (!s_window)
        s_window = new MainWindow(appInstance(), parent);
    return s_window;
}

MainWindow::MainWindow(TabWndApp *app, QWidget *parent)
    : QMainWindow(parent), m_app(app), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setUpToolBar();
    connect(ui->actionSend_Return_File_to_Quorvandelle, &QAction::triggered, this,
            &MainWindow::onSendReturnFile);
    if (m_app && m_app->config.EnableGenPrint) {
        m_genPrintAction = ui->menuHelp_License->addAction(tr("Generate Print Files"));
        connect(m_genPrintAction, &QAction::triggered, this, &MainWindow::actionGeneratePrintFiles);
    }
    m_intro = new ViewIntroduction(m_app, this, ui->stackedWidget);
    ui->stackedWidget->addWidget(m_intro);
    ui->stackedWidget->setCurrentWidget(m_intro);

    m_emptyStatus = new QLabel(QString(), this);
    m_statusText = new QLabel(QString(), this);
    for (QLabel *label : {m_emptyStatus, m_statusText})
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui->statusbar->addPermanentWidget(m_emptyStatus, 1);
    ui->statusbar->addPermanentWidget(m_statusText, 2);

    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::actionNewReturn);
    connect(ui->actionOpen_File, &QAction::triggered, this, &MainWindow::actionOpenReturn);
    connect(ui->actionSave_Return, &QAction::triggered, this, &MainWindow::actionSaveReturn);
    connect(ui->actionClose_Return, &QAction::triggered, this, &MainWindow::actionCloseReturn);
    connect(ui->actionQuit, &QAction::triggered, this, &MainWindow::actionQuit);
    connect(ui->actionAbout_Quorvandelle, &QAction::triggered, this, &MainWindow::actionAbout);
    connect(ui->actionAdd_a_tax_note, &QAction::triggered, this, &MainWindow::onAdd_a_tax_note);
    connect(ui->actionSlip_summary, &QAction::triggered, this, &MainWindow::onSlipSummary);
    connect(ui->actionAdd_T4FHSA_slip, &QAction::triggered, this, &MainWindow::onAddSlip_T4FHSA);
    connect(ui->actionWelcome, &QAction::triggered, this, &MainWindow::actionShowWelcome);
    connect(ui->actionDirect_deposit_form, &QAction::triggered, this,
            &MainWindow::on_HelpDirectDepositForm);

    m_fontSize = fontSizeFromSetting(m_app ? QString(m_app->config.FontSize) : QString());

    if (AppEdition == kEfileEdition) {
        ui->actionInternetFiling->setText(tr("EFile to CRA"));
        connect(ui->actionSend_RC71_for_E_Signature, &QAction::triggered, this,
                &MainWindow::on_SendRC71ESignature);
    } else {
        ui->menuFiling_Print->removeAction(ui->actionSubmit_PAD_Pre_authorized_Debit);
    }
    updateTitleAndActions();
}

void MainWindow::setUpToolBar()
{
    struct Tool
    {
        QAction *action;
        const char *icon;
        QString text;
    };
    const QString filingText =
        AppEdition == kEfileEdition ? tr("EFile Return") : tr("NetFile Return");
    const Tool tools[] = {
        {ui->actionNew, "icon_blank.ico", tr("&New")},
        {ui->actionOpen_File, "icon_book.ico", tr("&Open")},
        {ui->actionImport_Prior_Year_s_Return, "import_120157.ico", tr("&Import")},
        {ui->actionFind_Return_Files, "icon_find.png", tr("&Find Return")},
        {ui->actionSave_Return, "icon_disk.ico", tr("&Save")},
        {ui->actionClose_Return, "icon_close.ico", tr("&Close")},
        {ui->actionMaximize_View, "icon_view.ico", tr("&Toggle")},
        {ui->actionOptimize, "bulb.png", tr("&Optimize")},
        {nullptr, nullptr, QString()},
        {ui->actionAdd_a_Tax_Form, "icon_table.ico", tr("+&Form")},
        {ui->actionValidate_Return, "icon_validate.ico", tr("&Validate")},
        {ui->actionInternetFiling, "icon_atom.ico", filingText},
        {ui->actionGenerate_Print_pdf_Files, "icon_printer.ico", tr("Generate &Print")},
        {nullptr, nullptr, QString()},
        {ui->actionPreference, "icon_setting.ico", tr("&Preference")},
        {ui->actionAbout_Quorvandelle, "info.png", tr("&About")},
    };
    ui->toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const Tool &tool : tools) {
        if (!tool.action) {
            ui->toolBar->addSeparator();
            continue;
        }
        tool.action->setIcon(QIcon(QStringLiteral(":/res/images/") + QLatin1String(tool.icon)));
        tool.action->setIconText(tool.text);
        ui->toolBar->addAction(tool.action);
    }
}

MainWindow::~MainWindow()
{
    ui->stackedWidget->close();
    delete m_intro;
    m_intro = nullptr;
    ui.reset();
    if (s_window == this)
        s_window = nullptr;
}

QStackedWidget *MainWindow::pages() const
{
    return ui->stackedWidget;
}

Form_Return *MainWindow::shownEditor() const
{
    return qobject_cast<Form_Return *>(ui->stackedWidget->currentWidget());
}

void MainWindow::setStatusText(const QString &text)
{
    m_statusText->setText(text);
}

bool MainWindow::canOpenAnotherReturn()
{
    if (m_openReturns < kMaxOpenReturns)
        return true;
    showInformation(tr("Maximum number of returns are opened already. Please click 'Close' "
                       "button on top to close a return first!"),
                    this);
    return false;
}

int MainWindow::addReturnPage(const QFileInfo *file, FamilyTaxData *family)
{
    ++m_openReturns;
    auto *editor =
        new Form_Return(file, family, this, ui->stackedWidget, m_openReturns, m_fontSize);
    ui->stackedWidget->addWidget(editor);
    ui->stackedWidget->setCurrentWidget(editor);
    ui->menuWindows->addAction(editor->showAction());
    connect(editor->showAction(), &QAction::triggered, this, &MainWindow::actionShowReturn);
    updateTitleAndActions();
    return 0;
}

void MainWindow::updateTitleAndActions()
{
    Form_Return *editor = shownEditor();
    if (editor) {
        setWindowTitle(QStringLiteral("%1 - %2").arg(appTitle, editor->displayName()));
        editor->updateResultLabels();
    } else {
        setWindowTitle(QStringLiteral("%1 - Release date: %2").arg(appTitle, kReleaseDate));
        m_statusText->clear();
    }
    QAction *const returnCommands[] = {
        ui->actionSave_Return,
        ui->actionClose_Return,
        ui->actionDe_Couple_Return_1to2,
        ui->actionSet_Return_for_ReFile,
        ui->actionAdd_T3_slip,
        ui->actionAdd_T4_slip,
        ui->actionAdd_T5_slip,
        ui->actionShare_Form_to_Spouse,
        ui->actionAdd_a_Tax_Form,
        ui->actionAdd_a_tax_note,
        ui->actionArrange_Order_of_Tax_Forms,
        ui->actionTax_Planning,
        ui->actionOptimize,
        ui->actionValidate_Return,
        ui->actionGenerate_Print_pdf_Files,
        ui->actionInternetFiling,
        ui->actionSend_Return_File_to_Quorvandelle,
    };
    for (QAction *action : returnCommands)
        action->setEnabled(editor != nullptr);
    for (QAction *action :
         {ui->actionSubmit_PAD_Pre_authorized_Debit, ui->actionSend_T183_for_E_Signature,
          ui->actionSend_RC71_for_E_Signature}) {
        action->setEnabled(false);
        action->setVisible(false);
    }
}

void MainWindow::addContextMenuActions(int kind, QMenu *menu)
{
    QList<QAction *> actions;
    switch (kind) {
    case 0:
        actions = {ui->actionAdd_T3_slip,      ui->actionAdd_T4_slip,
                   ui->actionAdd_T4A_slip,     ui->actionAdd_T4A_P_slip,
                   ui->actionAdd_T4A_OAS_slip, ui->actionAdd_T4A_RCA_slip,
                   ui->actionAdd_T4E_slip,     ui->actionAdd_T4FHSA_slip,
                   ui->actionAdd_T4PS_slip,    ui->actionAdd_T4RIF_slip,
                   ui->actionAdd_T4RSP_slip,   ui->actionAdd_T5_slip,
                   ui->actionAdd_T5003_slip,   ui->actionAdd_T5006_slip,
                   ui->actionAdd_T5007,        ui->actionAdd_T5008_slip,
                   ui->actionAdd_T5013_slip,   ui->actionAdd_RC62_slip,
                   ui->actionAdd_RC210_slip,   ui->actionAdd_NR4_slip,
                   ui->actionAdd_PRPP_slip,    ui->actionAdd_T1204_slip,
                   ui->actionAdd_T2202_slip,   ui->actionAdd_Manitoba_shelter_benefit_slip};
        break;
    case 1:
        actions = {ui->actionRemove_Selected_Slip, ui->actionShare_slip_with_spouse,
                   ui->actionUn_share_slip_with_spouse};
        break;
    case 10:
        actions = {ui->actionAdd_a_Tax_Form};
        break;
    case 11:
        actions = {ui->actionRemove_Selected_Form_Schedule, ui->actionShare_Form_to_Spouse,
                   ui->actionUn_share_form_with_spouse};
        break;
    case 20:
        actions = {ui->actionAdd_a_tax_note};
        break;
    case 21:
        actions = {ui->actionRemove_Selected_Slip};
        break;
    default:
        break;
    }
    menu->addActions(actions);
}

// ---- window and view commands

void MainWindow::actionCloseReturn()
{
    Form_Return *editor = m_openReturns > 0 ? shownEditor() : nullptr;
    if (!editor)
        return;
    editor->commitCurrentPage();
    QString path;
    if (!editor->confirmClose(path))
        return;
    ui->stackedWidget->removeWidget(editor);
    if (QAction *action = editor->showAction()) {
        ui->menuWindows->removeAction(action);
        delete action;
    }
    editor->deleteLater();
    --m_openReturns;
    updateTitleAndActions();
}

void MainWindow::actionQuit()
{
    // Quitting is closing the window: a modified return is shown and asked about first, and
    // the program ends only when the window really closes.
    close();
}

void MainWindow::actionShowWelcome()
{
    ui->stackedWidget->setCurrentWidget(m_intro);
    updateTitleAndActions();
}

void MainWindow::actionShowReturn()
{
    auto *action = qobject_cast<ActionShowReturn *>(sender());
    if (!action || !action->editor())
        return;
    ui->stackedWidget->setCurrentWidget(action->editor());
    updateTitleAndActions();
}

void MainWindow::on_actionLarge_triggered()
{
    m_fontSize += 2;
    if (m_app)
        m_app->config.FontSize = QString::number(m_fontSize);
    if (Form_Return *editor = shownEditor())
        editor->applyFontSize(m_fontSize);
}

void MainWindow::on_actionSmall_triggered()
{
    m_fontSize -= 2;
    if (m_app)
        m_app->config.FontSize = QString::number(m_fontSize);
    if (Form_Return *editor = shownEditor())
        editor->applyFontSize(m_fontSize);
}

void MainWindow::on_actionMaximize_View_triggered()
{
    Form_Return *editor = committedEditor();
    if (!editor)
        return;
    ui->actionMaximize_View->setText(editor->setMaximizedView() ? tr("Maximize View")
                                                                : tr("Restore View"));
}

void MainWindow::actionGeneratePrintFiles()
{
    const bool testData = askQuestion(tr("Creat test data file?"), this);
    NeighbourServices &services = neighbourServices();
    if (services.generateDeveloperFiles)
        services.generateDeveloperFiles(testData);
    else
        showNotAvailable(tr("Generate Print Files"), this);
}

// ---- closing and showing

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    for (int i = 0; i < ui->stackedWidget->count(); ++i) {
        auto *editor = qobject_cast<Form_Return *>(ui->stackedWidget->widget(i));
        if (editor && editor->isModified()) {
            event->ignore();
            ui->stackedWidget->setCurrentWidget(editor);
            updateTitleAndActions();
            actionCloseReturn();
            return;
        }
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Spontaneous show events (a window restored by the window system) are not a new showing.
    if (m_app && !event->spontaneous())
        m_app->checkNewVersion();
}
