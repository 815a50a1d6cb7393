// TabWndApp: the recent return files through the application's model.
#include "app/TabWndApp.h"

#include <QFile>
#include <QFileInfo>

#include "app/ReturnFileEntriesModel.h"

ReturnFileEntriesModel *TabWndApp::reloadRecentReturns(const CString &filter)
{
    CSqliteDBManager::loadRetFiles(retFileModel, filter);
    return retFileModel;
}

int TabWndApp::recordRecentReturn(const CString &name1, const CString &name2, const CString &path)
{
    return CSqliteDBManager::saveRetFile(name1, name2, path);
}

bool TabWndApp::removeRecentReturn(const QModelIndex &index, bool deleteFile)
{
    const CString path = retFileModel->filePathOf(index);
    // A file that cannot be deleted stays; its entry goes all the same, and the caller says so.
    bool removed = true;
    if (deleteFile && !path.isEmpty())
        removed = QFile::remove(path) || !QFileInfo::exists(path);
    CSqliteDBManager::deleteRetFileByPath(path.toUtf8());
    retFileModel->removeEntryAt(index.row());
    return removed;
}
