// CAppConfig: the key tables of the path files and their reader.
#pragma once

#include <QByteArray>
#include <QMap>

#include "ordane/CString.h"

// Path files ("gr_path.ini") are UTF-8 text (a leading byte-order mark is skipped), one
// setting per line:
//
//     KEY=value
//
// - The key is matched exactly, letter case included, against the registered keys; keys that
//   are not registered are skipped.
// - Blanks around the key and around the value are dropped. The value is everything after
//   the first "=", so it may itself hold "=".
// - Blank lines, lines starting with "#" or ";" (comments) and "[section]" lines are skipped.
// - A flag takes 0, 1, true or false (any letter case); any other flag value is ignored and
//   the flag keeps what it held.
// - Every file read sets the members it names, so when two files name the same key the file
//   read later wins. A missing or unreadable file, or one that is not a regular file (a FIFO,
//   a device), changes nothing.
class CAppConfig
{
public:
    CAppConfig();
    virtual ~CAppConfig();
    CAppConfig(const CAppConfig &) = delete;
    CAppConfig &operator=(const CAppConfig &) = delete;

    // Sets every registered member the file names, then calls afterReadConfigFile (also when
    // the file could not be read). Returns 0 when the file was read, -1 when it could not be
    // opened.
    int readConfigFile(const QByteArray &path);
    virtual void afterReadConfigFile();

    static void setStringValIfNotSet(CString &member, const CString &value);

    // The reader's state: the result of the last readConfigFile (0 read, -1 not opened,
    // 0 before any read). The reader itself never sets 1 or 2; subclasses may.
    int readerState() const { return m_readerState; }

protected:
    void addTextKey(const char *key, CString *member);
    void addFlagKey(const char *key, bool *member);
    void setReaderState(int state) { m_readerState = state; }

private:
    QMap<QByteArray, CString *> m_textKeys;
    QMap<QByteArray, bool *> m_flagKeys;
    int m_readerState = 0;
};
