// The return file on disk: loading it, saving it whole and the load's boxes.
#include "model/ReturnFile.h"

#include "model/FamilyTaxData.h"
#include "ordane/MessagePresenter.h"
#include "ordane/MyDataStream.h"
#include "ordane/RegularFile.h"
#include "ordane/SafeFileWriter.h"

std::unique_ptr<FamilyTaxData> loadReturnFile(const QString &path, int *result,
                                              unsigned char edition)
{
    *result = resultNumber(ReturnFileResult::CannotOpen);
    // The whole file at once: parsing from memory is far quicker than many small reads.
    QByteArray bytes;
    const RegularFileRead read = readRegularFile(path, bytes);
    if (read == RegularFileRead::CannotOpen)
        return nullptr;
    auto family = std::make_unique<FamilyTaxData>(0);
    if (read != RegularFileRead::Read) {
        // Something that exists but is no readable file (a FIFO, a device, an I/O error).
        showReturnFileDamaged();
        *result = resultNumber(ReturnFileResult::Damaged);
        return family;
    }
    MyDataStream stream(bytes);
    *result = family->Serialize(edition, stream);
    return family;
}

int saveReturnFile(FamilyTaxData &family, const QString &path, unsigned char edition)
{
    // Serialised in memory, then written in one piece; the old file stays until all is written.
    QByteArray bytes;
    MyDataStream stream(&bytes, QIODevice::WriteOnly | QIODevice::Append);
    const int result = family.Serialize(edition, stream);
    if (result != 0)
        return result;
    return writeFileSafely(path, bytes) ? 0 : resultNumber(ReturnFileResult::WriteFailed);
}

void showReturnFileMessage(const QString &text)
{
    presentMessage(QMessageBox::Information, nullptr, QStringLiteral("Quorvandelle 2025"), text,
                   QMessageBox::Ok);
}

void showReturnFileDamaged()
{
    showReturnFileMessage(QStringLiteral(
        "The file being opened may be damaged, please verify the data after opening."));
}
