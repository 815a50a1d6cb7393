// The real print engine on a saved coupled return: the PDF's pages, titles and field lines as
// pdfinfo and pdftotext read them. One process, one virtual machine for every job.
#include "FileModes.h"
#include "ReturnFixture.h"
#include "TestEnvironment.h"
#include "TestMain.h"
#include "app/TabWndApp.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/FieldDescriptions.h"
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
#include "print/PrintTitles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {
constexpr int kClientLetter = 36;
constexpr int kInvoice = 8;
constexpr int kFullSin = 16;

QString folder(const QString &name)
{
    QString path = testEnvironment().root() + "/" + name;
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

// The PDF's text lines as laid out, each with its runs of blanks made one blank; without blank
// lines and page breaks.
QStringList textLines(const QString &pdf)
{
    QStringList lines;
    for (QString line : run("pdftotext", {"-layout", pdf, "-"}).split('\n')) {
        line = line.remove('\f').simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
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

QString amountText(double value)
{
    return QLocale(QLocale::English, QLocale::Canada).toString(value, 'f', 2);
}

// The line a described amount prints as: number, name and amount, e.g. "15000 Total income
// 60,000.00"; empty when it does not print (zero and no total, or a name long enough to wrap).
QString amountLine(const FieldDescription &d, const CField &field)
{
    if (d.show != FieldShow::Amount || field.type() != FieldType::Float)
        return QString();
    const double value = field.toText().toDouble();
    if ((value == 0 && !d.total) || d.title.size() > 50)
        return QString();
    QString title = d.title;
    static const QRegularExpression numbered("^(?:Line|Box) ([^:]+): (.*)$");
    const QRegularExpressionMatch m = numbered.match(title);
    if (m.hasMatch())
        title = m.captured(1) + " " + m.captured(2);
    return (title + " " + amountText(value)).simplified();
}

// The title of each page block of a person's whole return, in order: each form, then each
// slip type ("T4 slip", "T5 slips").
QStringList blockTitles(const IndividualTaxData &person)
{
    QStringList titles;
    for (const TaxDataEntryStru *entry : person.m_formList)
        titles << formName(entry->type);
    QList<int> types;
    QMap<int, int> counts;
    for (const TaxDataEntryStru *entry : person.m_slipList) {
        if (!counts.contains(entry->type))
            types << entry->type;
        ++counts[entry->type];
    }
    for (int type : types)
        titles << slipName(type) + (counts[type] == 1 ? " slip" : " slips");
    return titles;
}

// The described amounts of a person's forms that print, each as its line.
QStringList amountLines(const IndividualTaxData &person)
{
    QStringList lines;
    for (const TaxDataEntryStru *entry : person.m_formList) {
        for (const FieldDescription &d : fieldDescriptions(0, entry->type)) {
            if (const CField *field = entry->data->findField(d.name)) {
                const QString line = amountLine(d, *field);
                if (!line.isEmpty())
                    lines << line;
            }
        }
    }
    return lines;
}

// The lines in the order given appear in the text in that order.
bool inOrder(const QStringList &text, const QStringList &lines, QString *missing)
{
    int at = 0;
    for (const QString &line : lines) {
        at = text.indexOf(line, at);
        if (at < 0) {
            *missing = line;
            return false;
        }
        ++at;
    }
    return true;
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
    void namesAsTyped();
    void titlesRequired_data();
    void titlesRequired();
    void unreadableFiles_data();
    void unreadableFiles();
    void targetIsFolder();
    void pathsKeptFromFirstLoad();
    void fontCacheInUsersCache();
    void developerTestPrint();

private:
    // Writes the program's titles beside the file (unless family is null), then prints it.
    int print(const FamilyTaxData *family, const QString &file, bool spouse, int mode, int category,
              int entryId, int flags, QString *pdf = nullptr);
    int print(bool spouse, int mode, int category, int entryId, int flags, QString *pdf = nullptr)
    {
        return print(&m_family, m_file, spouse, mode, category, entryId, flags, pdf);
    }

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

int TestPrintOutput::print(const FamilyTaxData *family, const QString &file, bool spouse, int mode,
                           int category, int entryId, int flags, QString *pdf)
{
    if (family && !writePrintTitles(*family, file))
        return 1;
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
    QCOMPARE(print(spouse, 0, 0, 0, flags, &pdf), 0);
    QCOMPARE(pdf, m_out + "/" + fileName);
    // A printed return is its user's alone, whatever the umask gives a new file.
    QCOMPARE(fileMode(pdf), 0600);
    const IndividualTaxData &person = spouse ? *m_family.spouse() : *m_family.taxpayer();
    const QStringList lines = textLines(pdf);
    QString missing;
    QVERIFY2(inOrder(lines, blockTitles(person), &missing), qPrintable(missing));
    for (const QString &line : amountLines(person))
        QVERIFY2(lines.contains(line), qPrintable(line));
    QVERIFY(pageCount(pdf) >= blockTitles(person).size());
    // Every page names the person under its title; the S.I.N. masked unless asked for whole.
    const QString sin = spouse ? "130692544" : "046454286";
    const QString who = QString(spouse ? "Marc" : "Élise") + " Tremblay S.I.N. " +
                        ((flags & kFullSin) ? sin : masked(sin));
    QCOMPARE(lines.count(who), pageCount(pdf));
    QCOMPARE(lines.at(1), who);
    const QString text = lines.join('\n');
    QCOMPARE(text.contains((flags & kFullSin) ? masked(sin) : sin), false);
    for (const char *own : {"statusInt1", "maritalStatus", "refundIndicator", "password"})
        QVERIFY2(!text.contains(own), own);
    // No "name: value" line of the program's own field names.
    QCOMPARE(lines.filter(QRegularExpression("^[a-z][A-Za-z0-9_]*(\\[\\d+\\])*: ")), QStringList());
    QVERIFY(!text.contains(ReturnFixture::kPassword));
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
    QCOMPARE(print(false, 0, 0, 0, 0, &pdf), 0);
    const int pages = pageCount(pdf);
    QCOMPARE(print(false, 0, 0, 0, flags, &pdf), 0);
    const int extra = ((flags & kClientLetter) == kClientLetter) + ((flags & kInvoice) != 0);
    QCOMPARE(pageCount(pdf), pages + extra);
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
    QTest::newRow("T5 slip") << 1 << 0 << "T5 slip";
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
    QCOMPARE(print(false, 0, category, entry->id, kClientLetter | kInvoice, &pdf), 0);
    const QStringList lines = textLines(pdf);
    QCOMPARE(lines.first(), title);
    QCOMPARE(lines.count(title) + lines.count(title + " (continued)"), pageCount(pdf));
    QVERIFY(!lines.contains("Client letter"));
    QVERIFY(!lines.contains("Invoice"));
}

void TestPrintOutput::summaryPage()
{
    QString pdf;
    QCOMPARE(print(true, 1, 0, 0, kClientLetter | kInvoice, &pdf), 0);
    QCOMPARE(pageCount(pdf), 1);
    QStringList lines = textLines(pdf);
    QCOMPARE(lines.mid(0, 2), (QStringList{"T1 Summary", "Marc Tremblay S.I.N. ******544"}));
    QCOMPARE(print(true, 1, 0, 0, kFullSin, &pdf), 0);
    QCOMPARE(textLines(pdf).at(1), QString("Marc Tremblay S.I.N. 130692544"));
}

// Letters outside Latin-1 print as typed: the engine embeds a Unicode font.
void TestPrintOutput::namesAsTyped()
{
    FamilyTaxData family(0);
    ReturnFixture::fillSingleReturn(family);
    auto *t1 = static_cast<TaxData_T1New *>(family.taxpayer()->getForm(FormType::T1, 0, false));
    t1->firstName.setValue(QString::fromUtf8("Łucja"));
    t1->lastName.setValue(QString::fromUtf8("Nguyễn"));
    const QString file = testEnvironment().root() + "/single.r25";
    QCOMPARE(saveReturnFile(family, file, ReturnFixture::kEdition), 0);
    QString pdf;
    QCOMPARE(print(&family, file, false, 0, 0, 0, kClientLetter, &pdf), 0);
    const QStringList lines = textLines(pdf);
    QCOMPARE(lines.at(1), QString::fromUtf8("Łucja Nguyễn S.I.N. ******286"));
    QVERIFY(lines.contains(QString::fromUtf8("Dear Łucja Nguyễn,")));
    // The font is in the file: a reader without it shows the same letters.
    const QString fonts = run("pdffonts", {pdf});
    QVERIFY2(fonts.contains("DejaVuSans") && fonts.contains("CID TrueType"), qPrintable(fonts));
    for (const QString &line : fonts.split('\n').mid(2)) {
        if (!line.trimmed().isEmpty())
            QVERIFY2(line.contains(" yes yes "), qPrintable(line)); // embedded, subset
    }
}

// The program's titles beside the return are part of the job: without them, or with a font
// that is not there, nothing is printed.
void TestPrintOutput::titlesRequired_data()
{
    QTest::addColumn<QByteArray>("titles"); // null: no titles file
    QTest::addColumn<int>("result");
    QTest::newRow("no titles file") << QByteArray() << -116;
    QTest::newRow("not a titles file") << QByteArray("name\tvalue\n") << -116;
    QTest::newRow("another version") << QByteArray("QVPRINT\t2\n") << -116;
    QTest::newRow("no font") << QByteArray("QVPRINT\t1\n") << -116;
    QTest::newRow("field before its entry")
        << QByteArray("QVPRINT\t1\nfont\ta\tb\nfield\t15000\t15000\tTotal\tamount\t\t\t1\n")
        << -116;
    QTest::newRow("font file missing")
        << QByteArray("QVPRINT\t1\nfont\t/nonexistent/DejaVuSans.ttf\t/nonexistent/b.ttf\n")
        << -117;
}

void TestPrintOutput::titlesRequired()
{
    QFETCH(QByteArray, titles);
    QFETCH(int, result);
    const QString file = testEnvironment().root() + "/untitled.r25";
    QFile::remove(file);
    QVERIFY(QFile::copy(m_file, file));
    QFile::remove(printTitlesPath(file));
    if (!titles.isNull()) {
        QFile out(printTitlesPath(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(titles), qint64(titles.size()));
    }
    QCOMPARE(print(nullptr, file, false, 0, 0, 0, 0), result);
    QVERIFY(!QFile::exists(m_out + "/untitled.pdf"));
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
    QCOMPARE(print(&m_family, file, false, 0, 0, 0, 0), -116);
    QVERIFY(!QFile::exists(m_out + "/bad.pdf"));
}

void TestPrintOutput::targetIsFolder()
{
    const QString file = testEnvironment().root() + "/Folder case.r25";
    QVERIFY(QFile::copy(m_file, file));
    QVERIFY(QDir().mkpath(m_out + "/Folder case.pdf"));
    QCOMPARE(print(&m_family, file, false, 0, 0, 0, 0), -117);
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
    QCOMPARE(print(false, 0, 0, 0, 0, &pdf), 0);
    QVERIFY(QFile::copy(pdf, folder("pdf2") + "/t1_clientletter_own.pdf"));
    const int pages = pageCount(pdf);
    QVERIFY(pages > 1);
    c.PDFPATH = folder("pdf2");
    QCOMPARE(CJavaPrintEngine::instance().load(), 0);
    QCOMPARE(print(false, 0, 0, 0, kClientLetter, &pdf), 0);
    QCOMPARE(pageCount(pdf), pages + 1);

    // In the first load's folder it is appended after the letter.
    QVERIFY(QFile::copy(folder("pdf2") + "/t1_clientletter_own.pdf",
                        folder("pdf") + "/t1_clientletter_own.pdf"));
    QCOMPARE(print(false, 0, 0, 0, kClientLetter, &pdf), 0);
    QCOMPARE(pageCount(pdf), 2 * pages + 1);
}

void TestPrintOutput::fontCacheInUsersCache()
{
    // PDFBox would keep it in the user's home (the account's, not HOME's); a fixed name in the
    // shared temporary folder would belong to whoever made it first. The engine embeds its own
    // font files, so PDFBox never scans the system's fonts and the private folder stays empty.
    const QString folder = testEnvironment().cacheHome() + "/quorvandelle/pdfbox";
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(fileMode(folder), 0700);
    QVERIFY(!QFileInfo(folder + "/.pdfbox.cache").exists());
    QCOMPARE(QDir(testEnvironment().tmp()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

// The developer's test file holds every form, with the titles the generator writes beside it;
// the engine prints each form under its title, in list order.
void TestPrintOutput::developerTestPrint()
{
    const QString documents = testEnvironment().documentsPath();
    QDir().mkpath(documents);
    QTest::ignoreMessage(QtInfoMsg,
                         qPrintable("test print file => " + documents + "/testprint.r25"));
    writeTestPrintFile();
    QVERIFY(QFileInfo(printTitlesPath(documents + "/testprint.r25")).isFile());
    FamilyTaxData allForms(0);
    allForms.enableAllFormsMode();
    // Saving puts the summary form first, as it did in the developer's file.
    QCOMPARE(saveReturnFile(allForms, testEnvironment().root() + "/allforms.r25", AppEdition), 0);
    const IndividualTaxData &person = *allForms.taxpayer();
    QString pdf;
    QCOMPARE(print(nullptr, documents + "/testprint.r25", false, 0, 0, 0, 0, &pdf), 0);
    QCOMPARE(pdf, m_out + "/testprint.pdf");
    QVERIFY(pageCount(pdf) >= person.m_formList.size());
    QString missing;
    QVERIFY2(inOrder(textLines(pdf), blockTitles(person), &missing), qPrintable(missing));
}

QV_TEST_MAIN(TestPrintOutput)
#include "tst_PrintOutput.moc"
