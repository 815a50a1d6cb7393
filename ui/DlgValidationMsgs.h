// DlgValidationMsgs: "Validation Result", one tab per person with the review messages by section.
#pragma once

#include "ordane/BaseDialog.h"

#include <list>

class QDialogButtonBox;
class QLabel;
class QTabWidget;
class QVBoxLayout;
struct ValidationMsgGroup;

class DlgValidationMsgs : public BaseDialog
{
    Q_OBJECT
public:
    explicit DlgValidationMsgs(QWidget *parent = nullptr);

    // Replaces the tabs: the first person's, and the second's when asked. The groups are
    // borrowed for the call.
    void showMessages(const QString &firstName, const std::list<ValidationMsgGroup *> &first,
                      bool showSecond, const QString &secondName,
                      const std::list<ValidationMsgGroup *> &second);
    void addPersonTab(const QString &name, const std::list<ValidationMsgGroup *> &groups);

    // The lines one tab shows, in order (the list widget's rows).
    static QStringList tabLines(const std::list<ValidationMsgGroup *> &groups);
    QTabWidget *tabs() const { return tabPeople; }

private:
    void setupUi();

    QVBoxLayout *verticalLayout_2 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *lblSummary = nullptr;
    QTabWidget *tabPeople = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
};
