// MyEvent: the key functions and the list of the editor's event types.
#include "ordane/MyEvent.h"

MyEvent::~MyEvent() = default;

EventForwardEdit::~EventForwardEdit() = default;

bool MyEvent::isEditorEvent(int type)
{
    switch (type) {
    case RefreshPages:
    case GotoForm:
    case T183SendForSignature:
    case T183SignatureStatus:
    case RC71SendForSignature:
    case RC71SignatureStatus:
    case CopyAddressToT2125:
    case CopyPreparerToBoth:
    case CopyAddressToSpouse:
        return true;
    default:
        return false;
    }
}
