// TDDDataEntry: one stored download as the download manager lists it, fixed once built.
#pragma once

#include "ordane/CString.h"

class TDDDataEntry
{
public:
    TDDDataEntry(int id, const CString &sin, const CString &createTime, int taxYear)
        : m_id(id), m_sin(sin), m_createTime(createTime), m_taxYear(taxYear)
    {
    }

    // The row id in tb_taxdata (Auto-fill) or tb_taxnoa (notices).
    int id() const { return m_id; }
    CString sin() const { return m_sin; }
    // The stored time, as the database gives it back.
    CString createTime() const { return m_createTime; }
    int taxYear() const { return m_taxYear; }

private:
    const int m_id;
    const CString m_sin;
    const CString m_createTime;
    const int m_taxYear;
};
