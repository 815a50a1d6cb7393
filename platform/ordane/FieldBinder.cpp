// FieldBinder: one binding per widget, stored by the widget's own change signal.
#include "ordane/FieldBinder.h"

#include "ordane/CBoolField.h"
#include "ordane/CDateField.h"
#include "ordane/CFloatField.h"
#include "ordane/CIntField.h"
#include "ordane/CStringField.h"
#include "ordane/CTableField.h"
#include "ordane/DoubleLineEdit.h"
#include "ordane/FieldOwner.h"
#include "ordane/StyledDateEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>

namespace {

// Radio buttons of a group are named after its field with "_" and their id: "fld_x_0".
void numberRadioButtons(QButtonGroup *group, const QString &fieldName)
{
    const QRegularExpression suffix(
        QStringLiteral("^%1_(\\d+)$").arg(QRegularExpression::escape(fieldName)));
    const QList<QAbstractButton *> buttons = group->buttons();
    for (QAbstractButton *b : buttons) {
        const QRegularExpressionMatch m = suffix.match(b->objectName());
        if (m.hasMatch())
            group->setId(b, m.captured(1).toInt());
    }
}

// The widgets and radio groups under a root by name, each name giving the object root's own
// findChild would give: a parent's direct children before their descendants, an earlier child's
// whole subtree before a later child's.
class NamedChildren
{
public:
    explicit NamedChildren(const QObject *root)
    {
        collect(root);
        collectButtons(root);
    }
    QObject *widget(const QString &name) const { return m_widgets.value(name); }
    QObject *group(const QString &name) const { return m_groups.value(name); }
    void addGroup(QButtonGroup *group)
    {
        if (!m_groups.contains(group->objectName()))
            m_groups.insert(group->objectName(), group);
    }
    // The buttons named after a field with "_" and a number ("fld_x_0"), in the order of
    // findChildren: each child, then its own descendants.
    QList<QAbstractButton *> numberedButtons(const QString &fieldName) const
    {
        return m_numbered.value(fieldName);
    }

private:
    // The field a numbered button's name belongs to: the name before its last "_", when only
    // digits follow it (a single final line break aside, as a "$" anchor allows).
    static QString numberedField(QString name)
    {
        if (name.endsWith(QLatin1Char('\n')))
            name.chop(1);
        const int underscore = name.lastIndexOf(QLatin1Char('_'));
        if (underscore <= 0 || underscore == name.size() - 1)
            return QString();
        for (int i = underscore + 1; i < name.size(); ++i) {
            const QChar c = name.at(i);
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QString();
        }
        return name.left(underscore);
    }

    void collectButtons(const QObject *parent)
    {
        for (QObject *child : parent->children()) {
            if (auto *button = qobject_cast<QAbstractButton *>(child)) {
                const QString field = numberedField(button->objectName());
                if (!field.isEmpty())
                    m_numbered[field].append(button);
            }
            collectButtons(child);
        }
    }

    void collect(const QObject *parent)
    {
        const QObjectList &children = parent->children();
        for (QObject *child : children) {
            const QString name = child->objectName();
            if (name.isEmpty())
                continue;
            if (child->isWidgetType()) {
                if (!m_widgets.contains(name))
                    m_widgets.insert(name, child);
            } else if (qobject_cast<QButtonGroup *>(child) && !m_groups.contains(name)) {
                m_groups.insert(name, child);
            }
        }
        for (const QObject *child : children)
            collect(child);
    }

