// DlgChangeProv_tab1: binding and the test of the change-province page.
#include "wizards/DlgChangeProv_tab1.h"
#include "ui_DlgChangeProv_tab1.h"

#include "marrow/ComboChoices.h"
#include "model/DataDlgChangeProv.h"

DlgChangeProv_tab1::DlgChangeProv_tab1(DataDlgChangeProv *data, QWidget *wizard)
    : PpgWizardPage(data, nullptr, wizard), ui(new Ui::DlgChangeProv_tab1), m_answers(data)
{
    ui->setupUi(this);
}

DlgChangeProv_tab1::~DlgChangeProv_tab1() = default;

void DlgChangeProv_tab1::bindFields()
{
    // The items first, so the binding shows the answer among them.
    ui->fld_NewTaxProv->setChoices(provinceChoices());
    FieldBinder &fields = binder();
    fields.bind(ui->fld_NewTaxProv, &m_answers->fld_NewTaxProv);
    fields.bind(ui->fld_ChgBoth, &m_answers->fld_ChgBoth);
}

bool DlgChangeProv_tab1::validatePage()
{
    PpgWizardPage::validatePage();
    return m_answers->fld_NewTaxProv.value() > 0;
}
