// GenericTaxPage: rows of titles and bound entry widgets, and the buttons that post events.
#include "marrow/GenericTaxPage.h"

#include "marrow/CTaxData_Form.h"
#include "marrow/FieldDescriptions.h"
#include "marrow/FormTables.h"
#include "ordane/CTableField.h"
#include "ordane/DoubleLineEdit.h"
#include "ordane/MyEvent.h"
#include "ordane/StringLineEdit.h"
#include "ordane/StyledCheckBox.h"
#include "ordane/StyledDateEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {
constexpr int kLabelColumn = 0;
constexpr int kEntryColumn = 1;
constexpr int kButtonColumn = 2;
constexpr int kAmountWidth = 160;
constexpr int kTextWidth = 320;
constexpr int kChoiceWidth = 320;
// Titles wrap inside this width, so a long title never pushes the entries off the page.
constexpr int kTitleMinimumWidth = 300;
constexpr int kTitleMaximumWidth = 460;
// Int fields hold codes and counts; no stored value is negative beyond "none" (-1).
constexpr int kIntMinimum = -1;
constexpr int kIntMaximum = 999999999;
} // namespace

GenericTaxPage::GenericTaxPage(CTaxData_Form *form, QWidget *editor, const QString &title)
    : BaseTaxPage(form, editor, title), m_grid(new QGridLayout(this))
{
    m_grid->setColumnStretch(kLabelColumn, 0);
    m_grid->setColumnStretch(kEntryColumn, 0);
    m_grid->setColumnStretch(kButtonColumn, 0);
    m_grid->setColumnStretch(kButtonColumn + 1, 1);
    m_grid->setHorizontalSpacing(12);
}

QWidget *GenericTaxPage::createEntryWidget(const CField &field, QWidget *parent)
{
    switch (field.type()) {
    case FieldType::Float: {
        auto *edit = new DoubleLineEdit(parent);
        edit->setFixedWidth(kAmountWidth);
        return edit;
    }
    case FieldType::String: {
        auto *edit = new StringLineEdit(parent);
        edit->setMinimumWidth(kTextWidth);
        return edit;
    }
    case FieldType::Int: {
        auto *spin = new QSpinBox(parent);
        spin->setRange(kIntMinimum, kIntMaximum);
        spin->setFixedWidth(kAmountWidth);
        return spin;
    }
    case FieldType::Date: {
        auto *date = new StyledDateEdit(parent);
        date->setMinimumWidth(kAmountWidth);
        return date;
    }
    case FieldType::Bool:
        return new StyledCheckBox(parent);
    case FieldType::Table: {
        const auto &table = static_cast<const CTableField &>(field);
        auto *view = new QTableWidget(table.rowCount(), table.columnCount(), parent);
        view->verticalHeader()->setDefaultSectionSize(22);
        view->setMinimumHeight(22 * (qMin(table.rowCount(), 6) + 2));
        // Wide tables scroll inside themselves, so the page never needs a horizontal bar.
        view->setMinimumWidth(kAmountWidth * qMin(table.columnCount(), 2));
        return view;
    }
    }
    return nullptr;
}

QWidget *GenericTaxPage::createEntryWidget(const CField &field, const FieldDescription &d,
                                           QWidget *parent)
{
    const bool codes = !d.codeTable.isEmpty() && field.type() == FieldType::Int &&
                       (d.show == FieldShow::Choice || d.show == FieldShow::YesNo);
    if (codes) {
        // The stored code is the item's data: choosing a name stores its code unchanged, and
        // a code the table does not name shows no choice and stays as it is.
        auto *combo = new QComboBox(parent);
        for (const CodeChoice &c : codeChoices(d.codeTable))
            combo->addItem(c.name, c.code);
        combo->setMinimumWidth(d.show == FieldShow::YesNo ? kAmountWidth : kChoiceWidth);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return combo;
    }
    if ((d.show == FieldShow::Amount || d.show == FieldShow::Number) &&
        field.type() == FieldType::Float) {
        auto *edit = new DoubleLineEdit(parent);
        edit->setFixedWidth(kAmountWidth);
        edit->setAlignment(Qt::AlignRight);
        edit->setCount(d.show == FieldShow::Number);
        return edit;
    }
    return createEntryWidget(field, parent);
}

