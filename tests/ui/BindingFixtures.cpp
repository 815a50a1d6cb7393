// The binding tests' widgets and pages.
#include "BindingFixtures.h"

#include "marrow/ComboChoices.h"
#include "ordane/CT1ComboBox.h"
#include "ordane/DoubleLineEdit.h"
#include "ordane/StringLineEdit.h"
#include "ordane/StyledCheckBox.h"
#include "ordane/StyledDateEdit.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename W> W *named(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(name);
    parent->layout()->addWidget(w);
    return w;
}

} // namespace

QWidget *makeBindingWidgets(QWidget *parent)
{
    auto *w = new QWidget(parent);
    new QVBoxLayout(w);
    named<StringLineEdit>(w, "fld_name");
    named<DoubleLineEdit>(w, "fld_amount");
    named<StyledDateEdit>(w, "fld_born");
    named<StyledCheckBox>(w, "fld_flag");
    auto *group = new QButtonGroup(w);
    group->setObjectName("fld_choice");
    for (const char *name : {"fld_choice_0", "fld_choice_1", "fld_choice_2"})
        group->addButton(named<QRadioButton>(w, name));
    named<CT1ComboBox>(w, "fld_province")->setChoices(provinceChoices());
    return w;
}

BindingPage::BindingPage(BindingData *data, bool first) : PpgWizardPage(data, nullptr)
{
    new QVBoxLayout(this);
    if (first) {
        named<StringLineEdit>(this, "fld_name");
    } else {
        named<DoubleLineEdit>(this, "fld_amount");
        // Radio buttons without a group of their own: the binder makes one.
        for (const char *name : {"fld_choice_0", "fld_choice_1"})
            named<QRadioButton>(this, name);
    }
}

PageOfForm::PageOfForm(CTaxData_Form *form, QWidget *editor) : BaseTaxPage(form, editor, "Page")
{
    new QVBoxLayout(this);
    named<StringLineEdit>(this, "employer");
    named<DoubleLineEdit>(this, "income");
    named<StringLineEdit>(this, "unbound");
}
