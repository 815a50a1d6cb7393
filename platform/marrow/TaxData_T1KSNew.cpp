// TaxData_T1KSNew: the mirrored T1 part and schedule blocks, and the summary's calculation.
#include "marrow/TaxData_T1KSNew.h"

#include "marrow/ResultSummaryPage.h"
#include "marrow/TypeCodes.h"

#include <algorithm>

namespace {

using Mirror = TaxData_T1KSNew::Mirror;

// T1 fields under their own names: identification, then the line amounts.
const std::vector<Mirror> kT1Part = {
    {"firstName", "firstName", FieldType::String},
    {"lastName", "lastName", FieldType::String},
    {"sin", "sin", FieldType::String},
    {"birthDate", "birthDate", FieldType::Date},
    {"provinceText", "provinceText", FieldType::String},
    {"maritalStatus", "maritalStatus", FieldType::Int},
    {"language", "language", FieldType::Int},
    {"citizen", "citizen", FieldType::Int},
    {"elecanauth", "elecanauth", FieldType::Int},
    {"email", "email", FieldType::String},
    {"phone", "phone", FieldType::String},
    {"postalCode", "postalCode", FieldType::String},
    {"entryDate", "entryDate", FieldType::Date},
    {"departureDate", "departureDate", FieldType::Date},
    {"deathDate", "deathDate", FieldType::Date},
    {"spouseSin", "spouseSin", FieldType::String},
    {"spouseFirstName", "spouseFirstName", FieldType::String},
    {"spouseBirthDate", "spouseBirthDate", FieldType::Date},
    {"spouseNetIncome", "spouseNetIncome", FieldType::Float},
    {"partnerSelfEmployed", "partnerSelfEmployed", FieldType::Int},
    {"10100", "10100", FieldType::Float},
    {"10400", "10400", FieldType::Float},
    {"11300", "11300", FieldType::Float},
    {"11400", "11400", FieldType::Float},
    {"11500", "11500", FieldType::Float},
    {"11600", "11600", FieldType::Float},
    {"11900", "11900", FieldType::Float},
    {"12000", "12000", FieldType::Float},
    {"12010", "12010", FieldType::Float},
    {"12200", "12200", FieldType::Float},
    {"12500", "12500", FieldType::Float},
    {"12600", "12600", FieldType::Float},
    {"12700", "12700", FieldType::Float},
    {"12800", "12800", FieldType::Float},
    {"12900", "12900", FieldType::Float},
    {"13000", "13000", FieldType::Float},
    {"13500", "13500", FieldType::Float},
    {"13700", "13700", FieldType::Float},
    {"13900", "13900", FieldType::Float},
    {"14100", "14100", FieldType::Float},
    {"14300", "14300", FieldType::Float},
    {"14400", "14400", FieldType::Float},
    {"14500", "14500", FieldType::Float},
    {"14600", "14600", FieldType::Float},
    {"15000", "15000", FieldType::Float},
    {"15200", "15200", FieldType::Float},
    {"20600", "20600", FieldType::Float},
    {"20700", "20700", FieldType::Float},
    {"21000", "21000", FieldType::Float},
    {"22100", "22100", FieldType::Float},
    {"22215", "22215", FieldType::Float},
    {"22400", "22400", FieldType::Float},
    {"22900", "22900", FieldType::Float},
    {"23200", "23200", FieldType::Float},
    {"23600", "23600", FieldType::Float},
    {"24600", "24600", FieldType::Float},
    {"25100", "25100", FieldType::Float},
    {"25300", "25300", FieldType::Float},
    {"26000", "26000", FieldType::Float},
    {"30000", "30000", FieldType::Float},
    {"30100", "30100", FieldType::Float},
    {"30300", "30300", FieldType::Float},
    {"30400", "30400", FieldType::Float},
    {"30500", "30500", FieldType::Float},
    {"31217", "31217", FieldType::Float},
    {"31270", "31270", FieldType::Float},
    {"31300", "31300", FieldType::Float},
    {"31400", "31400", FieldType::Float},
    {"32600", "32600", FieldType::Float},
    {"32700", "32700", FieldType::Float},
    {"33700", "33700", FieldType::Float},
    {"33900", "33900", FieldType::Float},
    {"35000", "35000", FieldType::Float},
    {"42000", "42000", FieldType::Float},
    {"42100", "42100", FieldType::Float},
    {"42120", "42120", FieldType::Float},
    {"42200", "42200", FieldType::Float},
    {"42900", "42900", FieldType::Float},
    {"43500", "43500", FieldType::Float},
    {"43700", "43700", FieldType::Float},
    {"43800", "43800", FieldType::Float},
    {"44800", "44800", FieldType::Float},
    {"45300", "45300", FieldType::Float},
    {"45350", "45350", FieldType::Float},
    {"48200", "48200", FieldType::Float},
    {"48400", "48400", FieldType::Float},
    {"48500", "48500", FieldType::Float},
    {"42800", "42800", FieldType::Float},
};

const std::vector<Mirror> kSch2 = {
    {"sch2_ageAmount", "ageAmount", FieldType::Float},
    {"sch2_caregiverAmount", "caregiverAmount", FieldType::Float},
    {"sch2_pensionAmount", "pensionAmount", FieldType::Float},
    {"sch2_disabilityAmount", "disabilityAmount", FieldType::Float},
    {"sch2_tuitionAmount", "tuitionAmount", FieldType::Float},
    {"sch2_36000", "36000", FieldType::Float},
};
const std::vector<Mirror> kSch3 = {
    {"sch3_netResult", "netResult", FieldType::Float},
    {"sch3_principalResidenceTotal", "principalResidenceTotal", FieldType::Float},
    {"sch3_t2017Amount", "t2017Amount", FieldType::Float},
    {"sch3_10700", "10700", FieldType::Float},
    {"sch3_11000", "11000", FieldType::Float},
    {"sch3_13200A", "13200A", FieldType::Float},
    {"sch3_13200B", "13200B", FieldType::Float},
    {"sch3_17599", "17599", FieldType::Float},
    {"sch3_17600", "17600", FieldType::Float},
    {"sch3_17900", "17900", FieldType::Int},
    {"sch3_17905", "17905", FieldType::Int},
};
const std::vector<Mirror> kSch7 = {
    {"sch7_rrspDeductionLimit", "rrspDeductionLimit", FieldType::Float},
    {"sch7_unusedRrspContributions", "unusedRrspContributions", FieldType::Float},
    {"sch7_contribMarToDec", "contribMarToDec", FieldType::Float},
    {"sch7_contribJanToMar", "contribJanToMar", FieldType::Float},
    {"sch7_24600", "24600", FieldType::Float},
    {"sch7_24620", "24620", FieldType::Float},
    {"sch7_24640", "24640", FieldType::Float},
};
const std::vector<Mirror> kSch9 = {
    {"sch9_donations", "donations", FieldType::Float},
    {"sch9_otherGifts", "otherGifts", FieldType::Float},
    {"sch9_33700", "33700", FieldType::Float},
    {"sch9_33900", "33900", FieldType::Float},
};
const std::vector<Mirror> kSch11 = {
    {"sch11_carryForward", "carryForward", FieldType::Float},
    {"sch11_transferToSpouse", "transferToSpouse", FieldType::Float},
};
const std::vector<Mirror> kT1A = {
    {"t1a_capitalLoss", "capitalLoss", FieldType::Float},
    {"t1a_lossAmount", "lossAmount", FieldType::Float},
};
const std::vector<Mirror> kT1DD = {
    {"t1dd_branch", "branch", FieldType::String},
    {"t1dd_institution", "institution", FieldType::String},
    {"t1dd_account", "account", FieldType::String},
};
const std::vector<Mirror> kNoBlock;

// The schedules whose blocks follow the T1 part, in the order their fields are made.
const std::vector<int> kBlockTypes = {FormType::SCH2, FormType::SCH3,  FormType::SCH7,
                                      FormType::SCH9, FormType::SCH11, FormType::T1A,
                                      FormType::T1DD};

} // namespace

