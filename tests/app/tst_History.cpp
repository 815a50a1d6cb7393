// Event history and taxpayer rows, the message codec at its boundaries, the folder copy and
// the notice stylesheet copy.
#include <QtTest>

#include <QSqlQuery>

#include "TestMain.h"
#include "app/CBasicEvent.h"
#include "app/DirCopy.h"
#include "app/MsgTextCodec.h"
#include "app/TabWndApp.h"

namespace {

QStringList rows(const QString &sql)
{
    QSqlQuery q(sql);
    QStringList out;
    while (q.next()) {
        QStringList cols;
        for (int i = 0; q.value(i).isValid(); ++i)
            cols.append(q.value(i).isNull() ? "NULL" : q.value(i).toString());
        out.append(cols.join('|'));
    }
    return out;
}

// Every byte value in turn, so each symbol and each bit position is met.
QByteArray sampleBytes(int n)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(static_cast<char>((i * 37 + 11) & 0xff));
    return bytes;
}

// Standard Base64 of bytes mapped onto the codec's alphabet, without padding or line feeds.
QByteArray expectedSymbols(const QByteArray &bytes)
{
    static const QByteArray standard =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray padded = bytes;
    while (padded.size() % 3)
        padded.append('\0');
    QByteArray b64 = padded.toBase64();
    for (char &c : b64)
        c = msgTextAlphabet()[standard.indexOf(c)];
    return b64;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Relative paths and contents of every file under root, sorted.
QStringList tree(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.append(QDir(root).relativeFilePath(path) + "=" + readFile(path));
    }
    out.sort();
    return out;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveTaxpayer();
    void addEventReplace();
    void addEventUidZeroClearsEveryTaxpayer();
    void addEventWithTimeAndEncoded();
    void addEventTooLongToEncode();
    void countAndDelete();
    void historyText();
    void historyTextUnknownSin();
    void alphabet();
    void encode_data();
    void encode();
    void encodeTooSmall();
    void decode_data();
    void decode();
    void decodeCapacity();
    void copyTree();
    void copyOverwrite();
    void copyRefusedIntoItself_data();
    void copyRefusedIntoItself();
    void copyNoaFiles();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QSqlDatabase m_db;
};

void TestHistory::init()
{
    m_dir.reset(new QTemporaryDir);
    QCOMPARE(appInstance()->openDatabase(m_dir->path()), OpenDatabaseResult::Open);
    m_db = QSqlDatabase::database();
}

void TestHistory::cleanup()
{
    m_db = QSqlDatabase(); // the next open replaces the default connection
}

void TestHistory::saveTaxpayer()
{
    const int id =
        CBasicEvent::saveTaxpayer(m_db, "046454286", "Ann", "(613)555-0101", "a@x.invalid");
    QCOMPARE(id, 1);
    QCOMPARE(CBasicEvent::saveTaxpayer(m_db, "111", "Bo", "", ""), 2);
    QCOMPARE(CBasicEvent::saveTaxpayer(m_db, "046454286", "Ann B", "1", "b@x.invalid"), id);
    QCOMPARE(rows("select id, name, sin, phone, email from tb_taxpayers order by id"),
             (QStringList{"1|Ann B|046454286|1|b@x.invalid", "2|Bo|111||"}));
    // The newest row of a S.I.N. is the one updated.
    QSqlQuery().exec("insert into tb_taxpayers (name, sin) values ('Dup', '111')");
    QCOMPARE(CBasicEvent::saveTaxpayer(m_db, "111", "Bo 2", "", ""), 3);
    QCOMPARE(rows("select name from tb_taxpayers where sin='111' order by id"),
             (QStringList{"Bo", "Bo 2"}));
}

void TestHistory::addEventReplace()
{
    QCOMPARE(CBasicEvent::addEvent(m_db, 1, 1018, "first try", false, false, true), 1);
    QCOMPARE(CBasicEvent::addEvent(m_db, 1, 1019, "filed", false, false, true), 2);
    QCOMPARE(CBasicEvent::addEvent(m_db, 2, 1018, "other taxpayer", false, false, true), 3);
    QCOMPARE(CBasicEvent::addEvent(m_db, 1, 1018, "second try", false, false, true), 4);
    QCOMPARE(CBasicEvent::addEvent(m_db, 1, 1019, "filed again", false, false, true), 5);
    QCOMPARE(rows("select uid, eventid, msg, event_time from tb_history order by id"),
             (QStringList{"2|1018|other taxpayer|NULL", "1|1018|second try|NULL",
                          "1|1019|filed again|NULL"}));
    // Without replace the rows add up.
    QCOMPARE(CBasicEvent::addEvent(m_db, 1, 1019, "kept", false, false, false), 6);
    QCOMPARE(CBasicEvent::countEvents(m_db, 1019), 2);
}

