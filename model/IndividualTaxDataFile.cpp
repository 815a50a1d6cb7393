// IndividualTaxData's person record of the return file, and the forms a loaded person must have.
// The layout is described in model/ReturnFileFormat.md; the print engine reads it too.
#include "model/IndividualTaxData.h"

#include "calc/AmountTests.h"
#include "calc/SlipTotals.h"
#include "marrow/FederalForms.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/ReturnFile.h"
#include "ordane/MyDataStream.h"

#include <QBuffer>
#include <QHash>
#include <algorithm>
#include <memory>

namespace {

constexpr int kLastProvince = 13;
constexpr int kTaxYear = 2025;
const char kRecordTag[] = "4093tax81726354";
constexpr int kPasswordString = 1;
constexpr int kTagString = 2;

// What each record version added to the layout (the lowest version read and the password's
// are IndividualTaxData's, since the return file checks them too).
constexpr int kHighestVersion = 0x1FFFF;
constexpr int kNotesFrom = 65716;
constexpr int kMarkersFrom = 65777;
constexpr int kFormIdsFrom = 65856;
constexpr int kSlipLinksFrom = 65857;
constexpr int kAllFormsFlagFrom = 65866;
constexpr int kReservedIntFrom = 65989;
// Ids a damaged counter could push past the int range.
constexpr int kHighestNextId = 0x7FFF0000;

// How many entries ahead a save asks for the memory of the entries it will write.
constexpr int kEntriesAhead = 4;

// The smallest form, slip and note record: type and the block's marker and flags.
constexpr qint64 kMinRecordBytes = 12;

// What one person may hold. A busy real return has a few hundred forms and slips and a
// handful of notes; a count above these is damage, refused before anything is built.
constexpr qint32 kMaxFormsPerPerson = 5000;
constexpr qint32 kMaxSlipsPerPerson = 20000;
constexpr qint32 kMaxNotesPerPerson = 5000;
// A block may leave out fields (a file written before they existed), yet every object is
// built whole: a small file naming many near-empty blocks would build gigabytes. The objects
// of a record, measured as the blocks they would write, may come to at most this many times
// the bytes the record has used, beyond a small allowance. An object takes at most about
// eight times its whole block in memory, so a file never builds more than about 50 times its
// own size.
constexpr qint64 kMaxBuiltPerByte = 6;
constexpr qint64 kBuiltAllowance = qint64{32} * 1024;

bool streamOk(const MyDataStream &ar)
{
    return ar.status() == QDataStream::Ok;
}

void readMarker(MyDataStream &ar)
{
    char marker[8];
    ar.Read(marker, sizeof marker);
}

void writeMarker(MyDataStream &ar)
{
    const char marker[8] = {'b', 'b', 'b', 'b', 'b', 'b', 'b', 'b'};
    ar.writeRawData(marker, sizeof marker);
}

// A count of records, refused as damage above the limit or beyond the bytes left.
bool readCount(MyDataStream &ar, qint32 limit, qint32 &count)
{
    count = 0;
    ar >> count;
    if (streamOk(ar) && count > limit)
        ar.setCorrupt();
    return ar.fitsRemaining(count, kMinRecordBytes);
}

} // namespace

// What the objects read so far would write as whole blocks, against the bytes read.
class IndividualTaxData::RecordBudget
{
public:
    explicit RecordBudget(const MyDataStream &ar) : m_ar(ar), m_start(position()) {}

    // Counts a new object; false (stream marked) when the record would build too much.
    bool admit(MyDataStream &ar, CTaxData_Form &object, int version)
    {
        m_built += wholeBlockBytes(object, version);
        if (m_built <= kBuiltAllowance + kMaxBuiltPerByte * (position() - m_start))
            return true;
        ar.setCorrupt();
        return false;
    }

private:
    qint64 position() const { return m_ar.device() ? m_ar.device()->pos() : 0; }

    // Objects of one code and kind are alike: each is measured once, by adding up what its
    // block would hold rather than writing it.
    qint64 wholeBlockBytes(const CTaxData_Form &object, int version)
    {
        const qint64 key = (qint64(object.getKind()) << 32) | quint32(object.getType());
        auto known = m_blockBytes.constFind(key);
        if (known != m_blockBytes.constEnd())
            return known.value();
        const qint64 bytes = object.blockBytes(version);
        m_blockBytes.insert(key, bytes);
        return bytes;
    }

