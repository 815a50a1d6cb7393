// CFormFilingDlg: files one form of the person on screen on its own (T1135, T1013 or the
// pre-authorised debit agreement), once, and shows, records and reports the outcome.
#pragma once

#include "ordane/CString.h"
#include "ordane/TemplateEngine.h"

#include <QByteArray>
#include <QDialog>
#include <memory>

class FamilyTaxData;
class Form_Return;

class CFormFilingDlg : public QDialog
{
public:
    // The body is the caller's text and must outlive the dialog; the return is not owned.
    CFormFilingDlg(const CString &efilerNumber, const CString &efilerPassword, int formCode,
                   CString *formBody, FamilyTaxData *family, QWidget *parent);
    ~CFormFilingDlg() override;

    // Whom the filing is for, shown under the filing's title.
    void showFormInfo(const QString &name, const QString &sin);

    // OK: runs the form's filing to its end, then closes whatever came of it.
    void accept() override;

    // 0, the terms exchange's code (10 declined), or the T1135 exchange's non-zero code.
    int fileT1135(TemplateValues &values);
    // Always 0: every outcome is shown by the filing itself.
    int fileAuthForm(TemplateValues &values);

    bool isFiled() const { return m_filed; }
    const QByteArray &formName() const { return m_formName; }

private:
    struct Layout;

    void buildLayout();

    Form_Return *m_editor;
    QByteArray m_formName;
    int m_formCode;
    CString m_efilerNumber;
    CString m_efilerPassword;
    FamilyTaxData *m_family;
    bool m_filed = false;
    CString m_sin;
    CString m_name;
    CString *m_formBody;
    std::unique_ptr<Layout> m_layout;
};
