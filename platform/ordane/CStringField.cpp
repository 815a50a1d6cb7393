// CStringField: the process-wide large-text serialising option.
#include "ordane/CStringField.h"

namespace {
int s_largeFromVersion = 0;
int s_largeThreshold = 0;
} // namespace

void CStringField::setLargeSizeSerializeOption(int fromVersion, int threshold)
{
    s_largeFromVersion = fromVersion;
    s_largeThreshold = threshold;
}

int CStringField::largeSizeFromVersion() { return s_largeFromVersion; }
int CStringField::largeSizeThreshold() { return s_largeThreshold; }
