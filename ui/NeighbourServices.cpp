// NeighbourServices: the table and the message of a command that is not in this build.
#include "ui/NeighbourServices.h"

#include "app/MessageHelpers.h"

NeighbourServices &neighbourServices()
{
    static NeighbourServices services;
    return services;
}

QString notAvailableText(const QString &command)
{
    return QStringLiteral("%1 is not available in this build yet.").arg(command);
}

void showNotAvailable(const QString &command, QWidget *parent)
{
    showInformation(notAvailableText(command), parent);
}
