// CT1ComboBox: a list of the caller's choices, filtered, bound by its items' data.
#include "ordane/CT1ComboBox.h"

CT1ComboBox::CT1ComboBox(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

int CT1ComboBox::setChoices(const QList<ComboChoice> &choices, const QString &filter)
{
    const QSignalBlocker quiet(this);
    clear();
    const QString wanted = filter.trimmed();
    for (const ComboChoice &choice : choices) {
        if (!wanted.isEmpty() && !choice.text.contains(wanted, Qt::CaseInsensitive)) {
            bool matched = false;
            for (const QString &text : choice.alsoMatches)
                matched = matched || text.contains(wanted, Qt::CaseInsensitive);
            if (!matched)
                continue;
        }
        addItem(choice.text, choice.data);
    }
    if (count() > 0)
        setCurrentIndex(0);
    return count();
}

bool CT1ComboBox::SetCurSelData(int data)
{
    const int index = findData(data);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

int CT1ComboBox::curSelData() const
{
    return currentIndex() < 0 ? 0 : currentData().toInt();
}
