// The one way XML from outside is parsed: a depth check first, then TinyXML.
#include "ordane/XmlParse.h"

#include <tinyxml.h>

namespace {
// Index just past the first occurrence of end at or after from, or size when there is none.
int skipPast(const QByteArray &text, int from, const char *end)
{
    const int at = text.indexOf(end, from);
    return at < 0 ? text.size() : at + int(qstrlen(end));
}

bool startsAt(const QByteArray &text, int i, const char *what)
{
    const int n = int(qstrlen(what));
    return i + n <= text.size() && qstrncmp(text.constData() + i, what, uint(n)) == 0;
}

bool isNameStart(char c)
{
    // TinyXML starts an element on a letter (any byte of a multi-byte character) or "_".
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}
} // namespace

int xmlNestingDepth(const QByteArray &text, int limit)
{
    const int size = text.size();
    int depth = 0;
    int deepest = 0;
    int i = 0;
    while (i < size) {
        i = text.indexOf('<', i);
        if (i < 0)
            break;
        if (startsAt(text, i, "<!--")) {
            i = skipPast(text, i + 4, "-->");
        } else if (startsAt(text, i, "<![CDATA[")) {
            i = skipPast(text, i + 9, "]]>");
        } else if (i + 1 < size && text[i + 1] == '/') {
            if (depth > 0)
                --depth;
            i = skipPast(text, i + 2, ">");
        } else if (i + 1 < size && isNameStart(text[i + 1])) {
            // An element tag: quoted values may hold ">" and "/>".
            int j = i + 1;
            bool selfClosing = false;
            while (j < size) {
                const char c = text[j];
                if (c == '"' || c == '\'') {
                    const int close = text.indexOf(c, j + 1);
                    j = close < 0 ? size : close + 1;
                    continue;
                }
                if (c == '>') {
                    selfClosing = text[j - 1] == '/';
                    break;
                }
                ++j;
            }
            if (j >= size)
                break;
            if (!selfClosing) {
                ++depth;
                if (depth > deepest) {
                    deepest = depth;
                    if (deepest > limit)
                        return limit + 1;
                }
            }
            i = j + 1;
        } else {
            // Declarations, "<!..." and stray "<": TinyXML reads them up to ">".
            i = skipPast(text, i + 1, ">");
        }
    }
    return deepest;
}

bool parseXmlDocument(TiXmlDocument &doc, const QByteArray &text, QString *error)
{
    doc.Clear();
    if (xmlNestingDepth(text) > kMaxXmlDepth) {
        if (error)
            *error = QStringLiteral("The XML is nested deeper than %1 elements.").arg(kMaxXmlDepth);
        return false;
    }
    // TinyXML steps over a whole multi-byte character even where its lead byte is the last
    // one; the zero bytes after the text keep such a step inside the buffer.
    QByteArray padded = text;
    padded.append(4, '\0');
    doc.Parse(padded.constData());
    if (doc.Error()) {
        if (error)
            *error = QStringLiteral("The XML does not parse: %1 (row %2, column %3).")
                         .arg(QString::fromUtf8(doc.ErrorDesc()))
                         .arg(doc.ErrorRow())
                         .arg(doc.ErrorCol());
        return false;
    }
    return true;
}
