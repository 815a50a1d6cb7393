// The statement blocks of the barcode archive: the header record, its filling by statement
// form, and the blocks of the T2125, T2121, T2042, T776, T777, TL2, T2091 and T5013.
#include "efile/SfdBarcodeBlocks.h"

#include "efile/T1BarcodeRecord.h"
#include "marrow/BusinessForms.h"
#include "marrow/FederalForms.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "ordane/FilingFormats.h"

#include <cmath>
#include <functional>

namespace {

constexpr FixedBarcodeItemSpec kSfdItems[SFDBarcodeFixedData::kItems] = {
    {2, "03"},        // 1 record kind
    {2, nullptr},     // 2 block number
    {2, nullptr},     // 3 activity code
    {2, "  "},        // 4
    {1, nullptr},     // 5 first indicator
    {6, nullptr},     // 6 industry code
    {9, nullptr},     // 7 S.I.N.
    {30, nullptr},    // 8 name
    {30, nullptr},    // 9 street address
    {6, nullptr},     // 10 postal code
    {8, nullptr},     // 11 period start
    {8, nullptr},     // 12 period end
    {9, "000000000"}, // 13 business number
    {4, "0000"},      // 14 percentage
    {8, "        "},  // 15 tax shelter identifier
    {1, nullptr},     // 16 last year
    {15, nullptr},    // 17 partnership identification
    {4, "    "},      // 18 T2125: internet sites
    {96, nullptr},    // 19 T2125: main product
    {96, nullptr},    // 20 T2125: main activity
    {3, "   "},       // 21 T2125: employees
    {30, nullptr},    // 22 partner 1: name
    {30, nullptr},    // 23 partner 1: address
    {8, nullptr},     // 24 partner 1
    {6, nullptr},     // 25 partner 1: share
    {30, nullptr},    // 26 partner 2
    {30, nullptr},    // 27
    {8, nullptr},     // 28
    {6, nullptr},     // 29
    {30, nullptr},    // 30 partner 3
    {30, nullptr},    // 31
    {8, nullptr},     // 32
    {6, nullptr},     // 33
};

constexpr int kFirstGroupItem = 22;
constexpr int kGroupItems = 4;
constexpr int kGroups = 3;

QString dateText(const QDate &date)
{
    // An empty date gives the year, month and day of 0, as the record always holds digits.
    return QString::asprintf("%04d%02d%02d", date.isValid() ? date.year() : 0,
                             date.isValid() ? date.month() : 0, date.isValid() ? date.day() : 0);
}

QString zeroPaddedRight(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char('0'), true);
}

// Not 0 gives "1", 0 gives "2".
const char *indicator(int value)
{
    return value != 0 ? "1" : "2";
}

// The hundredths of a percentage up to 99.99; above it (a whole share) "0000".
QString percentageText(double x)
{
    if (x > 99.99)
        return QStringLiteral("0000");
    return QString::asprintf("%04d", int(std::trunc(x * 100)));
}

// A partner's share in ten-thousandths up to 99; above it all "0".
QString shareText(double x)
{
    if (x > 99)
        return QStringLiteral("000000");
    return QString::asprintf("%06d", int(std::trunc(x * 10000)));
}

// The identification a statement carries in items 5 to 17.
struct HeaderValues
{
    QString firstIndicator;
    QString industryCode;
    bool codeAsIs = false;
    QString sin;
    QString name;
    QString address;
    QString postalCode;
    QDate periodStart;
    QDate periodEnd;
    QString businessNumber;
    double percentage = 100;
    QString taxShelterId;
    int lastYear = 0;
    QString partnershipId;
};

void fillHeader(SFDBarcodeFixedData &record, const HeaderValues &v)
{
    record.item(4).SetAllCharsTo(' ');
    record.item(5).SetValue(v.firstIndicator);
    if (v.codeAsIs)
        record.item(6).SetValue(v.industryCode);
    else
        record.item(6).SetValue(zeroPaddedRight(v.industryCode, 6));
    record.item(7).SetValueLeftPadding(v.sin);
    record.item(8).SetValueRightPadding(v.name);
    record.item(9).SetValueRightPadding(v.address);
    record.item(10).SetValueRightPadding(GetRawPostcode(v.postalCode));
    record.item(11).SetValue(dateText(v.periodStart));
    record.item(12).SetValue(dateText(v.periodEnd));
    record.item(13).SetValue(zeroPaddedRight(v.businessNumber, 9));
    record.item(14).SetValue(percentageText(v.percentage));
    record.item(15).SetValueRightPadding(v.taxShelterId);
    record.item(16).SetValue(indicator(v.lastYear));
    record.item(17).SetValueRightPadding(v.partnershipId);
}

