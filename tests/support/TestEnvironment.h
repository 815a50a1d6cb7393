// TestEnvironment: a temporary folder holding HOME, the XDG folders and TMPDIR of one test.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

class TestEnvironment
{
public:
    // Makes the folders under the current temporary folder; removed with the object.
    TestEnvironment();

    bool isValid() const { return m_root.isValid(); }
    QString root() const { return m_root.path(); }
    QString home() const { return root() + "/home"; }
    QString dataHome() const { return root() + "/data"; }
    QString configHome() const { return root() + "/config"; }
    QString cacheHome() const { return root() + "/cache"; }
    QString runtimeDir() const { return root() + "/runtime"; }
    QString tmp() const { return root() + "/tmp"; }

    // Where the program keeps its data in this environment: XDG_DATA_HOME + the program name
    // (the name of this test binary, which the scenario child shares).
    QString appLocalDataPath() const;
    QString documentsPath() const { return home() + "/Documents"; }

    // The current process environment with these folders, for a child process.
    QProcessEnvironment processEnvironment() const;
    // Sets the variables in this process.
    void apply() const;

private:
    // The variables both set, with their values.
    QList<QPair<QByteArray, QString>> variables() const;

    QTemporaryDir m_root;
};
