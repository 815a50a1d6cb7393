// The statement blocks of the barcode archive: the fixed 33-item header record.
#pragma once

#include "ordane/BarcodeItems.h"

// The header of a statement block: 33 items, 564 characters, numbered 1 to 33 as in item(n).
// Items 18 to 21 (the T2125's own) start as blanks.
class SFDBarcodeFixedData : public List_FixedBarcodeItem
{
public:
    static constexpr int kItems = 33;
    static constexpr int kWidth = 564;
    SFDBarcodeFixedData();
};
