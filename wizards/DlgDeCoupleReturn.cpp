// DlgDeCoupleReturn: the persons' names, and taking the other person out of the return file.
#include "wizards/DlgDeCoupleReturn.h"
#include "ui_DlgDeCoupleReturn.h"

#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/CString.h"

namespace {

QString personName(IndividualTaxData *person)
{
    return person ? person->fullName() : QString();
}
} // namespace

DlgDeCoupleReturn::DlgDeCoupleReturn(FamilyTaxData *family, QWidget *parent)
    : QDialog(parent), ui(new Ui::DlgDeCoupleReturn), m_family(family)
{
    ui->setupUi(this);
    // After the slot connected by name, so the return has changed before the dialog closes.
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (m_family) {
        ui->comboBox->addItem(personName(m_family->taxpayer()));
        ui->comboBox->addItem(personName(m_family->spouse()));
    }
    ui->comboBox->setCurrentIndex(0);
}

DlgDeCoupleReturn::~DlgDeCoupleReturn() = default;

void DlgDeCoupleReturn::keepPerson(FamilyTaxData &family, int index)
{
    if (index == 0)
        family.spouse()->freeAllData();
    else
        family.makeSpouseTheTaxpayer();
    family.taxpayer()->setCoupledReturn(false);
    // The spouse left behind is empty; it must not still call itself part of a couple.
    family.spouse()->setCoupledReturn(false);
    family.setCurrentPersonIndex(PersonTaxpayer);
}

void DlgDeCoupleReturn::on_buttonBox_accepted()
{
    if (m_family)
        keepPerson(*m_family, ui->comboBox->currentIndex());
}
