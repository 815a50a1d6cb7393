// The developer generators: the three Java type sources, the descriptions beside them and the
// test print file.
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "marrow/FormTables.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "print/DeveloperGenerators.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
QString folder(const QString &name)
{
    QString path = testEnvironment().root() + "/" + name;
    QDir().mkpath(path);
    return path;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList files(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

bool provincePluginMapped()
{
    return contents("/proc/self/maps").contains("libqvprov_");
}

const char kSlipDataType[] = "package quorvandelle.makereport;\n"
                             "import java.io.*;\n"
                             "import java.util.Vector;\n\n"
                             "public class SlipDataType\n"
                             "{\n"
                             "static final int CONST_T4 = 1;\n"
                             "static final int CONST_T4A = 2;\n"
                             "static final int CONST_T4AP = 3;\n"
                             "static final int CONST_T4RSP = 4;\n"
                             "static final int CONST_T4E = 5;\n"
                             "static final int CONST_T4AOAS = 6;\n"
                             "static final int CONST_T4RIF = 7;\n"
                             "static final int CONST_T5 = 8;\n"
                             "static final int CONST_T3 = 9;\n"
                             "static final int CONST_T5003 = 10;\n"
                             "static final int CONST_T5007 = 11;\n"
                             "static final int CONST_ = 12;\n"
                             "static final int CONST_T5013 = 13;\n"
                             "static final int CONST_T4PS = 14;\n"
                             "static final int CONST_T4ARCA = 15;\n"
                             "static final int CONST_T5006 = 16;\n"
                             "static final int CONST_RC62 = 17;\n"
                             "static final int CONST_RC210 = 18;\n"
                             "static final int CONST_ = 19;\n"
                             "static final int CONST_ = 20;\n"
                             "static final int CONST_MBShelterAssist = 21;\n"
                             "static final int CONST_PRPP = 22;\n"
                             "static final int CONST_T1204 = 23;\n"
                             "static final int CONST_NR4 = 24;\n"
                             "static final int CONST_T2202 = 25;\n"
                             "static final int CONST_T4FHSA = 26;\n"
                             "\n"
                             "SlipDataType()\n"
                             "{\n"
                             "}\n"
                             "}\n";

const char kNoteDataType[] = "package quorvandelle.makereport;\n"
                             "import java.io.*;\n"
                             "import java.util.Vector;\n\n"
                             "public class NoteDataType\n"
                             "{\n"
                             "static final int CONST_NOTE_GENERAL= 1;\n"
                             "\n"
                             "NoteDataType()\n"
                             "{\n"
                             "}\n"
                             "}\n";
} // namespace

class TestDeveloperGenerators : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void emptyProjectFolderWritesNothing();
    void typeSources();
    void descriptions();
    void committedFormTableIsCurrent();
    void testPrintFileOnly();

private:
    QString m_java, m_xml, m_bform;
};

void TestDeveloperGenerators::init()
{
    static int round = 0;
    const QString base = QStringLiteral("round%1/").arg(++round);
    CT1AppConfig &c = appInstance()->config;
    c.JAVAPROJPATH = m_java = folder(base + "java");
    c.XMLPATH = m_xml = folder(base + "xml");
    c.BFORM_XMLPATH = m_bform = folder(base + "bform");
}

void TestDeveloperGenerators::emptyProjectFolderWritesNothing()
{
    appInstance()->config.JAVAPROJPATH.clear();
    generateDeveloperFiles(false);
    QCOMPARE(files(m_java), QStringList());
    QCOMPARE(files(m_xml), QStringList());
    QCOMPARE(files(m_bform), QStringList());
    // Not even the province plug-ins were loaded.
    QVERIFY(!provincePluginMapped());
}

