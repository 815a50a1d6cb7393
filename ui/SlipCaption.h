// slipCaption: the text the forms tree shows for a slip entry.
#pragma once

class CString;
struct TaxDataEntryStru;

// Appends "S-" (coupled and linked to the spouse), the slip type's name, and " - " with the
// slip's description (" by AFR" added for a downloaded slip) when there is one.
void slipCaption(bool coupled, const TaxDataEntryStru *entry, CString &caption);
