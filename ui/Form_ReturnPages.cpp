// Form_Return: the pages of the form on screen, the help pages, styling, tool tips, splitter.
#include "ui/Form_Return.h"
#include "ui_Form_Return.h"

#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "marrow/BaseTaxPage.h"
#include "marrow/CTaxData_Form.h"
#include "marrow/FormTables.h"
#include "marrow/ScrollTaxForm.h"
#include "marrow/TaxData_TaxNote.h"
#include "marrow/TypeCodes.h"
#include "model/FamilyTaxData.h"
#include "model/TaxDataEntryStru.h"
#include "ui/EditorRules.h"
#include "ui/EditorStyle.h"
#include "ui/FolderView.h"

#include <QCoreApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>

namespace {

QString titleOf(const CTaxData_Form *form)
{
    if (form->getKind() == CTaxData_Form::KindSlip)
        return slipName(form->getType());
    if (form->getKind() == CTaxData_Form::KindWizard)
        return taxWizardName(form->getType());
    // A note's code is no form code.
    if (form->getKind() == CTaxData_Form::KindNote)
        return QCoreApplication::translate("Form_Return", "Tax Note");
    return formName(form->getType());
}

} // namespace

QString Form_Return::backgroundSetting() const
{
    TabWndApp *app = appInstance();
    return app ? QString(app->config.BKColor) : QString();
}

QString Form_Return::helpFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../help"));
}

QString Form_Return::helpAddress(HelpSection section)
{
    static const char *const pages[] = {"qrvn_start.html", "qrvn_slip.html", "qrvn_wiz.html",
                                        "qrvn_form.html"};
    return QUrl::fromLocalFile(helpFolder() + QLatin1Char('/') + QLatin1String(pages[section]))
        .toString();
}

int Form_Return::openForm(int mode, CTaxData_Form *form)
{
    if (!form || (form == m_currentForm && mode != -1))
        return 0;
    beginWaitCursor();
    clearFormTabs();
    m_currentForm = form;
    form->createPages(m_pages, this);
    const QString background = backgroundSetting();
    if (m_pages.isEmpty()) {
        ui->lblFormDesc->clear();
        endWaitCursor();
        return -1;
    }
    // The pages are still empty (a page of many rows makes them when first synchronised), so
    // the moves into their tabs cost little. Each page takes its sheets in its final place,
    // just before its rows are made (completePageAt): the tab on screen now, the others when
    // first shown, so each row is styled once and a form of many tabs styles one page here.
    m_fillingTabs = true;
    for (BaseTaxPage *page : qAsConst(m_pages)) {
        auto *scroll = new ScrollTaxForm(background, this, page);
        const int index = ui->tabForm->addTab(scroll, page->getTitle());
        ui->tabForm->setTabToolTip(index, page->getTitle());
    }
    m_fillingTabs = false;
    // The page on screen takes its values now; every other one when it is first shown
    // (syncPageAt). All of them report their changes from the start.
    completePageAt(ui->tabForm->currentIndex());
    for (BaseTaxPage *page : qAsConst(m_pages))
        connect(page, &BaseTaxPage::signalCalc, this, &Form_Return::onSignalCalc);
    ui->lblFormDesc->setText(titleOf(form));
    ui->tabForm->setCurrentIndex(0);
    endWaitCursor();
    return m_pages.size();
}

void Form_Return::clearFormTabs()
{
    ui->lblFormDesc->clear();
    QTabWidget *tabs = ui->tabForm;
    // The tab on screen goes last and stays current until then, so no other page is shown
    // (styled and laid out) only to be deleted. Nothing is synchronised meanwhile.
    m_fillingTabs = true;
    const auto drop = [tabs](QWidget *w) {
        tabs->removeTab(tabs->indexOf(w));
        w->hide();
        w->deleteLater();
    };
    QWidget *const shown = tabs->currentWidget();
    for (int i = tabs->count() - 1; i >= 0; --i) {
        if (tabs->widget(i) != shown)
            drop(tabs->widget(i));
    }
    if (shown)
        drop(shown);
    m_fillingTabs = false;
    m_pages.clear();
}

void Form_Return::syncPageAt(int index)
{
    if (!m_fillingTabs)
        completePageAt(index);
}

