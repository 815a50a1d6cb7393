// DlgDeCoupleReturn: picks the person of a coupled return to keep; the other one's data goes.
#pragma once

#include <QDialog>
#include <memory>

class FamilyTaxData;

namespace Ui {
class DlgDeCoupleReturn;
}

class DlgDeCoupleReturn : public QDialog
{
    Q_OBJECT
public:
    // The return file is changed in place on OK; it is not owned.
    DlgDeCoupleReturn(FamilyTaxData *family, QWidget *parent = nullptr);
    ~DlgDeCoupleReturn() override;

    // Keeps the person of the combo's index: 0 the taxpayer, any other the spouse. The
    // return is left single with the taxpayer on screen.
    static void keepPerson(FamilyTaxData &family, int index);

private slots:
    void on_buttonBox_accepted();

private:
    std::unique_ptr<Ui::DlgDeCoupleReturn> ui;
    FamilyTaxData *m_family;
};
