// The member that the download library defines for the return model: the one declared under
// "Defined in qv_download" in model/IndividualTaxData.h. This binary links qv_download and
// what it links, not the program's entry.
#include <QtTest>

#include "LinkedMembers.h"
#include "model/IndividualTaxData.h"

class TestDownloadMembers : public QObject
{
    Q_OBJECT
private slots:
    void personMembers();
};

void TestDownloadMembers::personMembers()
{
    QVERIFY(isDefined(&IndividualTaxData::mergeDownloadedTaxData));
}

QTEST_APPLESS_MAIN(TestDownloadMembers)
#include "tst_DownloadMembers.moc"
