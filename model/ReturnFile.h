// The ".r25" return file on disk: its result codes, opening, saving and the load's messages.
#pragma once

#include <QString>
#include <memory>

#include "ordane/ResultNumber.h"

class FamilyTaxData;

// Results of the return-file operations (0 is success; a person record read whole gives its
// data version, so the operations give these as numbers: resultNumber).
enum class ReturnFileResult : int
{
    Damaged = -1,
    FormNotMade = -3,
    SlipNotMade = -4,
    NoteNotMade = -5,
    CannotOpen = 107,
    VersionRefused = 111,
    PasswordRefused = 112,
    NotForThisVersion = 119,
    ProvinceNotLoaded = 120,
    WriteFailed = 121,
};

// Reads a return file into a new object that the caller owns whatever *result says: 107
// when the file cannot be opened (and null is returned); -1 with the "damaged" box when the
// path names no regular file (a FIFO, a device) or cannot be read; otherwise
// FamilyTaxData::Serialize's. The caller passes the edition (AppEdition in the program) and
// shows the wait cursor.
std::unique_ptr<FamilyTaxData> loadReturnFile(const QString &path, int *result,
                                              unsigned char edition);

// Writes the return file through writeFileSafely: the old file is replaced only when the
// whole return was written. 0, or 121 when the file cannot be written.
int saveReturnFile(FamilyTaxData &family, const QString &path, unsigned char edition);

// The load's information boxes, titled "Quorvandelle 2025".
void showReturnFileMessage(const QString &text);
void showReturnFileDamaged();