    const MyDataStream &m_ar;
    qint64 m_start;
    qint64 m_built = 0;
    QHash<qint64, qint64> m_blockBytes;
};

namespace {
// A count, then that many records: makeOne reads a record's header and makes its object (or
// answers a result code), then the object's block is read.
template <typename Budget, typename MakeOne>
int readEntries(int v, CString &tag, MyDataStream &ar, qint32 limit, Budget &budget,
                MakeOne makeOne)
{
    qint32 count = 0;
    if (!readCount(ar, limit, count))
        return resultNumber(ReturnFileResult::Damaged);
    for (qint32 i = 0; i < count; ++i) {
        CTaxData_Form *object = nullptr;
        if (const int result = makeOne(object))
            return result;
        if (!budget.admit(ar, *object, v))
            return resultNumber(ReturnFileResult::Damaged);
        object->Serialize(v, tag, ar);
        if (!streamOk(ar))
            return resultNumber(ReturnFileResult::Damaged);
    }
    return 0;
}
} // namespace

int IndividualTaxData::Serialize(unsigned char edition, MyDataStream &ar)
{
    return ar.IsStoring() ? writeRecord(ar) : readRecord(edition, ar);
}

int IndividualTaxData::writeRecord(MyDataStream &ar)
{
    moveT1KSToFront();
    m_dataVersion = kCurrentDataVersion;
    m_taxYear = kTaxYear;
    ar << qint32(m_dataVersion) << qint32(m_taxYear) << qint32(0) << qint32(m_allFormsFlag);
    m_reservedArea.setString(kPasswordString, m_password);
    m_reservedArea.setString(kTagString, CString(kRecordTag));
    m_reservedArea.writeToArchive(ar);
    ar << qint32(m_nextId) << qint32(m_province);

    CString tag(kRecordTag);
    // An entry without its object has no block to write; it is left out rather than
    // leaving a record that could not be read back.
    // Forms and slips share one record layout.
    auto writeEntries = [&](const QList<TaxDataEntryStru *> &list) {
        ar << qint32(std::count_if(list.begin(), list.end(),
                                   [](const TaxDataEntryStru *e) { return e->data != nullptr; }));
        for (int i = 0; i < list.size(); ++i) {
            // A large return is far beyond the caches, and each entry and object lies on its
            // own: ask for a later entry, and the next entry's object, while this one is
            // written.
            if (i + kEntriesAhead < list.size())
                __builtin_prefetch(list[i + kEntriesAhead]);
            if (i + 1 < list.size())
                __builtin_prefetch(list[i + 1]->data);
            const TaxDataEntryStru *entry = list[i];
            if (!entry->data)
                continue;
            ar << qint32(entry->type) << qint32(entry->id) << qint32(entry->linkedId);
            entry->data->Serialize(m_dataVersion, tag, ar);
        }
    };
    writeEntries(m_formList);
    writeEntries(m_slipList);
    ar << qint32(std::count_if(m_noteList.begin(), m_noteList.end(),
                               [](const TaxNoteEntryStru *e) { return e->data != nullptr; }));
    for (TaxNoteEntryStru *entry : m_noteList) {
        if (!entry->data)
            continue;
        ar << qint32(1) << qint32(entry->key);
        entry->data->Serialize(m_dataVersion, tag, ar);
    }
    writeMarker(ar);
    writeBarcodeArchive(0, ar);
    writeMarker(ar);
    return streamOk(ar) ? kCurrentDataVersion : resultNumber(ReturnFileResult::WriteFailed);
}

