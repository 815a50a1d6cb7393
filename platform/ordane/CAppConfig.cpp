// CAppConfig: path-file reader over the registered key tables.
#include "ordane/CAppConfig.h"

#include "ordane/RegularFile.h"

namespace {

// 1 for true, 0 for false, -1 for a value that is no flag.
int parseFlag(const QByteArray &value)
{
    const QByteArray v = value.toLower();
    if (v == "1" || v == "true")
        return 1;
    if (v == "0" || v == "false")
        return 0;
    return -1;
}

} // namespace

CAppConfig::CAppConfig() = default;
CAppConfig::~CAppConfig() = default;

void CAppConfig::addTextKey(const char *key, CString *member)
{
    m_textKeys.insert(key, member);
}

void CAppConfig::addFlagKey(const char *key, bool *member)
{
    m_flagKeys.insert(key, member);
}

int CAppConfig::readConfigFile(const QByteArray &path)
{
    // Anything but a regular file (a FIFO would block start-up) counts as no file. The hook
    // follows every read, so what it derives holds whether or not a file was there.
    QByteArray content;
    if (readRegularFile(QString::fromUtf8(path), content) != RegularFileRead::Read) {
        m_readerState = -1;
        afterReadConfigFile();
        return -1;
    }
    // Editors on Windows often start a UTF-8 file with a byte-order mark; left in place it
    // would hide the first key.
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    const QList<QByteArray> lines = content.split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';') || line.startsWith('['))
            continue;
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if (CString *text = m_textKeys.value(key)) {
            *text = CString(value);
        } else if (bool *flag = m_flagKeys.value(key)) {
            const int parsed = parseFlag(value);
            if (parsed >= 0)
                *flag = parsed == 1;
        }
    }
    m_readerState = 0;
    afterReadConfigFile();
    return 0;
}

void CAppConfig::afterReadConfigFile() {}

void CAppConfig::setStringValIfNotSet(CString &member, const CString &value)
{
    if (member.isEmpty())
        member = value;
}