// The partner groups from a statement's rows; without rows, blanks and zeros.
void fillGroups(SFDBarcodeFixedData &record, StatementIdentification *identification)
{
    for (int group = 0; group < kGroups; ++group) {
        const int first = kFirstGroupItem + group * kGroupItems;
        QString name;
        QString address;
        double share = 0;
        if (identification) {
            CTableField &rows = identification->partners;
            name = rows.textAt(group, StatementIdentification::PartnerName).value();
            address = rows.textAt(group, StatementIdentification::PartnerAddress).value();
            share = rows.amountAt(group, StatementIdentification::PartnerShare);
        }
        record.item(first).SetValueRightPadding(name);
        record.item(first + 1).SetValueRightPadding(address);
        record.item(first + 2).SetAllCharsTo('0');
        record.item(first + 3).SetValue(shareText(share));
    }
}

HeaderValues identificationValues(const StatementIdentification &id)
{
    HeaderValues v;
    v.industryCode = id.industryCode.value();
    v.periodStart = id.periodStart.date();
    v.periodEnd = id.periodEnd.date();
    v.businessNumber = id.businessNumber.value();
    v.taxShelterId = id.taxShelterId.value();
    v.lastYear = id.lastYear;
    v.partnershipId = id.partnershipId.value();
    return v;
}

// Items 2 and 3 of every block.
void startHeader(SFDBarcodeFixedData &record, int blockNumber, const char *activity)
{
    record.item(2).SetValue(QString::asprintf("%02d", blockNumber));
    if (activity)
        record.item(3).SetValue(QString::fromLatin1(activity));
}

// The header, the statement's values and the end mark.
void finishBlock(const SFDBarcodeFixedData &record, CMemoryBlock &block,
                 const std::function<void(NetfileGenObjParamStru &)> &write)
{
    record.OutputToMemoryBlock(block);
    appendBarcodeValues(block, write);
}

// The same for a statement whose own writer gives its values.
void finishBlock(const SFDBarcodeFixedData &record, CMemoryBlock &block, CTaxData_Form &form)
{
    finishBlock(record, block,
                [&form](NetfileGenObjParamStru &param) { form.WriteFreeData(2, param); });
}

// The block of a statement with the common filling: the T777, TL2 and T2091.
void writeCommonStatementBlock(IndividualTaxData &person, CTaxData_Form &form, CMemoryBlock &block,
                               int blockNumber, const char *activity)
{
    SFDBarcodeFixedData record;
    startHeader(record, blockNumber, activity);
    person.fillSFDBarcodeFixedData(record);
    finishBlock(record, block, form);
}

// The activity code of a T5013 part by its income kind; null for a kind without one.
const char *t5013Activity(int kind)
{
    switch (kind) {
    case 0:
        return "01";
    case 1:
        return "03";
    case 2:
    case 3:
        return "02";
    case 4:
        return "05";
    case 6:
        return "04";
    default:
        return nullptr;
    }
}

} // namespace

SFDBarcodeFixedData::SFDBarcodeFixedData()
{
    makeItems(kSfdItems);
    for (int n = 18; n <= 21; ++n)
        item(n).SetAllCharsTo(' ');
}

void IndividualTaxData::fillSFDBarcodeFixedData(SFDBarcodeFixedData &record)
{
    const TaxData_T1New *t1 = t1Form();
    HeaderValues v;
    v.firstIndicator = QStringLiteral("0");
    v.codeAsIs = true;
    v.industryCode = QStringLiteral("000000");
    v.sin = t1 ? QString(t1->sin.value()) : QString();
    v.percentage = 100;
    fillHeader(record, v);
    // The common filling has no dates, number or identifiers of its own.
    record.item(11).SetValue(QStringLiteral("00000000"));
    record.item(12).SetValue(QStringLiteral("00000000"));
    record.item(13).SetAllCharsTo('0');
    record.item(15).SetAllCharsTo(' ');
    record.item(16).SetValue(QStringLiteral("0"));
    record.item(17).SetAllCharsTo(' ');
    fillGroups(record, nullptr);
}

void IndividualTaxData::writeT2125BarcodeBlock(int type, TaxData_T2125_New &form,
                                               CMemoryBlock &block, int blockNumber)
{
    SFDBarcodeFixedData record;
    const bool professional = type == FormType::T2125 && form.kind != 0;
    startHeader(record, blockNumber, professional ? "03" : "02");
    HeaderValues v = identificationValues(form.identification);
    v.firstIndicator = QStringLiteral("1");
    v.sin = form.sin.value();
    v.name = form.businessName.value();
    v.address = form.businessAddress.value();
    v.postalCode = form.businessPostalCode.value();
    v.percentage = form.partnership.share;
    fillHeader(record, v);
    if (form.websiteCount > 0.5)
        record.item(18).SetValueRightPadding(QString::number(int(std::trunc(form.websiteCount))));
    record.item(19).SetValueRightPadding(form.mainProduct.value());
    record.item(20).SetValueRightPadding(form.mainActivity.value());
    if (form.employeeCount > 0.5) {
        record.item(21).SetValue(
            QString::number(int(std::trunc(form.employeeCount))).rightJustified(3, ' ', true));
    }
    fillGroups(record, &form.identification);
    finishBlock(record, block, form);
}

