// TaxSlip: the element walk every slip shares, box lookups and the page's header and box lines.
#include "download/TaxSlip.h"

#include "marrow/FormTables.h"
#include "ordane/HtmlLines.h"
#include "ordane/TextMatch.h"
#include "ordane/Utilities.h"

#include <tinyxml.h>

TaxSlip::TaxSlip(int type) : slipType(type) {}

TaxSlip::~TaxSlip() = default;

void TaxSlip::setBoxLabels(const TaxSlipLabelTable &table)
{
    for (int i = 0; i < table.count; ++i)
        boxLabels[QByteArray(table.rows[i].box)] = CString(table.rows[i].label);
}

const char *TaxSlip::getSlipName() const
{
    const SlipInfoRow *row = slipInfo(slipType);
    return row ? row->name : "";
}

int TaxSlip::setField(const char *name, const char *text)
{
    if (stringEndwith(name, "IssuerName", false))
        issuerName = text;
    return 0;
}

int TaxSlip::parseXml(const TiXmlElement *)
{
    return 0;
}

void TaxSlip::forEachTextChild(
    const TiXmlElement *element,
    const std::function<void(const char *name, const char *box, const char *text)> &visit)
{
    if (!element)
        return;
    for (const TiXmlElement *child = element->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const char *text = child->GetText();
        if (text)
            visit(child->Value(), child->Attribute("boxNumber"), text);
    }
}

void TaxSlip::keepTextOfName(const TiXmlElement *element, const char *suffix, QByteArray &out)
{
    forEachTextChild(element, [suffix, &out](const char *name, const char *box, const char *text) {
        if (!box && stringEndwith(name, suffix, false))
            out = text;
    });
}

int TaxSlip::parseCommonElements(const TiXmlElement *element)
{
    forEachTextChild(element, [this](const char *name, const char *box, const char *text) {
        if (stringEndwith(name, "TaxYear", false))
            taxYear = text;
        if (box)
            boxes[QByteArray(box)] = CString(text);
        else
            setField(name, text);
    });
    const TiXmlElement *version =
        element ? element->FirstChildElement("SlipVersionDescription") : nullptr;
    const char *text = version ? version->GetText() : nullptr;
    versionDescription = text ? QByteArray(text) : QByteArray();
    return 0;
}

QByteArray TaxSlip::getBoxText(const char *box) const
{
    const auto found = boxes.find(QByteArray(box));
    return found == boxes.end() ? QByteArray() : found->second.trimmed().toUtf8();
}

double TaxSlip::getBoxAmount(const char *box) const
{
    const auto found = boxes.find(QByteArray(box));
    return found == boxes.end() ? 0.0 : myStringToDouble(found->second);
}

int TaxSlip::appendHtmlHeader(CString &page, int ordinal) const
{
    page += QStringLiteral("<b><font color=\"red\">%1 - %2</font></b><br>")
                .arg(ordinal)
                .arg(QString::fromUtf8(getSlipName()).toHtmlEscaped());
    toHtmlOneLineItem(page, taxYear, "Tax Year");
    toHtmlOneLineItem(page, versionDescription, "Version");
    return 0;
}

int TaxSlip::appendBoxLines(CString &page) const
{
    int walked = 0;
    for (const auto &box : boxes) {
        ++walked;
        const auto label = boxLabels.find(box.first);
        if (label != boxLabels.end())
            appendBoxLine(page, box.first.constData(), label->second.toUtf8().constData(), "");
    }
    return walked;
}

bool TaxSlip::appendBoxLine(CString &page, const char *box, const char *label,
                            const char *skip) const
{
    const QByteArray text = getBoxText(box);
    if (text.isEmpty() || stricmp(text.constData(), skip ? skip : "") == 0)
        return false;
    return toHtmlOneLineItem(page, CString(text), CString(label));
}
