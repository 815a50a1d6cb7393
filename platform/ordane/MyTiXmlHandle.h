// MyTiXmlHandle: null-safe descent through a TinyXML tree, and the child-text readers.
#pragma once

#include "ordane/CString.h"

class TiXmlElement;
class TiXmlNode;

// Each step returns an empty handle where the child is missing, so a chain of steps needs
// no checks until its end.
class MyTiXmlHandle
{
public:
    explicit MyTiXmlHandle(const TiXmlNode *node = nullptr) : m_node(node) {}

    // The first child element.
    MyTiXmlHandle FirstChildElement() const;
    // The first child element of that qualified name ("soapenv:Body").
    MyTiXmlHandle FirstChildElement(const char *name) const;
    // The first child element named name, prefix:name or prefix followed by digits, ":" and
    // name, so "ns" finds "ns:X", "ns2:X" and an unprefixed "X" alike.
    MyTiXmlHandle FirstChildElement(const char *name, const char *prefix) const;

    TiXmlElement *ToElement() const;
    TiXmlNode *ToNode() const { return const_cast<TiXmlNode *>(m_node); }
    bool isNull() const { return m_node == nullptr; }

private:
    const TiXmlNode *m_node;
};

// The text of the element's first child of that name; empty when either is missing.
CString getElementSubEleStringText(const TiXmlElement *element, const char *name);
// That text as a decimal integer; defaultValue when missing, empty or not a whole number.
int getElementSubEleStringAsInt(const TiXmlElement *element, const char *name,
                                int defaultValue = 0);
// That text as a flag: true for "true", "1", "Y" and "yes" (case ignored, blanks around
// ignored), false for any other text; defaultValue when the child is missing or empty.
bool getElementSubEleStringAsBool(const TiXmlElement *element, const char *name, bool defaultValue);
// The attribute of the element's first child of that name; empty when missing.
CString getElementSubEleStringAttribute(const TiXmlElement *element, const char *name,
                                        const char *attribute);
