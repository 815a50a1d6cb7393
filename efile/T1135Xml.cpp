// T1135Xml: the statement from its four templates and the form's own content, and its check.
#include "efile/T1135Xml.h"

#include "app/TabWndApp.h"
#include "brevant/BrevantForms.h"
#include "calc/ValidationMsgGroup.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/PersonForms.h"
#include "ordane/FileHelpers.h"
#include "ordane/XmlWriters.h"

#include <QStringList>

namespace {

const char *const kTemplateNames[] = {"t1135part1", "t1135part2", "t1135part3", "t1135partend"};

QString templatePath(const char *name)
{
    return QStringLiteral(":/net/net/%1.xmt").arg(QLatin1String(name));
}

} // namespace

int makeT1135Part1(QString &out, TemplateValues &values)
{
    const TabWndApp *app = appInstance();
    const CString code = app ? app->config.NetfileSoftwareCode : CString();
    values.insert("swcode", convertToXMLString(code + QLatin1String("M")));
    values.insert("swrevdate", CString(kT1135RevisionDate));
    return processTemplatePartInString(out, templatePath("t1135part1"), values, TemplateResource);
}

int makeT1135EndPart(QString &out, const TemplateValues &values)
{
    return processTemplatePartInString(out, templatePath("t1135partend"), values, TemplateResource);
}

T1135XmlResult FamilyTaxData::generateT1135Xml(QString &out)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->generateT1135Xml(out) : T1135XmlResult::NoT1135;
}

T1135XmlResult IndividualTaxData::generateT1135Xml(QString &out)
{
    auto *t1135 = formOf<TaxData_T1135New>(*this, FormType::T1135);
    if (!t1135)
        return T1135XmlResult::NoT1135;
    TemplateValues values;
    for (const char *name : kTemplateNames) {
        QString text;
        loadFileToQString(templatePath(name), text, kLoadFromResource);
        values.insert(name, text);
    }
    // The template engine and the form's content give 0 or 1, 1 when a template failed.
    if (makeT1135Part1(out, values) != 0)
        return T1135XmlResult::TemplateFailed;
    CString content;
    const int result = t1135->getT1135XMLContent(content, values);
    out += content;
    if (result != 0)
        return T1135XmlResult::TemplateFailed;
    return makeT1135EndPart(out, values) == 0 ? T1135XmlResult::Made
                                              : T1135XmlResult::TemplateFailed;
}

int FamilyTaxData::checkT1135(unsigned char edition, std::list<ValidationMsgGroup *> &groups)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->checkT1135(edition, groups) : 0;
}

int IndividualTaxData::checkT1135(unsigned char edition, std::list<ValidationMsgGroup *> &groups)
{
    auto *t1135 = formOf<TaxData_T1135New>(*this, FormType::T1135);
    if (!t1135)
        return 0;
    QStringList messages;
    t1135->validate(edition, messages);
    if (messages.isEmpty())
        return 0;
    auto *group = new ValidationMsgGroup;
    group->m_kind = ValidationMsgGroup::KindForm;
    group->m_type = FormType::T1135;
    for (const QString &text : messages)
        group->m_msgs.push_back(CString(text));
    groups.push_back(group);
    // The number of messages the form added: its validation only says whether it added any.
    return int(messages.size());
}
