// MyTiXmlHandle: null-safe descent and the child-text readers over TinyXML.
#include "ordane/MyTiXmlHandle.h"

#include <cstring>
#include <tinyxml.h>

namespace {
// True for name, prefix:name and prefix<digits>:name.
bool matchesPrefixed(const char *value, const char *name, const char *prefix)
{
    if (std::strcmp(value, name) == 0)
        return true;
    const size_t prefixLength = std::strlen(prefix);
    if (std::strncmp(value, prefix, prefixLength) != 0)
        return false;
    const char *p = value + prefixLength;
    while (*p >= '0' && *p <= '9')
        ++p;
    return *p == ':' && std::strcmp(p + 1, name) == 0;
}

const TiXmlElement *childElement(const TiXmlElement *element, const char *name)
{
    return element && name ? element->FirstChildElement(name) : nullptr;
}
} // namespace

MyTiXmlHandle MyTiXmlHandle::FirstChildElement() const
{
    return MyTiXmlHandle(m_node ? m_node->FirstChildElement() : nullptr);
}

MyTiXmlHandle MyTiXmlHandle::FirstChildElement(const char *name) const
{
    return MyTiXmlHandle(m_node && name ? m_node->FirstChildElement(name) : nullptr);
}

MyTiXmlHandle MyTiXmlHandle::FirstChildElement(const char *name, const char *prefix) const
{
    if (!m_node || !name)
        return MyTiXmlHandle();
    if (!prefix)
        return FirstChildElement(name);
    for (const TiXmlElement *child = m_node->FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        if (matchesPrefixed(child->Value(), name, prefix))
            return MyTiXmlHandle(child);
    }
    return MyTiXmlHandle();
}

TiXmlElement *MyTiXmlHandle::ToElement() const
{
    return m_node ? const_cast<TiXmlNode *>(m_node)->ToElement() : nullptr;
}

CString getElementSubEleStringText(const TiXmlElement *element, const char *name)
{
    const TiXmlElement *child = childElement(element, name);
    const char *text = child ? child->GetText() : nullptr;
    return text ? CString(text) : CString();
}

int getElementSubEleStringAsInt(const TiXmlElement *element, const char *name, int defaultValue)
{
    bool ok = false;
    const int value = getElementSubEleStringText(element, name).trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool getElementSubEleStringAsBool(const TiXmlElement *element, const char *name, bool defaultValue)
{
    const QString text = getElementSubEleStringText(element, name).trimmed();
    if (text.isEmpty())
        return defaultValue;
    for (const char *yes : {"true", "1", "Y", "yes"}) {
        if (text.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

CString getElementSubEleStringAttribute(const TiXmlElement *element, const char *name,
                                        const char *attribute)
{
    const TiXmlElement *child = childElement(element, name);
    const char *value = child && attribute ? child->Attribute(attribute) : nullptr;
    return value ? CString(value) : CString();
}
