// IndividualTaxData: lists, ids and links, creation and removal, copy and compare, walks.
#include "model/IndividualTaxData.h"

#include "calc/SlipSummer.h"
#include "marrow/FormFactory.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/CEnumTaxFormObj.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int kSaskatchewan = 12;

// The entry that holds the object, or -1.
template <typename Entry, typename Object>
int indexHolding(const QList<Entry *> &list, const Object *object)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list[i]->data == object)
            return i;
    }
    return -1;
}

template <typename Entry, typename Object>
Entry *entryHolding(const QList<Entry *> &list, const Object *object)
{
    const int i = object ? indexHolding(list, object) : -1;
    return i < 0 ? nullptr : list[i];
}

// Deletes the first entry holding the object, and the object.
template <typename Entry, typename Object> void removeHolding(QList<Entry *> &list, Object *object)
{
    const int i = object ? indexHolding(list, object) : -1;
    if (i < 0)
        return;
    Entry *entry = list.takeAt(i);
    delete entry->data;
    delete entry;
}

int countOfType(const QList<TaxDataEntryStru *> &list, int type)
{
    return int(std::count_if(list.begin(), list.end(),
                             [type](const TaxDataEntryStru *e) { return e->type == type; }));
}

void collectOfType(const QList<TaxDataEntryStru *> &list, int type, QList<TaxDataEntryStru *> &out)
{
    for (TaxDataEntryStru *entry : list) {
        if (entry->type == type)
            out.append(entry);
    }
}

// Both objects missing, or both present with equal values.
bool sameValues(const CTaxData_Form *mine, const CTaxData_Form *theirs)
{
    if (!mine || !theirs)
        return mine == theirs;
    return !theirs->isDifferentFrom(*mine);
}

void copyValues(CTaxData_Form *target, const CTaxData_Form *source)
{
    if (target && source)
        target->copyValuesFrom(*source);
}

// Two numbers as one key.
qint64 matchKey(int first, int second)
{
    return (qint64(first) << 32) | quint32(second);
}

// Each of the other's entries has a match here with the same values: the first of mine with the
// same key. The first entry of each key is found through a map built once, since a search of the
// whole list for every entry would make comparing returns of thousands of statements grow with
// the square of their forms.
template <typename Entry, typename Key>
bool allMatched(const QList<Entry *> &mine, const QList<Entry *> &theirs, Key keyOf)
{
    std::unordered_map<qint64, const Entry *> firstOfKey;
    firstOfKey.reserve(size_t(mine.size()));
    for (const Entry *entry : mine)
        firstOfKey.emplace(keyOf(*entry), entry);
    for (const Entry *other : theirs) {
        const auto found = firstOfKey.find(keyOf(*other));
        if (found == firstOfKey.end() || !sameValues(found->second->data, other->data))
            return false;
    }
    return true;
}

// Values side by side into entries of the same types; false at the first type that differs.
bool copySideBySide(const QList<TaxDataEntryStru *> &mine, const QList<TaxDataEntryStru *> &theirs)
{
    for (int i = 0; i < mine.size(); ++i) {
        if (mine[i]->type != theirs[i]->type)
            return false;
        copyValues(mine[i]->data, theirs[i]->data);
    }
    return true;
}

template <typename Entry, typename Visitor>
void visitUntilFalse(const QList<Entry *> &list, Visitor &visitor, void *param)
{
    for (Entry *entry : list) {
        if (!visitor.visit(entry, param))
            break;
    }
}

} // namespace

IndividualTaxData::IndividualTaxData(int routingFlag, DependantInfoStruct *dependants)
    : m_provsTaxMgr(routingFlag, dependants), m_dependants(dependants)
{
}

IndividualTaxData::~IndividualTaxData()
{
    freeAllData();
}

int IndividualTaxData::takeId(int id)
{
    return id < 1 ? m_nextId++ : id;
}

TaxData_T1New *IndividualTaxData::t1Form()
{
    TaxDataEntryStru *entry = findFormEntry(FormType::T1, 0, false);
    return entry ? dynamic_cast<TaxData_T1New *>(entry->data) : nullptr;
}

void IndividualTaxData::releaseForm(CTaxData_Form *form, bool unlink)
{
    if (!form)
        return;
    if (m_allFormsMgr && m_allFormsMgr->deleteProvincialForm(form, unlink))
        return;
    if (!m_provsTaxMgr.deleteProvincialForm(form, unlink))
        delete form;
}

