// WizardBase: the wizard that runs bound pages in the order they were added.
#pragma once

#include <QList>
#include <QWizard>

class PpgWizardPage;

class WizardBase : public QWizard
{
    Q_OBJECT
public:
    WizardBase(QWidget *parent, const QString &title);

    // Pages get ids 0, 1, ... in the order they are added; the wizard owns them.
    int addPage(PpgWizardPage *page);
    // After the last page and before exec: sizes the wizard and has every page bind its
    // widgets and show its data.
    void initUI(int width, int height);

    // exec gives 1 when finished and 0 when cancelled. Finishing tests the last page once,
    // then normalises the data.
    void done(int result) override;

    const QList<PpgWizardPage *> &bindingPages() const { return m_pages; }

private:
    QList<PpgWizardPage *> m_pages;
};
