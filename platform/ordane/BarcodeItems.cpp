// Barcode helpers: block frames and fixed-width items.
#include "ordane/BarcodeItems.h"

#include "ordane/MyDataStream.h"

void writeBarcodeFrame(MyDataStream &stream, const QByteArray &bytes)
{
    stream << qint32(bytes.size());
    stream.writeRawData(bytes.constData(), bytes.size());
}

void CMemoryBlock::WriteToT1BarcodeArchive(MyDataStream &stream) const
{
    writeBarcodeFrame(stream, m_bytes);
}

FixedBarcodeItem::FixedBarcodeItem(List_FixedBarcodeItem &list, int width, const char *initial)
    : m_width(qMax(0, width)), m_text(m_width, ' ')
{
    if (initial)
        SetValue(QString::fromLatin1(initial));
    list.add(this);
}

void FixedBarcodeItem::setAligned(const QString &value, char fill, bool right)
{
    QByteArray bytes = value.toLatin1().left(m_width);
    const QByteArray padding(m_width - bytes.size(), fill);
    m_text = right ? padding + bytes : bytes + padding;
}

void FixedBarcodeItem::SetValue(const QString &value)
{
    setAligned(value, ' ', false);
}

void FixedBarcodeItem::SetValueLeftPadding(const QString &value)
{
    setAligned(value, '0', true);
}

void FixedBarcodeItem::SetValueRightPadding(const QString &value)
{
    setAligned(value, ' ', false);
}

void FixedBarcodeItem::SetAllCharsTo(char c)
{
    m_text.fill(c, m_width);
}

FixedBarcodeItem &List_FixedBarcodeItem::makeItem(int width, const char *initial)
{
    m_owned.push_back(std::make_unique<FixedBarcodeItem>(*this, width, initial));
    return *m_owned.back();
}

int List_FixedBarcodeItem::totalWidth() const
{
    int total = 0;
    for (const FixedBarcodeItem *item : m_items)
        total += item->width();
    return total;
}

void List_FixedBarcodeItem::OutputToMemoryBlock(CMemoryBlock &block) const
{
    for (const FixedBarcodeItem *item : m_items)
        block.Append(item->text());
}
