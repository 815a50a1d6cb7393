// CStringField: a text field, with the process-wide option for long texts in blocks.
#pragma once

#include "ordane/CString.h"
#include "ordane/CValueField.h"

class CStringField : public CValueField<CString, FieldType::String>
{
public:
    // length is the width an entry widget allows; the field itself never cuts a text.
    Q_ALWAYS_INLINE CStringField(FieldOwner *owner, const char *name, int length = 50,
                                 const char *defaultValue = "")
        : CValueField(owner, name, defaultText(defaultValue)), m_length(length)
    {
    }

    operator const CString &() const { return m_value; }
    CStringField &operator=(const QString &v)
    {
        m_value = v;
        return *this;
    }
    int length() const { return m_length; }

    bool IsEmptyIfRemoveBlank() const;
    // Removes every blank from the stored text.
    void RemoveBlanks();
    CString GetTrimedString() const;

    void writeValue(MyDataStream &out, int version) const override;
    qint64 writtenBytes(int version) const override;
    bool readValue(MyDataStream &in, int version) override;
    QString toText() const override { return m_value; }

    // From record version `fromVersion` on, texts longer than `threshold` characters are
    // written in the large-text form. Start-up sets this before any return file is read.
    static void setLargeSizeSerializeOption(int fromVersion, int threshold);
    static int largeSizeFromVersion();
    static int largeSizeThreshold();
    // Whether a block of this version may hold texts longer than the threshold.
    static bool largeTextsAllowed(int version);

private:
    // The text a field is built with.
    static CString defaultText(const char *text);

    int m_length;
};
