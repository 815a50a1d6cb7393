// PreferenceDlg: the preferences dialog over the user settings, with the EFiler password field
// and the Varnexa account check.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <memory>

class QLineEdit;
class Ui_PreferenceDlg;

class PreferenceDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PreferenceDlg(QWidget *parent = nullptr);
    ~PreferenceDlg() override;

    // Keeps typing, paste and the context menu out of the EFiler password field; any other
    // key there asks for the password twice.
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_btnBrowseRetFilesFolder_clicked();
    void on_btnApply_clicked();
    void on_btnCancel_clicked();
    void on_btnBrowsePdfFilesFolder_clicked();
    // Asks the Varnexa service for the account's points; at most three times per dialog.
    void onBtnCheckPointsClicked();

private:
    void loadFields();
    void storeFields();
    void askEFilerPassword();
    void browseFolder(QLineEdit *field);

    std::unique_ptr<Ui_PreferenceDlg> ui;
    int m_checkPointsCount = 0;
};

// The pieces of text between occurrences of delimiter, the piece after the last one always
// included; an empty delimiter gives an empty list.
QList<QByteArray> splitString(const QByteArray &text, const QByteArray &delimiter);
