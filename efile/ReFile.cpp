// ReFile: the checks of a return being filed again and its preparation for re-filing.
#include "efile/FilingChecks.h"
#include "marrow/TaxData_T1KSNew.h"
#include "marrow/TaxData_T1New.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/IndividualTaxData.h"

#include <QFileInfo>

using namespace FilingChecks;

bool containsAnyId(const std::set<int> &set, const int *ids, int count)
{
    if (count <= 0 || set.empty() || !ids)
        return false;
    for (int i = 0; i < count; ++i) {
        if (set.count(ids[i]))
            return true;
    }
    return false;
}

QString reFileCopyPath(const QString &path, const QDateTime &time)
{
    static const QString extension = QStringLiteral(".r25");
    const QString stamp = QStringLiteral("_RF") + time.toString(QStringLiteral("yyMMddHHmm"));
    const QString name = QFileInfo(path).fileName();
    // Only the file name is looked at: a folder named "x.r25" is no extension.
    if (name.length() > extension.length() && name.endsWith(extension, Qt::CaseInsensitive)) {
        const int at = path.length() - extension.length();
        return path.left(at) + stamp + path.mid(at);
    }
    return path + stamp;
}

int FamilyTaxData::checkReFileBankruptcy(int edition, std::list<CString> &messages)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->checkReFileBankruptcy(edition, messages) : int(messages.size());
}

int FamilyTaxData::checkReFileRestrictions(std::list<CString> &messages)
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->checkReFileRestrictions(messages) : int(messages.size());
}

int FamilyTaxData::prepareReFile()
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->prepareReFile() : -1;
}

int FamilyTaxData::clearReFileFlag()
{
    IndividualTaxData *person = getCurrentPersonData();
    return person ? person->clearReFileFlag() : 0;
}

int IndividualTaxData::checkReFileBankruptcy(int, std::list<CString> &messages)
{
    const TaxData_T1New *t1 = t1Form();
    if (t1 && (t1->IsBankrupt() || t1->IsPostBankrupt()))
        messages.push_back(kReFileBankruptcy);
    return int(messages.size());
}

int IndividualTaxData::checkReFileRestrictions(std::list<CString> &messages)
{
    const bool snapshot =
        dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1KSREFILE, 0, false)) != nullptr;
    const bool summary =
        dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1KS, 0, false)) != nullptr;
    if (!snapshot || !summary)
        messages.push_back(kReFileBroken);

    // The lines a re-file may not change. The changed lines are not worked out from the
    // snapshot and the summary yet, so this rule does not fire.
    const std::set<int> changedLines;
    static const int restrictedLines[] = {116, 210, 252, 253};
    if (containsAnyId(changedLines, restrictedLines, 4))
        messages.push_back(kReFileChangedLines);

    return int(messages.size());
}

int IndividualTaxData::prepareReFile()
{
    auto *snapshot = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1KSREFILE, 0, true));
    if (!snapshot)
        return -1;
    auto *summary = dynamic_cast<TaxData_T1KSNew *>(getForm(FormType::T1KS, 0, false));
    TaxData_T1New *t1 = t1Form();
    if (!summary || !t1)
        return -1;
    // The snapshot keeps the figures of the return as first filed.
    *snapshot = *summary;
    t1->reFileFlag = 1;
    recordFilingResult(FormType::T1, 2, QString());
    return 0;
}

int IndividualTaxData::clearReFileFlag()
{
    if (TaxData_T1New *t1 = t1Form())
        t1->reFileFlag = 0;
    return 0;
}