void TestHistory::addEventUidZeroClearsEveryTaxpayer()
{
    CBasicEvent::addEvent(m_db, 1, 7, "a", false, false, false);
    CBasicEvent::addEvent(m_db, 2, 7, "b", false, false, false);
    CBasicEvent::addEvent(m_db, 2, 8, "other event", false, false, false);
    QVERIFY(CBasicEvent::addEvent(m_db, 0, 7, "general", false, false, true) > 0);
    QCOMPARE(rows("select uid, eventid, msg from tb_history order by id"),
             (QStringList{"2|8|other event", "0|7|general"}));
}

void TestHistory::addEventWithTimeAndEncoded()
{
    const QString msg = QString::fromUtf8("Revenu 12 345,67 $ é!"); // 22 bytes
    const int id = CBasicEvent::addEvent(m_db, 3, 50, msg, true, true, false);
    QVERIFY(id > 0);
    QSqlQuery q(QString("select msg, event_time from tb_history where id=%1").arg(id));
    QVERIFY(q.next());
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")
                .match(q.value(1).toString())
                .hasMatch());
    const QByteArray stored = q.value(0).toString().toUtf8();
    QCOMPARE(stored, expectedSymbols(msg.toUtf8()));
    char out[64];
    int capacity = sizeof out;
    QCOMPARE(decodeMsgText(stored.constData(), stored.size(), out, capacity), 0);
    QCOMPARE(QByteArray(out, capacity), msg.toUtf8() + QByteArray(2, '\0'));
}

void TestHistory::addEventTooLongToEncode()
{
    CBasicEvent::addEvent(m_db, 4, 1018, "earlier", false, false, false);
    // 377 bytes fit the 511-byte buffer, 378 do not.
    QVERIFY(CBasicEvent::addEvent(m_db, 5, 1018, QString(377, 'x'), true, false, false) > 0);
    QCOMPARE(CBasicEvent::addEvent(m_db, 4, 1018, QString(378, 'x'), true, false, true), 0);
    QCOMPARE(CBasicEvent::addEvent(m_db, 0, 1018, QString(200, QChar(0xe9)), true, false, true), 0);
    QCOMPARE(rows("select uid, msg from tb_history where uid=4"), QStringList{"4|earlier"});
    QCOMPARE(CBasicEvent::countEvents(m_db, 1018), 2);
}

void TestHistory::countAndDelete()
{
    QCOMPARE(CBasicEvent::countEvents(m_db, 1018), 0);
    CBasicEvent::addEvent(m_db, 1, 1018, "a", false, false, false);
    CBasicEvent::addEvent(m_db, 2, 1018, "b", false, false, false);
    CBasicEvent::addEvent(m_db, 2, 1019, "c", false, false, false);
    QCOMPARE(CBasicEvent::countEvents(m_db, 1018), 2);
    QCOMPARE(CBasicEvent::deleteEvents(m_db, 1018), EventRows::Deleted);
    QCOMPARE(CBasicEvent::countEvents(m_db, 1018), 0);
    QCOMPARE(CBasicEvent::countEvents(m_db, 1019), 1);
    QSqlQuery().exec("drop table tb_history");
    QCOMPARE(CBasicEvent::deleteEvents(m_db, 1019), EventRows::NotDeleted);
    QCOMPARE(CBasicEvent::addEvent(m_db, 1, 1019, "x", false, false, true), 0);
}

void TestHistory::historyText()
{
    const int id = CBasicEvent::saveTaxpayer(m_db, "046454286", "Ann", "", "");
    CBasicEvent::addEvent(m_db, id, 1018, "Income 50,000", false, false, true);
    CBasicEvent::addEvent(m_db, id, 7, "not a filing event", false, false, true);
    CBasicEvent::addEvent(m_db, id + 1, 1019, "someone else", false, false, true);
    CBasicEvent::addEvent(m_db, id, 1019, "Confirmation 123", false, false, true);
    CString name, history = "before:";
    QCOMPARE(CBasicEvent::efileHistoryText(m_db, "046454286", name, history), id);
    QCOMPARE(QString(name), QString("Ann"));
    const QString sep = "\r\n------------------------------\r\n";
    QCOMPARE(QString(history), "before:Income 50,000" + sep + "Confirmation 123" + sep);
}

