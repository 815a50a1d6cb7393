// DlgTDDEnterSin: entering and checking the requested S.I.N.s.
#include "download/DlgTDDEnterSin.h"

#include "ui_DlgTDDEnterSin.h"

#include "app/MessageHelpers.h"
#include "marrow/CheckSIN.h"

DlgTDDEnterSin::DlgTDDEnterSin(QList<QByteArray> &sins, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DlgTDDEnterSin>()), m_sins(sins)
{
    ui->setupUi(this);
    QLineEdit *const edits[MaxSins] = {ui->edtSin01, ui->edtSin02, ui->edtSin03, ui->edtSin04,
                                       ui->edtSin05, ui->edtSin06, ui->edtSin07, ui->edtSin08,
                                       ui->edtSin09, ui->edtSin10};
    std::copy(std::begin(edits), std::end(edits), std::begin(m_edits));
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &DlgTDDEnterSin::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &DlgTDDEnterSin::reject);
    for (int i = 0; i < MaxSins && i < m_sins.size(); ++i)
        m_edits[i]->setText(QString::fromUtf8(m_sins.at(i)));
}

DlgTDDEnterSin::~DlgTDDEnterSin() = default;

void DlgTDDEnterSin::accept()
{
    m_sins.clear();
    for (QLineEdit *edit : m_edits) {
        const QString text = edit->text();
        if (text.isEmpty())
            continue;
        if (!CheckSIN(text)) {
            showInformation(
                CString(QStringLiteral("The S.I.N (%1) entered is invalid!").arg(text)));
            return;
        }
        m_sins.append(text.toUtf8());
    }
    QDialog::accept();
}
