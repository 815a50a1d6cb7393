// Text forms of dates, telephone numbers and postal codes for filing and barcodes.
#pragma once

#include "ordane/CString.h"

#include <QDate>

// Style 1: "yyyyMMdd" (barcode); style 2: "yyyy-MM-dd" (XML). An invalid date or another style
// gives the empty text.
CString GetDateStr(const QDate &date, int style);
// Style 7: "MMdd" (the month and day of a date in the tax year, four characters). An invalid
// date or another style gives the empty text.
CString FormatQDate(const QDate &date, int style);
// The digits of a telephone text. With dropTrunkPrefix, the long-distance "1" in front of a
// ten-digit number is left out, so the first three digits are the area code.
CString GetRawPhoneStr(const CString &phone, bool dropTrunkPrefix = true);
// True when the text holds a digit other than "0" (an empty mask "(000) 000-0000" is nothing).
bool ChkPhoneStrHasSomething(const CString &phone);
// The postal code in capitals without blanks or hyphens ("k1a 0b1" gives "K1A0B1").
CString GetRawPostcode(const CString &postcode);
