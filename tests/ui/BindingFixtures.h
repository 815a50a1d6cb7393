// Small data, form and page classes the binding tests bind their widgets to.
#pragma once

#include "marrow/BaseTaxPage.h"
#include "marrow/CTaxData_Form.h"
#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CWSBaseData.h"
#include "ordane/PpgWizardPage.h"

#include <QWidget>

// Wizard data: a name cut at 5, an amount capped at 1000 by normalizeData, a date, a flag, a
// radio choice (-1: none) and a province.
class BindingData : public CWSBaseData
{
public:
    CStringField name{this, "name", 5};
    CFloatField amount{this, "amount"};
    CDateField born{this, "born"};
    CBoolField flag{this, "flag"};
    CIntField choice{this, "choice", -1};
    CIntField province{this, "province"};

    int normalizeCalls = 0;
    int normalizeData() override
    {
        ++normalizeCalls;
        if (amount.value() > 1000)
            amount.setValue(1000);
        return 0;
    }
};

// Every kind of bound widget, named after BindingData's fields.
QWidget *makeBindingWidgets(QWidget *parent);

// A wizard page holding some of the widgets.
class BindingPage : public PpgWizardPage
{
    Q_OBJECT
public:
    BindingPage(BindingData *data, bool first);
};

// A form with a text and an amount, and its page.
class PageForm : public CTaxData_Form
{
    Q_OBJECT
public:
    PageForm() : CTaxData_Form(125) {}
    CStringField employer{this, "employer", 30};
    CFloatField income{this, "income"};
};

class PageOfForm : public BaseTaxPage
{
    Q_OBJECT
public:
    PageOfForm(CTaxData_Form *form, QWidget *editor);
};
