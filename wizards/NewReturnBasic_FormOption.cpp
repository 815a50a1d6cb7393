// NewReturnBasic_FormOption: binding of the forms page's check boxes.
#include "wizards/NewReturnBasic_FormOption.h"
#include "ui_NewReturnBasic_FormOption.h"

#include "model/DataNewReturnBasic.h"

NewReturnBasic_FormOption::NewReturnBasic_FormOption(DataNewReturnBasic *data, QWidget *wizard)
    : PpgWizardPage(data, nullptr, wizard), ui(new Ui::NewReturnBasic_FormOption), m_answers(data)
{
    ui->setupUi(this);
}

NewReturnBasic_FormOption::~NewReturnBasic_FormOption() = default;

void NewReturnBasic_FormOption::bindFields()
{
    FieldBinder &fields = binder();
    fields.bind(ui->fld_bSch3, &m_answers->fld_bSch3);
    fields.bind(ui->fld_bSch4, &m_answers->fld_bSch4);
    fields.bind(ui->fld_bSch6, &m_answers->fld_bSch6);
    fields.bind(ui->fld_bSch7, &m_answers->fld_bSch7);
    fields.bind(ui->fld_bSch9, &m_answers->fld_bSch9);
    fields.bind(ui->fld_bSch11, &m_answers->fld_bSch11);
    fields.bind(ui->fld_bSch15, &m_answers->fld_bSch15);
    fields.bind(ui->fld_bT776, &m_answers->fld_bT776);
    fields.bind(ui->fld_bT2125, &m_answers->fld_bT2125);
}

bool NewReturnBasic_FormOption::validatePage()
{
    PpgWizardPage::validatePage();
    return true;
}
