// ResultSummaryPage: the read-only lines of each person's summary, the editable choices and
// the masked, twice-typed file password.
#include "marrow/ResultSummaryPage.h"

#include "marrow/FieldDescriptions.h"
#include "marrow/GenericTaxPage.h"
#include "marrow/TaxData_T1KSNew.h"
#include "ordane/CField.h"
#include "ordane/CStringField.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *cell(const QString &text, QWidget *parent, Qt::Alignment align = Qt::AlignLeft)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setWordWrap(true);
    return label;
}

QString money(double value)
{
    return QLocale(QLocale::English, QLocale::Canada).toString(value, 'f', 2);
}

// The editable choices that stay on this page, by summary field.
const char *const kChoices[] = {"noBenefit", "gstRecipient"};

} // namespace

const QList<ResultSummaryPage::Line> &ResultSummaryPage::lines()
{
    static const QList<Line> all = {
        {15000, "Total income", "15000"},
        {23600, "Net income", "23600"},
        {26000, "Taxable income", "26000"},
        {42000, "Net federal tax", "42000"},
        {42800, "Provincial or territorial tax", "42800"},
        {42100, "CPP contributions payable on self-employment income", "42100"},
        {42120, "EI premiums payable on self-employment income", "42120"},
        {43500, "Total payable", "43500"},
        {43700, "Total income tax deducted", "43700"},
        {48200, "Total credits (tax deducted and refundable credits)", "48200"},
        {48400, "Refund", "48400"},
        {48500, "Balance owing", "48500"},
        {0, "RRSP deduction limit for 2026 (estimate)", "contributionRoom"},
        {0, "GST/HST credit (estimate)", "gstCredit"},
        {0, "Canada child benefit (estimate)", "childBenefit"},
        {0, "Provincial or territorial benefits (estimate)", "provincialBenefit"},
    };
    return all;
}

