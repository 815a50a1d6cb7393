// EditorFixture: fixture returns, a database and the window's actions for the editor tests.
#include "EditorFixture.h"

#include "PluginFolder.h"
#include "ReturnFixture.h"

#include "app/TabWndApp.h"
#include "marrow/BaseTaxPage.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "ui/Form_Return.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QtTest>

EditorFixture::EditorFixture() : m_plugins(new PluginFolder)
{
    m_plugins->linkRealPlugin(ReturnFixture::kProvince);
    appInstance()->openDatabase(m_dir.path());
    QSqlQuery("delete from tb_retfile").exec();
}

EditorFixture::~EditorFixture()
{
    closeWindow();
}

FamilyTaxData *EditorFixture::singleReturn()
{
    auto *family = new FamilyTaxData(0);
    ReturnFixture::fillSingleReturn(*family);
    ReturnFixture::bringToLoadedState(*family);
    family->Recalculate(-1, nullptr);
    return family;
}

FamilyTaxData *EditorFixture::coupledReturn(int slipsEach, int extraFormsEach)
{
    auto *family = new FamilyTaxData(0);
    ReturnFixture::fillCoupledReturn(*family, slipsEach, extraFormsEach);
    ReturnFixture::bringToLoadedState(*family);
    family->Recalculate(-1, nullptr);
    return family;
}

MainWindow *EditorFixture::window()
{
    return MainWindow::instance(nullptr);
}

void EditorFixture::closeWindow()
{
    // Editors go with the window, their returns unsaved, as when the program ends.
    delete MainWindow::instance(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction *EditorFixture::action(const char *name)
{
    return window()->findChild<QAction *>(QString::fromLatin1(name));
}

QStringList EditorFixture::recentRows()
{
    QStringList rows;
    QSqlQuery q("select name1, name2, filepath from tb_retfile order by id");
    while (q.next())
        rows.append(QStringLiteral("%1|%2|%3")
                        .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString()));
    return rows;
}

QWidget *boundWidget(Form_Return *editor, const char *field)
{
    for (BaseTaxPage *page : editor->pages()) {
        if (auto *w = page->findChild<QWidget *>(QString::fromLatin1(field)))
            return w;
    }
    return nullptr;
}

void typeInto(Form_Return *editor, const char *field, const QString &text)
{
    auto *edit = qobject_cast<QLineEdit *>(boundWidget(editor, field));
    QVERIFY2(edit, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void changeEmail(Form_Return *editor, const QString &email)
{
    auto *t1 = dynamic_cast<TaxData_T1New *>(editor->family()->getForm(FormType::T1, false));
    QVERIFY(t1);
    t1->email = email;
    editor->refreshPages();
}

QStringList resultLines(Form_Return *editor)
{
    QStringList lines;
    for (const char *name : {"lblResultLine1", "lblResultLine2", "lblResultLine3"})
        lines.append(editor->findChild<QLabel *>(name)->text());
    return lines;
}

QStringList balanceTexts(FamilyTaxData *family)
{
    CString taxpayer, spouse, both;
    family->getBalanceTexts(taxpayer, spouse, both);
    return {taxpayer, spouse, both};
}
