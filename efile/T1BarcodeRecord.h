// The T1 block of the barcode archive: its fixed 48-item record and the value map's text.
#pragma once

#include "ordane/BarcodeItems.h"
#include "ordane/NetfileRecords.h"

#include <functional>

// The fixed record of the T1 barcode: 48 items, 483 characters, numbered 1 to 48 as in
// item(n). Item 32 starts as the software code.
class T1ReturnBarcodeFixedData : public List_FixedBarcodeItem
{
public:
    static constexpr int kItems = 48;
    static constexpr int kWidth = 483;
    explicit T1ReturnBarcodeFixedData(const QString &softwareCode);
};

// Appends the map's entries in ascending code order, "-" between two entries: tag 1 whole
// dollars, tag 2 cents, tag 3 an integer, tag 4 text, each right after its code; "&" in place
// of the sign of a negative amount. An entry of another tag appends nothing.
void writeBarcodeValueMap(const NetfileCodeMap &codes, CMemoryBlock &block);

// The end of every block: a parameter record of the value-map kind (edition 2) for write to
// fill, the map's text, then the end mark "-EOD".
void appendBarcodeValues(CMemoryBlock &block,
                         const std::function<void(NetfileGenObjParamStru &)> &write);
