// DlgFilingResult: the outcome of one filing, with a link to its result or log file.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class DlgFilingResult;
}

class DlgFilingResult : public QDialog
{
    Q_OBJECT
public:
    explicit DlgFilingResult(const QString &title, QWidget *parent = nullptr);
    ~DlgFilingResult() override;

    // heading: plain text, its line breaks kept; body: the service's message as HTML; line:
    // plain text; filePath: shown as itself, the link opening that file.
    void setResult(const QString &heading, const QString &body, const QString &line,
                   const QString &filePath);

    // The link label's rich text for a local file.
    static QString fileLinkHtml(const QString &filePath);

private:
    std::unique_ptr<Ui::DlgFilingResult> ui;
};
