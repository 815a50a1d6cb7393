// CT1ComboBox: the drop-down list bound to a whole-number field by its items' data.
#pragma once

#include <QComboBox>
#include <QList>
#include <QStringList>

// One item of the list its caller gives: the text shown, the data stored, and the further texts
// a filter also matches (a form's short code and identifier).
struct ComboChoice
{
    QString text;
    int data = 0;
    QStringList alsoMatches;
};

// The framework knows no form or province: the layer that owns those tables gives the rows
// (marrow/ComboChoices.h).
class CT1ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CT1ComboBox(QWidget *parent = nullptr);

    // Replaces the items by the choices, in order, each text shown and its data as
    // Qt::UserRole; with a filter only the choices whose text or further texts contain it, case
    // ignored. No signal is sent. Returns the number of items.
    int setChoices(const QList<ComboChoice> &choices, const QString &filter = QString());
    // Makes the item whose data equals the value current; false (nothing changes) when none.
    bool SetCurSelData(int data);
    // The current item's data, or 0 when nothing is current.
    int curSelData() const;
};
