// PrintTitles: what the print engine needs, beside the return file it reads, to print the return
// as a person reads it. The engine reads values from the return file; their titles, how they
// show, their sections, the names of codes and the forms' and slips' names come from here, so
// the editor's pages and the printed return take every title from the one description table
// (marrow/FieldDescriptions.h).
//
// The file is UTF-8 text, one record a line, fields separated by tabs; a tab, a line break or
// a backslash inside a field is written "\t", "\n", "\\":
//   "QVPRINT" 1                         first line: the format and its version
//   "font" regular bold                 the TrueType files the engine embeds
//   "only" slipId                       print this slip alone (a slip selected in the tree)
//   "entry" kind type name              a form (kind 0) or slip (kind 1) type present
//   "field" name number title show codeTable section total
//                                       the entry's fields shown, in the paper form's order
//   "code" table code name              the named codes of each table the fields use
// Credentials (the return's password, access codes) are never written, described or not.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class FamilyTaxData;

// The hand-off file beside a return file.
QString printTitlesPath(const QString &returnFile);

// The text for both persons of the return; onlySlipId is the id of the slip printed alone, or 0.
QByteArray printTitlesText(const FamilyTaxData &family, int onlySlipId = 0);

// Writes the hand-off beside the return file; false when it could not be written.
bool writePrintTitles(const FamilyTaxData &family, const QString &returnFile, int onlySlipId = 0);

// The folder of the engine's TrueType fonts (Debian's fonts-dejavu-core); settable for tests.
QString printFontFolder();
void setPrintFontFolder(const QString &folder);
// The regular and bold font files in that folder.
QStringList printFontFiles();
// The first font file that is missing or not a regular file; empty when all are there.
QString missingPrintFont();
