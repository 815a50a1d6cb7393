// GenericTaxPage: a form page laid out from the form's field registry, one labelled row a field.
#pragma once

#include "marrow/BaseTaxPage.h"

#include <QList>

class QGridLayout;
class QPushButton;

class GenericTaxPage : public BaseTaxPage
{
    Q_OBJECT
public:
    // An empty page; rows are added in order.
    GenericTaxPage(CTaxData_Form *form, QWidget *editor, const QString &title);

    // Every field of the form, in registry order, each labelled by the form.
    void addAllFields();
    // One row: the label and the entry widget of the field's type, named after the field, and
    // read-only when the form names the field as calculated. Null without such a field.
    QWidget *addField(const char *name, const QString &label = QString());
    // A button beside the last row that posts an event to the editor.
    QPushButton *addEventButton(const QString &text, int eventType);
    // A button beside the last row that asks the editor to go to a form.
    QPushButton *addGotoButton(int formType);
    // A heading row.
    void addHeading(const QString &text);
    // Ends the rows: what is left of the page stays empty below them.
    void finishRows();

    // The entry widget for a field's type (a table for a table field); exposed for pages that
    // lay out their own rows.
    static QWidget *createEntryWidget(const CField &field, QWidget *parent);
    static void setReadOnly(QWidget *widget);

private:
    QGridLayout *m_grid;
    int m_row = 0;
};
