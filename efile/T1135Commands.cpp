// The editor's T1135 commands: validate the statement, and file it online on its own.
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "calc/ValidationMsgGroup.h"
#include "efile/CFormFilingDlg.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "ordane/ResultNumber.h"
#include "ui/DlgValidationMsgs.h"
#include "ui/Form_Return.h"

int Form_Return::validateT1135(unsigned char edition, int formType, bool showSuccess, bool askFirst)
{
    if (formType == FormType::T1135 && m_family) {
        std::list<ValidationMsgGroup *> groups;
        const int count = m_family->checkT1135(edition, groups);
        if (count > 0) {
            if (askFirst && !askQuestion(CString(tr("Form contains validation errors. Do you want "
                                                    "to view the validation errors?")),
                                         this)) {
                freeValidationMsgGroups(groups);
                return count;
            }
            DlgValidationMsgs dialog(this);
            dialog.showMessages(QStringLiteral("T1135"), groups, false, QString(), {});
            dialog.exec();
            freeValidationMsgGroups(groups);
            return count;
        }
        freeValidationMsgGroups(groups);
    }
    if (showSuccess)
        showInformation(CString(tr("Form passes validation check, there are no errors found.")),
                        this);
    return 0;
}

T1135FilingStart Form_Return::fileT1135Online()
{
    refreshPages();
    if (!m_family || !m_family->hasForm(FormType::T1135)) {
        showInformation(CString(tr("Please add form T1135 into tax return first!")), this);
        return T1135FilingStart::NoT1135;
    }
    if (validateT1135(AppEdition, FormType::T1135, false, false) > 0)
        return T1135FilingStart::FormHasErrors;

    CString sin, firstName, lastName;
    m_family->getTextByKey(1, sin);
    m_family->getTextByKey(11, firstName);
    m_family->getTextByKey(12, lastName);

    // The dialog keeps a pointer to the XML: it lives until the dialog is gone.
    CString xml;
    if (const T1135XmlResult code = m_family->generateT1135Xml(xml); code != T1135XmlResult::Made) {
        showInformation(CString::formatted("%s message creation failed, error code=[%d].",
                                           "T1135 Filing", resultNumber(code)),
                        this);
        return T1135FilingStart::XmlNotMade;
    }
    {
        CFormFilingDlg dialog(CString(), CString(), FormType::T1135, &xml, m_family, this);
        dialog.showFormInfo(firstName + QLatin1Char(' ') + lastName, sin);
        dialog.exec();
    }
    refreshPages();
    return T1135FilingStart::DialogRan;
}
