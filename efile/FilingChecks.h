// FilingChecks: the texts of the eligibility and ReFile checks, and the small rules they share.
#pragma once

#include <QDateTime>
#include <QString>
#include <set>

namespace FilingChecks {

constexpr const char *kUnsupported =
    "Quorvandelle cannot create NETFILE/EFILE for this return file.";
constexpr const char *kNetfileSinPrefix =
    "Tax return which has SIN number starting with 09 or 08 is not eligible for Netfile.";
constexpr const char *kEfileSinPrefix =
    "Tax return which has SIN number starting with '0' is not eligible for EFILE.";
constexpr const char *kResidencyType =
    "NetFile/EFile doesn't allow the residency type specified in form T1248 Schedule D.";
constexpr const char *kSelfEmploymentProvince =
    "The tax return is not eligible to use Netfile/Efile, because the self-employment province is "
    "not the same as the tax province.";
constexpr const char *kDeceased = "This tax return is not eligible to for NETFILE/EFILE, because "
                                  "the tax payer is deceased.";
constexpr const char *kBankrupt = "This tax return is not eligible for NetFile/EFile, because the "
                                  "tax payer is in bankruptcy.";
constexpr const char *kForeignPlanCombination =
    "This return is not eligible for Netfile, because there are combination of "
    "RC267/RC268/RC269 in tax return.";
constexpr const char *kRevokedFiscalPeriod =
    "This tax return is not eligible for EFILE because you chose to revoke the previously filed "
    "election to keep a fiscal period that does not end on a Dec. 31 fiscal period.";
constexpr const char *kMultipleJurisdictions =
    "This tax return is not eligible for NETFILE/EFILE, because tax payer is not a Quebec "
    "resident, and indicated on line 440 of T1 that multiple jurisdiction applies.";
constexpr const char *kT1DDSkipped = "Netfile will skip T1DD form.";
constexpr const char *kT1DD =
    "Form T1DD can only be submitted by paper return; or you can change direct deposit "
    "information with CRA first by contacting CRA office, then remove form T1DD before creating "
    "the NETFILE.";
constexpr const char *kTooManyT2209 =
    "This return is not eligible for Netfile or Efile, because it contains more than 3 T2209 "
    "forms.";
constexpr const char *kTooManySFD =
    "The tax return is not eligible for NETFILE/EFILE, because tax return has more than 12 "
    "self-business and/or work expenses forms.";
constexpr const char *kCaisT1273 =
    "Quorvandelle doesn't support NETFILE or EFILE for tax return with CAIS form T1273.";
constexpr const char *kFarmsteadProvince =
    "This tax return is not eligible for NETFILE, since the province of main farmstead in form "
    "T1163 is not same as the province of residence on Dec. 31.";

constexpr const char *kReFileBankruptcy =
    "Re-File cannot change a return with regard to bankruptcy.";
constexpr const char *kReFileBroken = "Re-File data return file doesn't function properly, please "
                                      "send return file to quorvandelle support for help.";
constexpr const char *kReFileChangedLines =
    "Re-File cannot change pension-split amount (Field 11600/21000), or non-capital loss/capital "
    "loss (Field 25200/25300) amount.";

// The most forms of each kind a NETFILE return may hold.
constexpr int kMaxT2209Forms = 3;
constexpr int kMaxSFDForms = 12;

} // namespace FilingChecks

// True when at least one of the first count ids is in the set; false for a count of 0 or
// less, or an empty set.
bool containsAnyId(const std::set<int> &set, const int *ids, int count);

// The ReFile copy of a return file: "_RF" and the time as "yyMMddHHmm" before the ".r25"
// extension (any letter case, kept as written), or after the whole name when it has none.
QString reFileCopyPath(const QString &path, const QDateTime &time);