void IndividualTaxData::releaseProvincialWizardData()
{
    for (int i = m_wizardList.size() - 1; i >= 0; --i) {
        if (m_wizardList[i]->type != WizardType::Provincial)
            continue;
        m_provsTaxMgr.freeProvincialWizardData();
        delete m_wizardList.takeAt(i);
    }
}

void IndividualTaxData::freeAllData()
{
    for (TaxDataEntryStru *entry : m_formList) {
        releaseForm(entry->data, true);
        delete entry;
    }
    m_formList.clear();
    for (TaxNoteEntryStru *entry : m_noteList) {
        delete entry->data;
        delete entry;
    }
    m_noteList.clear();
    for (TaxDataEntryStru *entry : m_slipList) {
        delete entry->data;
        delete entry;
    }
    m_slipList.clear();
    releaseProvincialWizardData();
    for (TaxWizardEntryStru *entry : m_wizardList) {
        delete entry->data;
        delete entry;
    }
    m_wizardList.clear();
    // Last: the objects above may have come from the plug-ins.
    m_allFormsMgr.reset();
    m_provsTaxMgr.unloadAll();
}

IndividualTaxData &IndividualTaxData::operator=(const IndividualTaxData &other)
{
    // Emptying first would lose the data being copied.
    if (this == &other)
        return *this;
    freeAllData();
    m_dataVersion = other.m_dataVersion;
    m_nextId = other.m_nextId;
    m_province = other.m_province;
    m_provsTaxMgr.setMainProvince(m_province);
    m_provsTaxMgr.getProvinceManager(m_province, true);

    for (const TaxDataEntryStru *entry : other.m_formList) {
        if (TaxDataEntryStru *copy = addForm(entry->type, entry->id, true, entry->linkedId, true))
            copyValues(copy->data, entry->data);
    }
    for (const TaxDataEntryStru *entry : other.m_slipList) {
        if (TaxDataEntryStru *copy = addSlip(entry->type, entry->id, entry->linkedId))
            copyValues(copy->data, entry->data);
    }
    for (const TaxNoteEntryStru *entry : other.m_noteList) {
        if (TaxNoteEntryStru *copy = addNote(entry->key))
            copyValues(copy->data, entry->data);
    }
    for (const TaxWizardEntryStru *entry : other.m_wizardList) {
        if (TaxWizardEntryStru *copy = addWizardData(entry->type))
            copyValues(copy->data, entry->data);
    }
    return *this;
}

bool IndividualTaxData::assignValuesFrom(const IndividualTaxData &other)
{
    m_dataVersion = other.m_dataVersion;
    m_nextId = other.m_nextId;
    if (m_province != other.m_province || m_formList.size() != other.m_formList.size() ||
        m_slipList.size() != other.m_slipList.size() ||
        m_noteList.size() != other.m_noteList.size())
        return false;
    if (!copySideBySide(m_formList, other.m_formList) ||
        !copySideBySide(m_slipList, other.m_slipList))
        return false;
    for (int i = 0; i < m_noteList.size(); ++i)
        copyValues(m_noteList[i]->data, other.m_noteList[i]->data);
    return true;
}

bool IndividualTaxData::isEqual(const IndividualTaxData &other) const
{
    if (m_formList.size() != other.m_formList.size() ||
        m_slipList.size() != other.m_slipList.size() ||
        m_noteList.size() != other.m_noteList.size())
        return false;
    // A form matches by its type, and by its id too where a type may have several forms; a
    // slip by its type and id; a note by its key.
    const bool formsMatch = allMatched(m_formList, other.m_formList, [](const TaxDataEntryStru &e) {
        return matchKey(e.type, IsMultipleForm(e.type) ? e.id : 0);
    });
    const bool slipsMatch =
        formsMatch && allMatched(m_slipList, other.m_slipList,
                                 [](const TaxDataEntryStru &e) { return matchKey(e.type, e.id); });
    return slipsMatch && allMatched(m_noteList, other.m_noteList,
                                    [](const TaxNoteEntryStru &e) { return matchKey(e.key, 0); });
}

// Forms.

TaxDataEntryStru *IndividualTaxData::addForm(int type, int id, bool addToList, int linkedId,
                                             bool prefill)
{
    // Two codes that must never come back into a return.
    if (type == FormType::FORM_177 || type == FormType::FORM_178)
        return nullptr;
    CTaxData_Form *form = makeFormObject(type, addToList);
    if (!form)
        return nullptr;
    auto *entry = new TaxDataEntryStru{type, takeId(id), linkedId, form};
    if (addToList)
        m_formList.append(entry);
    if (prefill)
        prefillNewForm(entry);
    return entry;
}

