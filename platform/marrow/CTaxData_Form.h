// CTaxData_Form: base of every form, slip, note and wizard-data object of a return.
#pragma once

#include "ordane/FieldOwner.h"

#include <QList>
#include <QObject>
#include <memory>
#include <typeinfo>

class BaseTaxPage;
class CField;
class CString;
class CStringField;
class DependantInfoStruct;
class MyDataStream;
class QStringList;
class QWidget;
struct NetfileGenObjParamStru;

class CTaxData_Form : public QObject, public FieldOwner
{
    Q_OBJECT
public:
    // Kind values: 1 slip, 2 wizard data, 3 note, anything else (0) a form.
    enum Kind
    {
        KindForm = 0,
        KindSlip = 1,
        KindWizard = 2,
        KindNote = 3
    };
    // Bit 0 of the flags word: the values came from a download.
    enum Flag
    {
        FlagDownloaded = 0x1
    };

    explicit CTaxData_Form(int code, int kind = KindForm);
    ~CTaxData_Form() override;

    // Virtual operations in the order the return model relies on.
    // Appends the object's pages: by default one generic page of every field.
    virtual void createPages(QList<BaseTaxPage *> &pages, QWidget *parent);
    // Every registered field and the flags word, from an object of the same class.
    virtual void copyValuesFrom(const CTaxData_Form &other);
    virtual bool isDifferentFrom(const CTaxData_Form &other) const;
    // Whether the form goes on into next year's return (default: yes).
    virtual bool keepForNewYear(int edition, int province) const;
    // Carries the form into the new year: without old data every field is reset.
    virtual void convertToNewYear(bool keepData);
    // Takes the values of the spouse's twin of a shared form or slip.
    virtual void copyFromCounterpart(const CTaxData_Form &twin);
    virtual bool isShared() const;
    // Writes or reads the object's own block: a marker, the flags word, then the fields.
    virtual void Serialize(int version, CString &tag, MyDataStream &ar);
    // How many bytes Serialize writes for the object as it stands, without writing them.
    qint64 blockBytes(int version) const;
    // The object's own description (empty unless the class keeps one).
    virtual void getDescription(CString &description) const;
    virtual void calculate();
    virtual void preSumSlip();
    virtual void collectWarnings(QStringList &messages);
    virtual bool validate(int edition, QStringList &messages);
    virtual void beginCalculation();
    // Writes the form's line records; returns how many. The default writes each amount field
    // named by a five-digit line code that is present (EfileRecords.cpp).
    virtual int writeEfileRecords(int mode, NetfileGenObjParamStru &param);
    // A statement's own values for its barcode block: its line records, written in the kind the
    // parameter record asks for (the barcode asks for the value map).
    int WriteFreeData(int mode, NetfileGenObjParamStru &param)
    {
        return writeEfileRecords(mode, param);
    }
    virtual void setDepInfo(DependantInfoStruct *dependants);
    virtual void prepareAllForms();
    // Fields the calculation writes: pages show them read-only.
    virtual bool isCalculatedField(const CField &field) const;
    // A field's title from the form's description; empty for a field no page shows.
    virtual QString fieldTitle(const CField &field) const;

    // A slip's payer or description ("description"); null for other objects.
    CStringField *descriptionField() const { return m_description.get(); }

    // Descriptions of the class for the print engine's project: a Java class "<name>" in
    // folder/<name>.java and folder/<fileName>, an XML file; both list the registered fields.
    // 0 when written.
    int writeJavaDescription(const CString &folder, const CString &name, int option) const;
    int writeXmlDescription(const CString &folder, const CString &name, const CString &fileName,
                            int version) const;

    int getType() const { return m_code; }
    int getKind() const { return m_kind; }
    int getFlags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }
    bool isDownloaded() const { return m_flags & FlagDownloaded; }
    void setDownloaded(bool on);
    // The form marks itself as needed by others: the editor refuses to remove it. Not stored;
    // the form sets it from its own state.
    bool isRequired() const { return m_required; }
    void setRequired(bool required) { m_required = required; }

    void setCoupledReturn(bool coupled) { m_coupled = coupled; }
    bool isCoupledReturn() const { return m_coupled; }
    int getMainTaxProvince() const { return m_mainProvince; }
    void setMainTaxProvince(int province) { m_mainProvince = province; }
    DependantInfoStruct *depInfo() const { return m_dependants; }

    // First word of every block; anything else is damage or a misplaced read.
    static constexpr quint32 kBlockMarker = 0x51564642;

private:
    int m_code;
    int m_kind;
    int m_flags = 0;
    bool m_coupled = false;
    bool m_required = false;
    int m_mainProvince = 0;
    DependantInfoStruct *m_dependants = nullptr;
    std::unique_ptr<CStringField> m_description;
};

// The form or slip as the class Form, or null when it is not one: what dynamic_cast gives, with
// the exact class checked first. A walk over thousands of slips or statements finds the exact
// class nearly every time, and the check is one comparison instead of a search of the classes.
template <typename Form, typename Base> Form *formAs(Base *form)
{
    if (form && typeid(*form) == typeid(Form))
        return static_cast<Form *>(form);
    return dynamic_cast<Form *>(form);
}
