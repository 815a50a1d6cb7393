// RecordWriter: the record layouts of the data versions.
#include "RecordWriter.h"

#include "marrow/TaxData_TaxNote.h"
#include "ordane/CReservedArea.h"
#include "ordane/CString.h"
#include "ordane/MyDataStream.h"

namespace RecordWriter {

void writeBlock(MyDataStream &ar, const Entry &e, int version)
{
    if (e.damaged) {
        ar << quint32(0xDEADBEEF) << qint32(0) << qint32(0);
        return;
    }
    if (!e.block) {
        // The smallest block: marker, flags and no fields.
        ar << CTaxData_Form::kBlockMarker << qint32(0) << qint32(0);
        return;
    }
    CString tag("4093tax81726354");
    e.block->Serialize(version, tag, ar);
}

void writeRecord(MyDataStream &ar, const Record &r)
{
    const int v = r.version;
    ar << qint32(v) << qint32(r.taxYear);
    if (v > 65988)
        ar << qint32(0);
    if (v > 65865)
        ar << qint32(r.allFormsFlag);
    CReservedArea area;
    area.setString(1, r.password);
    area.setString(2, r.tag);
    area.writeToArchive(ar);
    ar << qint32(r.nextId) << qint32(r.province) << qint32(r.forms.size());
    for (const Entry &e : r.forms) {
        ar << qint32(e.type);
        if (v > 65855)
            ar << qint32(e.id) << qint32(e.linkedId);
        writeBlock(ar, e, v);
    }
    ar << qint32(r.slips.size());
    for (const Entry &e : r.slips) {
        ar << qint32(e.type) << qint32(e.id);
        if (v > 65856)
            ar << qint32(e.linkedId);
        writeBlock(ar, e, v);
    }
    if (v > 65715) {
        ar << qint32(r.notes.size());
        for (const Entry &e : r.notes) {
            ar << qint32(1) << qint32(e.id);
            Entry note = e;
            if (!note.block)
                note.block = std::make_shared<TaxData_TaxNote>();
            writeBlock(ar, note, v);
        }
    }
    if (v > 65776) {
        ar.writeRawData("bbbbbbbb", 8);
        ar.writeRawData(r.archive.constData(), r.archive.size());
        ar.writeRawData("bbbbbbbb", 8);
    }
}

QByteArray writeFile(const File &f)
{
    QByteArray bytes;
    MyDataStream ar(&bytes, QIODevice::WriteOnly);
    writeRecord(ar, f.taxpayer);
    writeRecord(ar, f.spouse);
    if (f.dependants.isEmpty())
        ar << qint32(0);
    else
        ar.writeRawData(f.dependants.constData(), f.dependants.size());
    if (f.withSettings) {
        for (int value : {1, 0, 1, 1, 0, 1, 105, 204})
            ar << qint32(value);
    }
    return bytes;
}

Record emptySpouse()
{
    Record r;
    r.province = 0;
    return r;
}

} // namespace RecordWriter
