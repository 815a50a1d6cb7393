// Line records: XML elements or tagged values of the code map.
#include "ordane/NetfileRecords.h"

#include "ordane/AmountTolerance.h"
#include "ordane/CFloatField.h"

#include <QtMath>

namespace {

void writeRecord(int code, const NetfileTaggedValue &value, NetfileGenObjParamStru &param)
{
    if (param.skipCodes && param.skipCodes->contains(code))
        return;
    if (param.outputKind == NetfileGenObjParamStru::OutputXml && param.output) {
        QString text;
        if (value.tag == NetfileTaggedValue::Integer) {
            text = QString::number(value.integer);
        } else {
            // Never "-0.00" for an amount that rounds to zero.
            const double amount = qAbs(value.amount) < 0.005 ? 0.0 : value.amount;
            text = QString::number(amount, 'f', 2);
        }
        const QByteArray tag = netfileElementName(code);
        *param.output += QLatin1Char('<') + QLatin1String(tag) + QLatin1Char('>') + text +
                         QLatin1String("</") + QLatin1String(tag) + QLatin1Char('>');
    }
    if (param.codes)
        param.codes->insert(code, value);
}

void writeDollar(int code, double amount, NetfileGenObjParamStru &param)
{
    writeRecord(code, NetfileTaggedValue::cents(amount), param);
}

double oneIfZero(double amount)
{
    return qAbs(amount) < kAmountTolerance ? 1.0 : amount;
}

} // namespace

QByteArray netfileElementName(int code)
{
    return "t1:L" + QByteArray::number(code);
}

void NETFILE_DOLLAR_VALUE_Func(int code, double amount, NetfileGenObjParamStru &param)
{
    writeDollar(code, amount, param);
}

void NETFILE_NUMERIC_VALUE_Func(int code, double number, NetfileGenObjParamStru &param)
{
    // Indicators and counts; anything outside the int range is held at its edge.
    const double whole = std::trunc(number);
    const int value = qIsNaN(whole) ? 0 : int(qBound(-2147483648.0, whole, 2147483647.0));
    writeRecord(code, NetfileTaggedValue::wholeNumber(value), param);
}

void NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(int code, double amount, NetfileGenObjParamStru &param)
{
    writeDollar(code, oneIfZero(amount), param);
}

void NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(int code, const CFloatField &field,
                                             NetfileGenObjParamStru &param)
{
    writeDollar(code, oneIfZero(field), param);
}
