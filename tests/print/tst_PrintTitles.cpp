// The titles the program hands the print engine beside the return file: the format's records,
// each form and slip type once, titles split into number and name, credentials never included.
#include "ReturnFixture.h"
#include "TestMain.h"
#include "marrow/FieldDescriptions.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "print/PrintTitles.h"

#include <QtTest>

class TestPrintTitles : public QObject
{
    Q_OBJECT
private slots:
    void records();
    void credentialsNeverHandedOn();
    void onlySlip();

private:
    static QStringList lines(const FamilyTaxData &family, int onlySlip = 0)
    {
        return QString::fromUtf8(printTitlesText(family, onlySlip)).split('\n');
    }
};

void TestPrintTitles::records()
{
    FamilyTaxData family(0);
    ReturnFixture::fillCoupledReturn(family);
    const QStringList text = lines(family);
    QCOMPARE(text.mid(0, 2),
             (QStringList{"QVPRINT\t1", "font\t/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf\t"
                                        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}));
    QCOMPARE(text.last(), QString()); // every record ends its line
    // Each type once, though both persons have it; the summary form first.
    QCOMPARE(text.filter(QRegularExpression("^entry\t")),
             (QStringList{"entry\t0\t93\tT1 Summary", "entry\t0\t1\tT1 General",
                          "entry\t0\t4\tSchedule 3", "entry\t0\t26\tON(S2)", "entry\t1\t1\tT4",
                          "entry\t1\t8\tT5", "entry\t1\t9\tT3"}));
    QVERIFY(text.filter(QRegularExpression("^only\t")).isEmpty());
    // A numbered title is handed on as its number and its name.
    const FieldDescription *total = fieldDescription(0, FormType::T1, "15000");
    if (total) {
        QCOMPARE(total->title, QString("Line 15000: Total income"));
        const int t1 = text.indexOf("entry\t0\t1\tT1 General");
        QCOMPARE(text.mid(t1).filter(QRegularExpression("^field\t15000\t")).first(),
                 "field\t15000\t15000\tTotal income\tamount\t\t" + total->section + "\t1");
    }
    const FieldDescription *box = fieldDescription(1, 1, "box14");
    if (box)
        QCOMPARE(text.mid(text.indexOf("entry\t1\t1\tT4"))
                     .filter(QRegularExpression("^field\tbox14\t"))
                     .first(),
                 "field\tbox14\t14\tEmployment income\tamount\t\t" + box->section + "\t0");
    // The names of every code table a field uses, and only those.
    QSet<QString> used;
    for (const QString &line : text.filter(QRegularExpression("^field\t"))) {
        const QString table = line.split('\t').at(5);
        if (!table.isEmpty())
            used.insert(table);
    }
    QSet<QString> written;
    for (const QString &line : text.filter(QRegularExpression("^code\t")))
        written.insert(line.split('\t').at(1));
    QCOMPARE(written, used);
    for (const QString &table : used) {
        const QVector<CodeChoice> &choices = codeChoices(table.toUtf8());
        QCOMPARE(text.filter(QRegularExpression("^code\t" + table + "\t")).size(), choices.size());
    }
}

void TestPrintTitles::credentialsNeverHandedOn()
{
    FamilyTaxData family(0);
    ReturnFixture::fillCoupledReturn(family);
    const QStringList text = lines(family);
    // The editor shows the access code for typing; the printer never receives it.
    QVERIFY(fieldDescription(0, FormType::T1, "accessCode"));
    for (const char *name : {"password", "accessCode", "efilePassword"})
        QVERIFY2(text.filter(QRegularExpression(QString("^field\t%1\t").arg(name))).isEmpty(),
                 name);
}

void TestPrintTitles::onlySlip()
{
    FamilyTaxData family(0);
    ReturnFixture::fillSingleReturn(family);
    const int id = family.taxpayer()->m_slipList.first()->id;
    QCOMPARE(lines(family, id).at(2), "only\t" + QString::number(id));
}

QV_TEST_MAIN(TestPrintTitles)
#include "tst_PrintTitles.moc"
