// ImportOptions: the five option bytes of the prior-year import, each 0 or 1.
#pragma once

struct ImportOptions
{
    unsigned char keepNotes = 1;   // byte 0: 0 deletes every tax note
    unsigned char includeSFD = 0;  // byte 1: self-business forms keep their data
    unsigned char keepForms = 0;   // byte 2: every form and slip is kept
    unsigned char copyData = 0;    // byte 3: what is carried keeps its prior-year data
    unsigned char makeCoupled = 0; // byte 4: a single return becomes a couple
};
static_assert(sizeof(ImportOptions) == 5, "the dialog edits five bytes");