TaxData_T1KSNew::TaxData_T1KSNew(int code) : CTaxData_Form(code)
{
    auto add = [this](const std::vector<Mirror> &mirrors) {
        for (const Mirror &m : mirrors)
            m_mirrors.push_back(CField::createOwned(this, m.type, m.name));
    };
    add(kT1Part);
    for (int type : kBlockTypes)
        add(scheduleBlock(type));
}

TaxData_T1KSNew::~TaxData_T1KSNew() = default;

const std::vector<Mirror> &TaxData_T1KSNew::t1Part()
{
    return kT1Part;
}

const std::vector<int> &TaxData_T1KSNew::scheduleBlockTypes()
{
    return kBlockTypes;
}

const std::vector<Mirror> &TaxData_T1KSNew::scheduleBlock(int formType)
{
    switch (formType) {
    case FormType::SCH2:
        return kSch2;
    case FormType::SCH3:
        return kSch3;
    case FormType::SCH7:
        return kSch7;
    case FormType::SCH9:
        return kSch9;
    case FormType::SCH11:
        return kSch11;
    case FormType::T1A:
        return kT1A;
    case FormType::T1DD:
        return kT1DD;
    default:
        return kNoBlock;
    }
}

size_t TaxData_T1KSNew::blockStart(int formType)
{
    size_t start = kT1Part.size();
    for (int type : kBlockTypes) {
        if (type == formType)
            break;
        start += scheduleBlock(type).size();
    }
    return start;
}

