// NewReturnBasic_tab1: binding and the tests of the taxpayer's page.
#include "wizards/NewReturnBasic_tab1.h"
#include "ui_NewReturnBasic_tab1.h"

#include "marrow/ComboChoices.h"
#include "model/DataNewReturnBasic.h"
#include "wizards/NewReturnPageIds.h"

NewReturnBasic_tab1::NewReturnBasic_tab1(DataNewReturnBasic *data, QWidget *wizard)
    : PpgWizardPage(data, nullptr, wizard), ui(new Ui::NewReturnBasic_tab1), m_answers(data)
{
    ui->setupUi(this);
}

NewReturnBasic_tab1::~NewReturnBasic_tab1() = default;

void NewReturnBasic_tab1::bindFields()
{
    FieldBinder &fields = binder();
    fields.bind(ui->fld_FirstName, &m_answers->fld_FirstName);
    fields.bind(ui->fld_LastName, &m_answers->fld_LastName);
    fields.bind(ui->fld_sin, &m_answers->fld_sin);
    fields.bind(ui->fld_dob, &m_answers->fld_dob);
    fields.bind(ui->fld_TaxPronv, &m_answers->fld_TaxPronv);
    fields.bind(ui->fld_MaritalStatus, &m_answers->fld_MaritalStatus);
    ui->fld_TaxPronv->setChoices(provinceChoices());
}

bool NewReturnBasic_tab1::validatePage()
{
    PpgWizardPage::validatePage();
    return !m_answers->fld_LastName.IsEmptyIfRemoveBlank() && m_answers->fld_TaxPronv.value() != 0;
}

int NewReturnBasic_tab1::nextId() const
{
    return m_answers->hasSpouse() ? NewReturnSpousePage : NewReturnFormsPage;
}
