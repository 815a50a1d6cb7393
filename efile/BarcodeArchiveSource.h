// The source of the barcode archive's blocks that filing installs in the return file.
#pragma once

#include "model/BarcodeArchive.h"

// Fills the T1 block and, when the person has one or two statements, their blocks in the
// archive's order; false when the person is not barcode-eligible. Reads the person only.
bool makeBarcodeArchiveBlocks(const IndividualTaxData &person, BarcodeArchiveBlocks &blocks);

// Installs makeBarcodeArchiveBlocks as the archive's source (start-up and the tests that save).
void installBarcodeArchiveSource();