void IndividualTaxData::writeT2121BarcodeBlock(TaxData_T2121New &form, CMemoryBlock &block,
                                               int blockNumber)
{
    SFDBarcodeFixedData record;
    startHeader(record, blockNumber, "04");
    HeaderValues v = identificationValues(form.identification);
    v.firstIndicator = indicator(form.partnershipFlag);
    v.sin = form.sin.value();
    v.name = form.businessName.value();
    v.percentage = form.ownershipShare;
    fillHeader(record, v);
    // The fishing statement carries no address.
    record.item(9).SetAllCharsTo(' ');
    record.item(10).SetAllCharsTo(' ');
    fillGroups(record, &form.identification);
    finishBlock(record, block, form);
}

void IndividualTaxData::writeT2042BarcodeBlock(TaxData_T2042New &form, CMemoryBlock &block,
                                               int blockNumber)
{
    SFDBarcodeFixedData record;
    startHeader(record, blockNumber, "05");
    HeaderValues v = identificationValues(form.identification);
    v.firstIndicator = indicator(form.partnershipFlag);
    v.sin = form.sin.value();
    v.name = form.businessName.value();
    v.address = form.businessAddress.value();
    v.postalCode = form.businessPostalCode.value();
    v.percentage = form.partnership.share;
    fillHeader(record, v);
    // The farming statement has no tax shelter identifier.
    record.item(15).SetAllCharsTo(' ');
    fillGroups(record, &form.identification);
    finishBlock(record, block, form);
}

void IndividualTaxData::writeT776BarcodeBlock(TaxData_T776New &form, CMemoryBlock &block,
                                              int blockNumber)
{
    SFDBarcodeFixedData record;
    startHeader(record, blockNumber, "01");
    HeaderValues v = identificationValues(form.identification);
    v.firstIndicator = QStringLiteral("0");
    v.codeAsIs = true;
    v.sin = form.sin.value();
    v.name = form.ownerName.value();
    v.address = form.propertyAddress.value();
    v.postalCode = form.propertyPostalCode.value();
    v.percentage = form.ownershipShare;
    fillHeader(record, v);
    fillGroups(record, &form.identification);
    finishBlock(record, block, form);
}

void IndividualTaxData::writeT777BarcodeBlock(TaxData_T777New &form, CMemoryBlock &block,
                                              int blockNumber)
{
    writeCommonStatementBlock(*this, form, block, blockNumber, "07");
}

void IndividualTaxData::writeTL2BarcodeBlock(TaxData_TL2_New &form, CMemoryBlock &block,
                                             int blockNumber)
{
    writeCommonStatementBlock(*this, form, block, blockNumber, "08");
}

void IndividualTaxData::writeT2091BarcodeBlock(TaxData_T2091 &form, CMemoryBlock &block,
                                               int blockNumber)
{
    // The worksheet's own type code gives "12", the form's "11".
    writeCommonStatementBlock(*this, form, block, blockNumber,
                              form.getType() == FormType::T2091WS ? "12" : "11");
}

void IndividualTaxData::writeT5013BarcodeBlocks(CTaxData_T5013 &form,
                                                std::vector<QByteArray> &blocks, int &counter)
{
    for (int part = 1; part <= CTaxData_T5013::kBarcodeParts; ++part) {
        const int kind = form.partKind(part);
        if (kind == 5 || kind == -1)
            continue;
        ++counter;
        CMemoryBlock block;
        SFDBarcodeFixedData record;
        startHeader(record, counter, t5013Activity(kind));
        CTableField &details = form.partDetails;
        const int row = part - 1;
        HeaderValues v;
        v.firstIndicator = indicator(details.intAt(row, CTaxData_T5013::PartIndicator));
        v.industryCode = details.textAt(row, CTaxData_T5013::PartIndustryCode).value();
        v.sin = form.sin.value();
        v.name = details.textAt(row, CTaxData_T5013::PartName).value();
        v.address = details.textAt(row, CTaxData_T5013::PartAddress).value();
        v.postalCode = details.textAt(row, CTaxData_T5013::PartPostalCode).value();
        v.periodStart = details.dateAt(row, CTaxData_T5013::PartPeriodStart).date();
        v.periodEnd = details.dateAt(row, CTaxData_T5013::PartPeriodEnd).date();
        v.businessNumber = details.textAt(row, CTaxData_T5013::PartBusinessNumber).value();
        v.percentage = details.amountAt(row, CTaxData_T5013::PartPercentage);
        v.taxShelterId = details.textAt(row, CTaxData_T5013::PartTaxShelterId).value();
        v.lastYear = details.intAt(row, CTaxData_T5013::PartLastYear);
        v.partnershipId = details.textAt(row, CTaxData_T5013::PartPartnershipId).value();
        fillHeader(record, v);
        fillGroups(record, nullptr);
        finishBlock(record, block, [&form, part](NetfileGenObjParamStru &param) {
            form.WriteFreeData(2, part, param);
        });
        blocks.push_back(block.bytes());
    }
}
