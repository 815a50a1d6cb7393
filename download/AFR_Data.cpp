// AFR_Data: builds its form and shows the summary page.
#include "download/AFR_Data.h"
#include "ui_AFR_Data.h"

AFR_Data::AFR_Data(const CString &html, QWidget *parent)
    : PpgWizardPage(nullptr, nullptr, parent), ui(new Ui::AFR_Data), m_html(html)
{
    ui->setupUi(this);
    ui->txtTaxData->appendHtml(m_html);
}

AFR_Data::~AFR_Data() = default;
