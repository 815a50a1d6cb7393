// ParseCSV: comma-separated lines of fields, as the refund set-off programme list is written.
#pragma once

#include <QByteArray>
#include <QList>

using CsvLine = QList<QByteArray>;

// Splits text into lines and each line into its fields, bytes kept as they are (no padding
// removed, no decoding). A field that starts with a double quote runs to the closing quote and
// may hold commas, line breaks and doubled quotes (read as one). Lines end at "\n" or "\r\n";
// the line break after the last line starts no further line.
//
// Every comma separates two fields, so a comma at the end of a line starts an empty last
// field: "a,b," gives "a", "b" and "". An empty line gives one empty field.
QList<CsvLine> ParseCSV(const QByteArray &text);
