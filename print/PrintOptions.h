// PrintOptions: the print options of the run, set by the print options dialog and read by the
// print command.
#pragma once

// Each value is a flag, 0 or 1, kept between print commands for the whole run. clientLetter
// starts at -1 and is set from the PrntClientLetter setting whenever the dialog is made.
struct PrintOptions
{
    static int condensedBarcode;
    static int currentFormOnly;
    static int clientLetter;
    static int fullSin;
    static int invoice;

    // The bits the print engine reads from the option flags word; 36 is 4 and 32 together.
    static constexpr int ClientLetterFlags = 36;
    static constexpr int InvoiceFlag = 8;
    static constexpr int FullSinFlag = 16;

    // The option flags word of the options as they stand: the sum of the chosen bits, 0 when
    // none is chosen. Only a client letter of exactly 1 counts.
    static int flagsWord();
};
