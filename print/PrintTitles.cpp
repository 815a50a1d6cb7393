// The print engine's hand-off: the descriptions of the forms and slips present, read from the
// one description table, written beside the return file the engine prints.
#include "print/PrintTitles.h"

#include "marrow/FieldDescriptions.h"
#include "marrow/FormTables.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ordane/SafeFileWriter.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {
constexpr int kKindForm = 0;
constexpr int kKindSlip = 1;
// The summary form: saving puts it first in every person's record.
constexpr int kSummaryForm = 93;

// Credentials the editor lets a person type are never handed to the printer, whatever the
// descriptions say: the return's password, the filing access code, a form's filing password.
const char *const kNeverPrinted[] = {"password", "accessCode", "efilePassword"};

bool neverPrinted(const QByteArray &name)
{
    for (const char *credential : kNeverPrinted) {
        if (name == credential)
            return true;
    }
    return false;
}

const char kDefaultFontFolder[] = "/usr/share/fonts/truetype/dejavu";
const char *const kFontFiles[] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"};

QString &fontFolder()
{
    static QString folder = QString::fromLatin1(kDefaultFontFolder);
    return folder;
}

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

void addRecord(QByteArray &text, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += '\t';
        text += escaped(fields.at(i));
    }
    text += '\n';
}

const char *showName(FieldShow show)
{
    switch (show) {
    case FieldShow::Amount:
        return "amount";
    case FieldShow::Number:
        return "number";
    case FieldShow::Text:
        return "text";
    case FieldShow::Date:
        return "date";
    case FieldShow::YesNo:
        return "yesno";
    case FieldShow::Choice:
        return "choice";
    case FieldShow::Table:
        return "table";
    }
    return "text";
}

// "Line 15000: Total income" prints as the number "15000" and the name "Total income"; a title
// without a line or box number is all name.
void splitTitle(const QString &title, QString &number, QString &name)
{
    static const QRegularExpression numbered(QStringLiteral("^(?:Line|Box)\\s+([^:]+):\\s*(.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = numbered.match(title);
    if (m.hasMatch()) {
        number = m.captured(1).trimmed();
        name = m.captured(2).trimmed();
    } else {
        number.clear();
        name = title.trimmed();
    }
}

struct EntryKey
{
    int kind;
    int type;
};

void addEntry(QByteArray &text, const EntryKey &key, QSet<QByteArray> &tables)
{
    const QString name = key.kind == kKindSlip ? slipName(key.type) : formName(key.type);
    addRecord(text, {QStringLiteral("entry"), QString::number(key.kind), QString::number(key.type),
                     name});
    for (const FieldDescription &d : fieldDescriptions(key.kind, key.type)) {
        if (neverPrinted(d.name))
            continue;
        QString number;
        QString title;
        splitTitle(d.title, number, title);
        addRecord(text, {QStringLiteral("field"), QString::fromUtf8(d.name), number, title,
                         QString::fromLatin1(showName(d.show)), QString::fromUtf8(d.codeTable),
                         d.section, d.total ? QStringLiteral("1") : QStringLiteral("0")});
        if (!d.codeTable.isEmpty())
            tables.insert(d.codeTable);
    }
}
} // namespace

QString printTitlesPath(const QString &returnFile)
{
    return returnFile + QStringLiteral(".titles");
}

QByteArray printTitlesText(const FamilyTaxData &family, int onlySlipId)
{
    QByteArray text;
    addRecord(text, {QStringLiteral("QVPRINT"), QStringLiteral("1")});
    addRecord(text, QStringList{QStringLiteral("font")} + printFontFiles());
    if (onlySlipId > 0)
        addRecord(text, {QStringLiteral("only"), QString::number(onlySlipId)});

    // Each type present in either person, once, in the order first met.
    QList<EntryKey> keys{{kKindForm, kSummaryForm}};
    QSet<QPair<int, int>> seen{{kKindForm, kSummaryForm}};
    for (const IndividualTaxData *person : {family.taxpayer(), family.spouse()}) {
        if (!person)
            continue;
        for (const auto &list : {std::make_pair(kKindForm, &person->m_formList),
                                 std::make_pair(kKindSlip, &person->m_slipList)}) {
            for (const TaxDataEntryStru *entry : *list.second) {
                if (entry && !seen.contains({list.first, entry->type})) {
                    seen.insert({list.first, entry->type});
                    keys.append({list.first, entry->type});
                }
            }
        }
    }
    QSet<QByteArray> tables;
    for (const EntryKey &key : keys)
        addEntry(text, key, tables);
    QList<QByteArray> names = tables.values();
    std::sort(names.begin(), names.end());
    for (const QByteArray &table : names) {
        for (const CodeChoice &choice : codeChoices(table))
            addRecord(text, {QStringLiteral("code"), QString::fromUtf8(table),
                             QString::number(choice.code), choice.name});
    }
    return text;
}

bool writePrintTitles(const FamilyTaxData &family, const QString &returnFile, int onlySlipId)
{
    return writeFileSafely(printTitlesPath(returnFile), printTitlesText(family, onlySlipId));
}

QString printFontFolder()
{
    return fontFolder();
}

void setPrintFontFolder(const QString &folder)
{
    fontFolder() = folder;
}

QStringList printFontFiles()
{
    QStringList files;
    for (const char *name : kFontFiles)
        files << fontFolder() + QLatin1Char('/') + QLatin1String(name);
    return files;
}

QString missingPrintFont()
{
    for (const QString &file : printFontFiles()) {
        if (!QFileInfo(file).isFile())
            return file;
    }
    return QString();
}
