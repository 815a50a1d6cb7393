// CStringField: a text field of a form (the form layer completes this class).
#pragma once

class CStringField
{
public:
    // From record version `fromVersion` on, texts longer than `threshold` characters are
    // written in the large-text form. Start-up sets this before any return file is read.
    static void setLargeSizeSerializeOption(int fromVersion, int threshold);
    static int largeSizeFromVersion();
    static int largeSizeThreshold();
};