void Form_Return::completePageAt(int index) const
{
    auto *scroll = qobject_cast<ScrollTaxForm *>(ui->tabForm->widget(index));
    auto *page = scroll ? qobject_cast<BaseTaxPage *>(scroll->getCtntWgt()) : nullptr;
    if (!page || page->isSynced() || !m_pages.contains(page))
        return;
    // The same sheets openForm gives the first tab (a colour change may have given them
    // already); set before the rows are made, so each row is styled once.
    const bool dark = isDarkBackground(backgroundSetting());
    const QString entries = entryStyleSheet(dark);
    if (scroll->styleSheet() != entries)
        scroll->setStyleSheet(entries);
    const QString sheet = buildPageStyleSheet(m_fontSize, dark);
    if (page->styleSheet() != sheet)
        page->setStyleSheet(sheet);
    page->syncData();
}

const QList<BaseTaxPage *> &Form_Return::pages() const
{
    for (int i = 0; i < m_pages.size(); ++i) {
        BaseTaxPage *page = m_pages.at(i);
        if (page->isSynced())
            continue;
        // Each page sits in the tab of its place in the list.
        completePageAt(i);
        if (!page->isSynced())
            page->syncData();
    }
    return m_pages;
}

void Form_Return::refreshPages()
{
    for (BaseTaxPage *page : qAsConst(m_pages))
        page->refresh();
}

QuickHelpTab Form_Return::addQuickHelpTab(const QString &address)
{
    clearFormTabs();
    m_currentForm = nullptr;
    auto *browser = new QTextBrowser(ui->tabForm);
    browser->setSource(QUrl(address, QUrl::TolerantMode));
    auto *scroll = new ScrollTaxForm(QStringLiteral("white"), this, browser);
    const int index = ui->tabForm->addTab(scroll, tr("Quick Help"));
    ui->tabForm->setTabToolTip(index, tr("Quick Help"));
    return QuickHelpTab::Shown;
}

void Form_Return::onFolderViewSelChange(const QItemSelection &selected, const QItemSelection &)
{
    if (m_switching || selected.indexes().isEmpty())
        return;
    beginWaitCursor();
    const int mode = selected.indexes().first().row();
    FolderView *tree = ui->treeFolderView;
    QTreeWidgetItem *item = tree->selectedItem();
    QTreeWidgetItem *parent = item ? item->parent() : nullptr;
    auto *treeItem = static_cast<TreeItem *>(item);
    if (!item) {
        // nothing selected: nothing to show
    } else if (item == tree->resultSection()) {
        if (CTaxData_Form *summary = m_family ? m_family->getForm(FormType::T1KS, false) : nullptr)
            openForm(mode, summary);
    } else if (parent == tree->formSection()) {
        auto *formItem = dynamic_cast<TreeItemForm *>(item);
        TaxDataEntryStru *entry = formItem ? formItem->formEntry() : nullptr;
        if (entry && entry->data)
            openForm(mode, entry->data);
    } else if (parent == tree->slipSection()) {
        TaxDataEntryStru *entry = treeItem->entryAs<TaxDataEntryStru>();
        if (entry && entry->data)
            openForm(mode, entry->data);
    } else if (parent == tree->wizardSection()) {
        TaxWizardEntryStru *entry = treeItem->entryAs<TaxWizardEntryStru>();
        if (entry && entry->data)
            openForm(mode, entry->data);
    } else if (parent == tree->noteSection()) {
        TaxNoteEntryStru *entry = treeItem->entryAs<TaxNoteEntryStru>();
        if (entry && entry->data)
            openForm(mode, entry->data);
    } else if (item == tree->startSection()) {
        addQuickHelpTab(helpAddress(HelpStart));
    } else if (item == tree->slipSection()) {
        addQuickHelpTab(helpAddress(HelpSlips));
    } else if (item == tree->wizardSection()) {
        addQuickHelpTab(helpAddress(HelpWizard));
    } else if (item == tree->formSection()) {
        addQuickHelpTab(helpAddress(HelpForms));
    }
    endWaitCursor();
}

// ---- styling

