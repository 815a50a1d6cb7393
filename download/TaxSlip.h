// TaxSlip: base of the downloaded slips, one object per slip element of an Auto-fill item.
#pragma once

#include "ordane/CString.h"

#include <QByteArray>
#include <functional>
#include <map>

class CTaxData_Form;
class TiXmlElement;

// One box number and the label the summary page shows it under.
struct TaxSlipBoxLabel
{
    const char *box;
    const char *label;
};

struct TaxSlipLabelTable
{
    const TaxSlipBoxLabel *rows;
    int count;
};

// A downloaded slip keeps the texts found in its element; nothing is read as a number until
// a caller asks for an amount (getBoxAmount). Texts are UTF-8 byte strings.
class TaxSlip
{
public:
    explicit TaxSlip(int slipType);
    virtual ~TaxSlip();
    TaxSlip(const TaxSlip &) = delete;
    TaxSlip &operator=(const TaxSlip &) = delete;

    // The slip type's short name from the slip table ("T4", "T4A" ...).
    virtual const char *getSlipName() const;
    // Keeps a text that has no box number: a name ending "IssuerName" becomes issuerName.
    virtual int setField(const char *name, const char *text);
    // The slip kind's own elements; the base reads nothing.
    virtual int parseXml(const TiXmlElement *element);
    // The slip kind's own lines of the summary page.
    virtual int toHtml(CString &page, int ordinal) const = 0;
    // Copies the slip's values into a new slip form of its kind (TaxSlipApply.cpp). A null
    // form or a form of another class gets nothing. The base, for the kinds without a slip
    // form, writes nothing. Returns 0.
    virtual int applyToForm(CTaxData_Form *form) const;

    // Tax year, boxes and the texts setField keeps, then the version description.
    int parseCommonElements(const TiXmlElement *element);

    // The box text trimmed of white space at both ends; empty when the box is absent.
    QByteArray getBoxText(const char *box) const;
    // The box text read as an amount (myStringToDouble); 0 when the box is absent.
    double getBoxAmount(const char *box) const;

    // "n - name" in bold red, then the tax year and version lines.
    int appendHtmlHeader(CString &page, int ordinal) const;
    // One line per labelled box with a text, in box-number byte order; returns the number of
    // boxes walked.
    int appendBoxLines(CString &page) const;
    // "label: text<br>\n" for the box, unless its text is empty or equals skip ignoring case.
    bool appendBoxLine(CString &page, const char *box, const char *label, const char *skip) const;

    QByteArray taxYear;
    QByteArray versionDescription;
    const int slipType;
    QByteArray issuerName;
    // Box number as written in "boxNumber" to the box text; ordered by plain byte comparison,
    // so "10" < "104" < "11" and "16" < "16A" < "17".
    std::map<QByteArray, CString> boxes;
    // Box number to label; filled by the constructors of the kinds the page labels.
    std::map<QByteArray, CString> boxLabels;

protected:
    void setBoxLabels(const TaxSlipLabelTable &table);

    // Calls visit(name, boxNumber or null, text) for each child element that has a text, in
    // document order; children without a text are skipped.
    static void forEachTextChild(
        const TiXmlElement *element,
        const std::function<void(const char *name, const char *box, const char *text)> &visit);
    // The text of the last child without a box number whose name ends with suffix.
    static void keepTextOfName(const TiXmlElement *element, const char *suffix, QByteArray &out);
};
