// The real print engine on a saved coupled return: the PDF's pages, titles and field lines as
// pdfinfo and pdftotext read them. One process, one virtual machine for every job.
#include "FileModes.h"
#include "ReturnFixture.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/FormTables.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/ReturnFile.h"
#include "ordane/CField.h"
#include "ordane/CTableField.h"
#include "print/CJavaPrintEngine.h"
#include "print/DeveloperGenerators.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {
constexpr int kClientLetter = 36;
constexpr int kInvoice = 8;
constexpr int kFullSin = 16;

QString folder(const QString &name)
{
    const QString path = testEnvironment().root() + "/" + name;
    QDir().mkpath(path);
    return path;
}

QString run(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return QString();
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    int code = -1;
    const QString info = run("pdfinfo", {pdf}, &code);
    if (code != 0)
        return -1;
    for (const QString &line : info.split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The PDF's text lines, without blank lines and page breaks.
QStringList textLines(const QString &pdf)
{
    QStringList lines;
    for (QString line : run("pdftotext", {pdf, "-"}).split('\n')) {
        line.remove('\f');
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

bool isSinField(const QByteArray &name)
{
    return name == "sin" || name.endsWith("Sin");
}

// All but the last three digits hidden.
QString masked(const QString &sin)
{
    QString text = sin;
    int digits = 0;
    for (int i = text.size() - 1; i >= 0; --i) {
        if (!text[i].isDigit())
            continue;
        if (++digits > 3)
            text[i] = '*';
    }
    return text;
}

// A value's printed text: empty for a zero number, an unset flag or date, an empty text.
QString printed(const CField &field)
{
    const QString text = field.toText();
    if (field.type() == FieldType::String)
        return text;
    if (text == "0" || text == "0.00" || text == "-0.00")
        return QString();
    return text;
}

void addFieldLines(const CTaxData_Form &form, bool fullSin, QStringList &lines)
{
    for (const CField *field : form.fields()) {
        if (field->type() == FieldType::Table) {
            const auto *table = static_cast<const CTableField *>(field);
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c) {
                    const QString value = printed(table->cell(r, c));
                    if (!value.isEmpty())
                        lines << QStringLiteral("%1[%2][%3]: %4")
                                     .arg(QString::fromUtf8(field->name()))
                                     .arg(r)
                                     .arg(c)
                                     .arg(value);
                }
            }
            continue;
        }
        const QString value = printed(*field);
        if (value.isEmpty())
            continue;
        const bool hide = isSinField(field->name()) && !fullSin;
        lines << QString::fromUtf8(field->name()) + ": " + (hide ? masked(value) : value);
    }
}

// What the engine prints for one person: each form, then each slip, in list order; or only the
// entry given.
QStringList expectedLines(const IndividualTaxData &person, bool fullSin,
                          const TaxDataEntryStru *only = nullptr)
{
    QStringList lines;
    for (const TaxDataEntryStru *entry : person.m_formList) {
        if (entry->data && (!only || entry == only)) {
            lines << QString::fromUtf8(formInfo(entry->type)->name);
            addFieldLines(*entry->data, fullSin, lines);
        }
    }
    for (const TaxDataEntryStru *entry : person.m_slipList) {
        if (entry->data && (!only || entry == only)) {
            lines << QString::fromUtf8(slipInfo(entry->type)->name);
            addFieldLines(*entry->data, fullSin, lines);
        }
    }
    return lines;
}
} // namespace

class TestPrintOutput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wholeReturn_data();
    void wholeReturn();
    void clientLetterAndInvoice_data();
    void clientLetterAndInvoice();
    void oneItem_data();
    void oneItem();
    void summaryPage();
    void unprintableCharacters();
    void unreadableFiles_data();
    void unreadableFiles();
    void targetIsFolder();
    void pathsKeptFromFirstLoad();
    void fontCacheInUsersCache();
    void developerTestPrint();

private:
    int print(const QString &file, bool spouse, int mode, int category, int entryId, int flags,
              QString *pdf = nullptr);

    FamilyTaxData m_family{0};
    QString m_file;
    QString m_out;
};

void TestPrintOutput::initTestCase()
{
    CT1AppConfig &c = appInstance()->config;
    c.JVMPATH = CT1AppConfig::defaultJvmLibrary;
    c.JAVACLASSPATH = QCoreApplication::applicationDirPath() + "/mr.jar";
    c.PDFPATH = folder("pdf");
    c.XMLPATH = folder("xml");
    c.RetPdfPath = folder("ret");
    m_out = folder("out");
    ReturnFixture::fillCoupledReturn(m_family);
    auto *spouseT1 =
        static_cast<TaxData_T1New *>(m_family.spouse()->getForm(FormType::T1, 0, false));
    spouseT1->spouseSin.setValue("046454286");
    spouseT1->f48500 = 1234.5;
    m_file = testEnvironment().root() + "/Tremblay 2025.r25";
    QCOMPARE(saveReturnFile(m_family, m_file, ReturnFixture::kEdition), 0);
    QCOMPARE(CJavaPrintEngine::instance().load(), 0);
}

