// CStringField: the process-wide large-text option, blank handling and the text in blocks.
#include "ordane/CStringField.h"

#include "ordane/MyDataStream.h"

namespace {
int s_largeFromVersion = 0;
int s_largeThreshold = 0;

// A UTF-16 unit takes at most three UTF-8 bytes.
constexpr quint32 kBytesPerUnit = 3;

} // namespace

// An empty default is the shared empty text (empty, not null, as from a conversion) with no
// allocation of its own: a loaded return builds thousands.
CString CStringField::defaultText(const char *text)
{
    return text && !*text ? CString(QString(QLatin1String(""))) : CString(text);
}

void CStringField::setLargeSizeSerializeOption(int fromVersion, int threshold)
{
    s_largeFromVersion = fromVersion;
    s_largeThreshold = threshold;
}

int CStringField::largeSizeFromVersion()
{
    return s_largeFromVersion;
}
int CStringField::largeSizeThreshold()
{
    return s_largeThreshold;
}

bool CStringField::largeTextsAllowed(int version)
{
    return s_largeThreshold <= 0 || version >= s_largeFromVersion;
}

bool CStringField::IsEmptyIfRemoveBlank() const
{
    for (const QChar c : m_value) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

void CStringField::RemoveBlanks()
{
    m_value.remove(QLatin1Char(' '));
}

CString CStringField::GetTrimedString() const
{
    return CString(m_value.trimmed());
}

void CStringField::writeValue(MyDataStream &out, int version) const
{
    // An older block has no large-text form: it holds at most the threshold.
    if (!largeTextsAllowed(version) && m_value.size() > s_largeThreshold)
        out.writeText(m_value.left(s_largeThreshold));
    else
        out.writeText(m_value);
}

qint64 CStringField::writtenBytes(int version) const
{
    if (!largeTextsAllowed(version) && m_value.size() > s_largeThreshold)
        return MyDataStream::writtenTextBytes(m_value.left(s_largeThreshold));
    return MyDataStream::writtenTextBytes(m_value);
}

bool CStringField::readValue(MyDataStream &in, int version)
{
    const quint32 limit = largeTextsAllowed(version) ? MyDataStream::kMaxTextBytes
                                                     : quint32(s_largeThreshold) * kBytesPerUnit;
    QString text;
    if (!in.readText(text, limit))
        return false;
    if (!largeTextsAllowed(version) && text.size() > s_largeThreshold) {
        in.setCorrupt();
        return false;
    }
    m_value.swap(text);
    return true;
}
