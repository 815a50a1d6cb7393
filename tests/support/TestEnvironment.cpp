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
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TestEnvironment::appLocalDataPath() const
{
    return dataHome() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QList<QPair<QByteArray, QString>> TestEnvironment::variables() const
{
    return {{"HOME", home()},
            {"XDG_DATA_HOME", dataHome()},
            {"XDG_CONFIG_HOME", configHome()},
            {"XDG_CACHE_HOME", cacheHome()},
            {"XDG_RUNTIME_DIR", runtimeDir()},
            {"TMPDIR", tmp()},
            {"QT_QPA_PLATFORMTHEME", QString()}};
}

QProcessEnvironment TestEnvironment::processEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &variable : variables())
        env.insert(QString::fromLatin1(variable.first), variable.second);
    env.remove("XDG_DOCUMENTS_DIR");
    return env;
}

void TestEnvironment::apply() const
{
    for (const auto &variable : variables())
        qputenv(variable.first.constData(), variable.second.toUtf8());
}
