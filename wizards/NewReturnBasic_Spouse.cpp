// NewReturnBasic_Spouse: binding, the province copy and the tests of the spouse's page.
#include "wizards/NewReturnBasic_Spouse.h"
#include "ui_NewReturnBasic_Spouse.h"

#include "marrow/ComboChoices.h"
#include "model/DataNewReturnBasic.h"

NewReturnBasic_Spouse::NewReturnBasic_Spouse(DataNewReturnBasic *data, QWidget *wizard)
    : PpgWizardPage(data, nullptr, wizard), ui(new Ui::NewReturnBasic_Spouse), m_answers(data)
{
    ui->setupUi(this);
}

NewReturnBasic_Spouse::~NewReturnBasic_Spouse() = default;

void NewReturnBasic_Spouse::bindFields()
{
    FieldBinder &fields = binder();
    fields.bind(ui->fld_FirstNameSpouse, &m_answers->fld_FirstNameSpouse);
    fields.bind(ui->fld_LastNameSpouse, &m_answers->fld_LastNameSpouse);
    fields.bind(ui->fld_Coupled, &m_answers->fld_Coupled);
    fields.bind(ui->fld_SpouseNonResident, &m_answers->fld_SpouseNonResident);
    fields.bind(ui->fld_sinSpouse, &m_answers->fld_sinSpouse);
    fields.bind(ui->fld_dobSpouse, &m_answers->fld_dobSpouse);
    ui->fld_TaxPronvSpouse->setChoices(provinceChoices());
    fields.bind(ui->fld_TaxPronvSpouse, &m_answers->fld_TaxPronvSpouse);
}

void NewReturnBasic_Spouse::initializePage()
{
    m_answers->fld_TaxPronvSpouse.setValue(m_answers->fld_TaxPronv.value());
    PpgWizardPage::initializePage();
    ui->fld_TaxPronvSpouse->SetCurSelData(m_answers->fld_TaxPronv.value());
}

bool NewReturnBasic_Spouse::validatePage()
{
    PpgWizardPage::validatePage();
    return !m_answers->fld_FirstNameSpouse.IsEmptyIfRemoveBlank() &&
           !m_answers->fld_LastNameSpouse.IsEmptyIfRemoveBlank() &&
           m_answers->fld_TaxPronvSpouse.value() != 0;
}