int TestPrintOutput::print(const QString &file, bool spouse, int mode, int category, int entryId,
                           int flags, QString *pdf)
{
    CString name;
    const int result = CJavaPrintEngine::instance().runPrintJob(file, spouse, mode, category,
                                                                entryId, flags, m_out, name);
    if (pdf)
        *pdf = name;
    return result;
}

void TestPrintOutput::wholeReturn_data()
{
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("taxpayer, S.I.N. masked") << false << 0 << "Tremblay 2025.pdf";
    QTest::newRow("taxpayer, whole S.I.N.") << false << kFullSin << "Tremblay 2025.pdf";
    QTest::newRow("spouse, S.I.N. masked") << true << 0 << "Tremblay 2025_spouse.pdf";
    QTest::newRow("spouse, whole S.I.N.") << true << kFullSin << "Tremblay 2025_spouse.pdf";
}

void TestPrintOutput::wholeReturn()
{
    QFETCH(bool, spouse);
    QFETCH(int, flags);
    QFETCH(QString, fileName);
    QString pdf;
    QCOMPARE(print(m_file, spouse, 0, 0, 0, flags, &pdf), 0);
    QCOMPARE(pdf, m_out + "/" + fileName);
    // A printed return is its user's alone, whatever the umask gives a new file.
    QCOMPARE(fileMode(pdf), 0600);
    const IndividualTaxData &person = spouse ? *m_family.spouse() : *m_family.taxpayer();
    const QStringList expected = expectedLines(person, flags & kFullSin);
    QCOMPARE(pageCount(pdf), person.m_formList.size() + person.m_slipList.size());
    QCOMPARE(textLines(pdf), expected);
    const QString sin = spouse ? "130692544" : "046454286";
    QCOMPARE(expected.contains("sin: " + ((flags & kFullSin) ? sin : "******" + sin.right(3))),
             true);
}

void TestPrintOutput::clientLetterAndInvoice_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("extraPages");
    QTest::newRow("client letter")
        << kClientLetter << QStringList{"Client letter", "Dear Élise Tremblay,"};
    QTest::newRow("invoice") << kInvoice << QStringList{"Invoice", "Client: Élise Tremblay"};
    QTest::newRow("both") << (kClientLetter | kInvoice)
                          << QStringList{"Client letter", "Dear Élise Tremblay,", "Invoice",
                                         "Client: Élise Tremblay"};
    QTest::newRow("4 alone is no letter") << 4 << QStringList{};
}

void TestPrintOutput::clientLetterAndInvoice()
{
    QFETCH(int, flags);
    QFETCH(QStringList, extraPages);
    QString pdf;
    QCOMPARE(print(m_file, false, 0, 0, 0, flags, &pdf), 0);
    const IndividualTaxData &person = *m_family.taxpayer();
    const int forms = person.m_formList.size() + person.m_slipList.size();
    const int extra = ((flags & kClientLetter) == kClientLetter) + ((flags & kInvoice) != 0);
    QCOMPARE(pageCount(pdf), forms + extra);
    const QStringList lines = textLines(pdf);
    for (const QString &line : extraPages)
        QVERIFY2(lines.contains(line), qPrintable(line));
    QCOMPARE(lines.contains("Client letter"), (flags & kClientLetter) == kClientLetter);
    QCOMPARE(lines.contains("Invoice"), (flags & kInvoice) != 0);
}

void TestPrintOutput::oneItem_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("formType"); // 0: the second slip
    QTest::addColumn<QString>("title");
    QTest::newRow("Schedule 3") << 0 << FormType::SCH3 << "Schedule 3";
    QTest::newRow("T1") << 0 << FormType::T1 << "T1 General";
    QTest::newRow("T5 slip") << 1 << 0 << "T5";
}

void TestPrintOutput::oneItem()
{
    QFETCH(int, category);
    QFETCH(int, formType);
    QFETCH(QString, title);
    IndividualTaxData &person = *m_family.taxpayer();
    const TaxDataEntryStru *entry =
        formType ? person.findFormEntry(formType, 0, false) : person.m_slipList.at(1);
    QVERIFY(entry);
    QString pdf;
    QCOMPARE(print(m_file, false, 0, category, entry->id, kClientLetter | kInvoice, &pdf), 0);
    QCOMPARE(pageCount(pdf), 1);
    QCOMPARE(textLines(pdf), expectedLines(person, false, entry));
    QCOMPARE(textLines(pdf).first(), title);
}

void TestPrintOutput::summaryPage()
{
    QString pdf;
    QCOMPARE(print(m_file, true, 1, 0, 0, kClientLetter | kInvoice, &pdf), 0);
    QCOMPARE(pageCount(pdf), 1);
    QCOMPARE(textLines(pdf), (QStringList{"Return summary", "Name: Marc Tremblay",
                                          "S.I.N.: ******544", "48500: 1234.50"}));
    QCOMPARE(print(m_file, true, 1, 0, 0, kFullSin, &pdf), 0);
    QCOMPARE(textLines(pdf).at(2), QString("S.I.N.: 130692544"));
}

