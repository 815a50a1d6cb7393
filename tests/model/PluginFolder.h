// PluginFolder: a test's own plug-in folder of links to the real or the test plug-ins.
#pragma once

#include <QLibrary>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

struct TestPluginRecorder;

class PluginFolder
{
public:
    // Makes the folder and points the plug-in manager at it; the destructor points it back.
    PluginFolder();
    ~PluginFolder();

    QString path() const { return m_dir.path(); }
    // The full path the manager loads for the province.
    QString pluginPath(int province) const;
    // Links the real plug-in of the province under its own name.
    bool linkRealPlugin(int province);
    // Links the test plug-in built for the province and hands it the recorder.
    bool linkTestPlugin(int province, TestPluginRecorder *recorder);
    // Links a library without the plug-in export under the province's name.
    bool linkNoExportLibrary(int province);

private:
    bool link(const QString &target, int province);

    QTemporaryDir m_dir;
    // Kept loaded so that the handed recorder survives the manager's unload and reload.
    std::vector<std::unique_ptr<QLibrary>> m_testPlugins;
};