CTaxData_Form *IndividualTaxData::makeFormObject(int type, bool addToList)
{
    CTaxData_Form *form = createFederalForm(type);
    if (!form)
        form = m_provsTaxMgr.createProvincialForm(type, addToList);
    if (form)
        setUpFormObject(*form);
    return form;
}

void IndividualTaxData::setUpFormObject(CTaxData_Form &form)
{
    form.setCoupledReturn(m_coupled);
    const FormInfoRow *row = formInfo(form.getType());
    if (row && (row->flags & FormNeedsDependants))
        form.setDepInfo(m_dependants);
}

TaxDataEntryStru *IndividualTaxData::findFormEntry(int type, int id, bool create)
{
    const std::vector<TaxDataEntryStru *> &entries = formEntriesOfType(type);
    if (id > 0) {
        for (TaxDataEntryStru *entry : entries) {
            if (entry->id == id)
                return entry;
        }
    }
    if (entries.size() == 1)
        return entries.front();
    if (!entries.empty() || !create)
        return nullptr;
    return addForm(type, m_nextId++, true, 0, true);
}

CTaxData_Form *IndividualTaxData::getForm(int type, int id, bool create)
{
    TaxDataEntryStru *entry = findFormEntry(type, id, create);
    return entry ? entry->data : nullptr;
}

bool IndividualTaxData::hasForm(int type) const
{
    return countFormsOfType(type) > 0;
}

int IndividualTaxData::countFormsOfType(int type) const
{
    return int(formEntriesOfType(type).size());
}

const std::vector<TaxDataEntryStru *> &IndividualTaxData::formEntriesOfType(int type) const
{
    return m_formIndex.entriesOf(m_formList, type);
}

void IndividualTaxData::collectFormsOfType(int type, QList<TaxDataEntryStru *> &out) const
{
    for (TaxDataEntryStru *entry : formEntriesOfType(type))
        out.append(entry);
}

int IndividualTaxData::collectT2209Forms(T2209FormList &out) const
{
    for (const TaxDataEntryStru *entry : formEntriesOfType(FormType::T2209)) {
        if (entry->data)
            out.append(entry->data);
    }
    return 0;
}

void IndividualTaxData::removeForm(CTaxData_Form *form, bool unlink, bool withProvincialTwin)
{
    if (!form)
        return;
    if (!unlink) {
        releaseForm(form, false);
        return;
    }
    QList<CTaxData_Form *> objects{form};
    if (withProvincialTwin) {
        const int twinType = m_provsTaxMgr.getLinkedProvincialFormType(form->getType());
        TaxDataEntryStru *twin = twinType ? findFormEntry(twinType, 0, false) : nullptr;
        if (twin && twin->data && twin->data != form)
            objects.append(twin->data);
    }
    for (CTaxData_Form *object : objects) {
        const int i = indexHolding(m_formList, object);
        if (i < 0)
            continue;
        releaseForm(object, true);
        delete m_formList.takeAt(i);
    }
}

void IndividualTaxData::moveT1KSToFront()
{
    for (int i = 0; i < m_formList.size(); ++i) {
        if (m_formList[i]->type == FormType::T1KS) {
            m_formList.move(i, 0);
            return;
        }
    }
}

bool IndividualTaxData::isObsoleteFormType(int type) const
{
    switch (type) {
    case FormType::FORM_19:
    case FormType::FORM_22:
    case FormType::FORM_33:
        return m_taxYear > 2007;
    case FormType::FORM_100:
    case FormType::FORM_114:
    case FormType::FORM_115:
    case FormType::FORM_120:
    case FormType::FORM_134:
    case FormType::FORM_141:
        return true;
    default:
        return IsFormExpired(type, 0);
    }
}

// Slips and link ids.

TaxDataEntryStru *IndividualTaxData::addSlip(int type, int id, int linkedId)
{
    CTaxData_Form *slip = createSlip(type);
    if (!slip)
        return nullptr;
    auto *entry = new TaxDataEntryStru{type, takeId(id), linkedId, slip};
    m_slipList.append(entry);
    return entry;
}

CTaxData_Form *IndividualTaxData::getSlip(int type, int id, bool create)
{
    for (TaxDataEntryStru *entry : m_slipList) {
        if (entry->type == type && entry->id == id)
            return entry->data;
    }
    TaxDataEntryStru *entry = create ? addSlip(type, id, 0) : nullptr;
    return entry ? entry->data : nullptr;
}

