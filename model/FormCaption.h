// makeFormCaption: the text the forms tree and its dialogs show for a form entry.
#pragma once

#include "ordane/CString.h"

struct TaxDataEntryStru;

// Appends the entry's caption to caption: "S-" first for an entry shared in a coupled return,
// then the form's title, or for a multiple form with a description "title - description (id)".
void makeFormCaption(bool coupled, const TaxDataEntryStru *entry, CString &caption);
