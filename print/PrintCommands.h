// PrintCommands: the texts of the print commands that depend on a result code.
#pragma once

#include <QString>

// The text for "%1, error code is %2." after a print job failed with code (not 0).
QString printFailureText(int code);
// The whole message of a failed print job.
QString printFailureMessage(int code);
