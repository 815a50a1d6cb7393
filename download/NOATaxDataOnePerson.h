// NOATaxDataOnePerson: what is kept of one downloaded notice-of-assessment item, and its store.
#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <cstdio>

class TiXmlElement;

// Built for one reply item: constructed, parsed once, saved, destroyed.
class NOATaxDataOnePerson
{
public:
    NOATaxDataOnePerson(const QString &pageFolder, int taxYear);
    virtual ~NOATaxDataOnePerson();
    NOATaxDataOnePerson(const NOATaxDataOnePerson &) = delete;
    NOATaxDataOnePerson &operator=(const NOATaxDataOnePerson &) = delete;

    // 0, or -1 (and nothing read) when the item has no "IndividualTaxpayerIdentifier". The
    // message is the last "AssessmentSummaryText" whose xml:lang is "en", case ignored.
    int parseXml(const TiXmlElement *item);

    QString pageFolder;
    int taxYear;
    QByteArray sin;
    QByteArray message;
    bool hasNotice = false;
};

// The path of the notice page of a S.I.N.: the folder and "noa2025_<masked S.I.N.>.html".
QString noaPagePath(const QString &folder, const QByteArray &sin);
// The text stored in place of a page when the item holds no notice.
QString noaMessageText(const QByteArray &shownSin, const QByteArray &message);

// Stores the parsed record: the account number in itemXml is masked in place, the taxpayer row
// found or added, the notice rendered to its page (when the item holds one) and the row of the
// S.I.N. and year replaced. 1 saved, 0 not saved, -1 after an exception.
int saveNoaOnePerson(const NOATaxDataOnePerson &record, QSqlDatabase &db, FILE *log,
                     const QByteArray &sin, QByteArray &itemXml);
// Posts the item to the notice-rendering service and writes its reply to the page; a failed
// request writes no page, so no empty page reads as an empty notice. Returns 0.
int requestNoaHtml(const QString &pagePath, const QByteArray &time, const QByteArray &itemXml);
// Replaces the tb_taxnoa row of the taxpayer and year: 1 when the insert succeeded, else 0.
int saveNoaRecord(QSqlDatabase &db, int uid, const QByteArray &time, const QByteArray &data,
                  const QString &page, int taxYear);
// Replaces the content of the first "MaskedAccountNumber" element, between its own tags.
void maskAccountNumber(QByteArray &itemXml, const QByteArray &masked);