bool IndividualTaxData::setFormLinkId(CTaxData_Form *form, int linkedId)
{
    TaxDataEntryStru *entry = entryHolding(m_formList, form);
    if (entry)
        entry->linkedId = linkedId;
    return entry != nullptr;
}

int IndividualTaxData::getFormId(CTaxData_Form *form) const
{
    const TaxDataEntryStru *entry = entryHolding(m_formList, form);
    return entry ? entry->id : 0;
}

int IndividualTaxData::getFormLinkId(CTaxData_Form *form) const
{
    const TaxDataEntryStru *entry = entryHolding(m_formList, form);
    return entry ? entry->linkedId : 0;
}

bool IndividualTaxData::setSlipLinkId(CTaxData_Form *slip, int linkedId)
{
    TaxDataEntryStru *entry = entryHolding(m_slipList, slip);
    if (entry)
        entry->linkedId = linkedId;
    return entry != nullptr;
}

int IndividualTaxData::getSlipId(CTaxData_Form *slip) const
{
    const TaxDataEntryStru *entry = entryHolding(m_slipList, slip);
    return entry ? entry->id : 0;
}

int IndividualTaxData::getSlipLinkId(CTaxData_Form *slip) const
{
    const TaxDataEntryStru *entry = entryHolding(m_slipList, slip);
    return entry ? entry->linkedId : 0;
}

bool IndividualTaxData::hasSharedSlip() const
{
    return std::any_of(m_slipList.begin(), m_slipList.end(),
                       [](const TaxDataEntryStru *e) { return e->data && e->data->isShared(); });
}

void IndividualTaxData::removeSlip(CTaxData_Form *slip)
{
    removeHolding(m_slipList, slip);
}

int IndividualTaxData::countSlipsOfType(int type) const
{
    return countOfType(m_slipList, type);
}

void IndividualTaxData::collectSlipsOfType(int type, QList<TaxDataEntryStru *> &out) const
{
    collectOfType(m_slipList, type, out);
}

// Notes and wizard data.

TaxNoteEntryStru *IndividualTaxData::addNote(int key)
{
    auto *entry = new TaxNoteEntryStru{key, createNote()};
    m_noteList.append(entry);
    return entry;
}

TaxData_TaxNote *IndividualTaxData::getNote(int key, bool create)
{
    for (TaxNoteEntryStru *entry : m_noteList) {
        if (entry->key == key)
            return entry->data;
    }
    return create ? addNote(key)->data : nullptr;
}

void IndividualTaxData::removeNote(TaxData_TaxNote *note)
{
    removeHolding(m_noteList, note);
}

TaxWizardEntryStru *IndividualTaxData::addWizardData(int type)
{
    CTaxData_Form *data = type == WizardType::Provincial
                              ? m_provsTaxMgr.createProvincialWizardData()
                              : createWizardData(type);
    if (!data)
        return nullptr;
    auto *entry = new TaxWizardEntryStru{type, data};
    m_wizardList.append(entry);
    data->setCoupledReturn(m_coupled);
    return entry;
}

CTaxData_Form *IndividualTaxData::findWizardData(int type, bool create)
{
    for (TaxWizardEntryStru *entry : m_wizardList) {
        if (entry->type == type)
            return entry->data;
    }
    TaxWizardEntryStru *entry = create ? addWizardData(type) : nullptr;
    return entry ? entry->data : nullptr;
}

// Walks.

void IndividualTaxData::enumForms(CEnumTaxFormObj &visitor, void *param)
{
    visitor.begin(param);
    visitUntilFalse(m_formList, visitor, param);
    visitor.end(param);
}

void IndividualTaxData::enumSlips(CEnumTaxSlipObj &visitor, void *param)
{
    visitor.begin(param);
    visitUntilFalse(m_slipList, visitor, param);
    visitor.end(param);
}

void IndividualTaxData::enumNotes(CEnumTaxNoteObj &visitor, void *param)
{
    visitUntilFalse(m_noteList, visitor, param);
}

void IndividualTaxData::enumWizardData(CEnumTaxWizardObj &visitor, void *param)
{
    for (TaxWizardEntryStru *entry : m_wizardList)
        visitor.visit(entry, param);
}

void IndividualTaxData::onFormChanged(int formType, int)
{
    // Saskatchewan's dependent-child form follows the dependants block.
    if (formType != FormType::SK_DEPCHILD)
        return;
    if (CProvincialTaxManager *manager = m_provsTaxMgr.getProvinceManager(kSaskatchewan, false))
        manager->formChanged(FormType::SK_DEPCHILD, m_dependants);
}
