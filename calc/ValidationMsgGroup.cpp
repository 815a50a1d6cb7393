// ValidationMsgGroup: formatting and appending the texts.
#include "calc/ValidationMsgGroup.h"

void ValidationMsgGroup::addMsg(const char *format, const char *argument)
{
    m_msgs.push_back(CString(QString::asprintf(format, argument)));
}

void ValidationMsgGroup::addMsg(const char *format, const char *argument1, const char *argument2)
{
    m_msgs.push_back(CString(QString::asprintf(format, argument1, argument2)));
}

void ValidationMsgGroup::addMsg(const char *text)
{
    m_msgs.push_back(CString(text));
}

void freeValidationMsgGroups(std::list<ValidationMsgGroup *> &groups)
{
    for (ValidationMsgGroup *group : groups)
        delete group;
    groups.clear();
}
