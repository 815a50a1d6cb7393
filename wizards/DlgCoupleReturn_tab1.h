// DlgCoupleReturn_tab1: the couple wizard's one page, naming the two return files to couple.
#pragma once

#include "ordane/PpgWizardPage.h"

#include <QString>
#include <memory>

class QLineEdit;
class TabWndApp;

namespace Ui {
class DlgCoupleReturn_tab1;
}

class DlgCoupleReturn_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    // The application gives the folders the file dialog starts in; it may be null.
    DlgCoupleReturn_tab1(TabWndApp *app, QWidget *wizard);
    ~DlgCoupleReturn_tab1() override;

    // Nothing is bound: the page keeps the two paths itself.
    void bindFields() override;
    // Takes both typed paths; valid when each names an existing regular file (the same file
    // twice included), else says so and stays.
    bool validatePage() override;

    // Set by validatePage, read after the wizard finishes.
    const QString &firstPath() const { return m_firstPath; }
    const QString &secondPath() const { return m_secondPath; }

    // The folder the file dialog opens in: the last opened return's folder, else the return
    // files' folder.
    static QString browseStartFolder(const QString &lastOpenPath, const QString &retPath);

private slots:
    void on_btnBtn1_clicked();
    void on_btnBtn2_clicked();

private:
    void browseInto(QLineEdit *edit);

    std::unique_ptr<Ui::DlgCoupleReturn_tab1> ui;
    TabWndApp *m_app;
    QString m_firstPath;
    QString m_secondPath;
};
