// The ".r25" return file on disk: its result codes, opening, saving and the load's messages.
#pragma once

#include <QString>
#include <memory>

class FamilyTaxData;

// Results of the return-file operations (0 is success; a person record read whole gives its
// data version).
enum ReturnFileResult : int
{
    ReturnFileDamaged = -1,
    ReturnFileFormNotMade = -3,
    ReturnFileSlipNotMade = -4,
    ReturnFileNoteNotMade = -5,
    ReturnFileCannotOpen = 107,
    ReturnFileVersionRefused = 111,
    ReturnFilePasswordRefused = 112,
    ReturnFileNotForThisVersion = 119,
    ReturnFileProvinceNotLoaded = 120,
    ReturnFileWriteFailed = 121,
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
