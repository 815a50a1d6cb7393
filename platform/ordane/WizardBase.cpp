// WizardBase: page ids, binding at start and the data's last normalisation at Finish.
#include "ordane/WizardBase.h"

#include "ordane/CWSBaseData.h"
#include "ordane/PpgWizardPage.h"

WizardBase::WizardBase(QWidget *parent, const QString &title) : QWizard(parent)
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int WizardBase::addPage(PpgWizardPage *page)
{
    const int id = m_pages.size();
    setPage(id, page);
    m_pages.append(page);
    return id;
}

void WizardBase::initUI(int width, int height)
{
    resize(width, height);
    for (PpgWizardPage *page : qAsConst(m_pages)) {
        page->bindFields();
        page->GetDataFromDoc();
    }
}

void WizardBase::accept()
{
    // Finish validates the page on screen first, which stores its widgets: showing the data
    // before that would put back what the user just chose on it.
    if (QWizardPage *page = currentPage()) {
        if (!page->validatePage() || !page->isComplete())
            return;
    }
    // Pages may share one data object: each object is normalised once.
    QList<CWSBaseData *> done;
    for (PpgWizardPage *page : qAsConst(m_pages)) {
        CWSBaseData *data = page->data();
        if (data && !done.contains(data)) {
            data->normalizeData();
            done.append(data);
        }
    }
    // The widgets show the normalised data, so an edit losing focus as the wizard closes
    // stores nothing stale.
    for (PpgWizardPage *page : qAsConst(m_pages))
        page->GetDataFromDoc();
    QDialog::accept();
}
