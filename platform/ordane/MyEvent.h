// MyEvent and EventForwardEdit: the custom events form pages post to the editor of their return.
#pragma once

#include <QEvent>

class MyEvent : public QEvent
{
public:
    // The event types the editor handles.
    enum EventType
    {
        RefreshPages = 1013,
        GotoForm = 1235, // an EventForwardEdit
        T183SendForSignature = 1831,
        T183SignatureStatus = 1832,
        RC71SendForSignature = 1871,
        RC71SignatureStatus = 1872,
        CopyAddressToT2125 = 1873,
        CopyPreparerToBoth = 5000,
        CopyAddressToSpouse = 5001,
    };

    explicit MyEvent(int type) : QEvent(static_cast<QEvent::Type>(type)) {}
    // Out of line, so the class has one type identity for dynamic_cast across libraries.
    ~MyEvent() override;

    static bool isEditorEvent(int type);
};

class EventForwardEdit : public MyEvent
{
public:
    explicit EventForwardEdit(int formType) : MyEvent(GotoForm), m_formType(formType) {}
    ~EventForwardEdit() override;
    int formType() const { return m_formType; }

private:
    int m_formType;
};
