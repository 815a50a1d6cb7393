// Writing the barcode archive's framing and skipping an archive of any record version.
#include "model/BarcodeArchive.h"

#include "model/IndividualTaxData.h"
#include "ordane/BarcodeItems.h"
#include "ordane/MyDataStream.h"

namespace {
// Set once at start-up by the filing subsystem; null writes the not-eligible archive.
BarcodeArchiveSource s_source = nullptr;

// From this record version on, the SFD blocks are length-prefixed and skipped by length.
constexpr int kFirstCountedVersion = 66064;
// How far an older record's archive is searched for its end marker.
constexpr int kOldArchiveSearch = 3100;

// Skips length bytes; false (stream marked) when they are not there.
bool skipBytes(MyDataStream &ar, qint32 length)
{
    if (!ar.fitsRemaining(length, 1))
        return false;
    if (ar.skipRawData(length) != length) {
        ar.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}
} // namespace

void setBarcodeArchiveSource(BarcodeArchiveSource source)
{
    s_source = source;
}

BarcodeArchiveSource barcodeArchiveSource()
{
    return s_source;
}

void IndividualTaxData::writeBarcodeArchive(int, MyDataStream &ar)
{
    BarcodeArchiveBlocks blocks;
    // An empty T1 block would read as "no archive" and leave the count unread: not eligible.
    if (!s_source || !s_source(*this, blocks) || blocks.t1Block.isEmpty()) {
        ar << qint32(0);
        return;
    }
    writeBarcodeFrame(ar, blocks.t1Block);
    const qint32 count = qint32(blocks.sfdBlocks.size());
    if (count != 1 && count != 2) {
        ar << qint32(0);
        return;
    }
    ar << count;
    for (const QByteArray &block : blocks.sfdBlocks)
        writeBarcodeFrame(ar, block);
}

void IndividualTaxData::skipBarcodeArchive(MyDataStream &ar)
{
    qint32 length = 0;
    ar >> length;
    if (ar.status() != QDataStream::Ok || length < 1 || !skipBytes(ar, length))
        return;
    qint32 count = 0;
    ar >> count;
    if (ar.status() != QDataStream::Ok || count <= 0)
        return;
    if (m_dataVersion >= kFirstCountedVersion) {
        if (!ar.fitsRemaining(count, 4))
            return;
        for (qint32 i = 0; i < count; ++i) {
            qint32 blockLength = 0;
            ar >> blockLength;
            if (ar.status() != QDataStream::Ok)
                return;
            if (blockLength > 0 && !skipBytes(ar, blockLength))
                return;
        }
        return;
    }
    // Older archives carry no block lengths: move to the end marker, left for the caller.
    const int at = ar.peekRaw(kOldArchiveSearch).indexOf(QByteArray(8, 'b'));
    if (at > 0)
        ar.skipRawData(at);
}
