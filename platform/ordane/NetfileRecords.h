// Line records of the electronic return: the parameter record and the four field-code writers.
#pragma once

#include "ordane/CString.h"

#include <QByteArray>
#include <QMap>
#include <QSet>

class CFloatField;

// One written value of the code map. The tag says how the barcode prints it: 1 whole dollars,
// 2 an amount in cents, 3 an integer, 4 text. The writers enter dollar records with tag 2 (the
// cents are kept) and numeric records with tag 3; tags 1 and 4 are for callers of their own.
struct NetfileTaggedValue
{
    enum Tag
    {
        WholeDollars = 1,
        Cents = 2,
        Integer = 3,
        Text = 4
    };
    int tag = 0;
    double amount = 0; // tags 1 and 2
    int integer = 0;   // tag 3
    QByteArray text;   // tag 4

    static NetfileTaggedValue cents(double amount)
    {
        NetfileTaggedValue v;
        v.tag = Cents;
        v.amount = amount;
        return v;
    }
    static NetfileTaggedValue wholeNumber(int value)
    {
        NetfileTaggedValue v;
        v.tag = Integer;
        v.integer = value;
        return v;
    }

    bool operator==(const NetfileTaggedValue &other) const
    {
        return tag == other.tag && amount == other.amount && integer == other.integer &&
               text == other.text;
    }
};

using NetfileCodeMap = QMap<qint32, NetfileTaggedValue>;

// The record every writer takes, owned by the caller for one generation.
struct NetfileGenObjParamStru
{
    enum OutputKind : quint8
    {
        OutputXml = 0,
        OutputValueMap = 2
    };
    quint8 edition = 2;    // 1 EFILE, 2 NETFILE
    quint8 outputKind = 0; // OutputXml or OutputValueMap
    CString *output = nullptr;
    int *counter = nullptr;
    // Every code written; in kind 2 the value too, in kind 0 only the keys are read.
    NetfileCodeMap *codes = nullptr;
    int t2209Count = 0;
    // Codes another form writes for the return: while set, the writers leave them out, so a
    // line that two forms carry is written once. Not owned; null for none.
    const QSet<int> *skipCodes = nullptr;
};

// The one rule for the XML element of a field code: "t1:L" and the code in decimal
// ("t1:L12600", "t1:L9915").
QByteArray netfileElementName(int code);

// Each writes one record: an XML element into the output text in kind 0 (dollar amounts with
// two decimals, numbers as whole numbers truncated toward zero), a tagged value in kind 2; in
// both it enters the code in the code map. A code of the record's skip set writes nothing.
void NETFILE_DOLLAR_VALUE_Func(int code, double amount, NetfileGenObjParamStru &param);
void NETFILE_NUMERIC_VALUE_Func(int code, double number, NetfileGenObjParamStru &param);
// 1 in place of an amount within the tolerance of zero.
void NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(int code, double amount,
                                             NetfileGenObjParamStru &param);
void NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(int code, const CFloatField &field,
                                             NetfileGenObjParamStru &param);
