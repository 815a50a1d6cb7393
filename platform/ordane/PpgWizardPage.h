// PpgWizardPage: a wizard page whose widgets are bound to the fields of a data object.
#pragma once

#include "ordane/FieldBinder.h"

#include <QWizardPage>

class CWSBaseData;
class QObject;

class PpgWizardPage : public QWizardPage
{
    Q_OBJECT
public:
    // The form is not used by the wizards (null) and is not owned; neither is the data.
    PpgWizardPage(CWSBaseData *data, QObject *form, QWidget *parent = nullptr);

    // Virtual operations in the order the wizards rely on.
    // Shows the data when the page is entered with Next.
    void initializePage() override;
    // Stores every bound widget and, unless the wizard's Finish follows, normalises the data
    // and shows it again. Pages test the data rather than this result.
    bool validatePage() override;
    int nextId() const override;
    // Binds the widgets named after the data's fields; a page may bind more.
    virtual void bindFields();
    // Every bound widget shows its field.
    virtual void GetDataFromDoc();
    // Every bound widget's value goes into its field.
    virtual void PutDataToDoc();

    // Going back keeps what the page shows in the data.
    void cleanupPage() override;

    CWSBaseData *data() const { return m_data; }
    QObject *form() const { return m_form; }
    FieldBinder &binder() { return m_binder; }

private:
    CWSBaseData *m_data;
    QObject *m_form;
    FieldBinder m_binder;
};
