// EditorFixture: returns for the editor tests, a database for the recent rows, and helpers to
// reach the main window's actions and an editor's widgets.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class FamilyTaxData;
class Form_Return;
class MainWindow;
class PluginFolder;
class QAction;
class QWidget;

class EditorFixture
{
public:
    // The real Ontario plug-in in a folder of the test's own and a fresh database.
    EditorFixture();
    ~EditorFixture();

    // The fixture returns, loaded and recalculated like a return the open command reads.
    static FamilyTaxData *singleReturn();
    static FamilyTaxData *coupledReturn(int slipsEach = 3, int extraFormsEach = 0);

    // The one main window, made afresh.
    MainWindow *window();
    void closeWindow();
    QAction *action(const char *name);

    QString dir() const { return m_dir.path(); }
    // The recent-file rows as "name1|name2|path".
    static QStringList recentRows();

private:
    std::unique_ptr<PluginFolder> m_plugins;
    QTemporaryDir m_dir;
};

// The page widget bound to a field, searched on every page of the editor.
QWidget *boundWidget(Form_Return *editor, const char *field);
// Changes the e-mail address of the person on screen's T1, as typed on its page (the pages
// show it, so a commit keeps it).
void changeEmail(Form_Return *editor, const QString &email);
// Types the text into the line edit bound to the field and presses Tab, as a user does.
void typeInto(Form_Return *editor, const char *field, const QString &text);
// The editor's three result lines, as shown.
QStringList resultLines(Form_Return *editor);
// The balance texts of the return (taxpayer, spouse, family), as the result lines show them.
QStringList balanceTexts(FamilyTaxData *family);