int IndividualTaxData::readRecord(unsigned char edition, MyDataStream &ar)
{
    // The record replaces what the person held; the plug-in objects go back before the
    // record's province plug-in is loaded in place of the old one.
    freeAllData();
    qint32 version = 0;
    qint32 taxYear = 0;
    ar >> version >> taxYear;
    m_dataVersion = version;
    m_taxYear = taxYear;
    if (version < kLowestDataVersion || version > kHighestVersion) {
        showReturnFileDamaged();
        return resultNumber(ReturnFileResult::VersionRefused);
    }
    if (version > kCurrentDataVersion) {
        showReturnFileMessage(QStringLiteral(
            "The tax return file is prepared by a much later version of Quorvandelle. Please use "
            "the right version of Quorvandelle to open the tax return file."));
        return resultNumber(ReturnFileResult::VersionRefused);
    }
    const int v = version;
    if (v >= kReservedIntFrom) {
        qint32 reserved = 0;
        ar >> reserved;
    }
    m_allFormsFlag = -100;
    if (v >= kAllFormsFlagFrom) {
        qint32 flag = 0;
        ar >> flag;
        m_allFormsFlag = flag;
    }
    if (!streamOk(ar) || !m_reservedArea.readFromArchive(ar))
        return resultNumber(ReturnFileResult::Damaged);
    m_password = m_reservedArea.getString(kPasswordString);
    if (v < kPasswordFromVersion)
        m_password.clear();
    CString tag = m_reservedArea.getString(kTagString);

    qint32 nextId = 0;
    qint32 province = 0;
    ar >> nextId >> province;
    if (!streamOk(ar) || nextId < 0 || nextId > kHighestNextId || province < 0)
        return resultNumber(ReturnFileResult::Damaged);
    m_nextId = nextId;
    m_province = province;
    m_provsTaxMgr.setMainProvince(province);
    if (province > kLastProvince)
        return resultNumber(ReturnFileResult::NotForThisVersion);
    const bool loaded = m_provsTaxMgr.getProvinceManager(province, true) != nullptr;

    RecordBudget budget(ar);
    int result = readForms(v, tag, loaded, budget, ar);
    if (result == 0)
        result = readSlips(v, tag, budget, ar);
    if (result == 0 && v >= kNotesFrom)
        result = readNotes(v, tag, budget, ar);
    if (result != 0)
        return result;
    if (v >= kMarkersFrom) {
        readMarker(ar);
        skipBarcodeArchive(ar);
        readMarker(ar);
        if (!streamOk(ar))
            return resultNumber(ReturnFileResult::Damaged);
    }
    afterLoad(edition);
    return v;
}

int IndividualTaxData::readForms(int v, CString &tag, bool loaded, RecordBudget &budget,
                                 MyDataStream &ar)
{
    qint32 count = 0;
    if (!readCount(ar, kMaxFormsPerPerson, count))
        return resultNumber(ReturnFileResult::Damaged);
    bool summarySeen = false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0;
        qint32 id = 0;
        qint32 linkedId = 0;
        ar >> type;
        if (v >= kFormIdsFrom)
            ar >> id >> linkedId;
        else
            id = m_nextId++;
        if (!streamOk(ar))
            return resultNumber(ReturnFileResult::Damaged);
        const bool obsolete = isObsoleteFormType(type);
        bool keep = !obsolete;
        if (keep && type == FormType::T1KS) {
            keep = !summarySeen;
            summarySeen = true;
        }
        // A single-instance form met again is read into the one the person has.
        TaxDataEntryStru *entry =
            keep && !IsMultipleForm(type) ? findFormEntry(type, 0, false) : nullptr;
        const bool made = !entry;
        if (!entry)
            entry = addForm(type, id, keep, linkedId, false);
        std::unique_ptr<CTaxData_Form> unmade;
        if (!entry && obsolete) {
            // Codes long out of use have no class any more; their block describes itself
            // and is read past.
            unmade = std::make_unique<CTaxData_Form>(type);
        } else if (!entry) {
            // Only a form a plug-in makes needs the plug-in: a federal form always reads.
            return !loaded && m_province != 0 ? resultNumber(ReturnFileResult::ProvinceNotLoaded)
                                              : resultNumber(ReturnFileResult::FormNotMade);
        } else if (made && keep && !budget.admit(ar, *entry->data, v)) {
            return resultNumber(ReturnFileResult::Damaged);
        }
        CTaxData_Form *object = entry ? entry->data : unmade.get();
        object->Serialize(v, tag, ar);
        if (type == FormType::T1M) {
            if (auto *t1m = dynamic_cast<TaxData_T1MNew *>(object))
                m_t1mCarryAmount = t1m->amountForNextYear();
        }
        if (entry && !keep) {
            removeForm(entry->data, false, false);
            delete entry;
        }
        if (!streamOk(ar))
            return resultNumber(ReturnFileResult::Damaged);
    }
    return 0;
}

