// T1135XmlResult: what making the T1135 statement's XML gave; the filing command shows the
// number to the user.
#pragma once

enum class T1135XmlResult : int
{
    Made = 0,
    TemplateFailed = 1, // a template part could not be read or is missing from the map
    NoT1135 = -100,
};
