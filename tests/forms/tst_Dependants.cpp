// The dependants block's counts by age on 31 December 2025, relationship and infirmity.
#include <QtTest>

#include "marrow/DependantInfoStruct.h"

namespace {

struct Dependant
{
    QDate born;
    int relationship;
    int infirm;
};

DependantInfoStruct blockOf(const QList<Dependant> &dependants)
{
    DependantInfoStruct block;
    block.AllocData(12);
    for (int i = 0; i < dependants.size(); ++i) {
        DependantRecord &r = block.record(i);
        r.birthDate = dependants[i].born;
        r.relationship = dependants[i].relationship;
        r.infirm = dependants[i].infirm;
    }
    return block;
}

constexpr int kSon = 1;
constexpr int kStepdaughter = 4;
constexpr int kParent = 5;
constexpr int kNiece = 10;

} // namespace

Q_DECLARE_METATYPE(Dependant)

class TestDependants : public QObject
{
    Q_OBJECT
private slots:
    void ageAtYearEnd_data();
    void ageAtYearEnd();
    void counts_data();
    void counts();
};

void TestDependants::ageAtYearEnd_data()
{
    QTest::addColumn<QDate>("born");
    QTest::addColumn<int>("age");

    QTest::newRow("18 on the last day") << QDate(2007, 12, 31) << 18;
    QTest::newRow("17 when born a day later") << QDate(2008, 1, 1) << 17;
    QTest::newRow("born in the year") << QDate(2025, 12, 31) << 0;
    QTest::newRow("leap day") << QDate(2008, 2, 29) << 17;
    QTest::newRow("born after the year") << QDate(2026, 1, 1) << -1;
    QTest::newRow("no date") << QDate() << -1;
}

void TestDependants::ageAtYearEnd()
{
    QFETCH(QDate, born);
    DependantRecord r;
    r.birthDate = born;
    QTEST(r.ageAtYearEnd(), "age");
}

void TestDependants::counts_data()
{
    QTest::addColumn<QList<Dependant>>("dependants");
    // Between 0 and 17, children between 0 and 17, infirm children 0 to 17, infirm 18 and
    // over, infirm under 18, line 30500 children, line 30500 others.
    QTest::addColumn<QList<int>>("counts");

    const Dependant son18{QDate(2007, 12, 31), kSon, 0};
    const Dependant son17{QDate(2008, 1, 1), kSon, 0};
    QTest::newRow("the 18th birthday on 31 December")
        << QList<Dependant>{son18, son17} << QList<int>{1, 1, 0, 0, 0, 1, 0};
    QTest::newRow("infirm at the edge") << QList<Dependant>{{QDate(2007, 12, 31), kStepdaughter, 1},
                                                            {QDate(2008, 1, 1), kStepdaughter, 1}}
                                        << QList<int>{1, 1, 1, 1, 1, 2, 0};
    QTest::newRow("other relatives") << QList<Dependant>{{QDate(2012, 5, 1), kNiece, 0},
                                                         {QDate(1950, 5, 1), kParent, 1},
                                                         {QDate(1990, 5, 1), kParent, 0}}
                                     << QList<int>{1, 0, 0, 1, 0, 0, 2};
    QTest::newRow("records without a date are no dependants")
        << QList<Dependant>{{QDate(), kSon, 1}, {QDate(2026, 2, 1), kSon, 1}}
        << QList<int>{0, 0, 0, 0, 0, 0, 0};
}

void TestDependants::counts()
{
    QFETCH(QList<Dependant>, dependants);
    QFETCH(QList<int>, counts);
    const DependantInfoStruct block = blockOf(dependants);
    const QList<int> actual{block.GetDepNumberBetweenAges(0, 17),
                            block.GetDepChildrenNumberBetweenAges(0, 17),
                            block.GetDepChildrenNumberBetweenAges_Infirm(0, 17, true),
                            block.GetInfirmDependantsNumberNotUnderAge(18),
                            block.GetInfirmDependentNumberUnderAge18(),
                            block.GetDepChildrenNumberForLine305(),
                            block.GetDepOtherThanChildrenNumberForLine305()};
    QCOMPARE(actual, counts);
    QCOMPARE(block.GetDepNumberBetweenAges(0, 18) - block.GetDepNumberBetweenAges(0, 17),
             block.GetDepNumberBetweenAges(18, 18));
    QCOMPARE(block.GetDepChildrenNumberBetweenAges_Infirm(0, 17, false), counts[1] - counts[2]);
}

QTEST_GUILESS_MAIN(TestDependants)
#include "tst_Dependants.moc"