int IndividualTaxData::readSlips(int v, CString &tag, RecordBudget &budget, MyDataStream &ar)
{
    return readEntries(v, tag, ar, kMaxSlipsPerPerson, budget, [&](CTaxData_Form *&object) {
        qint32 type = 0;
        qint32 id = 0;
        qint32 linkedId = 0;
        ar >> type >> id;
        if (v >= kSlipLinksFrom)
            ar >> linkedId;
        if (!streamOk(ar))
            return resultNumber(ReturnFileResult::Damaged);
        TaxDataEntryStru *entry = addSlip(type, id, linkedId);
        object = entry ? entry->data : nullptr;
        return object ? 0 : resultNumber(ReturnFileResult::SlipNotMade);
    });
}

int IndividualTaxData::readNotes(int v, CString &tag, RecordBudget &budget, MyDataStream &ar)
{
    return readEntries(v, tag, ar, kMaxNotesPerPerson, budget, [&](CTaxData_Form *&object) {
        qint32 ignored = 0;
        qint32 key = 0;
        ar >> ignored >> key;
        if (!streamOk(ar))
            return resultNumber(ReturnFileResult::Damaged);
        TaxNoteEntryStru *entry = addNote(key);
        object = entry ? entry->data : nullptr;
        return object ? 0 : resultNumber(ReturnFileResult::NoteNotMade);
    });
}

void IndividualTaxData::afterLoad(unsigned char edition)
{
    if (!hasForm(FormType::T1))
        return;
    addMandatoryForms(edition, m_province);
    for (int row = 1; row < Global_TaxWizard_Num; ++row)
        findWizardData(Global_TaxWizard_Info[row].type, Global_TaxWizard_Info[row].createAfterLoad);
}

void IndividualTaxData::addMandatoryForms(unsigned char edition, int province)
{
    getForm(FormType::T1KS, 0, true);
    if (!getForm(FormType::T1, 0, true))
        return; // more than one T1
    const TaxData_T1New *t1 = t1Form();
    if (t1 && t1->reFileFlag != 0) {
        // The summary as it stood, for the re-filing to compare with.
        TaxDataEntryStru *copy = nullptr;
        if (!hasForm(FormType::T1KSREFILE)) {
            copy = findFormEntry(FormType::T1KSREFILE, 0, true);
        } else if ((copy = findFormEntry(FormType::T1KSREFILE, 0, false)) && !copy->data) {
            copy->data = createFederalForm(FormType::T1KSREFILE);
        } else {
            copy = nullptr;
        }
        TaxDataEntryStru *summary = findFormEntry(FormType::T1KS, 0, false);
        auto *target = copy ? dynamic_cast<TaxData_T1KSNew *>(copy->data) : nullptr;
        auto *source = summary ? dynamic_cast<TaxData_T1KSNew *>(summary->data) : nullptr;
        if (target && source)
            target->copyValuesFrom(*source);
    }
    if (edition & 1)
        getForm(FormType::T183, 0, true);

    // One summing serves every row: the forms it adds and the codes it names do not change
    // from one row to the next.
    SlipTotals totals;
    std::set<int> slipForms;
    SumSlips(totals, slipForms);
    auto ensure = [&](int type) {
        if (!hasForm(type) && isFormNeeded(type, slipForms))
            getForm(type, 0, true);
    };
    for (int i = 0; i < Federal_Forms_Num; ++i)
        ensure(Federal_Forms_Info[i]);
    if (province >= 0 && province <= kLastProvince) {
        const ProvinceFormList &rows = Province_Forms_Info[province];
        for (int i = 0; i < rows.count; ++i)
            ensure(rows.rows[i].type);
    }
}

bool IndividualTaxData::isFormNeeded(int type)
{
    SlipTotals totals;
    std::set<int> slipForms;
    SumSlips(totals, slipForms);
    return isFormNeeded(type, slipForms);
}

bool IndividualTaxData::isFormNeeded(int type, const std::set<int> &slipForms)
{
    if (IsFormMandatory(2, m_province, type))
        return true;
    const TaxData_T1New *t1 = t1Form();
    if (type == FormType::T1KSREFILE && t1 && t1->reFileFlag != 0)
        return true;
    if (slipForms.count(type) && (type != FormType::T2209 || countFormsOfType(FormType::T2209) < 2))
        return true;
    // The worksheet pass 1 adds for the OAS pension (line 11300) or EI benefits (line 11900).
    return type == FormType::WSD1 && t1 && (isNonZero(t1->f11300) || isNonZero(t1->f11900));
}
