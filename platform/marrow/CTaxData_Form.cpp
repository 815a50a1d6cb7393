// CTaxData_Form: the registry-driven defaults of the virtual operations and the block.
#include "marrow/CTaxData_Form.h"

#include "marrow/FieldDescriptions.h"
#include "marrow/FormTables.h"
#include "marrow/GenericTaxPage.h"
#include "ordane/CString.h"
#include "ordane/CStringField.h"
#include "ordane/MyDataStream.h"

CTaxData_Form::CTaxData_Form(int code, int kind) : m_code(code), m_kind(kind)
{
    // Files written before slips kept a description still read: the field keeps its default.
    if (kind == KindSlip)
        m_description = std::make_unique<CStringField>(this, "description", 80);
}

CTaxData_Form::~CTaxData_Form() = default;

void CTaxData_Form::createPages(QList<BaseTaxPage *> &pages, QWidget *parent)
{
    const QString title = m_kind == KindSlip     ? slipName(m_code)
                          : m_kind == KindWizard ? taxWizardName(m_code)
                                                 : formName(m_code);
    auto *page = new GenericTaxPage(this, parent, title.isEmpty() ? tr("General") : title);
    page->addAllFields();
    page->finishRows();
    pages.append(page);
}

bool CTaxData_Form::isCalculatedField(const CField &) const
{
    return false;
}

QString CTaxData_Form::fieldTitle(const CField &field) const
{
    const FieldDescription *d = fieldDescription(m_kind, m_code, field.name());
    return d ? d->title : QString();
}

void CTaxData_Form::copyValuesFrom(const CTaxData_Form &other)
{
    copyFieldsFrom(other);
    m_flags = other.m_flags;
}

bool CTaxData_Form::isDifferentFrom(const CTaxData_Form &other) const
{
    return m_flags != other.m_flags || !fieldsEqual(other);
}

bool CTaxData_Form::keepForNewYear(int, int) const
{
    return true;
}

void CTaxData_Form::convertToNewYear(bool keepData)
{
    if (!keepData) {
        resetFields();
        m_flags = 0;
    }
}

void CTaxData_Form::copyFromCounterpart(const CTaxData_Form &twin)
{
    copyValuesFrom(twin);
}

bool CTaxData_Form::isShared() const
{
    return false;
}

void CTaxData_Form::Serialize(int version, CString &, MyDataStream &ar)
{
    // The record tag identifies the writer of the whole record; blocks do not vary by it.
    if (ar.IsStoring()) {
        ar << kBlockMarker << qint32(m_flags);
        writeFields(ar, version);
        return;
    }
    quint32 marker = 0;
    qint32 flags = 0;
    ar >> marker >> flags;
    if (ar.status() != QDataStream::Ok)
        return;
    if (marker != kBlockMarker) {
        ar.setCorrupt();
        return;
    }
    m_flags = flags;
    readFields(ar, version);
}

void CTaxData_Form::getDescription(CString &description) const
{
    if (m_description)
        description = m_description->value();
    else
        description.clear();
}

void CTaxData_Form::calculate() {}
void CTaxData_Form::preSumSlip() {}
void CTaxData_Form::collectWarnings(QStringList &) {}

// An item without checks of its own asks for no group.
bool CTaxData_Form::validate(int, QStringList &)
{
    return false;
}

void CTaxData_Form::beginCalculation() {}

void CTaxData_Form::setDepInfo(DependantInfoStruct *dependants)
{
    m_dependants = dependants;
}

void CTaxData_Form::prepareAllForms() {}

void CTaxData_Form::setDownloaded(bool on)
{
    m_flags = on ? (m_flags | FlagDownloaded) : (m_flags & ~FlagDownloaded);
}