void TestHistory::historyTextUnknownSin()
{
    CBasicEvent::saveTaxpayer(m_db, "111", "Bo", "", "");
    CString name = "n", history = "h";
    QCOMPARE(CBasicEvent::efileHistoryText(m_db, "222", name, history), 0);
    QCOMPARE(QString(name), QString("n"));
    QCOMPARE(QString(history), QString("h"));
}

void TestHistory::alphabet()
{
    QByteArray symbols(msgTextAlphabet());
    QCOMPARE(symbols.size(), 64);
    QVERIFY(symbols != "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    std::sort(symbols.begin(), symbols.end());
    QByteArray standard("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    std::sort(standard.begin(), standard.end());
    QCOMPARE(symbols, standard);
}

void TestHistory::encode_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("symbols");      // symbols before the line feed, -1 for none
    QTest::addColumn<int>("resultLength"); // characters written plus the zero byte
    QTest::newRow("empty") << 0 << 9 << -1 << 1;
    QTest::newRow("one byte") << 1 << 9 << -1 << 5;
    QTest::newRow("two bytes") << 2 << 9 << -1 << 5;
    QTest::newRow("53 bytes") << 53 << 81 << 72 << 74;
    QTest::newRow("54 bytes: line feed last") << 54 << 81 << 72 << 74;
    QTest::newRow("57 bytes: 4 after the feed") << 57 << 85 << 72 << 78;
    QTest::newRow("300 bytes") << 300 << 409 << 72 << 402;
    QTest::newRow("377 bytes fill 511") << 377 << 511 << 72 << 506;
}

void TestHistory::encode()
{
    QFETCH(int, length);
    QFETCH(int, capacity);
    QFETCH(int, symbols);
    QFETCH(int, resultLength);
    const QByteArray source = sampleBytes(length);
    QByteArray buffer(capacity, '#');
    int cap = capacity;
    QCOMPARE(encodeMsgText(source.constData(), length, buffer.data(), cap), 0);
    QCOMPARE(cap, resultLength);
    QCOMPARE(buffer.at(cap - 1), '\0');
    QByteArray expected = expectedSymbols(source);
    if (symbols >= 0)
        expected.insert(symbols, '\n');
    QCOMPARE(buffer.left(cap - 1), expected);
    QCOMPARE(buffer.count('\n'), symbols >= 0 ? 1 : 0);
}

void TestHistory::encodeTooSmall()
{
    QByteArray buffer(600, '#');
    const QByteArray source = sampleBytes(378);
    int cap = 511;
    QCOMPARE(encodeMsgText(source.constData(), 378, buffer.data(), cap), -1);
    QCOMPARE(cap, 511);
    QCOMPARE(buffer, QByteArray(600, '#'));
    cap = 408; // 300 bytes need 409
    QCOMPARE(encodeMsgText(source.constData(), 300, buffer.data(), cap), -1);
    cap = 8;
    QCOMPARE(encodeMsgText("", 0, buffer.data(), cap), -1);
    QCOMPARE(buffer, QByteArray(600, '#'));
}

void TestHistory::decode_data()
{
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QByteArray>("decoded");
    const QByteArray abc = expectedSymbols("abc");
    const QByteArray two = expectedSymbols("abcdef");
    QTest::newRow("one group") << abc << QByteArray("abc");
    QTest::newRow("feeds and padding skipped")
        << QByteArray("\n" + two.left(2) + "=\n" + two.mid(2, 3) + " =" + two.mid(5) + "==\n")
        << QByteArray("abcdef");
    QTest::newRow("short last group dropped") << abc + abc.left(3) << QByteArray("abc");
    QTest::newRow("one byte padded with zeros") << expectedSymbols("a") << QByteArray("a\0\0", 3);
    QTest::newRow("nothing") << QByteArray("\n==") << QByteArray();
    QTest::newRow("long round trip") << [] {
        QByteArray buffer(512, '\0');
        int cap = 511;
        encodeMsgText(sampleBytes(300).constData(), 300, buffer.data(), cap);
        return buffer.left(cap - 1);
    }() << sampleBytes(300);
}

void TestHistory::decode()
{
    QFETCH(QByteArray, encoded);
    QFETCH(QByteArray, decoded);
    QByteArray out(400, '#');
    int cap = out.size();
    QCOMPARE(decodeMsgText(encoded.constData(), encoded.size(), out.data(), cap), 0);
    QCOMPARE(out.left(cap), decoded);
}

void TestHistory::decodeCapacity()
{
    const QByteArray encoded = expectedSymbols("abcdef");
    QByteArray out(8, '#');
    int cap = 5;
    QCOMPARE(decodeMsgText(encoded.constData(), encoded.size(), out.data(), cap), -1);
    QCOMPARE(cap, 5);
    QCOMPARE(out, QByteArray("abcde###")); // the bytes before the limit stay
    cap = 6;
    QCOMPARE(decodeMsgText(encoded.constData(), encoded.size(), out.data(), cap), 0);
    QCOMPARE(cap, 6);
    // A negative capacity holds nothing: refused before any byte is written.
    QByteArray untouched(8, '#');
    cap = -1;
    QCOMPARE(decodeMsgText(encoded.constData(), encoded.size(), untouched.data(), cap), -1);
    QCOMPARE(cap, -1);
    QCOMPARE(untouched, QByteArray(8, '#'));
}

void TestHistory::copyTree()
{
    const QString src = m_dir->filePath("src");
    writeFile(src + "/a.txt", "A");
    writeFile(src + "/sub/b.txt", "B");
    writeFile(src + "/sub/deeper/c.txt", "C");
    writeFile(src + "/.hidden/d.txt", "D");
    QDir().mkpath(src + "/empty");
    const QString dst = m_dir->filePath("out/new/dst");
    QVERIFY(copyDirRecursively(src, dst, false));
    QCOMPARE(tree(dst), tree(src));
    QCOMPARE(tree(dst).size(), 4);
    QVERIFY(QFileInfo(dst + "/empty").isDir());
    QVERIFY(!copyDirRecursively(m_dir->filePath("missing"), m_dir->filePath("x"), true));
    QVERIFY(!QFileInfo::exists(m_dir->filePath("x")));
}

void TestHistory::copyOverwrite()
{
    const QString src = m_dir->filePath("src");
    const QString dst = m_dir->filePath("dst");
    writeFile(src + "/a.txt", "new");
    writeFile(dst + "/a.txt", "old");
    writeFile(dst + "/stale.txt", "stale");
    QVERIFY(!copyDirRecursively(src, dst, false));
    QCOMPARE(tree(dst), (QStringList{"a.txt=old", "stale.txt=stale"}));
    QVERIFY(copyDirRecursively(src, dst, true));
    QCOMPARE(tree(dst), QStringList{"a.txt=new"});
}

void TestHistory::copyRefusedIntoItself_data()
{
    QTest::addColumn<QString>("destination"); // relative to the temporary folder
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("same folder") << "src" << false;
    QTest::newRow("same folder, overwrite") << "src" << true;
    QTest::newRow("same folder by another spelling") << "src/sub/.." << true;
    QTest::newRow("inside, new") << "src/copy" << false;
    QTest::newRow("inside, existing, overwrite") << "src/sub" << true;
    QTest::newRow("through a link") << "link/copy" << false;
    QTest::newRow("parent, overwrite") << "." << true;
}

void TestHistory::copyRefusedIntoItself()
{
    QFETCH(QString, destination);
    QFETCH(bool, overwrite);
    const QString src = m_dir->filePath("src");
    writeFile(src + "/a.txt", "A");
    writeFile(src + "/sub/b.txt", "B");
    QVERIFY(QFile::link(src, m_dir->filePath("link")));
    const QStringList before = tree(src);
    QVERIFY(!copyDirRecursively(src, m_dir->filePath(destination), overwrite));
    QCOMPARE(tree(src), before);
    QVERIFY(!QFileInfo::exists(src + "/copy"));
}

void TestHistory::copyNoaFiles()
{
    TabWndApp *app = appInstance();
    app->logPath = m_dir->filePath("log2025.txt");
    app->config.NoaPath = m_dir->filePath("docs/noa1");
    app->programPath = m_dir->filePath("install/bin");
    QDir().mkpath(app->programPath);

    QCOMPARE(app->copyNoaFiles(), -1);
    writeFile(m_dir->filePath("install/noa/xnoa-html-transform.xsl"), "<xsl/>");
    writeFile(m_dir->filePath("install/noa/img/logo.png"), "png");
    QCOMPARE(app->copyNoaFiles(), 0);
    QCOMPARE(tree(app->config.NoaPath),
             (QStringList{"img/logo.png=png", "xnoa-html-transform.xsl=<xsl/>"}));
    QCOMPARE(app->copyNoaFiles(), 0);

    const QStringList lines =
        QString::fromUtf8(readFile(app->logPath)).split('\n', Qt::SkipEmptyParts);
    QStringList texts;
    for (const QString &line : lines)
        texts.append(line.mid(QString("Log: yyyy-MM-dd HH:mm:ss ").size()));
    const QString noa = app->config.NoaPath;
    QCOMPARE(texts, (QStringList{noa, "src noa not found", noa, "noa file copy returns 1", noa,
                                 "noa files exists"}));
}

QV_TEST_MAIN(TestHistory)
#include "tst_History.moc"
