// DlgFilingTerm: terms and conditions the user must agree to before a filing or a download.
#pragma once

#include <QDialog>
#include <memory>

class QAbstractButton;

namespace Ui {
class DlgFilingTerm;
}

class DlgFilingTerm : public QDialog
{
    Q_OBJECT
public:
    // reFile: whether the terms come before a ReFile; nothing shown depends on it.
    explicit DlgFilingTerm(bool reFile, QWidget *parent = nullptr);
    ~DlgFilingTerm() override;

    // Title, link (shown only for an http or https address), the terms HTML of a compiled-in
    // resource (empty when it cannot be read) and the text beside the agreement box.
    void setTerms(const QString &agreement, const QString &link, const QString &title,
                  const QString &resourcePath);

    // The link label's rich text for a link: empty unless it is an http or https address.
    static QString linkHtml(const QString &link);

private slots:
    // The only handler of the buttons: OK accepts only with the agreement box ticked.
    void on_buttonBox_clicked(QAbstractButton *button);

private:
    std::unique_ptr<Ui::DlgFilingTerm> ui;
};
