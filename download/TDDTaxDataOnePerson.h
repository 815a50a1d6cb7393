// TDDTaxDataOnePerson: one taxpayer's downloaded Auto-fill item in memory, with its slips.
#pragma once

#include "download/TDDRecordGroups.h"
#include "download/TaxSlip.h"

#include <QSqlDatabase>
#include <cstdio>
#include <memory>
#include <vector>

class TiXmlElement;

// The web address of the GST/HST filing page the summary names: "https://", the government's
// host and the page's path.
CString gstHstFilingAddress(const CString &governmentHost);

// Built for one save, view or merge: constructed with the tax year, parsed once from the
// item element, read, destroyed. It owns its slips.
class TDDTaxDataOnePerson
{
public:
    static constexpr int MaxSlips = 2048;

    explicit TDDTaxDataOnePerson(int taxYear);
    virtual ~TDDTaxDataOnePerson();
    TDDTaxDataOnePerson(const TDDTaxDataOnePerson &) = delete;
    TDDTaxDataOnePerson &operator=(const TDDTaxDataOnePerson &) = delete;

    // Reads an "IndividualIncomeTaxDataItem" element: 0, or -1 (and nothing read) when it has
    // no "IndividualTaxpayerIdentifier". Lists stop at their capacities without a message.
    int parseItem(const TiXmlElement *item);
    // Reads the "Slips" element: its remark and one slip per known child, up to MaxSlips;
    // returns the number of slips held.
    int parseSlips(const TiXmlElement *slipsElement);

    // Replaces page with the summary page of the record; returns 0. The GST/HST line links to
    // the filing page on governmentHost (the configured `GovernmentWebServer`).
    int toHtml(CString &page, const char *sin, const char *updateTime,
               const CString &governmentHost) const;

    // Stores the parsed record for the S.I.N.: its item text and summary page (its GST/HST link
    // on the configured government host) replace the taxpayer's tb_taxdata row, the taxpayer
    // row being added when there is none. Failures are logged only; returns 0.
    int saveToDatabase(QSqlDatabase &db, FILE *log, const QByteArray &sin,
                       const QByteArray &itemXml) const;

    int slipCount() const { return int(slips.size()); }

    int taxYear;
    QByteArray sin;
    TDDSummaryData summary;
    TDDClientData client;
    TDDCarryOverData carryOver;
    QByteArray remark;
    std::vector<std::unique_ptr<TaxSlip>> slips;
};
