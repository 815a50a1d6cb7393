// Barcode helpers: the block collector with its frame, and fixed-width barcode items.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class MyDataStream;

// The frame of one block in a return file's barcode archive: a 32-bit length, then the bytes.
// Every writer of a frame goes through this one function, so readers can step over lengths.
void writeBarcodeFrame(MyDataStream &stream, const QByteArray &bytes);

// Collects the 8-bit text of one barcode block.
class CMemoryBlock
{
public:
    // Empties the block for reuse.
    void Init() { m_bytes.clear(); }
    void Append(const char *data, int length) { m_bytes.append(data, length); }
    void Append(const QByteArray &bytes) { m_bytes.append(bytes); }
    const QByteArray &bytes() const { return m_bytes; }
    // Writes the block's frame at the stream's position.
    void WriteToT1BarcodeArchive(MyDataStream &stream) const;

private:
    QByteArray m_bytes;
};

class List_FixedBarcodeItem;

// One fixed-width item of a barcode record. Its text always holds exactly its width: a longer
// value is cut after the width, a shorter one padded as the setter says. Texts are stored one
// byte per character (Latin-1; a character outside it becomes "?"), so the width in
// characters is the width in bytes. An item built without text is all blanks.
class FixedBarcodeItem
{
public:
    // Enters the list on construction; initial may be null.
    FixedBarcodeItem(List_FixedBarcodeItem &list, int width, const char *initial);
    FixedBarcodeItem(const FixedBarcodeItem &) = delete;
    FixedBarcodeItem &operator=(const FixedBarcodeItem &) = delete;

    int width() const { return m_width; }
    const QByteArray &text() const { return m_text; }

    // As is: left-aligned, a shorter value filled with blanks.
    void SetValue(const QString &value);
    // Right-aligned, filled with "0" on the left.
    void SetValueLeftPadding(const QString &value);
    // Left-aligned, filled with blanks on the right.
    void SetValueRightPadding(const QString &value);
    void SetAllCharsTo(char c);

private:
    void setAligned(const QString &value, char fill, bool right);

    int m_width;
    QByteArray m_text;
};

// An item of a record's table: its width and its initial text (null: built without text).
struct FixedBarcodeItemSpec
{
    int width;
    const char *initial;
};

// The items of one barcode record in their output order.
class List_FixedBarcodeItem
{
public:
    List_FixedBarcodeItem() = default;
    List_FixedBarcodeItem(const List_FixedBarcodeItem &) = delete;
    List_FixedBarcodeItem &operator=(const List_FixedBarcodeItem &) = delete;
    virtual ~List_FixedBarcodeItem() = default;

    void add(FixedBarcodeItem *item) { m_items.push_back(item); }
    // A new item at the end of the list, owned by the list.
    FixedBarcodeItem &makeItem(int width, const char *initial);
    // One owned item per row of the table, in its order.
    template <size_t N> void makeItems(const FixedBarcodeItemSpec (&specs)[N])
    {
        for (const FixedBarcodeItemSpec &spec : specs)
            makeItem(spec.width, spec.initial);
    }
    int count() const { return int(m_items.size()); }
    // Item n, counted from 1 as the records number them.
    FixedBarcodeItem &item(int n) { return *m_items[size_t(n - 1)]; }
    const FixedBarcodeItem &item(int n) const { return *m_items[size_t(n - 1)]; }
    // The sum of the widths.
    int totalWidth() const;
    // Appends every item in order, each exactly its width.
    void OutputToMemoryBlock(CMemoryBlock &block) const;

private:
    std::vector<FixedBarcodeItem *> m_items;
    std::vector<std::unique_ptr<FixedBarcodeItem>> m_owned;
};
