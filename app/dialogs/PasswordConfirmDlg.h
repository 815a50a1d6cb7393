// PasswordConfirmDlg: asks for a password twice and accepts only matching entries.
#pragma once

#include <QDialog>

class QLineEdit;

class PasswordConfirmDlg : public QDialog
{
    Q_OBJECT
public:
    explicit PasswordConfirmDlg(QWidget *parent = nullptr);

    QString password() const;

public slots:
    // Accepts when both entries are equal; otherwise warns, clears both and stays open.
    void validateAndAccept();

private:
    QLineEdit *m_password;
    QLineEdit *m_confirm;
};
