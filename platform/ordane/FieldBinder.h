// FieldBinder: connects entry widgets to typed fields and stores each change at once.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include "ordane/CField.h"
class FieldOwner;
class QButtonGroup;
class CTableField;
class QDate;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

class FieldBinder : public QObject
{
    Q_OBJECT
public:
    explicit FieldBinder(QObject *parent = nullptr);

    // The fields belong to this object: once it is destroyed the binder neither reads nor
    // writes them (its pages may outlive it while they wait for deletion).
    void setFieldHolder(QObject *holder);
    bool isActive() const;

    // Binds a widget (or a radio QButtonGroup) to a field of the matching type and makes the
    // widget's connections; false when the kinds do not match or either is null.
    bool bind(QObject *widget, CField *field);
    // Binds, for each registered field, the object under root whose name is the field's name.
    int bindOwner(QObject *root, const FieldOwner &owner);
    void clear();

    CField *fieldOf(QObject *widget) const;
    QObject *widgetOf(const CField *field) const;
    int count() const { return m_bindings.size(); }

    // Each widget shows its field's value (no change is reported).
    void showAll();
    void show(QObject *widget);
    // Each widget's value goes into its field, the one being edited included; true when
    // some value changed. A refused amount or date shows the field's value again.
    bool storeAll();
    bool store(QObject *widget);

signals:
    // A slot stored a new value in the field.
    void fieldChanged(CField *field);

public slots:
    void onStringEditFinished();
    void onFloatEditFinished();
    void onBoolChanged(int state);
    void onRadioIdClicked(int id);
    void onCmbCurIndexChanged(int index);
    void onDateChanged(const QDate &date);
    void onTableItemChanged(QTableWidgetItem *item);
    void onPlainTextChanged();

private:
    struct Binding
    {
        QPointer<QObject> widget;
        CField *field;
    };
    void storeFromSender();
    Binding *bindingOf(QObject *widget);
    void showBinding(const Binding &b);
    bool storeBinding(const Binding &b);
    void showTable(QTableWidget *table, const CTableField &field);

    QList<Binding> m_bindings;
    QPointer<QObject> m_holder;
    bool m_guarded = false;
    int m_showing = 0;
};
