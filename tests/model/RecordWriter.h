// RecordWriter: return files written field by field as each data version lays them out, so
// that tests can make files of older versions and other tax years.
#pragma once

#include "ReturnFixture.h"
#include "marrow/CTaxData_Form.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class MyDataStream;

namespace RecordWriter {

// One form, slip or note record as the test writes it; a null block writes an empty one.
struct Entry
{
    int type = 0;
    int id = 0;
    int linkedId = 0;
    std::shared_ptr<CTaxData_Form> block;
    bool damaged = false; // a block with a wrong marker
};

// A person record, field by field as each version lays it out.
struct Record
{
    int version = 66098;
    int taxYear = 2025;
    int province = ReturnFixture::kProvince;
    int nextId = 120;
    int allFormsFlag = 1; // written from 65866 on
    QString password;
    QString tag = "4093tax81726354";
    QList<Entry> forms;
    QList<Entry> slips;
    QList<Entry> notes; // type unused, id is the key
    QByteArray archive = QByteArray(4, '\0');
};

struct File
{
    Record taxpayer;
    Record spouse;
    QByteArray dependants; // empty: a block of no records
    bool withSettings = true;
};

void writeBlock(MyDataStream &ar, const Entry &e, int version);
void writeRecord(MyDataStream &ar, const Record &r);
QByteArray writeFile(const File &f);
Record emptySpouse();

} // namespace RecordWriter
