// ResultSummaryPage: the Result page, a summary to read: for each person of the return the
// lines a taxpayer looks for, each with its line number, shown and never edited; below, apart,
// the few choices that stay editable here and the file password, typed masked and twice.
#pragma once

#include "marrow/BaseTaxPage.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class TaxData_T1KSNew;

class ResultSummaryPage : public BaseTaxPage
{
    Q_OBJECT
public:
    ResultSummaryPage(TaxData_T1KSNew *summary, QWidget *editor);

    // One summary line: its line number (0 for an estimate no line carries), what it is, and
    // the summary field that holds it.
    struct Line
    {
        int number;
        const char *title;
        const char *field;
    };
    static const QList<Line> &lines();

    void syncData() override;
    void refresh() override;
    void commit() override;

    // The amount shown for one line and column (0 the person on screen, 1 the partner).
    QString shownAmount(const char *field, int column) const;

private:
    void showValues();
    void onSetPassword();

    TaxData_T1KSNew *m_summary;
    QList<QLabel *> m_nameLabels;
    // Per line, one label for each person's amount.
    QList<QList<QLabel *>> m_amounts;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_passwordAgain = nullptr;
    QLabel *m_passwordState = nullptr;
};