    QHash<QString, QObject *> m_widgets;
    QHash<QString, QObject *> m_groups;
    QHash<QString, QList<QAbstractButton *>> m_numbered;
};

// A designer form may leave its radio buttons without a group: one is made for them.
QButtonGroup *groupRadioButtons(QObject *root, const QString &fieldName,
                                const QList<QAbstractButton *> &buttons)
{
    if (buttons.isEmpty())
        return nullptr;
    auto *group = new QButtonGroup(root);
    group->setObjectName(fieldName);
    for (QAbstractButton *b : buttons)
        group->addButton(b);
    return group;
}

// Stores the value when it differs; true when it did.
template <typename Field, typename Value> bool storeIfChanged(Field *field, const Value &value)
{
    if (value == field->value())
        return false;
    field->setValue(value);
    return true;
}

// A table cell's text as the table widget shows it.
QString cellText(const CField &cell)
{
    if (cell.type() == FieldType::Float)
        return DoubleLineEdit::formatAmount(static_cast<const CFloatField &>(cell).value());
    return cell.toText();
}

// Stores a cell's text; text that does not read for the cell's type leaves the cell as it was.
bool storeCell(CField &cell, const QTableWidgetItem *item)
{
    const QString text = item ? item->text().trimmed() : QString();
    switch (cell.type()) {
    case FieldType::Float: {
        double value = 0.0;
        return DoubleLineEdit::parseAmount(text, value) &&
               storeIfChanged(static_cast<CFloatField *>(&cell), value);
    }
    case FieldType::Int: {
        bool ok = text.isEmpty();
        const int value = ok ? 0 : text.toInt(&ok);
        return ok && storeIfChanged(static_cast<CIntField *>(&cell), value);
    }
    case FieldType::String:
        return storeIfChanged(static_cast<CStringField *>(&cell),
                              CString(item ? item->text() : QString()));
    case FieldType::Bool:
        return storeIfChanged(static_cast<CBoolField *>(&cell),
                              item && item->checkState() == Qt::Checked);
    case FieldType::Date: {
        const QDate value = QDate::fromString(text, Qt::ISODate);
        auto *date = static_cast<CDateField *>(&cell);
        if ((!text.isEmpty() && !value.isValid()) || value == date->date())
            return false;
        date->setDate(value);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

FieldBinder::FieldBinder(QObject *parent) : QObject(parent) {}

void FieldBinder::setFieldHolder(QObject *holder)
{
    m_holder = holder;
    m_guarded = true;
}

bool FieldBinder::isActive() const
{
    return !m_guarded || !m_holder.isNull();
}

bool FieldBinder::bind(QObject *widget, CField *field)
{
    if (!widget || !field || !isActive() || bindingOf(widget))
        return false;
    const FieldType type = field->type();
    if (auto *amount = qobject_cast<DoubleLineEdit *>(widget)) {
        if (type != FieldType::Float)
            return false;
        connect(amount, &QLineEdit::editingFinished, this, &FieldBinder::onFloatEditFinished);
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        if (type != FieldType::String)
            return false;
        const int length = static_cast<CStringField *>(field)->length();
        if (length > 0)
            edit->setMaxLength(length);
        connect(edit, &QLineEdit::editingFinished, this, &FieldBinder::onStringEditFinished);
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        if (type != FieldType::Bool)
            return false;
        box->setFocusPolicy(Qt::StrongFocus);
        connect(box, &QCheckBox::stateChanged, this, &FieldBinder::onBoolChanged);
    } else if (auto *group = qobject_cast<QButtonGroup *>(widget)) {
        if (type != FieldType::Int)
            return false;
        connect(group, &QButtonGroup::idClicked, this, &FieldBinder::onRadioIdClicked);
        numberRadioButtons(group, group->objectName());
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (type != FieldType::Int)
            return false;
        combo->setFocusPolicy(Qt::StrongFocus);
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &FieldBinder::onCmbCurIndexChanged);
    } else if (auto *date = qobject_cast<StyledDateEdit *>(widget)) {
        if (type != FieldType::Date)
            return false;
        date->setCalendarPopup(true);
        connect(date, &QDateEdit::dateChanged, this, &FieldBinder::onDateChanged);
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        if (type != FieldType::Int)
            return false;
        connect(spin, &QSpinBox::editingFinished, this, &FieldBinder::onStringEditFinished);
    } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        if (type != FieldType::Table)
            return false;
        connect(table, &QTableWidget::itemChanged, this, &FieldBinder::onTableItemChanged);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(widget)) {
        if (type != FieldType::String)
            return false;
        connect(text, &QPlainTextEdit::textChanged, this, &FieldBinder::onPlainTextChanged);
    } else {
        return false;
    }
    m_bindings.append({widget, field});
    return true;
}

int FieldBinder::bindOwner(QObject *root, const FieldOwner &owner)
{
    // One walk of the tree names every widget and group a field may bind to; a search per field
    // walked the whole page again for each of its fields.
    NamedChildren named(root);
    int bound = 0;
    for (CField *field : owner.fields()) {
        const QString name = QString::fromUtf8(field->name());
        QObject *widget = named.widget(name);
        if (!widget)
            widget = named.group(name);
        if (!widget && field->type() == FieldType::Int) {
            QButtonGroup *made = groupRadioButtons(root, name, named.numberedButtons(name));
            if (made)
                named.addGroup(made);
            widget = made;
        }
        if (widget && bind(widget, field))
            ++bound;
    }
    return bound;
}

void FieldBinder::clear()
{
    for (const Binding &b : qAsConst(m_bindings)) {
        if (b.widget)
            b.widget->disconnect(this);
    }
    m_bindings.clear();
}

FieldBinder::Binding *FieldBinder::bindingOf(QObject *widget)
{
    for (Binding &b : m_bindings) {
        if (b.widget == widget)
            return &b;
    }
    return nullptr;
}

CField *FieldBinder::fieldOf(QObject *widget) const
{
    for (const Binding &b : m_bindings) {
        if (b.widget == widget)
            return b.field;
    }
    return nullptr;
}

QObject *FieldBinder::widgetOf(const CField *field) const
{
    for (const Binding &b : m_bindings) {
        if (b.field == field)
            return b.widget;
    }
    return nullptr;
}

void FieldBinder::showAll()
{
    for (const Binding &b : qAsConst(m_bindings))
        showBinding(b);
}

void FieldBinder::show(QObject *widget)
{
    if (Binding *b = bindingOf(widget))
        showBinding(*b);
}

void FieldBinder::showBinding(const Binding &b)
{
    if (!b.widget || !isActive())
        return;
    // The widgets' own change signals must not store what is only being shown.
    ++m_showing;
    QObject *w = b.widget;
    if (auto *amount = qobject_cast<DoubleLineEdit *>(w)) {
        amount->setAmount(static_cast<CFloatField *>(b.field)->value());
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        edit->setText(static_cast<CStringField *>(b.field)->value());
    } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
        box->setChecked(static_cast<CBoolField *>(b.field)->value());
    } else if (auto *group = qobject_cast<QButtonGroup *>(w)) {
        const int id = static_cast<CIntField *>(b.field)->value();
        if (QAbstractButton *button = group->button(id)) {
            button->setChecked(true);
        } else {
            // -1 (or an unknown id): no button is chosen.
            const bool exclusive = group->exclusive();
            group->setExclusive(false);
            for (QAbstractButton *other : group->buttons())
                other->setChecked(false);
            group->setExclusive(exclusive);
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        combo->setCurrentIndex(combo->findData(static_cast<CIntField *>(b.field)->value()));
    } else if (auto *date = qobject_cast<StyledDateEdit *>(w)) {
        date->setDateValue(static_cast<CDateField *>(b.field)->date());
    } else if (auto *spin = qobject_cast<QSpinBox *>(w)) {
        spin->setValue(static_cast<CIntField *>(b.field)->value());
    } else if (auto *table = qobject_cast<QTableWidget *>(w)) {
        showTable(table, *static_cast<CTableField *>(b.field));
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(w)) {
        if (text->toPlainText() != static_cast<CStringField *>(b.field)->value())
            text->setPlainText(static_cast<CStringField *>(b.field)->value());
    }
    --m_showing;
}

bool FieldBinder::storeAll()
{
    bool changed = false;
    for (const Binding &b : qAsConst(m_bindings))
        changed = storeBinding(b) || changed;
    return changed;
}

bool FieldBinder::store(QObject *widget)
{
    Binding *b = bindingOf(widget);
    return b && storeBinding(*b);
}

bool FieldBinder::storeBinding(const Binding &b)
{
    if (!b.widget || !isActive())
        return false;
    QObject *w = b.widget;
    if (auto *amount = qobject_cast<DoubleLineEdit *>(w)) {
        auto *field = static_cast<CFloatField *>(b.field);
        // Text as shown: the field keeps its full precision rather than the two decimals.
        if (amount->text() == amount->shownText(field->value()))
            return false;
        double value = 0.0;
        const bool accepted = DoubleLineEdit::parseAmount(amount->text(), value);
        const bool changed = accepted && value != field->value();
        if (accepted)
            field->setValue(value);
        // Refused text goes back to the stored amount; accepted text takes the two decimals.
        showBinding(b);
        return changed;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        auto *field = static_cast<CStringField *>(b.field);
        QString text = edit->text();
        QString shown = field->value();
        if (field->length() > 0) {
            text.truncate(field->length());
            shown.truncate(field->length());
        }
        // A longer text read from a file is cut only when the user edits it.
        if (text == shown)
            return false;
        return storeIfChanged(field, CString(text));
    }
    if (auto *box = qobject_cast<QCheckBox *>(w))
        return storeIfChanged(static_cast<CBoolField *>(b.field), box->isChecked());
    // No button or no item chosen is what a value without one shows: it is kept.
    if (auto *group = qobject_cast<QButtonGroup *>(w)) {
        const int id = group->checkedId();
        return id >= 0 && storeIfChanged(static_cast<CIntField *>(b.field), id);
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        if (combo->currentIndex() < 0)
            return false;
        return storeIfChanged(static_cast<CIntField *>(b.field), combo->currentData().toInt());
    }
    if (auto *date = qobject_cast<StyledDateEdit *>(w)) {
        auto *field = static_cast<CDateField *>(b.field);
        const QDate value = date->dateValue();
        if (value == field->date())
            return false;
        field->setDate(value);
        return true;
    }
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        return storeIfChanged(static_cast<CIntField *>(b.field), spin->value());
    if (auto *table = qobject_cast<QTableWidget *>(w)) {
        auto *field = static_cast<CTableField *>(b.field);
        bool changed = false;
        for (int r = 0; r < field->rowCount() && r < table->rowCount(); ++r) {
            for (int c = 0; c < field->columnCount() && c < table->columnCount(); ++c)
                changed = storeCell(field->cell(r, c), table->item(r, c)) || changed;
        }
        // Refused cells show the stored value again.
        showBinding(b);
        return changed;
    }
    if (auto *text = qobject_cast<QPlainTextEdit *>(w))
        return storeIfChanged(static_cast<CStringField *>(b.field), CString(text->toPlainText()));
    return false;
}

void FieldBinder::showTable(QTableWidget *table, const CTableField &field)
{
    const QSignalBlocker quiet(table);
    table->setRowCount(field.rowCount());
    table->setColumnCount(field.columnCount());
    for (int r = 0; r < field.rowCount(); ++r) {
        for (int c = 0; c < field.columnCount(); ++c) {
            QTableWidgetItem *item = table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(r, c, item);
            }
            const CField &cell = field.cell(r, c);
            if (cell.type() == FieldType::Bool) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(static_cast<const CBoolField &>(cell).value() ? Qt::Checked
                                                                                  : Qt::Unchecked);
            } else {
                item->setText(cellText(cell));
            }
        }
    }
}

void FieldBinder::storeFromSender()
{
    if (m_showing > 0)
        return;
    QObject *widget = sender();
    Binding *b = bindingOf(widget);
    if (!b)
        return;
    CField *field = b->field;
    if (storeBinding(*b))
        emit fieldChanged(field);
}

void FieldBinder::onStringEditFinished()
{
    storeFromSender();
}

void FieldBinder::onFloatEditFinished()
{
    storeFromSender();
}

void FieldBinder::onBoolChanged(int)
{
    storeFromSender();
}

void FieldBinder::onRadioIdClicked(int)
{
    storeFromSender();
}

void FieldBinder::onCmbCurIndexChanged(int)
{
    storeFromSender();
}

void FieldBinder::onDateChanged(const QDate &)
{
    storeFromSender();
}

void FieldBinder::onTableItemChanged(QTableWidgetItem *)
{
    storeFromSender();
}

void FieldBinder::onPlainTextChanged()
{
    // Stored as typed, like every other value; free text takes no part in the calculation, so
    // no change is reported for each keystroke.
    if (m_showing > 0)
        return;
    if (Binding *b = bindingOf(sender()))
        storeBinding(*b);
}
