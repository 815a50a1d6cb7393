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

namespace {
// The values of a save gather in a buffer that stays in the processor's cache and go to the
// file a buffer at a time: no copy of the whole file is made in memory.
constexpr int kSaveBufferBytes = 64 * 1024;
} // namespace

int saveReturnFile(FamilyTaxData &family, const QString &path, unsigned char edition)
{
    // Written straight into a temporary file beside the old one while the return is
    // serialised; the old file stays until every byte was written and synced. A save that
    // fails anywhere, also in the middle, leaves nothing beside it.
    SafeFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly);
    MyDataStream stream(&file, kSaveBufferBytes);
    // Without a file the return is still serialised, so that it is left as any save leaves it
    // (the result is then the failed write's).
    if (!opened)
        stream.setStatus(QDataStream::WriteFailed);
    const int result = family.Serialize(edition, stream);
    if (result != 0)
        return result;
    return stream.finish() && file.commit() ? 0 : resultNumber(ReturnFileResult::WriteFailed);
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
