// The return file on disk: loadReturnFile, the QSaveFile save and the load's boxes.
#include "model/ReturnFile.h"

#include "model/FamilyTaxData.h"
#include "ordane/MessagePresenter.h"
#include "ordane/MyDataStream.h"

#include <QFile>
#include <QSaveFile>

std::unique_ptr<FamilyTaxData> loadReturnFile(const QString &path, int *result,
                                              unsigned char edition)
{
    *result = ReturnFileCannotOpen;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    MyDataStream stream(&file);
    auto family = std::make_unique<FamilyTaxData>(0);
    *result = family->Serialize(edition, stream);
    file.close();
    return family;
}

int saveReturnFile(FamilyTaxData &family, const QString &path, unsigned char edition)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ReturnFileWriteFailed;
    MyDataStream stream(&file);
    const int result = family.Serialize(edition, stream);
    if (result != 0) {
        file.cancelWriting();
        return result;
    }
    // Buffered bytes may only fail here (disk full); the old file then stays as it was.
    return file.commit() ? 0 : ReturnFileWriteFailed;
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
