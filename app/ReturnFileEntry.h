// ReturnFileEntry: one row of the recent return files, fixed once built.
#pragma once

#include "ordane/CString.h"

class ReturnFileEntry
{
public:
    ReturnFileEntry(int id, const CString &name, const CString &openTime, const CString &path)
        : m_id(id), m_name(name), m_openTime(openTime), m_path(path)
    {
    }

    int id() const { return m_id; }
    CString name() const { return m_name; }
    CString openTime() const { return m_openTime; }
    CString path() const { return m_path; }

private:
    const int m_id;
    const CString m_name;
    const CString m_openTime;
    const CString m_path;
};
