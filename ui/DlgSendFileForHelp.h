// DlgSendFileForHelp: asks for the e-mail address and the short message sent with a return
// file for help.
#pragma once

#include <QDialog>
#include <memory>

class Ui_DlgSendFileForHelp;

class DlgSendFileForHelp : public QDialog
{
    Q_OBJECT
public:
    explicit DlgSendFileForHelp(QWidget *parent = nullptr);
    ~DlgSendFileForHelp() override;

    // Whether the whole text is an e-mail address as the support service takes it.
    static bool isValidEmail(const QString &address);

    // Set when OK is pressed.
    QString email() const { return m_email; }
    QString message() const { return m_message; }

public slots:
    // Closes only with a valid address; otherwise says so and keeps the texts.
    void accept() override;

private:
    std::unique_ptr<Ui_DlgSendFileForHelp> ui;
    QString m_email;
    QString m_message;
};
