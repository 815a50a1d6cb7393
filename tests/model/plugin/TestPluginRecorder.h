// TestPluginRecorder: the calls the test plug-in saw and the answers it gives, owned by a test.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// How the test plug-in of one province answers.
struct TestPluginScript
{
    bool nullManager = false; // "GetTaxManager" gives null
    bool takeForms = true;    // deleteProvincialForm takes back the forms it made
    int netfileCode = 0;
    QStringList warnings;
    QStringList checkTexts;     // the provincial check texts; none set: "check N"
    QStringList coupleTexts;    // the provincial couple texts
    QMap<int, int> linkedForms; // federal code -> provincial code
    bool makesWizardData = false;
    bool throwOnCreateForm = false; // createProvincialForm throws
};

struct TestPluginRecorder
{
    // One line per call: the province code, a blank, the call with its arguments.
    QStringList calls;
    QMap<int, TestPluginScript> scripts;
    int managersMade = 0;
    int managersDeleted = 0;
    int formsMade = 0;
    int formsDeletedByPlugin = 0;
    // Each block a test form wrote or read: province, "write" or "read", code and record tag.
    QStringList blocks;

    void record(int province, const QString &call)
    {
        calls.append(QString::number(province) + ' ' + call);
    }
    // The calls whose text (after the province) starts with the given name.
    QStringList callsOf(const QString &name) const
    {
        QStringList out;
        for (const QString &call : calls) {
            if (call.section(' ', 1).startsWith(name))
                out.append(call);
        }
        return out;
    }
};
