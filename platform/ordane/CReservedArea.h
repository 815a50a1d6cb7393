// CReservedArea: the numbered strings of a person record (password, record tag ...).
#pragma once

#include "ordane/CString.h"

#include <map>

class MyDataStream;

class CReservedArea
{
public:
    // Numbers run from 0 to kMaxNumber; others are ignored (set) or empty (get).
    void setString(int number, const CString &text);
    CString getString(int number) const;
    void clear() { m_strings.clear(); }

    // A count, then number and text of each non-empty string in ascending number.
    void writeToArchive(MyDataStream &out) const;
    // Replaces the content; false (and the stream marked) on damaged data.
    bool readFromArchive(MyDataStream &in);

    bool operator==(const CReservedArea &other) const { return m_strings == other.m_strings; }

    static constexpr int kMaxNumber = 255;
    static constexpr quint32 kMaxTextBytes = 64 * 1024;

private:
    std::map<int, CString> m_strings;
};
