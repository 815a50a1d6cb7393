// CNetfileResultDlg: the dialog in which the user confirms a return and files it, by NETFILE or
// by EFILE; the caller reads the outcome after it closes.
#pragma once

#include <QDialog>
#include <QMutex>
#include <memory>

class FamilyTaxData;
class Form_Return;
class QAbstractButton;
struct FilingResult;
enum class NetfileResult : int;

namespace Ui {
class CNetfileResultDlg;
}

class CNetfileResultDlg : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        EfileMode = 1,
        NetfileMode = 2 // and any value other than 1
    };

    // request: the complete return XML, the caller's, read when the user files. parent: the
    // return editor; the EFILE road reports its filing through it.
    CNetfileResultDlg(int mode, FamilyTaxData *family, int amended, const QString *request,
                      QWidget *parent);
    ~CNetfileResultDlg() override;

    // Call before the dialog is shown.
    void setSummary(const QString &incomeSummary, const QString &fullName);

    // The outcome, read after exec.
    bool succeeded() const { return m_success; }
    // The service answered the filing and turned it down (a return response without a
    // confirmation); false for every way in which no usable answer came.
    bool refused() const { return m_refused; }
    const QString &confirmation() const { return m_confirmation; }
    const QString &resultMessage() const { return m_resultMessage; }
    const QString &testCase() const { return m_testCase; }

    // The body of a NETFILE post that gave no usable reply (status other than 0).
    static QString failedPostBody(NetfileResult status, const FilingResult &result);
    // The note added when the request went out but no usable reply came.
    static QString mayHaveReachedNote(const FilingResult &result);
    // The note added when the request never went out: why the service could not be reached.
    static QString notSentNote(const FilingResult &result);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_buttonBox_clicked(QAbstractButton *button);

private:
    // False when a submission was already running (nothing was done).
    bool submit();
    void submitNetfile();
    void submitEfile(const QString &efilerNumber, const QString &efilerPassword);
    // Run after an accepted NETFILE filing when it has something to offer.
    void offerOnlineServices();
    bool isEfile() const { return m_mode == EfileMode; }

    Form_Return *m_editor;
    // Held while a submission runs: a second OK, or a click re-entered while the post
    // waits, returns at once and a filing is never sent twice.
    QMutex m_lock;
    int m_mode;
    std::unique_ptr<Ui::CNetfileResultDlg> ui;
    FamilyTaxData *m_family;
    int m_amended;
    const QString *m_request;
    QString m_fullName;
    QString m_incomeSummary;
    bool m_success = false;
    bool m_refused = false;
    QString m_confirmation;
    QString m_resultMessage;
    QString m_testCase;
    QString m_email;
    double m_balance = 0.0;
};
