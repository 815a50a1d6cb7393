// DependantInfoStruct: the dependants block both spouses of a return file share.
#pragma once

#include "ordane/CString.h"

#include <QDate>
#include <vector>

class MyDataStream;

struct DependantRecord
{
    static constexpr int kNameBytes = 80;
    static constexpr int kTaxYear = 2025;

    char firstName[kNameBytes] = {}; // UTF-8, NUL-terminated: at most 79 bytes of text
    char lastName[kNameBytes] = {};
    QDate birthDate;
    int relationship = 0;
    double netIncome = 0.0;
    int infirm = 0;
    CString sin;
    CString relationText;
    double otherAmount = 0.0;

    // Stores the text as UTF-8, cut to 79 bytes at a character boundary.
    static void setName(char (&field)[kNameBytes], const QString &text);
    static QString nameText(const char (&field)[kNameBytes]);

    bool operator==(const DependantRecord &other) const;
    bool operator!=(const DependantRecord &other) const { return !(*this == other); }

    // Relationship codes of the person's own children: son, daughter, stepson, stepdaughter.
    // Any other code is another relative.
    static constexpr int kChildRelationships[] = {1, 2, 3, 4};
    bool isChild() const;
    // The age on 31 December of the tax year; -1 without a date of birth.
    int ageAtYearEnd() const;
};

class DependantInfoStruct
{
public:
    static constexpr int kDefaultRecords = 12;
    // More records than any block holds; a larger count is damage.
    static constexpr int kMaxRecords = 1000;

    int m_count = 0; // always the number of records

    DependantInfoStruct() = default;
    DependantInfoStruct(const DependantInfoStruct &other) = default;
    DependantInfoStruct &operator=(const DependantInfoStruct &other) = default;
    bool operator==(const DependantInfoStruct &other) const;
    bool operator!=(const DependantInfoStruct &other) const { return !(*this == other); }

    // n empty records in place of the old ones (none for n below 1, at most kMaxRecords).
    void AllocData(int n);
    void FreeData();

    int count() const { return m_count; }
    DependantRecord &record(int i) { return m_records[size_t(i)]; }
    const DependantRecord &record(int i) const { return m_records[size_t(i)]; }

    // Counts of the dependants by age on 31 December 2025, from..to inclusive; a record
    // without a date of birth is no dependant.
    int GetDepNumberBetweenAges(int from, int to) const;
    int GetDepChildrenNumberBetweenAges(int from, int to) const;
    // Children of the ages whose infirm flag is set (infirm) or clear (!infirm).
    int GetDepChildrenNumberBetweenAges_Infirm(int from, int to, bool infirm) const;
    int GetInfirmDependantsNumberNotUnderAge(int age) const;
    int GetInfirmDependentNumberUnderAge18() const;
    // The dependants line 30500 (line 305 before) looks at: under 18 or infirm; the children
    // among them, and the others.
    int GetDepChildrenNumberForLine305() const;
    int GetDepOtherThanChildrenNumberForLine305() const;

    // Writes or reads the block: the count, then each record. On damaged data the stream
    // is marked and the records read whole so far are kept.
    void serilize(int version, MyDataStream &ar);

private:
    template <typename Test> int countWhere(Test test) const;

    std::vector<DependantRecord> m_records;
};
