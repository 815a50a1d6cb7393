// The one way XML from outside (service replies, stored downloads) is parsed.
#pragma once

#include <QByteArray>
#include <QString>

class TiXmlDocument;

// TinyXML parses nested elements recursively: a few hundred KB of nesting overflow the stack.
constexpr int kMaxXmlDepth = 256;

// The deepest element nesting of the text, read in one pass the way TinyXML tokenises it
// (comments, CDATA, declarations and quoted attribute values hide no elements); stops
// counting once limit is passed and returns limit + 1.
int xmlNestingDepth(const QByteArray &text, int limit = kMaxXmlDepth);

// Parses text into doc. Refuses, before TinyXML sees it, text nested deeper than
// kMaxXmlDepth elements. False, with the reason in error when given, on either failure.
bool parseXmlDocument(TiXmlDocument &doc, const QByteArray &text, QString *error = nullptr);
