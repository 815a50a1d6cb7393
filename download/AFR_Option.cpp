// AFR_Option: binding of the fill option and the element flags.
#include "download/AFR_Option.h"
#include "ui_AFR_Option.h"

#include "download/DataAFR.h"

AFR_Option::AFR_Option(DataAFR *data, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::AFR_Option), m_choice(data)
{
    m_choice->fld_iFillOption.setValue(DataAFR::AllElements);
    ui->setupUi(this);
}

AFR_Option::~AFR_Option() = default;

void AFR_Option::bindFields()
{
    FieldBinder &fields = binder();
    ui->fld_iFillOption->setId(ui->fld_iFillOption_0, 0);
    ui->fld_iFillOption->setId(ui->fld_iFillOption_1, 1);
    fields.bind(ui->fld_iFillOption, &m_choice->fld_iFillOption);
    // In the order the choice registers its flags.
    const std::pair<StyledCheckBox *, CBoolField *> flags[] = {
        {ui->fld_bT4, &m_choice->fld_bT4},
        {ui->fld_bT4A, &m_choice->fld_bT4A},
        {ui->fld_bT4AOAS, &m_choice->fld_bT4AOAS},
        {ui->fld_bT4AP, &m_choice->fld_bT4AP},
        {ui->fld_bT4E, &m_choice->fld_bT4E},
        {ui->fld_bT4FHSA, &m_choice->fld_bT4FHSA},
        {ui->fld_bT4RIF, &m_choice->fld_bT4RIF},
        {ui->fld_bT1204, &m_choice->fld_bT1204},
        {ui->fld_bT3, &m_choice->fld_bT3},
        {ui->fld_bT5, &m_choice->fld_bT5},
        {ui->fld_bPRPP, &m_choice->fld_bPRPP},
        {ui->fld_bRC62, &m_choice->fld_bRC62},
        {ui->fld_bRC210, &m_choice->fld_bRC210},
        {ui->fld_bT5007, &m_choice->fld_bT5007},
        {ui->fld_bT5008, &m_choice->fld_bT5008},
        {ui->fld_bTuition, &m_choice->fld_bTuition},
        {ui->fld_bT2202, &m_choice->fld_bT2202},
        {ui->fld_bMBSB, &m_choice->fld_bMBSB},
        {ui->fld_bInstalment, &m_choice->fld_bInstalment},
        {ui->fld_bRRSPLimit, &m_choice->fld_bRRSPLimit},
        {ui->fld_bT4RSP, &m_choice->fld_bT4RSP},
        {ui->fld_bRRSPContribution, &m_choice->fld_bRRSPContribution},
        {ui->fld_bHBPLLP, &m_choice->fld_bHBPLLP},
    };
    for (const auto &flag : flags)
        fields.bind(flag.first, flag.second);
}

bool AFR_Option::validatePage()
{
    PutDataToDoc();
    const int option = m_choice->fld_iFillOption.value();
    return option == DataAFR::AllElements || option == DataAFR::OnlySelected;
}
