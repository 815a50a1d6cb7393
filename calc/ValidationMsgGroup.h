// ValidationMsgGroup: the messages of one item, of the return, or of the couple.
#pragma once

#include "ordane/CString.h"

#include <list>

struct ValidationMsgGroup
{
    // 1 slip, 2 form, 4 return level, 5 couple.
    enum Kind
    {
        KindSlip = 1,
        KindForm = 2,
        KindReturn = 4,
        KindCouple = 5
    };

    int m_kind = 0;
    int m_type = 0; // the slip or form code; 0 for the return and the couple
    std::list<CString> m_msgs;

    // printf-style with one (or two) text arguments.
    void addMsg(const char *format, const char *argument);
    void addMsg(const char *format, const char *argument1, const char *argument2);
    void addMsg(const char *text);
};

// Deletes the groups of the list and empties it.
void freeValidationMsgGroups(std::list<ValidationMsgGroup *> &groups);
