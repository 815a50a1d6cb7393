// T1135Xml: the foreign income verification statement's XML and the pieces around its content.
#pragma once

#include "ordane/TemplateEngine.h"

#include <QString>

// The revision date the statement always carries, whatever NETFILE date is configured.
constexpr const char *kT1135RevisionDate = "2026-03-03";

// Part 1 (the statement's opening, software ID and revision date): sets "swcode" and
// "swrevdate" in the map and appends the filled template; the engine's result.
int makeT1135Part1(QString &out, TemplateValues &values);
// The closing of the certification and of the statement; the engine's result.
int makeT1135EndPart(QString &out, const TemplateValues &values);
