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

void WizardBase::done(int result)
{
    if (result != QDialog::Accepted) {
        QWizard::done(result);
        return;
    }
    // The last page stores its widgets and tests them first: showing the data before that
    // would put back what the user had just chosen without a signal (a radio button set from
    // the keyboard, a box ticked by a script). Pages may share one data object: each object
    // is normalised once.
    if (!validateCurrentPage())
        return;
    QList<CWSBaseData *> normalised;
    for (PpgWizardPage *page : qAsConst(m_pages)) {
        CWSBaseData *data = page->data();
        if (data && !normalised.contains(data)) {
            data->normalizeData();
            normalised.append(data);
        }
    }
    // The widgets show the normalised data, so an edit losing focus as the wizard closes
    // stores nothing stale.
    for (PpgWizardPage *page : qAsConst(m_pages))
        page->GetDataFromDoc();
    // Not QWizard::done: it would test the page a second time.
    QDialog::done(result); // NOLINT(bugprone-parent-virtual-call): skips QWizard::done
}
