// Who carries a barcode archive, how many statement blocks it holds, and their order.
#include "efile/BarcodeArchiveSource.h"

#include "marrow/BusinessForms.h"
#include "marrow/CheckSIN.h"
#include "marrow/FederalForms.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/IndividualTaxData.h"
#include "ordane/BarcodeItems.h"

bool IndividualTaxData::isBarcodeEligible()
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1 || t1->sin.IsEmptyIfRemoveBlank())
        return false;
    const QString sin = t1->sin.value();
    if (sin == QLatin1String("000000000") || !CheckSIN(QString::fromUtf8(sin.toUtf8())))
        return false;
    if (sin.startsWith(QLatin1Char('0')))
        return false;
    return !t1->IsEmmigrant() && !t1->IsImmigrant();
}

int IndividualTaxData::countBarcodeSFDForms()
{
    const TaxData_T1New *t1 = t1Form();
    if (!t1 || t1->IsBankrupt())
        return 0;
    int count = 0;
    for (const TaxDataEntryStru *entry : m_formList) {
        if (entry->type == FormType::T1163 || entry->type == FormType::T1273)
            continue;
        if (entry->type == FormType::T5013) {
            if (const auto *t5013 = dynamic_cast<const CTaxData_T5013 *>(entry->data))
                count += t5013->GetCountOfBarcodeSFDForms();
        } else if (IsSFDForm(entry->type)) {
            ++count;
        }
    }
    count -= getFormCount(FormType::T777S);
    return qMax(0, count);
}

namespace {

// One statement's block for a row of the archive's order; false when the form is not of the
// row's class.
bool writeStatementBlock(IndividualTaxData &person, int row, CTaxData_Form &form,
                         CMemoryBlock &block, int blockNumber)
{
    switch (row) {
    case FormType::T776:
        if (auto *t776 = dynamic_cast<TaxData_T776New *>(&form)) {
            person.writeT776BarcodeBlock(*t776, block, blockNumber);
            return true;
        }
        return false;
    case FormType::T2042:
        if (auto *t2042 = dynamic_cast<TaxData_T2042New *>(&form)) {
            person.writeT2042BarcodeBlock(*t2042, block, blockNumber);
            return true;
        }
        return false;
    case FormType::T2121:
        if (auto *t2121 = dynamic_cast<TaxData_T2121New *>(&form)) {
            person.writeT2121BarcodeBlock(*t2121, block, blockNumber);
            return true;
        }
        return false;
    case FormType::T2125:
    case FormType::T2125C:
        if (auto *t2125 = dynamic_cast<TaxData_T2125_New *>(&form)) {
            person.writeT2125BarcodeBlock(row, *t2125, block, blockNumber);
            return true;
        }
        return false;
    case FormType::T777:
        if (auto *t777 = dynamic_cast<TaxData_T777New *>(&form)) {
            person.writeT777BarcodeBlock(*t777, block, blockNumber);
            return true;
        }
        return false;
    case FormType::TL2:
        if (auto *tl2 = dynamic_cast<TaxData_TL2_New *>(&form)) {
            person.writeTL2BarcodeBlock(*tl2, block, blockNumber);
            return true;
        }
        return false;
    case FormType::T2091:
        if (auto *t2091 = dynamic_cast<TaxData_T2091 *>(&form)) {
            person.writeT2091BarcodeBlock(*t2091, block, blockNumber);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace

void IndividualTaxData::writeBarcodeStatementBlocks(std::vector<QByteArray> &blocks)
{
    // The rows of the archive's order; the last takes both T2091 types, in list order.
    const int order[] = {FormType::T776,  FormType::T2042,  FormType::T2121,
                         FormType::T2125, FormType::T2125C, FormType::T5013,
                         FormType::T777,  FormType::TL2,    FormType::T2091};
    int blockNumber = 0;
    CMemoryBlock block;
    for (int row : order) {
        for (TaxDataEntryStru *entry : m_formList) {
            const bool inRow = row == FormType::T2091 ? entry->type == FormType::T2091 ||
                                                            entry->type == FormType::T2091WS
                                                      : entry->type == row;
            if (!inRow || !entry->data)
                continue;
            if (row == FormType::T5013) {
                if (auto *t5013 = dynamic_cast<CTaxData_T5013 *>(entry->data))
                    writeT5013BarcodeBlocks(*t5013, blocks, blockNumber);
                continue;
            }
            block.Init();
            if (!writeStatementBlock(*this, row, *entry->data, block, blockNumber + 1))
                continue; // another class than the row's: passed over
            ++blockNumber;
            blocks.push_back(block.bytes());
        }
    }
}

bool makeBarcodeArchiveBlocks(const IndividualTaxData &constPerson, BarcodeArchiveBlocks &blocks)
{
    // The writers read the person through the form layer's non-const members; in the value-map
    // kind the line records leave every form as it was (two saves give the same bytes).
    auto &person = const_cast<IndividualTaxData &>(constPerson);
    if (!person.isBarcodeEligible())
        return false;
    CMemoryBlock t1Block;
    person.writeT1BarcodeBlock(t1Block);
    blocks.t1Block = t1Block.bytes();
    const int count = person.countBarcodeSFDForms();
    if (count == 1 || count == 2)
        person.writeBarcodeStatementBlocks(blocks.sfdBlocks);
    return true;
}

void installBarcodeArchiveSource()
{
    setBarcodeArchiveSource(makeBarcodeArchiveBlocks);
}
