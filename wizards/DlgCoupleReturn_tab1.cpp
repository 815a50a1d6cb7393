// DlgCoupleReturn_tab1: browsing for the two return files and the test of the page.
#include "wizards/DlgCoupleReturn_tab1.h"
#include "ui_DlgCoupleReturn_tab1.h"

#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// Only a regular file can be a return file: a folder named "x.r25" or a pipe is refused here
// rather than failing later in the couple command.
bool isExistingRegularFile(const QString &path)
{
    const QFileInfo file(path);
    return !path.isEmpty() && file.exists() && file.isFile();
}

} // namespace

DlgCoupleReturn_tab1::DlgCoupleReturn_tab1(TabWndApp *app, QWidget *wizard)
    : PpgWizardPage(nullptr, nullptr, wizard), ui(new Ui::DlgCoupleReturn_tab1), m_app(app)
{
    ui->setupUi(this);
}

DlgCoupleReturn_tab1::~DlgCoupleReturn_tab1() = default;

void DlgCoupleReturn_tab1::bindFields() {}

QString DlgCoupleReturn_tab1::browseStartFolder(const QString &lastOpenPath, const QString &retPath)
{
    return lastOpenPath.isEmpty() ? retPath : lastOpenPath;
}

void DlgCoupleReturn_tab1::browseInto(QLineEdit *edit)
{
    const QString start =
        m_app ? browseStartFolder(m_app->LastOpenPath, m_app->config.RetPath) : QString();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Return File"), start, "*.r25 Return files (*.r25);;All files (*.*)");
    if (!path.isEmpty())
        edit->setText(path);
}

void DlgCoupleReturn_tab1::on_btnBtn1_clicked()
{
    browseInto(ui->fld_Filename1);
}

void DlgCoupleReturn_tab1::on_btnBtn2_clicked()
{
    browseInto(ui->fld_Filename2);
}

bool DlgCoupleReturn_tab1::validatePage()
{
    m_firstPath = ui->fld_Filename1->text();
    m_secondPath = ui->fld_Filename2->text();
    if (isExistingRegularFile(m_firstPath) && isExistingRegularFile(m_secondPath))
        return true;
    showInformation(tr("Please make sure both return files exist in the given file path"), this);
    return false;
}
