// Digests, Base64, URL encoding and the XML date-time text.
#include <QtTest>

#include "ordane/Clock.h"
#include "ordane/Encoding.h"
#include "ordane/Hashing.h"
#include "ordane/Utilities.h"

class TestEncoding : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setNow(); }
    void sha1_data();
    void sha1();
    void sha256_data();
    void sha256();
    void base64_data();
    void base64();
    void urlEncode_data();
    void urlEncode();
    void urlDecode_data();
    void urlDecode();
    void xmlDateTime();
};

void TestEncoding::sha1_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("hex");
    // FIPS 180 examples.
    QTest::newRow("empty") << QByteArray()
                           << QByteArray("da39a3ee5e6b4b0d3255bfef95601890afd80709");
    QTest::newRow("abc") << QByteArray("abc")
                         << QByteArray("a9993e364706816aba3e25717850c26c9cd0d89d");
    QTest::newRow("two blocks") << QByteArray(
                                       "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
                                << QByteArray("84983e441c3bd26ebaae4aa1f95129e5e54670f1");
}

void TestEncoding::sha1()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, hex);
    // Fed in two pieces: the digest is of the whole.
    SHA1 hash;
    hash.add(message.left(5));
    hash.add(message.mid(5).constData(), message.mid(5).size());
    unsigned char out[SHA1::HashSize];
    hash.getHash(out);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(out), SHA1::HashSize).toHex(), hex);
}

void TestEncoding::sha256_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("empty")
        << QByteArray()
        << QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    QTest::newRow("abc") << QByteArray("abc")
                         << QByteArray(
                                "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    QTest::newRow("two blocks")
        << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
        << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

void TestEncoding::sha256()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, hex);
    SHA256 hash;
    hash.add(message.left(3));
    hash.add(message.mid(3));
    unsigned char out[SHA256::HashSize];
    hash.getHash(out);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(out), SHA256::HashSize).toHex(), hex);
    QCOMPARE(hash.getHashHex(), hex);
    // operator() starts afresh, whatever was added before.
    hash.add("left over");
    QCOMPARE(hash(message), hex);
    QCOMPARE(hash(message).size(), 64);
}

void TestEncoding::base64_data()
{
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
    QTest::newRow("fo") << QByteArray("fo") << QByteArray("Zm8=");
    QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
    QTest::newRow("nonce") << QByteArray("quorvandelle2025")
                           << QByteArray("cXVvcnZhbmRlbGxlMjAyNQ==");
    QTest::newRow("high bytes") << QByteArray("\xfb\xff\x00", 3) << QByteArray("+/8A");
}

void TestEncoding::base64()
{
    QFETCH(QByteArray, in);
    QFETCH(QByteArray, out);
    QByteArray result = "old";
    Base64encode(result, in.constData(), in.size());
    QCOMPARE(result, out);
}

void TestEncoding::urlEncode_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("unreserved stay") << QByteArray("AZaz09-._~") << QByteArray("AZaz09-._~");
    QTest::newRow("path") << QByteArray("/gol-ged/awsc/tdd/ws")
                          << QByteArray("%2Fgol-ged%2Fawsc%2Ftdd%2Fws");
    QTest::newRow("base64 signs") << QByteArray("a+b/c=") << QByteArray("a%2Bb%2Fc%3D");
    QTest::newRow("blank, %, &") << QByteArray("a b%&") << QByteArray("a%20b%25%26");
    QTest::newRow("utf-8") << QByteArray("\xc3\xa9") << QByteArray("%C3%A9");
    QTest::newRow("nul") << QByteArray("\0", 1) << QByteArray("%00");
}

void TestEncoding::urlEncode()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, encoded);
    QCOMPARE(::urlEncode(plain), encoded);
    QCOMPARE(::urlDecode(encoded), plain);
}

void TestEncoding::urlDecode_data()
{
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QByteArray>("plain");
    QTest::newRow("lower-case digits") << QByteArray("%2f%3d") << QByteArray("/=");
    QTest::newRow("plus stays") << QByteArray("a+b") << QByteArray("a+b");
    QTest::newRow("lone %") << QByteArray("50%") << QByteArray("50%");
    QTest::newRow("% one digit") << QByteArray("%4") << QByteArray("%4");
    QTest::newRow("% not hex") << QByteArray("%zz%4G") << QByteArray("%zz%4G");
    QTest::newRow("double") << QByteArray("%2541") << QByteArray("%41");
}

void TestEncoding::urlDecode()
{
    QFETCH(QByteArray, encoded);
    QFETCH(QByteArray, plain);
    QCOMPARE(::urlDecode(encoded), plain);
}

void TestEncoding::xmlDateTime()
{
    const QDateTime utc(QDate(2025, 3, 4), QTime(5, 6, 7), Qt::UTC);
    setNow(utc.toLocalTime());
    QCOMPARE(getXMLDateTimeString(true), CString("2025-03-04T05:06:07Z"));
    QCOMPARE(getXMLDateTimeString(false),
             CString(utc.toLocalTime().toString("yyyy-MM-dd'T'HH:mm:ss")));
}

QTEST_APPLESS_MAIN(TestEncoding)
#include "tst_Encoding.moc"
