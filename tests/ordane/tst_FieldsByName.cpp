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

QTEST_GUILESS_MAIN(TestFieldsByName)
#include "tst_FieldsByName.moc"
