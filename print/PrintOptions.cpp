// PrintOptions: the run's print options and the flags word made from them.
#include "print/PrintOptions.h"

int PrintOptions::condensedBarcode = 0;
int PrintOptions::currentFormOnly = 0;
int PrintOptions::clientLetter = -1;
int PrintOptions::fullSin = 0;
int PrintOptions::invoice = 0;

int PrintOptions::flagsWord()
{
    int flags = 0;
    if (clientLetter == 1)
        flags += ClientLetterFlags;
    if (invoice != 0)
        flags += InvoiceFlag;
    if (fullSin != 0)
        flags += FullSinFlag;
    return flags;
}