void GenericTaxPage::setReadOnly(QWidget *widget)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setReadOnly(true);
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
        spin->setReadOnly(true);
        spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    } else if (widget) {
        widget->setEnabled(false);
    }
    if (widget)
        widget->setFocusPolicy(Qt::NoFocus);
}

QWidget *GenericTaxPage::addRow(CField *field, QWidget *entry, const QString &title)
{
    CTaxData_Form *owner = form();
    const QString name = QString::fromLatin1(field->nameData());
    entry->setObjectName(name);
    auto *caption = new QLabel(title, this);
    caption->setObjectName(QStringLiteral("lbl_") + name);
    caption->setBuddy(entry);
    caption->setWordWrap(true);
    caption->setMinimumWidth(kTitleMinimumWidth);
    caption->setMaximumWidth(kTitleMaximumWidth);
    if (owner->isCalculatedField(*field))
        setReadOnly(entry);
    ++m_row;
    m_grid->addWidget(caption, m_row, kLabelColumn);
    m_grid->addWidget(entry, m_row, kEntryColumn, Qt::AlignLeft);
    return entry;
}

QWidget *GenericTaxPage::addField(const FieldDescription &description)
{
    CTaxData_Form *owner = form();
    CField *field = owner ? owner->findField(description.name) : nullptr;
    if (!field)
        return nullptr;
    if (!description.section.isEmpty() && description.section != m_section)
        addHeading(description.section);
    m_section = description.section;
    QWidget *entry = addRow(field, createEntryWidget(*field, description, this), description.title);
    // A form's result is worked out from the rest of the return: typing over it would only be
    // undone by the next recalculation.
    if (description.total)
        setReadOnly(entry);
    return entry;
}

QWidget *GenericTaxPage::addField(const char *name, const QString &title)
{
    CTaxData_Form *owner = form();
    CField *field = owner ? owner->findField(QByteArray(name)) : nullptr;
    if (!field)
        return nullptr;
    return addRow(field, createEntryWidget(*field, this), title);
}

void GenericTaxPage::addAllFields(const QString &page)
{
    CTaxData_Form *owner = form();
    if (!owner)
        return;
    int shown = 0;
    for (const FieldDescription &d : fieldDescriptions(owner->getKind(), owner->getType())) {
        if (!page.isEmpty() && d.page != page)
            continue;
        shown += addField(d) ? 1 : 0;
    }
    if (shown == 0) {
        auto *none = new QLabel(tr("Nothing on this form is entered by hand: the program fills "
                                   "it from the rest of the return."),
                                this);
        none->setObjectName(QStringLiteral("lblNothingToEnter"));
        none->setWordWrap(true);
        ++m_row;
        m_grid->addWidget(none, m_row, kLabelColumn, 1, 3);
    }
}

QPushButton *GenericTaxPage::addEventButton(const QString &text, int eventType)
{
    auto *button = new QPushButton(text, this);
    m_grid->addWidget(button, m_row, kButtonColumn, Qt::AlignLeft);
    connect(button, &QPushButton::clicked, this,
            [this, eventType]() { postToEditor(new MyEvent(eventType)); });
    return button;
}

QPushButton *GenericTaxPage::addGotoButton(int formType)
{
    auto *button = new QPushButton(tr("Go to %1").arg(formName(formType)), this);
    button->setObjectName(QStringLiteral("goto_%1").arg(formType));
    m_grid->addWidget(button, m_row, kButtonColumn, Qt::AlignLeft);
    connect(button, &QPushButton::clicked, this,
            [this, formType]() { postToEditor(new EventForwardEdit(formType)); });
    return button;
}

void GenericTaxPage::addHeading(const QString &text)
{
    auto *heading = new QLabel(text, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    ++m_row;
    m_grid->addWidget(heading, m_row, kLabelColumn, 1, 3);
}

void GenericTaxPage::finishRows()
{
    m_grid->setRowStretch(m_row + 1, 1);
}
