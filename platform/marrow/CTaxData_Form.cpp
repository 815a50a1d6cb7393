// CTaxData_Form: the registry-driven defaults of the virtual operations and the block.
#include "marrow/CTaxData_Form.h"

#include "ordane/CString.h"
#include "ordane/MyDataStream.h"

CTaxData_Form::CTaxData_Form(int code, int kind) : m_code(code), m_kind(kind) {}

CTaxData_Form::~CTaxData_Form() = default;

void CTaxData_Form::createPages(QList<BaseTaxPage *> &, QWidget *) {}

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
