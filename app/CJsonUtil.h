// CJsonUtil: one JSON object read from a web-service reply, with the last error code.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include "ordane/CString.h"

class CJsonUtil
{
public:
    enum
    {
        Ok = 0,
        Failed = 99
    };

    CJsonUtil() = default;
    CJsonUtil(const CJsonUtil &) = delete;
    CJsonUtil &operator=(const CJsonUtil &) = delete;

    // 0 for any JSON document (an object replaces the held one), 99 for empty or broken text.
    int parse(const CString &text);
    // 0 with the value when the key is present (a non-string gives empty text), else 99 and
    // value unchanged.
    int getString(const char *key, CString &value);
    // 0 with the value when the key is present (a non-integral value gives 0), else 99.
    int getInt(const char *key, int &value);
    // The value as a bool; a missing key gives false and sets the error code, a present one
    // leaves the error code as it was.
    bool getBool(const char *key);
    QJsonArray getArray(const char *key) const;
    QJsonObject getObject(const char *key) const;
    // 99 for a null key, else sets the key to the text and returns 0.
    int insertString(const char *key, const CString &value);
    // The held object as compact JSON; returns 0.
    int toJson(CString &out) const;

    int errorCode() const { return m_error; }
    const QJsonObject &object() const { return m_object; }

private:
    // The key's value; a missing key sets the error code and gives false.
    bool lookUp(const char *key, QJsonValue &value);

    QJsonObject m_object;
    int m_error = Ok;
};
