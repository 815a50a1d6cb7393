// GenericTaxPage: a form page laid out from the form's field descriptions, one titled row a
// shown field, under its section's heading.
#pragma once

#include "marrow/BaseTaxPage.h"

#include <QList>

struct FieldDescription;

class QGridLayout;
class QPushButton;

class GenericTaxPage : public BaseTaxPage
{
    Q_OBJECT
public:
    // An empty page; rows are added in order.
    GenericTaxPage(CTaxData_Form *form, QWidget *editor, const QString &title);

    // Every field the form's description shows (those of one page when page is given), in the
    // description's order, with a heading where the section changes. A form without a
    // description shows a line saying it has nothing to enter here.
    void addAllFields(const QString &page = QString());
    // One row: the title and the entry widget of the field's description, named after the
    // field, and read-only when the form names the field as calculated. Null when the form has
    // no such field.
    QWidget *addField(const FieldDescription &description);
    // One row for a field the description does not cover (a page's own entry), with its title.
    QWidget *addField(const char *name, const QString &title);
    // A button beside the last row that posts an event to the editor.
    QPushButton *addEventButton(const QString &text, int eventType);
    // A button beside the last row that asks the editor to go to a form.
    QPushButton *addGotoButton(int formType);
    // A heading row.
    void addHeading(const QString &text);
    // Ends the rows: what is left of the page stays empty below them.
    void finishRows();

    // The entry widget for a field shown as the description says (a list of named choices for
    // a code, a tick box for a flag, a table for a table field); exposed for pages that lay
    // out their own rows.
    static QWidget *createEntryWidget(const CField &field, const FieldDescription &description,
                                      QWidget *parent);
    // The entry widget a field's type takes when no description says more.
    static QWidget *createEntryWidget(const CField &field, QWidget *parent);
    static void setReadOnly(QWidget *widget);

private:
    QWidget *addRow(CField *field, QWidget *entry, const QString &title);

    QGridLayout *m_grid;
    int m_row = 0;
    QString m_section;
};
