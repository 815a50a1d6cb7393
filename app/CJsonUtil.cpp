// CJsonUtil: parsing and keyed reads over QJsonObject.
#include "app/CJsonUtil.h"

#include <QJsonDocument>
#include <QJsonValue>

int CJsonUtil::parse(const CString &text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (doc.isNull()) {
        m_error = Failed;
        return m_error;
    }
    if (doc.isObject())
        m_object = doc.object();
    m_error = Ok;
    return m_error;
}

bool CJsonUtil::lookUp(const char *key, QJsonValue &value)
{
    const QString name = QString::fromUtf8(key);
    if (!m_object.contains(name)) {
        m_error = Failed;
        return false;
    }
    value = m_object.value(name);
    return true;
}

int CJsonUtil::getString(const char *key, CString &value)
{
    QJsonValue found;
    if (!lookUp(key, found))
        return m_error;
    value = found.toString();
    m_error = Ok;
    return m_error;
}

int CJsonUtil::getInt(const char *key, int &value)
{
    QJsonValue found;
    if (!lookUp(key, found))
        return m_error;
    value = found.toInt(0);
    m_error = Ok;
    return m_error;
}

bool CJsonUtil::getBool(const char *key)
{
    // A present key leaves the error code as it was.
    QJsonValue found;
    return lookUp(key, found) && found.toBool(false);
}

QJsonArray CJsonUtil::getArray(const char *key) const
{
    return m_object.value(QString::fromUtf8(key)).toArray();
}

QJsonObject CJsonUtil::getObject(const char *key) const
{
    return m_object.value(QString::fromUtf8(key)).toObject();
}

int CJsonUtil::insertString(const char *key, const CString &value)
{
    if (!key)
        return Failed;
    m_object.insert(QString::fromLatin1(key), QString(value));
    return Ok;
}

int CJsonUtil::toJson(CString &out) const
{
    out = QString::fromUtf8(QJsonDocument(m_object).toJson(QJsonDocument::Compact));
    return 0;
}
