// TestEnvironment: per-test HOME, XDG folders and TMPDIR.
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

TestEnvironment::TestEnvironment() : m_root(QDir::tempPath() + "/qvtest-XXXXXX")
{
    if (!m_root.isValid())
        return;
    for (const QString &dir : {home(), dataHome(), configHome(), cacheHome(), runtimeDir(), tmp()})
        QDir().mkpath(dir);
    // Qt refuses a runtime folder that others may read.
    QFile::setPermissions(runtimeDir(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TestEnvironment::appLocalDataPath() const
{
    return dataHome() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QProcessEnvironment TestEnvironment::processEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home());
    env.insert("XDG_DATA_HOME", dataHome());
    env.insert("XDG_CONFIG_HOME", configHome());
    env.insert("XDG_CACHE_HOME", cacheHome());
    env.insert("XDG_RUNTIME_DIR", runtimeDir());
    env.insert("TMPDIR", tmp());
    env.insert("QT_QPA_PLATFORMTHEME", QString());
    env.remove("XDG_DOCUMENTS_DIR");
    return env;
}

void TestEnvironment::apply() const
{
    qputenv("HOME", home().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_CACHE_HOME", cacheHome().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtimeDir().toUtf8());
    qputenv("TMPDIR", tmp().toUtf8());
    qputenv("QT_QPA_PLATFORMTHEME", QByteArray());
}
