// PpgWizardPage: binding, showing and storing a page's data.
#include "ordane/PpgWizardPage.h"

#include "ordane/CWSBaseData.h"

#include <QWizard>

PpgWizardPage::PpgWizardPage(CWSBaseData *data, QObject *form, QWidget *parent)
    : QWizardPage(parent), m_data(data), m_form(form)
{
}

void PpgWizardPage::initializePage()
{
    GetDataFromDoc();
}

bool PpgWizardPage::validatePage()
{
    PutDataToDoc();
    // On the last page the wizard's Finish normalises once for all pages.
    const bool finishing = isFinalPage() || nextId() < 0;
    if (m_data && !finishing) {
        m_data->normalizeData();
        GetDataFromDoc();
    }
    return true;
}

int PpgWizardPage::nextId() const
{
    return QWizardPage::nextId();
}

void PpgWizardPage::bindFields()
{
    if (m_data)
        m_binder.bindOwner(this, *m_data);
}

void PpgWizardPage::GetDataFromDoc()
{
    m_binder.showAll();
}

void PpgWizardPage::PutDataToDoc()
{
    m_binder.storeAll();
}

void PpgWizardPage::cleanupPage()
{
    PutDataToDoc();
}
