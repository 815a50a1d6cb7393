// Fields copied, reset and made by name through an owner's registry.
#include <QtTest>

#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/FieldOwner.h"

#include <memory>

namespace {

struct Owner : FieldOwner
{
    CStringField name{this, "name", 50, "none"};
    CFloatField amount{this, "amount", 1.5};
    CIntField count{this, "count"};
};

} // namespace

class TestFieldsByName : public QObject
{
    Q_OBJECT
private slots:
    void copyOneField();
    void resetOneField();
    void ownedFieldRegisters();
    void manyFieldsRegisterInOrder_data();
    void manyFieldsRegisterInOrder();
    void namesMatchByteForByte_data();
    void namesMatchByteForByte();
};

void TestFieldsByName::copyOneField()
{
    Owner from;
    Owner to;
    from.name = QStringLiteral("Zoé");
    from.amount = 12.25;
    from.count = 4;

    QVERIFY(to.copyFieldFrom(from, "name"));
    QVERIFY(to.copyFieldFrom(from, "count", "count"));
    // Another source name; a missing name or another type changes nothing.
    QVERIFY(!to.copyFieldFrom(from, "amount", "count"));
    QVERIFY(!to.copyFieldFrom(from, "missing"));
    QVERIFY(!to.copyFieldFrom(from, "amount", "missing"));

    QCOMPARE(QString(to.name.value()), QString("Zoé"));
    QCOMPARE(int(to.count), 4);
    QCOMPARE(double(to.amount), 1.5);
}

void TestFieldsByName::resetOneField()
{
    Owner owner;
    owner.name = QStringLiteral("x");
    owner.amount = 3;
    QVERIFY(owner.resetField("amount"));
    QVERIFY(!owner.resetField("missing"));
    QCOMPARE(double(owner.amount), 1.5);
    QCOMPARE(QString(owner.name.value()), QString("x"));
}

void TestFieldsByName::ownedFieldRegisters()
{
    Owner owner;
    std::unique_ptr<CField> extra = CField::createOwned(&owner, FieldType::Float, "extra");
    QVERIFY(extra);
    QCOMPARE(owner.findField("extra"), extra.get());
    QCOMPARE(extra->type(), FieldType::Float);
    QVERIFY(!CField::createOwned(&owner, FieldType::Table, "rows"));
    QCOMPARE(owner.fields().size(), size_t(4));
}

void TestFieldsByName::manyFieldsRegisterInOrder_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("no prefix") << QByteArray();
    QTest::newRow("prefix") << QByteArray("fld_");
}

void TestFieldsByName::manyFieldsRegisterInOrder()
{
    QFETCH(QByteArray, prefix);
    FieldOwner owner(prefix.constData());
    // Past the room an owner starts with, and on after its name index was built.
    std::vector<QByteArray> names;
    for (int i = 0; i < 150; ++i)
        names.push_back("f" + QByteArray::number(i));
    std::vector<std::unique_ptr<CField>> made;
    for (int i = 0; i < 150; ++i) {
        made.push_back(CField::createOwned(&owner, FieldType::Int, names[size_t(i)].constData()));
        if (i == 99)
            QCOMPARE(owner.findField(prefix + "f0"), made.front().get());
    }
    QCOMPARE(owner.fields().size(), size_t(150));
    for (int i = 0; i < 150; ++i) {
        QCOMPARE(owner.fields()[size_t(i)], made[size_t(i)].get());
        QCOMPARE(made[size_t(i)]->name(), prefix + names[size_t(i)]);
        QCOMPARE(owner.findField(prefix + names[size_t(i)]), made[size_t(i)].get());
    }
}

void TestFieldsByName::namesMatchByteForByte_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("probe");
    QTest::addColumn<bool>("same");
    const QByteArray letters("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int length : {1, 2, 3, 4, 5, 7, 8, 9, 12, 15, 16, 17, 24, 33, 52}) {
        const QByteArray name = letters.left(length);
        auto changedAt = [&](int at) {
            QByteArray probe = name;
            probe[at] = '_';
            return probe;
        };
        const QByteArray n = QByteArray::number(length);
        QTest::newRow(n + " same") << name << name << true;
        QTest::newRow(n + " first byte") << name << changedAt(0) << false;
        QTest::newRow(n + " middle byte") << name << changedAt(length / 2) << false;
        QTest::newRow(n + " last byte") << name << changedAt(length - 1) << false;
        QTest::newRow(n + " one more") << name << name + "x" << false;
        QTest::newRow(n + " one less") << name << name.left(length - 1) << false;
    }
}

void TestFieldsByName::namesMatchByteForByte()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, probe);
    QFETCH(bool, same);
    FieldOwner owner;
    const std::unique_ptr<CField> field =
        CField::createOwned(&owner, FieldType::Float, name.constData());
    QCOMPARE(field->hasName(probe), same);
    QCOMPARE(owner.findField(probe) == field.get(), same);
}

QTEST_GUILESS_MAIN(TestFieldsByName)
#include "tst_FieldsByName.moc"
