// FamilyTaxData's return file: both person records, dependants, password, coupled flags, settings.
#include "model/FamilyTaxData.h"

#include "marrow/FormTables.h"
#include "model/CSetCoupledFlagObj.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/MyDataStream.h"
#include "ordane/dlgGeneralInput.h"

#include <QtGlobal>

namespace {
// A person record read whole returns its version; every failure code lies below.
bool recordRead(int result)
{
    return result >= IndividualTaxData::kLowestDataVersion;
}

// The box and result for a person record that did not read whole.
int refuseRecord(int result, const IndividualTaxData &person)
{
    if (result == resultNumber(ReturnFileResult::NotForThisVersion)) {
        qInfo("data file not for this version");
        return resultNumber(ReturnFileResult::NotForThisVersion);
    }
    if (result == resultNumber(ReturnFileResult::ProvinceNotLoaded)) {
        const ProvInfoRow *row = provInfo(person.m_province);
        const QString name =
            row ? QString::fromUtf8(row->name) : QString::number(person.m_province);
        showReturnFileMessage(
            QStringLiteral(
                "This return file cannot be opened: the provincial tax module for %1 "
                "could not be loaded. Please reinstall Quorvandelle and open the file again.")
                .arg(name));
        return resultNumber(ReturnFileResult::ProvinceNotLoaded);
    }
    showReturnFileDamaged();
    return resultNumber(ReturnFileResult::Damaged);
}
} // namespace

int FamilyTaxData::Serialize(unsigned char edition, MyDataStream &stream)
{
    return stream.IsStoring() ? writeFile(edition, stream) : readFile(edition, stream);
}

int FamilyTaxData::writeFile(unsigned char edition, MyDataStream &stream)
{
    m_taxpayer->Serialize(edition, stream);
    m_spouse->Serialize(edition, stream);
    m_dependants.serilize(IndividualTaxData::kCurrentDataVersion, stream);
    setCoupledFlags();
    serializeSettings(edition, stream);
    return stream.status() == QDataStream::Ok ? 0 : resultNumber(ReturnFileResult::WriteFailed);
}

int FamilyTaxData::readFile(unsigned char edition, MyDataStream &stream)
{
    freeAllData();
    try {
        return readWhole(edition, stream);
    } catch (...) {
        // Never success on a file read only in part.
        qInfo("serize exception happens");
        showReturnFileDamaged();
        return resultNumber(ReturnFileResult::Damaged);
    }
}

int FamilyTaxData::readWhole(unsigned char edition, MyDataStream &stream)
{
    if (const int result = readRecords(edition, stream))
        return result;

    if (isPasswordProtected()) {
        dlgGeneralInput dialog(nullptr, QStringLiteral("Enter password to open file"));
        dialog.setMessageLine(0, QStringLiteral("Please enter the password for this return file"));
        dialog.setMessageLine(1, QStringLiteral("This return file is proetected by a password"));
        dialog.setMessageLine(3, QStringLiteral("Press 'Cancel' button to cancel"));
        dialog.setPasswordEntry(true);
        QString text;
        if (!dialog.getInput(text) || !checkPassword(CString(text)))
            return resultNumber(ReturnFileResult::PasswordRefused);
    }
    // Each person's record ran its afterLoad as it was read; the forms it adds need nothing of
    // the other person or of the dependants.
    fillDependants();
    setCoupledFlags();
    serializeSettings(edition, stream);
    if (stream.status() != QDataStream::Ok) {
        showReturnFileDamaged();
        return resultNumber(ReturnFileResult::Damaged);
    }
    return 0;
}

int FamilyTaxData::readRecords(unsigned char edition, MyDataStream &stream)
{
    const int taxpayer = m_taxpayer->Serialize(edition, stream);
    // After a record that did not read whole, the rest of the file is out of step. A whole
    // record of province 0 is what the editor saved: it opens again.
    if (!recordRead(taxpayer))
        return refuseRecord(taxpayer, *m_taxpayer);
    const int spouse = m_spouse->Serialize(edition, stream);
    if (!recordRead(spouse))
        return refuseRecord(spouse, *m_spouse);
    m_dependants.serilize(taxpayer, stream);
    if (stream.status() != QDataStream::Ok) {
        showReturnFileDamaged();
        return resultNumber(ReturnFileResult::Damaged);
    }
    return 0;
}

void FamilyTaxData::fillDependants()
{
    if (m_dependants.count() >= DependantInfoStruct::kDefaultRecords)
        return;
    const DependantInfoStruct read = m_dependants;
    m_dependants.AllocData(DependantInfoStruct::kDefaultRecords);
    for (int i = 0; i < read.count(); ++i)
        m_dependants.record(i) = read.record(i);
}

void FamilyTaxData::setCoupledFlags()
{
    bool coupled = isCoupled();
    CSetCoupledFlagObj setter;
    m_taxpayer->enumForms(setter, &coupled);
    m_spouse->enumForms(setter, &coupled);
    m_taxpayer->m_coupled = coupled;
    m_spouse->m_coupled = coupled;
}

int FamilyTaxData::serializeSettings(unsigned char, MyDataStream &stream)
{
    if (stream.IsStoring()) {
        stream << qint32(1) << qint32(0);
    } else {
        qint32 ignored = 0;
        stream >> ignored >> ignored;
    }
    m_settings.Serialize(stream);
    return 0;
}

bool FamilyTaxData::isPasswordProtected() const
{
    return m_taxpayer->m_dataVersion >= IndividualTaxData::kPasswordFromVersion &&
           !m_taxpayer->m_password.isEmpty();
}

bool FamilyTaxData::checkPassword(const CString &text) const
{
    // Files rely on the letter case of their password not mattering.
    return m_taxpayer->m_password.CompareNoCase(text) == 0;
}
