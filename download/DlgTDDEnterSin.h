// DlgTDDEnterSin: the S.I.N.s a download is requested for, up to ten.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <memory>

class QLineEdit;
namespace Ui {
class DlgTDDEnterSin;
}

class DlgTDDEnterSin : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MaxSins = 10;

    // The list is the caller's: its first ten entries fill the edits, and accept rewrites it.
    DlgTDDEnterSin(QList<QByteArray> &sins, QWidget *parent = nullptr);
    ~DlgTDDEnterSin() override;

public slots:
    // Collects the texts of the non-empty edits as typed, in edit order; an invalid one is
    // named in a message and the dialog stays open with every edit as it was.
    void accept() override;

private:
    std::unique_ptr<Ui::DlgTDDEnterSin> ui;
    QLineEdit *m_edits[MaxSins];
    QList<QByteArray> &m_sins;
};