ResultSummaryPage::ResultSummaryPage(TaxData_T1KSNew *summary, QWidget *editor)
    : BaseTaxPage(summary, editor, tr("Result")), m_summary(summary)
{
    auto *outer = new QVBoxLayout(this);
    // The editor gives its pages a style of its own, which replaces a page's; each box keeps
    // the room its title needs above it in a style of its own.
    const QString boxStyle =
        QStringLiteral("QGroupBox {margin-top: 1.6em; font-weight: bold;} "
                       "QGroupBox::title {subcontrol-origin: margin; left: 6px;} "
                       "QGroupBox QLabel {font-weight: normal;}");

    auto *box = new QGroupBox(tr("Summary of the return"), this);
    box->setStyleSheet(boxStyle);
    box->setObjectName(QStringLiteral("grpSummary"));
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(16);
    grid->addWidget(cell(tr("Line"), box), 0, 0);
    grid->addWidget(cell(QString(), box), 0, 1);
    for (int column = 0; column < 2; ++column) {
        QLabel *name = cell(QString(), box, Qt::AlignRight);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        name->setObjectName(QStringLiteral("lblPerson%1").arg(column + 1));
        grid->addWidget(name, 0, 2 + column);
        m_nameLabels.append(name);
    }
    int row = 1;
    for (const Line &line : lines()) {
        const QString field = QString::fromLatin1(line.field);
        QLabel *number = cell(line.number ? QString::number(line.number) : QString(), box);
        number->setObjectName(QStringLiteral("lblLine_") + field);
        grid->addWidget(number, row, 0);
        grid->addWidget(cell(tr(line.title), box), row, 1);
        QList<QLabel *> amounts;
        for (int column = 0; column < 2; ++column) {
            QLabel *amount = cell(QString(), box, Qt::AlignRight);
            amount->setObjectName(QStringLiteral("amt%1_%2").arg(column + 1).arg(field));
            amount->setTextInteractionFlags(Qt::TextSelectableByMouse);
            amount->setMinimumWidth(120);
            grid->addWidget(amount, row, 2 + column);
            amounts.append(amount);
        }
        m_amounts.append(amounts);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    outer->addWidget(box);

    // What stays editable here, apart from the lines above.
    auto *choices = new QGroupBox(tr("Your choices"), this);
    choices->setStyleSheet(boxStyle);
    choices->setObjectName(QStringLiteral("grpChoices"));
    auto *choiceGrid = new QGridLayout(choices);
    int choiceRow = 0;
    for (const char *name : kChoices) {
        const FieldDescription *d = fieldDescription(summary->getKind(), summary->getType(), name);
        CField *field = summary->findField(QByteArray(name));
        if (!d || !field)
            continue;
        QWidget *entry = GenericTaxPage::createEntryWidget(*field, *d, choices);
        entry->setObjectName(QString::fromLatin1(name));
        QLabel *title = cell(d->title, choices);
        title->setObjectName(QStringLiteral("lbl_") + QString::fromLatin1(name));
        choiceGrid->addWidget(title, choiceRow, 0);
        choiceGrid->addWidget(entry, choiceRow, 1, Qt::AlignLeft);
        ++choiceRow;
    }
    choiceGrid->setColumnStretch(0, 1);
    outer->addWidget(choices);

    auto *passwordBox = new QGroupBox(tr("Password of the return file"), this);
    passwordBox->setStyleSheet(boxStyle);
    passwordBox->setObjectName(QStringLiteral("grpPassword"));
    auto *passwordGrid = new QGridLayout(passwordBox);
    m_password = new QLineEdit(passwordBox);
    m_password->setObjectName(QStringLiteral("editNewPassword"));
    m_passwordAgain = new QLineEdit(passwordBox);
    m_passwordAgain->setObjectName(QStringLiteral("editNewPasswordAgain"));
    for (QLineEdit *edit : {m_password, m_passwordAgain}) {
        edit->setEchoMode(QLineEdit::Password);
        edit->setMaxLength(summary->password.length());
        edit->setMinimumWidth(240);
    }
    passwordGrid->addWidget(cell(tr("New password"), passwordBox), 0, 0);
    passwordGrid->addWidget(m_password, 0, 1, Qt::AlignLeft);
    passwordGrid->addWidget(cell(tr("Type the new password again"), passwordBox), 1, 0);
    passwordGrid->addWidget(m_passwordAgain, 1, 1, Qt::AlignLeft);
    auto *setPassword = new QPushButton(tr("Set Password"), passwordBox);
    setPassword->setObjectName(QStringLiteral("btnSetPassword"));
    passwordGrid->addWidget(setPassword, 2, 1, Qt::AlignLeft);
    m_passwordState = cell(QString(), passwordBox);
    m_passwordState->setObjectName(QStringLiteral("lblPasswordState"));
    passwordGrid->addWidget(m_passwordState, 3, 0, 1, 2);
    passwordGrid->setColumnStretch(0, 1);
    connect(setPassword, &QPushButton::clicked, this, &ResultSummaryPage::onSetPassword);
    outer->addWidget(passwordBox);
    outer->addStretch(1);
}

QString ResultSummaryPage::shownAmount(const char *field, int column) const
{
    for (int i = 0; i < lines().size(); ++i) {
        if (qstrcmp(lines()[i].field, field) == 0)
            return m_amounts[i][column]->text();
    }
    return QString();
}

void ResultSummaryPage::showValues()
{
    if (!form())
        return;
    const TaxData_T1KSNew *people[] = {m_summary, m_summary->partnerSummary()};
    for (int column = 0; column < 2; ++column) {
        const TaxData_T1KSNew *person = people[column];
        m_nameLabels[column]->setVisible(person != nullptr);
        if (person) {
            const QString name = person->fullName.value().trimmed();
            m_nameLabels[column]->setText(!name.isEmpty() ? name
                                          : column == 0   ? tr("This person")
                                                          : tr("Spouse or common-law partner"));
        }
        for (int i = 0; i < lines().size(); ++i) {
            QLabel *label = m_amounts[i][column];
            label->setVisible(person != nullptr);
            const auto *value = person ? dynamic_cast<const CFloatField *>(
                                             person->findField(QByteArray(lines()[i].field)))
                                       : nullptr;
            label->setText(value ? money(value->value()) : QString());
        }
    }
    m_passwordState->setText(m_summary->password.value().isEmpty()
                                 ? tr("No password protects this return file.")
                                 : tr("A password protects this return file."));
}

void ResultSummaryPage::syncData()
{
    BaseTaxPage::syncData();
    showValues();
}

void ResultSummaryPage::refresh()
{
    BaseTaxPage::refresh();
    showValues();
}

void ResultSummaryPage::commit()
{
    // The password boxes are not bound: a password takes effect only with Set Password.
    BaseTaxPage::commit();
}

void ResultSummaryPage::onSetPassword()
{
    if (!form())
        return;
    if (m_password->text() != m_passwordAgain->text()) {
        m_passwordState->setText(tr("The two passwords are not the same; nothing was changed."));
        return;
    }
    m_summary->password = m_password->text();
    m_password->clear();
    m_passwordAgain->clear();
    showValues();
    emit signalCalc(m_summary, &m_summary->password);
}