void TestPrintOutput::unprintableCharacters()
{
    FamilyTaxData family(0);
    ReturnFixture::fillSingleReturn(family);
    auto *t1 = static_cast<TaxData_T1New *>(family.taxpayer()->getForm(FormType::T1, 0, false));
    t1->firstName.setValue(QString::fromUtf8("Łucja 李"));
    const QString file = testEnvironment().root() + "/single.r25";
    QCOMPARE(saveReturnFile(family, file, ReturnFixture::kEdition), 0);
    QString pdf;
    QCOMPARE(print(file, false, 1, 0, 0, 0, &pdf), 0);
    QCOMPARE(textLines(pdf).at(1), QString("Name: ?ucja ? Tremblay"));
}

void TestPrintOutput::unreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QByteArray saved;
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        saved = file.readAll();
    }
    QByteArray foreign = saved;
    foreign[3] = char(0x11); // another data version
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("foreign") << foreign << true;
    QTest::newRow("not a return") << QByteArray("%PDF-1.4 nothing else") << true;
    QTest::newRow("cut in the forms") << saved.left(saved.size() / 3) << true;
    QTest::newRow("cut in the spouse") << saved.left(saved.size() * 3 / 4) << true;
}

void TestPrintOutput::unreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString file = testEnvironment().root() + "/bad.r25";
    QFile::remove(file);
    if (exists) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(content), qint64(content.size()));
    }
    QFile::remove(m_out + "/bad.pdf");
    QCOMPARE(print(file, false, 0, 0, 0, 0), -116);
    QVERIFY(!QFile::exists(m_out + "/bad.pdf"));
}

void TestPrintOutput::targetIsFolder()
{
    const QString file = testEnvironment().root() + "/Folder case.r25";
    QVERIFY(QFile::copy(m_file, file));
    QVERIFY(QDir().mkpath(m_out + "/Folder case.pdf"));
    QCOMPARE(print(file, false, 0, 0, 0, 0), -117);
    QVERIFY(QFileInfo(m_out + "/Folder case.pdf").isDir());
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(m_out).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(m_out).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
}

void TestPrintOutput::pathsKeptFromFirstLoad()
{
    // A client-letter template appears only in the PDF folder of the first load.
    CT1AppConfig &c = appInstance()->config;
    QString pdf;
    QCOMPARE(print(m_file, false, 0, 0, 0, 0, &pdf), 0);
    QVERIFY(QFile::copy(pdf, folder("pdf2") + "/t1_clientletter_own.pdf"));
    const int pages = pageCount(pdf);
    QVERIFY(pages > 1);
    c.PDFPATH = folder("pdf2");
    QCOMPARE(CJavaPrintEngine::instance().load(), 0);
    QCOMPARE(print(m_file, false, 0, 0, 0, kClientLetter, &pdf), 0);
    QCOMPARE(pageCount(pdf), pages + 1);

    // In the first load's folder it is appended after the letter.
    QVERIFY(QFile::copy(folder("pdf2") + "/t1_clientletter_own.pdf",
                        folder("pdf") + "/t1_clientletter_own.pdf"));
    QCOMPARE(print(m_file, false, 0, 0, 0, kClientLetter, &pdf), 0);
    QCOMPARE(pageCount(pdf), 2 * pages + 1);
}

void TestPrintOutput::fontCacheInUsersCache()
{
    // PDFBox would keep it in the user's home (the account's, not HOME's); a fixed name in the
    // shared temporary folder would belong to whoever made it first.
    const QString folder = testEnvironment().cacheHome() + "/quorvandelle/pdfbox";
    QVERIFY(QFileInfo(folder + "/.pdfbox.cache").isFile());
    QCOMPARE(fileMode(folder), 0700);
    QCOMPARE(QDir(testEnvironment().tmp()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

// The developer's test file holds every form; the engine prints a page for each, titled and in
// list order, with the values the all-forms mode prepared.
void TestPrintOutput::developerTestPrint()
{
    const QString documents = testEnvironment().documentsPath();
    QDir().mkpath(documents);
    QTest::ignoreMessage(QtInfoMsg,
                         qPrintable("test print file => " + documents + "/testprint.r25"));
    writeTestPrintFile();
    FamilyTaxData allForms(0);
    allForms.enableAllFormsMode();
    // Saving puts the summary form first, as it did in the developer's file.
    QCOMPARE(saveReturnFile(allForms, testEnvironment().root() + "/allforms.r25", AppEdition), 0);
    const IndividualTaxData &person = *allForms.taxpayer();
    QString pdf;
    QCOMPARE(print(documents + "/testprint.r25", false, 0, 0, 0, 0, &pdf), 0);
    QCOMPARE(pdf, m_out + "/testprint.pdf");
    QCOMPARE(pageCount(pdf), person.m_formList.size());
    QCOMPARE(textLines(pdf), expectedLines(person, false));
}

QV_TEST_MAIN(TestPrintOutput)
#include "tst_PrintOutput.moc"
