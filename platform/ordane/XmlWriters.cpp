// XML writers: escaping and element text.
#include "ordane/XmlWriters.h"

namespace {
bool isXmlChar(QChar c)
{
    const ushort u = c.unicode();
    return u >= 0x20 || u == 0x09 || u == 0x0A || u == 0x0D;
}
} // namespace

CString convertToXMLString(const QString &value)
{
    QString out;
    out.reserve(value.size() + value.size() / 8);
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&apos;");
            break;
        default:
            if (isXmlChar(c))
                out += c;
        }
    }
    return CString(out);
}

void writeXMLOpenTagString(QString &text, const char *tag)
{
    text += QLatin1Char('<') + QLatin1String(tag) + QLatin1Char('>');
}

void writeXMLCloseTagString(QString &text, const char *tag)
{
    text += QLatin1String("</") + QLatin1String(tag) + QLatin1Char('>');
}

void writeXMLString(QString &text, const char *tag, const QString &value, int limit)
{
    writeXMLOpenTagString(text, tag);
    int keep = value.size();
    if (limit > 0 && limit < keep) {
        keep = limit;
        // Half of a surrogate pair is no character at all.
        if (value.at(keep - 1).isHighSurrogate())
            --keep;
    }
    text += convertToXMLString(value.left(keep));
    writeXMLCloseTagString(text, tag);
}
