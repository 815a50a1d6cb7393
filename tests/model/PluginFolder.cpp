// PluginFolder: links under the province file names, and the recorder hand-over.
#include "PluginFolder.h"

#include "model/CMultiProvsTaxMgr.h"
#include "plugin/TestPluginRecorder.h"

#include <QCoreApplication>
#include <QFile>

namespace {
QString binFile(const QString &name)
{
    return QCoreApplication::applicationDirPath() + '/' + name;
}
} // namespace

PluginFolder::PluginFolder()
{
    CMultiProvsTaxMgr::setPluginFolder(m_dir.path());
}

PluginFolder::~PluginFolder()
{
    CMultiProvsTaxMgr::setPluginFolder(QString());
    using SetRecorder = void (*)(TestPluginRecorder *);
    for (auto &library : m_testPlugins) {
        if (auto set = reinterpret_cast<SetRecorder>(library->resolve("SetTestRecorder")))
            set(nullptr);
        library->unload();
    }
}

QString PluginFolder::pluginPath(int province) const
{
    QString fileName;
    getProvinceLibraryName(province, fileName);
    return m_dir.path() + '/' + fileName;
}

bool PluginFolder::link(const QString &target, int province)
{
    return QFile::exists(target) && QFile::link(target, pluginPath(province));
}

bool PluginFolder::linkRealPlugin(int province)
{
    QString fileName;
    return getProvinceLibraryName(province, fileName) && link(binFile(fileName), province);
}

bool PluginFolder::linkTestPlugin(int province, TestPluginRecorder *recorder)
{
    const QString target = binFile(QString("libqvtestprov_%1.so").arg(province));
    if (!link(target, province))
        return false;
    auto library = std::make_unique<QLibrary>(target);
    using SetRecorder = void (*)(TestPluginRecorder *);
    auto set = reinterpret_cast<SetRecorder>(library->resolve("SetTestRecorder"));
    if (!set)
        return false;
    set(recorder);
    m_testPlugins.push_back(std::move(library));
    return true;
}

bool PluginFolder::linkNoExportLibrary(int province)
{
    return link(binFile("libqvtestnoexport.so"), province);
}
