// The Canada Workers Benefit figures of the review's hints, as the review rules give them.
#include "calc/CwbTables.h"

namespace {

constexpr int kProvinces = 14;
constexpr int kAlberta = 1, kNunavut = 8, kQuebec = 11;

const CwbThresholdRow kNone = {{0, 0, 0, 0, 0, 0, 0, 0}};
const CwbThresholdRow kAlbertaRow = {{910, 910, 20817, 28183, 2760, 2760, 17733, 25100}};
const CwbThresholdRow kBritishColumbiaRow = {{2295, 2295, 21294, 29264, 4750, 4750, 18265, 26235}};
const CwbThresholdRow kCommonRow = {{1150, 1150, 19750, 28783, 3000, 3000, 16667, 25700}};
const CwbThresholdRow kNunavutRow = {{4800, 4800, 36433, 41933, 6000, 6000, 34500, 40000}};

const CwbThresholdRow *const kThresholds[kProvinces] = {
    &kNone,      &kAlbertaRow, &kBritishColumbiaRow, &kCommonRow,  &kCommonRow,
    &kCommonRow, &kCommonRow,  &kCommonRow,          &kNunavutRow, &kCommonRow,
    &kCommonRow, &kCommonRow,  &kCommonRow,          &kCommonRow};

// Quebec by case: spouse and children, spouse alone, children alone, neither.
const CwbLimit kQuebecSpouseChildren = {23718.79, 2400};
const CwbLimit kQuebecSpouse = {31434.05, 3600};
const CwbLimit kQuebecChildren = {16974.03, 2400};
const CwbLimit kQuebecAlone = {20332.99, 2400};
// Family (spouse or children) and single, with and without the disability amount.
const CwbLimit kAlbertaFamily[2] = {{42920, 2760}, {47720, 910}};
const CwbLimit kAlbertaSingle[2] = {{32317, 2760}, {37117, 910}};
const CwbLimit kNunavutAny[2] = {{57550, 6000}, {64217, 4800}};
const CwbLimit kOtherFamily[2] = {{42197, 3000}, {46997, 1150}};
const CwbLimit kOtherSingle[2] = {{32244, 3000}, {37044, 1150}};

} // namespace

const CwbThresholdRow &cwbThresholdRow(int province)
{
    return province >= 0 && province < kProvinces ? *kThresholds[province] : kNone;
}

CwbLimit cwbLimitFor(int province, bool spouse, bool children, bool disability)
{
    const int d = disability ? 1 : 0;
    switch (province) {
    case kQuebec:
        if (spouse)
            return children ? kQuebecSpouseChildren : kQuebecSpouse;
        return children ? kQuebecChildren : kQuebecAlone;
    case kAlberta:
        return spouse || children ? kAlbertaFamily[d] : kAlbertaSingle[d];
    case kNunavut:
        return kNunavutAny[d];
    default:
        return spouse || children ? kOtherFamily[d] : kOtherSingle[d];
    }
}
