// DlgValidationMsgs: the dialog's form, built in code, and the lines of each person's tab.
#include "ui/DlgValidationMsgs.h"

#include "calc/ValidationMsgGroup.h"
#include "marrow/FormTables.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char kCaptionColour[] = "#ff3566";

QString sectionHeader(int kind)
{
    switch (kind) {
    case ValidationMsgGroup::KindForm:
        return QStringLiteral("------- Tax Forms -------");
    case ValidationMsgGroup::KindSlip:
        return QStringLiteral("------- Tax Slips -------");
    case ValidationMsgGroup::KindReturn:
        return QStringLiteral("------- Cross Tax Forms Validation -------");
    case ValidationMsgGroup::KindCouple:
        return QStringLiteral("------- Spouse-Return Validation -------");
    default:
        return QString();
    }
}

// One row of a tab; a caption row is drawn in the caption colour.
struct TabLine
{
    QString text;
    bool caption;
};

QList<TabLine> buildLines(const std::list<ValidationMsgGroup *> &groups)
{
    QList<TabLine> lines;
    if (groups.empty()) {
        lines.append({QObject::tr("There are no validation errors found in this return, Please "
                                  "check spouse's side."),
                      false});
        return lines;
    }
    int shownKind = 0;
    for (const ValidationMsgGroup *group : groups) {
        if (!group || group->m_msgs.empty())
            continue;
        const QString header = sectionHeader(group->m_kind);
        if (!header.isEmpty() && group->m_kind != shownKind) {
            lines.append({header, false});
            shownKind = group->m_kind;
        }
        if (group->m_kind == ValidationMsgGroup::KindForm ||
            group->m_kind == ValidationMsgGroup::KindSlip) {
            const QString name = group->m_kind == ValidationMsgGroup::KindForm
                                     ? formName(group->m_type)
                                     : slipName(group->m_type);
            lines.append(
                {QObject::tr("[%1] - %2 errors found").arg(name).arg(int(group->m_msgs.size())),
                 true});
        }
        int number = 0;
        for (const CString &message : group->m_msgs)
            lines.append({QStringLiteral("%1 - %2").arg(++number, 2).arg(message), false});
        lines.append({QString(), false});
    }
    return lines;
}

} // namespace

DlgValidationMsgs::DlgValidationMsgs(QWidget *parent) : BaseDialog(parent)
{
    setWindowTitle(QString());
    setupUi();
    afterCreateUI();
    // The designer size, which fitting to the content would shrink.
    resize(712, 585);
}

void DlgValidationMsgs::setupUi()
{
    setObjectName(QStringLiteral("DlgValidationMsgs"));
    setWindowTitle(tr("Validation Result"));
    QFont dialogFont = font();
    dialogFont.setPointSize(12);
    setFont(dialogFont);

    verticalLayout_2 = new QVBoxLayout(this);
    verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    verticalLayout = new QVBoxLayout();
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    lblSummary = new QLabel(tr("There are validation errors. Click tax payer's name tab to "
                               "display detail errors."),
                            this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    verticalLayout->addWidget(lblSummary);
    tabPeople = new QTabWidget(this);
    tabPeople->setObjectName(QStringLiteral("tabPeople"));
    auto *tab1 = new QWidget();
    tab1->setObjectName(QStringLiteral("tab_1"));
    tabPeople->addTab(tab1, tr("tax payer name"));
    auto *tab2 = new QWidget();
    tab2->setObjectName(QStringLiteral("tab_2"));
    tabPeople->addTab(tab2, tr("Tab 2"));
    verticalLayout->addWidget(tabPeople);
    verticalLayout_2->addLayout(verticalLayout);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    verticalLayout_2->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void DlgValidationMsgs::showMessages(const QString &firstName,
                                     const std::list<ValidationMsgGroup *> &first, bool showSecond,
                                     const QString &secondName,
                                     const std::list<ValidationMsgGroup *> &second)
{
    while (tabPeople->count() > 0) {
        QWidget *page = tabPeople->widget(0);
        tabPeople->removeTab(0);
        delete page;
    }
    addPersonTab(firstName, first);
    if (showSecond)
        addPersonTab(secondName, second);
}

QStringList DlgValidationMsgs::tabLines(const std::list<ValidationMsgGroup *> &groups)
{
    QStringList texts;
    for (const TabLine &line : buildLines(groups))
        texts.append(line.text);
    return texts;
}

void DlgValidationMsgs::addPersonTab(const QString &name,
                                     const std::list<ValidationMsgGroup *> &groups)
{
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *list = new QListWidget();
    QFont listFont = list->font();
    listFont.setPointSize(12);
    list->setFont(listFont);
    for (const TabLine &line : buildLines(groups)) {
        auto *item = new QListWidgetItem(line.text, list);
        if (line.caption)
            item->setForeground(QBrush(QColor(QLatin1String(kCaptionColour)), Qt::SolidPattern));
    }
    scroll->setWidget(list);
    tabPeople->addTab(scroll, name);
}
