// ReturnFixture: filled return files, and their bytes, for the return-file tests, the benchmark
// and the fuzz seeds.
#pragma once

#include <QByteArray>

class FamilyTaxData;
class IndividualTaxData;

namespace ReturnFixture {

constexpr int kProvince = 9; // Ontario: its real plug-in must be in the plug-in folder
constexpr unsigned char kEdition = 2;
const char kPassword[] = "Maple7Leaf";

// Both persons in Ontario with a T1 ahead of their summary form, a Schedule 3, the
// provincial form 26, slipsEach slips (T4, T5, T3 in turn), extraFormsEach T2125 forms and
// two notes; the taxpayer's file password, twelve dependants (three filled) and view settings.
void fillCoupledReturn(FamilyTaxData &family, int slipsEach = 3, int extraFormsEach = 0);
// A taxpayer with a T1, one T4 slip and one note; an empty spouse; no password.
void fillSingleReturn(FamilyTaxData &family);
// Mandatory forms, slip totals and wizard data of both persons, and the coupled flags.
void bringToLoadedState(FamilyTaxData &family);

// The preparer's settings of the application object back to their defaults.
void clearPreparerSettings();

QByteArray saveToBytes(FamilyTaxData &family, unsigned char edition = kEdition);
int loadFromBytes(FamilyTaxData &family, const QByteArray &bytes, unsigned char edition = kEdition);

} // namespace ReturnFixture
