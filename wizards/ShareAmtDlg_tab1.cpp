// ShareAmtDlg_tab1: the shareable amounts of both spouses, bound to DataShareAmtDlg.
#include "wizards/ShareAmtDlg_tab1.h"
#include "ui_ShareAmtDlg_tab1.h"

#include "model/DataShareAmtDlg.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "ordane/CString.h"
#include "ordane/FieldOwner.h"

namespace {

QString personName(IndividualTaxData *person)
{
    return person ? person->fullName() : QString();
}

} // namespace

ShareAmtDlg_tab1::ShareAmtDlg_tab1(DataShareAmtDlg *data, FamilyTaxData *family, QWidget *parent)
    : PpgWizardPage(data, nullptr, parent), ui(new Ui::ShareAmtDlg_tab1), m_family(family)
{
    ui->setupUi(this);
}

ShareAmtDlg_tab1::~ShareAmtDlg_tab1() = default;

void ShareAmtDlg_tab1::showEvent(QShowEvent *event)
{
    PpgWizardPage::showEvent(event);
    if (!m_family)
        return;
    ui->FullName1->setText(personName(m_family->taxpayer()));
    ui->FullName2->setText(personName(m_family->spouse()));
}

bool ShareAmtDlg_tab1::validatePage()
{
    PpgWizardPage::validatePage();
    return true;
}

void ShareAmtDlg_tab1::bindFields()
{
    auto *amounts = static_cast<DataShareAmtDlg *>(data());
    if (!amounts)
        return;
    FieldBinder &fields = binder();
    for (CField *field : amounts->fields()) {
        if (field->type() != FieldType::Float)
            continue;
        auto *widget = findChild<QLineEdit *>(QString::fromLatin1(field->name()));
        auto *amount = static_cast<CFloatField *>(field);
        if (!widget || !fields.bind(widget, amount))
            continue;
        // A shown amount never reports an edit.
        if (amount->isDisplayOnly())
            disconnect(widget, &QLineEdit::editingFinished, &fields, nullptr);
    }
}
