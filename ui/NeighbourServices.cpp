// NeighbourServices: the table, its empty entries and the message of a command that is not in
// this build.
#include "ui/NeighbourServices.h"

#include "app/MessageHelpers.h"

#include <utility>

NeighbourServices &neighbourServices()
{
    static NeighbourServices services;
    return services;
}

QStringList emptyEntries(const NeighbourServices &services)
{
    // Every entry is a std::function, all of one size: an entry added above and not here
    // changes the count.
    constexpr std::size_t entryCount = 19;
    static_assert(sizeof(NeighbourServices) == entryCount * sizeof(std::function<void()>),
                  "name every entry of NeighbourServices below");
    const std::pair<const char *, bool> entries[entryCount] = {
        {"autoFillMyReturn", bool(services.autoFillMyReturn)},
        {"newReturnWizard", bool(services.newReturnWizard)},
        {"coupleReturnsWizard", bool(services.coupleReturnsWizard)},
        {"importPriorYearReturn", bool(services.importPriorYearReturn)},
        {"changeProvince", bool(services.changeProvince)},
        {"decoupleReturn", bool(services.decoupleReturn)},
        {"shareAmounts", bool(services.shareAmounts)},
        {"taxPlanning", bool(services.taxPlanning)},
        {"optimizeReturn", bool(services.optimizeReturn)},
        {"generatePrint", bool(services.generatePrint)},
        {"printToPdf", bool(services.printToPdf)},
        {"sendFormForSignature", bool(services.sendFormForSignature)},
        {"querySignatureStatus", bool(services.querySignatureStatus)},
        {"reportFiling", bool(services.reportFiling)},
        {"generateDeveloperFiles", bool(services.generateDeveloperFiles)},
        {"setReFile", bool(services.setReFile)},
        {"clearReFileFlag", bool(services.clearReFileFlag)},
        {"fileT1135Online", bool(services.fileT1135Online)},
        {"internetFiling", bool(services.internetFiling)},
    };
    QStringList empty;
    for (const auto &[name, filled] : entries) {
        if (!filled)
            empty.append(QString::fromLatin1(name));
    }
    return empty;
}

QString notAvailableText(const QString &command)
{
    return QStringLiteral("%1 is not available in this build yet.").arg(command);
}

void showNotAvailable(const QString &command, QWidget *parent)
{
    showInformation(notAvailableText(command), parent);
}
