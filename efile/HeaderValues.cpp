// The values of the filing envelope's header templates, NETFILE and EFILE.
#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/FilingFormats.h"
#include "ordane/XmlWriters.h"

namespace {

// Every text goes in escaped: the names, the access code and the settings are typed by users.
void putText(TemplateValues &values, const char *key, const QString &text)
{
    values.insert(key, convertToXMLString(text));
}

// The first-time filer's names ("X" for an empty given or second name) or "firsttime" 0.
void putFirstTimeKeys(TemplateValues &values, bool filedBefore, const CString &first,
                      const CString &second, const CString &last)
{
    if (filedBefore) {
        values.insert("firsttime", "0");
        return;
    }
    values.insert("firsttime", "1");
    putText(values, "givenname", first.IsEmpty() ? CString("X") : first);
    putText(values, "secondname", second.IsEmpty() ? CString("X") : second);
    putText(values, "familyname", last);
}

// "1" with the signature's date and time, or "0" when not signed electronically.
template <typename Form>
void putSignature(TemplateValues &values, const Form &form, const char *signedKey,
                  const char *dateKey, const char *timeKey)
{
    if (!form.isSignedElectronically()) {
        values.insert(signedKey, "0");
        return;
    }
    const QDateTime at = form.signedAt();
    values.insert(signedKey, "1");
    values.insert(dateKey, CString(at.toString(QStringLiteral("yyyy-MM-dd"))));
    values.insert(timeKey, CString(at.toString(QStringLiteral("hh:mm:ss"))));
}

} // namespace

void IndividualTaxData::fillNetfileHeaderValues(TemplateValues &values, int agreement,
                                                CString &email, double &balance, int testCase)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    CString sin, first, second, last;
    QDate born;
    getIdentityForFiling(sin, first, second, last, email, born, balance);
    putText(values, "sin", sin);
    values.insert("bod", GetDateStr(born, 2));
    values.insert("agreement", CString(QString::number(agreement)));
    if (t1->filedBefore && !t1->accessCode.IsEmptyIfRemoveBlank())
        putText(values, "accesscode", t1->accessCode);
    putFirstTimeKeys(values, t1->filedBefore, first, second, last);
    if (testCase > 0)
        values.insert("testcaseID", CString(QString::number(testCase)));
}

void IndividualTaxData::fillEfileHeaderValues(TemplateValues &values, int esign)
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1)
        return;
    const TabWndApp *app = appInstance();
    const bool testing = app && app->config.MODEDEBUG;
    putText(values, "efilerID", app ? app->config.BusinessEFileNum : CString());
    putText(values, "efpasd", app ? app->config.BusinessEFilePassword : CString());
    const auto *t183 = formOf<TaxData_T183New>(*this, FormType::T183);
    putText(values, "dcn", t183 ? t183->getDCN() : CString());
    if (testing) {
        bool ok = false;
        const int testCase = values.value("testid").toInt(&ok);
        if (ok && testCase > 0)
            values.insert("testcaseID", CString(QString::number(testCase)));
    }
    CString sin, first, second, last, email;
    QDate born;
    double balance = 0;
    getIdentityForFiling(sin, first, second, last, email, born, balance);
    putFirstTimeKeys(values, t1->filedBefore, first, second, last);

    const auto *rc71 = formOf<CTaxData_RC71>(*this, FormType::RC71);
    if (rc71) {
        values.insert("rc71_exist", CString());
        values.insert("rc71sign", "0");
        putText(values, "discounterRegNum", rc71->discounterCode);
    }
    if (!t183)
        return;
    if (t183->preparerAuthorisation != 0) {
        values.insert("preparerRepresent", "1");
        if (t183->authorisationExpiry.IsValid())
            values.insert("preparerRepresentExpDate",
                          GetDateStr(t183->authorisationExpiry.date(), 2));
    }
    values.insert("precntctcode", CString(QString::number(t183->preAssessment + 2)));
    values.insert("postcntctcode", CString(QString::number(t183->postAssessment + 2)));
    if (esign != 1)
        return;
    // A blank keeps the marker lines of the signature blocks.
    values.insert("esigned_needed", " ");
    putSignature(values, *t183, "esigned", "esigndate", "esigntime");
    if (rc71) {
        values.insert("rc71_needed", " ");
        putSignature(values, *rc71, "rc71signed", "rc71signdate", "rc71signtime");
    }
}

void FamilyTaxData::fillNetfileHeaderValues(TemplateValues &values, int agreement, CString &email,
                                            double &balance, int testCase)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->fillNetfileHeaderValues(values, agreement, email, balance, testCase);
}

void FamilyTaxData::fillEfileHeaderValues(TemplateValues &values, int esign)
{
    if (IndividualTaxData *person = getCurrentPersonData())
        person->fillEfileHeaderValues(values, esign);
}
