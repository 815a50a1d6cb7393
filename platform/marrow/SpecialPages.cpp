// The pages of the note and of the T2125, which add to the generic page.
#include "marrow/BusinessForms.h"
#include "marrow/GenericTaxPage.h"
#include "marrow/TaxData_TaxNote.h"
#include "ordane/MyEvent.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

void TaxData_TaxNote::createPages(QList<BaseTaxPage *> &pages, QWidget *parent)
{
    auto *page = new GenericTaxPage(this, parent, tr("Tax Note"));
    page->addField("description", tr("Description"));
    auto *label = new QLabel(tr("Note"), page);
    label->setObjectName(QStringLiteral("lbl_text"));
    auto *textEdit = new QPlainTextEdit(page);
    textEdit->setObjectName(QStringLiteral("text"));
    textEdit->setMinimumHeight(240);
    auto *grid = static_cast<QGridLayout *>(page->layout());
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0, Qt::AlignTop);
    grid->addWidget(textEdit, row, 1, 1, 3);
    grid->setRowStretch(row, 1);
    pages.append(page);
}

void TaxData_T2125_New::createPages(QList<BaseTaxPage *> &pages, QWidget *parent)
{
    CTaxData_Form::createPages(pages, parent);
    auto *page = static_cast<GenericTaxPage *>(pages.last());
    page->addHeading(tr("Business address"));
    page->addEventButton(tr("Copy mailing address from T1"), MyEvent::CopyAddressToT2125)
        ->setObjectName(QStringLiteral("btnCopyAddressToT2125"));
}