void TaxData_T1KSNew::copyT1Part(const CTaxData_Form &t1)
{
    // Every T1 registers its fields in one order: find each source slot once, check its name
    // on every copy, and look it up again should it ever differ.
    const std::vector<CField *> &sources = t1.fields();
    if (m_t1Slots.empty()) {
        for (const Mirror &m : kT1Part) {
            const auto found = std::find_if(sources.begin(), sources.end(),
                                            [&](const CField *f) { return f->name() == m.source; });
            m_t1Slots.push_back(found == sources.end() ? sources.size()
                                                       : size_t(found - sources.begin()));
        }
    }
    for (size_t i = 0; i < kT1Part.size(); ++i) {
        const CField *source = m_t1Slots[i] < sources.size() ? sources[m_t1Slots[i]] : nullptr;
        if (!source || source->name() != kT1Part[i].source)
            source = t1.findField(kT1Part[i].source);
        if (source)
            m_mirrors[i]->copyFrom(*source);
    }
}

void TaxData_T1KSNew::resetT1Part()
{
    for (size_t i = 0; i < kT1Part.size(); ++i)
        m_mirrors[i]->reset();
    for (CField *own : std::initializer_list<CField *>{
             &province, &fullName, &fullNameLetter, &fullNamePrint, &address, &addressLine2,
             &taxYear, &refundIndicator, &averageRate, &contributionRoom})
        own->reset();
}

void TaxData_T1KSNew::copyScheduleBlock(int formType, const CTaxData_Form *schedule)
{
    const std::vector<Mirror> &block = scheduleBlock(formType);
    const size_t start = blockStart(formType);
    for (size_t i = 0; i < block.size(); ++i) {
        CField &target = *m_mirrors[start + i];
        const CField *source = schedule ? schedule->findField(block[i].source) : nullptr;
        if (source)
            target.copyFrom(*source);
        else
            target.reset();
    }
}

void TaxData_T1KSNew::Calculate01()
{
    estimatedBenefits = gstCredit + childBenefit;
}

void TaxData_T1KSNew::createPages(QList<BaseTaxPage *> &pages, QWidget *parent)
{
    pages.append(new ResultSummaryPage(this, parent));
}