void Form_Return::applyBackgroundColor()
{
    const QString background = backgroundSetting();
    const bool dark = isDarkBackground(background);
    applyPanelStyleSheets(dark);
    applyTreeStyleSheet(background, m_fontSize, dark);
    const QString sheet = buildPageStyleSheet(m_fontSize, dark);
    for (int i = 0; i < ui->tabForm->count(); ++i) {
        auto *scroll = qobject_cast<ScrollTaxForm *>(ui->tabForm->widget(i));
        if (!scroll)
            continue;
        scroll->setBKColor(background);
        scroll->setStyleSheet(entryStyleSheet(dark));
        if (QWidget *content = scroll->widget())
            content->setStyleSheet(sheet);
    }
}

void Form_Return::applyFontSize(int size)
{
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    if (!m_currentForm)
        return;
    openForm(-1, m_currentForm);
    const QString background = backgroundSetting();
    applyTreeStyleSheet(background, size, isDarkBackground(background));
}

void Form_Return::applyTreeStyleSheet(const QString &background, int size, bool dark)
{
    FolderView *tree = ui->treeFolderView;
    tree->setStyleSheet(treeStyleSheet(background, size, dark));
    tree->setItemsExpandable(true);
    tree->setExpandsOnDoubleClick(true);
    tree->setMouseTracking(true);
    tree->setAttribute(Qt::WA_AlwaysShowToolTips);
    tree->viewport()->setAttribute(Qt::WA_AlwaysShowToolTips);
    tree->viewport()->installEventFilter(this);
    tree->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QString Form_Return::buildPageStyleSheet(int size, bool dark) const
{
    return pageStyleSheet(size, dark);
}

void Form_Return::applyPanelStyleSheets(bool dark)
{
    ui->tabForm->setStyleSheet(tabStyleSheet(backgroundSetting(), dark));
    ui->splitter->setStretchFactor(0, 1);
    ui->splitter->setStretchFactor(1, 3);
    const PanelStyleSheets sheets = panelStyleSheets(dark);
    ui->frame->setStyleSheet(sheets.frame);
    ui->frame_2->setStyleSheet(sheets.frame2);
    ui->lblFormDesc->setStyleSheet(sheets.formTitle);
    ui->lblResultLine1->setStyleSheet(sheets.resultLine);
    ui->lblResultLine2->setStyleSheet(sheets.resultLine);
    // These keep no sheet of their own, but stand on the frame's colour: their text follows it.
    for (QLabel *label : {ui->label_3, ui->lblResultLine3}) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, QColor(dark ? "#CCCCCC" : "#000000"));
        label->setPalette(p);
    }
}

bool Form_Return::eventFilter(QObject *watched, QEvent *event)
{
    FolderView *tree = ui->treeFolderView;
    if (watched != tree->viewport() || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    auto *help = static_cast<QHelpEvent *>(event);
    // Only a cut-off caption shows a tip: its full text.
    if (QTreeWidgetItem *item = tree->itemAt(help->pos())) {
        const QString text = item->text(0);
        const int width = QFontMetrics(tree->font()).horizontalAdvance(text);
        if (width > tree->visualItemRect(item).width()) {
            QToolTip::showText(help->globalPos(), text, tree);
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

// ---- splitter

void Form_Return::saveSplitterSizes()
{
    if (TabWndApp *app = appInstance())
        app->config.LeftPaneSize = QString::number(ui->splitter->sizes().value(0));
}

int Form_Return::restoreSplitterSizes(int width)
{
    const QList<int> current = ui->splitter->sizes();
    const int total = current.value(0) + current.value(1);
    const QPair<int, int> sizes = restoredPaneSizes(QString::number(width), total);
    ui->splitter->setSizes({sizes.first, sizes.second});
    return 1;
}

bool Form_Return::setMaximizedView()
{
    const QList<int> current = ui->splitter->sizes();
    bool restored = false;
    const QPair<int, int> sizes =
        toggledPaneSizes(current.value(0), current.value(0) + current.value(1), restored);
    ui->splitter->setSizes({sizes.first, sizes.second});
    return restored;
}

void Form_Return::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}

void Form_Return::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    bool ok = false;
    int width = 0;
    if (TabWndApp *app = appInstance())
        width = app->config.LeftPaneSize.toInt(&ok, 10);
    restoreSplitterSizes(ok ? width : 0);
}
