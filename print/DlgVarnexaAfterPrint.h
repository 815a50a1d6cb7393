// DlgVarnexaAfterPrint: after a print, the link to the PDF file and the offer to send it to the
// taxpayer by e-delivery.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class DlgVarnexaAfterPrint;
}

class DlgVarnexaAfterPrint : public QDialog
{
    Q_OBJECT
public:
    // fileUrl: the PDF file's link, shown as its own text; email: the address offered.
    DlgVarnexaAfterPrint(const QString &fileUrl, const QString &email, QWidget *parent = nullptr);
    ~DlgVarnexaAfterPrint() override;

    // The address offered, or the one typed when "E-Delivery" was last pressed.
    const QString &receiverEmail() const { return m_receiverEmail; }

public slots:
    // "E-Delivery": accepts only a non-empty address that the e-mail check takes; otherwise
    // warns and stays open.
    void accept() override;

private:
    QString m_receiverEmail;
    std::unique_ptr<Ui::DlgVarnexaAfterPrint> ui;
};
