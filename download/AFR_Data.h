// AFR_Data: the Auto-fill wizard's first page, the stored download's summary page.
#pragma once

#include "ordane/CString.h"
#include "ordane/PpgWizardPage.h"

#include <memory>

namespace Ui {
class AFR_Data;
}

class AFR_Data : public PpgWizardPage
{
    Q_OBJECT
public:
    // A page without data; the summary page's HTML is appended to the read-only view. The
    // text must outlive the page.
    AFR_Data(const CString &html, QWidget *parent = nullptr);
    ~AFR_Data() override;

    // Binds nothing: the page only shows.
    void bindFields() override {}
    bool validatePage() override { return true; }

private:
    std::unique_ptr<Ui::AFR_Data> ui;
    const CString &m_html;
};
