// The barcode archive of a person record: the hook through which filing supplies its blocks.
//
// IndividualTaxData::writeBarcodeArchive writes the archive's framing; the blocks inside it
// belong to the filing subsystem, which installs its source at start-up (app/entry). Until
// then every person is written as not eligible: a single int 0, which every reader accepts.
#pragma once

#include <QByteArray>
#include <vector>

class IndividualTaxData;

struct BarcodeArchiveBlocks
{
    QByteArray t1Block;
    std::vector<QByteArray> sfdBlocks; // written only when there are 1 or 2
};

// Fills the blocks and returns true when the person's return is barcode-eligible.
using BarcodeArchiveSource = bool (*)(const IndividualTaxData &person,
                                      BarcodeArchiveBlocks &blocks);

// Null puts back the default (never eligible).
void setBarcodeArchiveSource(BarcodeArchiveSource source);
BarcodeArchiveSource barcodeArchiveSource();