void TestDeveloperGenerators::typeSources()
{
    generateDeveloperFiles(false);
    QCOMPARE(contents(m_java + "/SlipDataType.java"), QByteArray(kSlipDataType));
    QCOMPARE(contents(m_java + "/NoteDataType.java"), QByteArray(kNoteDataType));
    const QByteArray forms = contents(m_java + "/TaxFormType.java");
    QVERIFY(forms.startsWith("package quorvandelle.makereport;\nimport java.io.*;\n"
                             "import java.util.Vector;\n\npublic class TaxFormType\n{\n"
                             "static final int CONST_T1 = 1;\n"
                             "static final int CONST_UNUSED_2 = 2;\n"));
    QVERIFY(forms.contains("static final int CONST_T2125C = 131;\n"
                           "static final int CONST_"));
    QVERIFY(forms.contains("\nprivate InfoFileItem[] pdfFiles;\n\nprivate TaxFormType()\n{\n"
                           "pdfFiles = new InfoFileItem[214];\n\npdfFiles[  0] = null;\n"
                           "pdfFiles[  1] = new InfoFileItem(CONST_T1, \"T1 General\", \"t1\", "
                           "\"t1\");\n"
                           "pdfFiles[  2] = new InfoFileItem(CONST_UNUSED_2, \"Unused form\", "
                           "\"\", \"\");\n"));
    QVERIFY(forms.contains("pdfFiles[ 26] = new InfoFileItem(CONST_ON_S2, \"ON(S2)\", \"on_s2\", "
                           "\"on_s2\");\n"));
    QVERIFY(forms.endsWith(
        "}\n\nstatic TaxFormType s_taxformtype = new TaxFormType();\n"
        "public static InfoFileItem getFormTypeInfo(int nType)\n{\nfor (int j=0; j<214; j++)\n{\n"
        "if ((s_taxformtype.pdfFiles[j]!=null) && (s_taxformtype.pdfFiles[j].nFormType == "
        "nType))\n{\nreturn s_taxformtype.pdfFiles[j];\n}\n}\nreturn null;\n}\n\n}\n\n"));
    QCOMPARE(forms.count("static final int CONST_"), 213);
    QCOMPARE(forms.count("= new InfoFileItem(CONST_"), 213);
    QVERIFY(!provincePluginMapped());
}

void TestDeveloperGenerators::descriptions()
{
    generateDeveloperFiles(false);
    const QStringList java = files(m_java);
    const QStringList xml = files(m_xml);
    const QStringList bform = files(m_bform);
    // Forms with a description name: a Java class, and XML in both folders but for four forms.
    for (const char *name : {"T1", "SCH3", "ON_S2", "T2125C", "T1KSREFILE", "T1KSPRIOR"})
        QVERIFY2(java.contains(QString(name) + ".java"), name);
    for (const char *name : {"t1.xml", "sch3.xml", "on_s2.xml"}) {
        QVERIFY2(xml.contains(name), name);
        QVERIFY2(bform.contains(name), name);
    }
    for (const char *name : {"t2125c.xml", "t1ksrefile.xml", "t1ksprior.xml"}) {
        QVERIFY2(!xml.contains(name), name);
        QVERIFY2(!bform.contains(name), name);
    }
    // No description name, no description; an expired form has none either.
    QVERIFY(!java.contains("FORM_8.java"));
    QVERIFY(!java.contains("UNUSED_2.java"));
    // Slips: a class and an XML file each, none for type 12 (nor 19 and 20, which have no class).
    QVERIFY(java.contains("T4.java") && bform.contains("T4.xml"));
    QVERIFY(java.contains("T4FHSA.java") && bform.contains("T4FHSA.xml"));
    QVERIFY(!java.contains(".java") && !bform.contains(".xml"));
    QVERIFY(java.contains("NoteData_General.java"));

    const QByteArray t4 = contents(m_bform + "/T4.xml");
    QVERIFY(t4.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<form name=\"T4\" type=\"1\" kind=\"1\" version=\"66098\">\n"));
    QVERIFY(t4.contains("  <field name=\"box14\" type=\"amount\"/>\n"));
    QVERIFY(t4.endsWith("</form>\n"));
    const QByteArray t4Java = contents(m_java + "/T4.java");
    QVERIFY(t4Java.startsWith("package quorvandelle.makereport;\n\npublic class T4\n{\n"
                              "static final int FORM_TYPE = 1;\n"));
    QVERIFY(t4Java.contains("{\"box14\", \"amount\"},\n"));
}

void TestDeveloperGenerators::committedFormTableIsCurrent()
{
    generateTaxFormType();
    QCOMPARE(contents(m_java + "/TaxFormType.java"),
             contents(QV_PRINTENGINE_SOURCE "/TaxFormType.java"));
}

void TestDeveloperGenerators::testPrintFileOnly()
{
    const QString documents = testEnvironment().documentsPath();
    QDir().mkpath(documents);
    const QString path = documents + "/testprint.r25";
    QTest::ignoreMessage(QtInfoMsg, qPrintable("test print file => " + path));
    generateDeveloperFiles(true);
    // The return and the titles the print engine reads beside it.
    QCOMPARE(files(documents), (QStringList{"testprint.r25", "testprint.r25.titles"}));
    QCOMPARE(files(m_java), QStringList());
    QCOMPARE(files(m_xml), QStringList());
    QCOMPARE(files(m_bform), QStringList());
    // The file holds the all-forms return: byte for byte what saving one writes.
    FamilyTaxData allForms(0);
    allForms.enableAllFormsMode();
    QVERIFY(allForms.taxpayer()->m_formList.size() > 100);
    const QString expected = testEnvironment().root() + "/allforms.r25";
    QCOMPARE(saveReturnFile(allForms, expected, AppEdition), 0);
    QCOMPARE(contents(path), contents(expected));
}

QV_TEST_MAIN(TestDeveloperGenerators)
#include "tst_DeveloperGenerators.moc"
