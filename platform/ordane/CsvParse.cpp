// ParseCSV: one pass over the bytes, a quote state and the field being read.
#include "ordane/CsvParse.h"

QList<CsvLine> ParseCSV(const QByteArray &text)
{
    QList<CsvLine> lines;
    CsvLine line;
    QByteArray field;
    bool quoted = false;
    bool atFieldStart = true;
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const char c = text.at(i);
        if (quoted) {
            if (c != '"') {
                field.append(c);
            } else if (i + 1 < size && text.at(i + 1) == '"') {
                field.append('"');
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
        } else if (c == ',') {
            line.append(field);
            field.clear();
            atFieldStart = true;
        } else if (c == '\n' || (c == '\r' && i + 1 < size && text.at(i + 1) == '\n')) {
            if (c == '\r')
                ++i;
            line.append(field);
            lines.append(line);
            line.clear();
            field.clear();
            atFieldStart = true;
        } else {
            field.append(c);
            atFieldStart = false;
        }
    }
    // A last line without its line break still counts; nothing after a final break does.
    if (!line.isEmpty() || !field.isEmpty() || !atFieldStart || quoted) {
        line.append(field);
        lines.append(line);
    }
    return lines;
}
