// The filing terms and result dialogs on real widgets: the agreement gate, what the caller's
// texts, links and resources become, and the result's heading, body and file link.
#include "ModalDriver.h"
#include "TestMain.h"

#include "app/dialogs/DlgFilingTerm.h"
#include "efile/DlgFilingResult.h"
#include "efile/FilingClient.h"
#include "ordane/FileHelpers.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <tinyxml.h>

Q_DECLARE_METATYPE(QList<ModalAction>)

namespace {

const Qt::TextInteractionFlags kLinkFlags =
    Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;

ModalAction press(const QString &button, bool tick = false)
{
    ModalAction action;
    if (tick)
        action.ticks.insert("fld_bAgree", true);
    action.button = button;
    return action;
}

// The anchors of a document, "href|text" each.
QStringList anchors(const QTextDocument *document)
{
    QStringList out;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isAnchor())
                out.append(fragment.charFormat().anchorHref() + '|' + fragment.text());
        }
    }
    return out;
}

} // namespace

// Receives the URLs the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestFilingDialogs : public QObject
{
    Q_OBJECT
private slots:
    void termsDesignerForm();
    void agreementGate_data();
    void agreementGate();
    void termsTexts_data();
    void termsTexts();
    void termsLink_data();
    void termsLink();
    void unreadableTermsLeaveDialogWorking();
    void resultShowsHeadingBodyAndLine();
    void resultLinkOpensThatFile_data();
    void resultLinkOpensThatFile();
    void replyLinkCannotAddAnAttribute();
};

void TestFilingDialogs::termsDesignerForm()
{
    DlgFilingTerm dialog(false);
    QCOMPARE(dialog.objectName(), "DlgFilingTerm");
    QCOMPARE(dialog.size(), QSize(799, 417));
    QCOMPARE(dialog.font().pointSize(), 12);
    QCOMPARE(dialog.findChild<QLabel *>("lblHeader1")->text(), "Terms and Condition");
    QVERIFY(dialog.findChild<QLabel *>("lblHeader1")->font().bold());
    QCOMPARE(dialog.findChild<QLabel *>("lblHeader2")->text(),
             "Please read the following terms and conditions, you will need to agree to "
             "proceed.");
    auto *agree = dialog.findChild<QCheckBox *>("fld_bAgree");
    QCOMPARE(agree->metaObject()->className(), "StyledCheckBox");
    QCOMPARE(agree->text(), "&Yes,");
    QVERIFY(!agree->isChecked());
    auto *agreeText = dialog.findChild<QLabel *>("lblAgree");
    QCOMPARE(agreeText->text(), "I agree with the terms and conditions");
    QCOMPARE(agreeText->alignment(), Qt::AlignLeft | Qt::AlignTop);
    auto *buttons = dialog.findChild<QDialogButtonBox *>("buttonBox");
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QVERIFY(buttons->centerButtons());
    QVERIFY(dialog.findChild<QTextBrowser *>("fld_term"));
    QVERIFY(dialog.findChild<QLabel *>("lblLink")->wordWrap());
}

void TestFilingDialogs::agreementGate_data()
{
    QTest::addColumn<QList<ModalAction>>("actions");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("timesShown");
    QTest::newRow("OK ticked") << QList<ModalAction>{press("OK", true)} << 1 << 1;
    QTest::newRow("OK clear stays open, then Cancel")
        << QList<ModalAction>{press("OK"), press("Cancel")} << 0 << 2;
    QTest::newRow("OK clear stays open, then ticked OK")
        << QList<ModalAction>{press("OK"), press("OK", true)} << 1 << 2;
    QTest::newRow("Cancel clear") << QList<ModalAction>{press("Cancel")} << 0 << 1;
    QTest::newRow("Cancel ticked") << QList<ModalAction>{press("Cancel", true)} << 0 << 1;
}

void TestFilingDialogs::agreementGate()
{
    QFETCH(QList<ModalAction>, actions);
    DlgFilingTerm dialog(false);
    dialog.setTerms("I agree to the terms and conditions", QString(), "ReFile Restrictions",
                    ":/net/net/ReFilestmt.txt");
    ModalDriver driver;
    for (const ModalAction &action : actions)
        driver.queue(action);
    QTEST(dialog.exec(), "result");
    QCOMPARE(driver.pendingActions(), 0);
    QStringList titles;
    for (const ShownMessage &seen : driver.seen())
        titles.append(seen.kind + ':' + seen.title);
    QFETCH(int, timesShown);
    QStringList expected;
    for (int i = 0; i < timesShown; ++i)
        expected.append(QString("modal:ReFile Restrictions"));
    QCOMPARE(titles, expected);
}

void TestFilingDialogs::termsTexts_data()
{
    QTest::addColumn<QString>("agreement");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("NETFILE") << "You agree to the NETFILE terms of 2025."
                             << "NETFILE Terms"
                             << ":/net/net/netfileterm.txt"
                             << "NETFILE terms and conditions";
    QTest::newRow("ReFile") << "I agree to the terms and conditions"
                            << "ReFile Restrictions"
                            << ":/net/net/ReFilestmt.txt"
                            << "What does ReFILE exclude?";
    QTest::newRow("download") << "I agree to the terms and conditions"
                              << "Auto-fill My Return"
                              << ":/tdd/tdd/tdd_netfile.txt"
                              << "Auto-fill my return";
    QTest::newRow("notice") << "I agree to the terms and conditions"
                            << "View NOA"
                            << ":/tdd/tdd/noa_netfile.txt"
                            << "View my notice of assessment";
}

void TestFilingDialogs::termsTexts()
{
    QFETCH(QString, agreement);
    QFETCH(QString, title);
    QFETCH(QString, resource);
    DlgFilingTerm dialog(true);
    dialog.setTerms(agreement, QString(), title, resource);
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.findChild<QLabel *>("lblAgree")->text(), agreement);
    QCOMPARE(dialog.findChild<QLabel *>("lblLink")->text(), QString());

    QString html;
    QVERIFY(loadFileToQString(resource, html, kLoadFromResource));
    QVERIFY(html.startsWith("<body>"));
    QTextDocument expected;
    expected.setHtml(html);
    auto *terms = dialog.findChild<QTextBrowser *>("fld_term");
    QCOMPARE(terms->toPlainText(), expected.toPlainText());
    QTEST(terms->toPlainText().section('\n', 0, 0), "firstLine");
    QVERIFY(terms->openExternalLinks());
    QCOMPARE(terms->textInteractionFlags(), kLinkFlags);
}

void TestFilingDialogs::termsLink_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("https") << "https://www.example.invalid/refile?a=1&b=2"
                           << "<a href=\"https://www.example.invalid/refile?a=1&amp;b=2\">"
                              "https://www.example.invalid/refile?a=1&amp;b=2</a>";
    QTest::newRow("http") << "http://terms.example.invalid/"
                          << "<a href=\"http://terms.example.invalid/\">"
                             "http://terms.example.invalid/</a>";
    QTest::newRow("markup inside")
        << "https://x.example.invalid/\"><b>bold"
        << "<a href=\"https://x.example.invalid/&quot;&gt;&lt;b&gt;bold\">"
           "https://x.example.invalid/&quot;&gt;&lt;b&gt;bold</a>";
    QTest::newRow("javascript") << "javascript:x" << QString();
    QTest::newRow("file") << "file:///etc/passwd" << QString();
    QTest::newRow("no scheme") << "www.example.invalid" << QString();
    QTest::newRow("markup alone") << "\"><b>bold</b>" << QString();
}

void TestFilingDialogs::termsLink()
{
    QFETCH(QString, link);
    QFETCH(QString, shown);
    DlgFilingTerm dialog(false);
    dialog.setTerms("Agreed", link, "Terms", ":/net/net/netfileterm.txt");
    auto *label = dialog.findChild<QLabel *>("lblLink");
    QCOMPARE(label->text(), shown);
    QCOMPARE(label->textFormat(), Qt::RichText);
    QCOMPARE(label->textInteractionFlags(), kLinkFlags);
    QVERIFY(label->openExternalLinks());
    // What the label draws: the link's text alone, nothing in bold.
    QTextDocument drawn;
    drawn.setHtml(label->text());
    QCOMPARE(drawn.toPlainText(), shown.isEmpty() ? QString() : link);
    for (QTextBlock block = drawn.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            QVERIFY(it.fragment().charFormat().fontWeight() <= QFont::Normal);
    }
    QCOMPARE(anchors(&drawn), shown.isEmpty() ? QStringList() : QStringList{link + '|' + link});
}

void TestFilingDialogs::unreadableTermsLeaveDialogWorking()
{
    DlgFilingTerm dialog(false);
    dialog.setTerms("I agree", QString(), "Missing", ":/net/net/no-such-terms.txt");
    QCOMPARE(dialog.windowTitle(), "Missing");
    QCOMPARE(dialog.findChild<QTextBrowser *>("fld_term")->toPlainText(), QString());
    QCOMPARE(dialog.findChild<QLabel *>("lblAgree")->text(), "I agree");
    ModalDriver driver;
    driver.queue(press("OK", true));
    QCOMPARE(dialog.exec(), 1);
}

void TestFilingDialogs::resultShowsHeadingBodyAndLine()
{
    DlgFilingResult dialog("Netfile Filing Result");
    QCOMPARE(dialog.objectName(), "DlgFilingResult");
    QCOMPARE(dialog.size(), QSize(739, 355));
    QCOMPARE(dialog.font().pointSize(), 12);
    QCOMPARE(dialog.windowTitle(), "Netfile Filing Result");
    QCOMPARE(dialog.findChild<QLabel *>("lblOverview")->text(), "Overview");
    auto *buttons = dialog.findChild<QDialogButtonBox *>("buttonBox");
    QCOMPARE(buttons->geometry(), QRect(380, 310, 341, 32));

    dialog.setResult("NetFile Filing Failed\nThe service did not answer.",
                     "First line<br/>See <a href=\"https://help.example.invalid/x\">help</a>",
                     "Check filing result file", "/tmp/run/netfileresult.txt");
    auto *heading = dialog.findChild<QLabel *>("lblOverview");
    QCOMPARE(heading->text(), "NetFile Filing Failed\nThe service did not answer.");
    QCOMPARE(heading->textFormat(), Qt::PlainText);
    auto *details = dialog.findChild<QTextBrowser *>("pteDetails");
    QCOMPARE(details->toPlainText(), QString("First line\nSee help"));
    QCOMPARE(anchors(details->document()), QStringList{"https://help.example.invalid/x|help"});
    QVERIFY(details->isReadOnly());
    QVERIFY(details->openExternalLinks());
    QCOMPARE(details->textInteractionFlags(), kLinkFlags);
    QCOMPARE(dialog.findChild<QLabel *>("lblBottom")->text(), "Check filing result file");

    // OK accepts, Cancel rejects.
    ModalDriver driver;
    driver.pressButton("OK");
    QCOMPARE(dialog.exec(), 1);
    driver.pressButton("Cancel");
    QCOMPARE(dialog.exec(), 0);
}

void TestFilingDialogs::resultLinkOpensThatFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain")
        << "/tmp/run/netfilelog.txt"
        << "<a href=\"file:///tmp/run/netfilelog.txt\">/tmp/run/netfilelog.txt</a>";
    QTest::newRow("blank, # and &")
        << "/tmp/my run/#2 & more.txt"
        << "<a href=\"file:///tmp/my%20run/%232%20&amp;%20more.txt\">/tmp/my run/#2 &amp; "
           "more.txt</a>";
    QTest::newRow("markup in the name")
        << "/tmp/<b>x\".txt"
        << "<a href=\"file:///tmp/%3Cb%3Ex%22.txt\">/tmp/&lt;b&gt;x&quot;.txt</a>";
}

void TestFilingDialogs::resultLinkOpensThatFile()
{
    QFETCH(QString, path);
    DlgFilingResult dialog("Efile Filing Result");
    dialog.setResult("EFile Filing Failed", QString(), "Check filing result file", path);
    auto *link = dialog.findChild<QLabel *>("lblLink");
    QTEST(link->text(), "shown");
    QCOMPARE(link->textFormat(), Qt::RichText);
    QCOMPARE(link->textInteractionFlags(), kLinkFlags);
    QVERIFY(link->openExternalLinks());

    // Activated from the keyboard, the link asks the desktop to open exactly that file.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    link->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(link, Qt::Key_Tab);
    QTest::keyClick(link, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.value(0).toLocalFile(), path);
}

void TestFilingDialogs::replyLinkCannotAddAnAttribute()
{
    // A reply's link whose target closes the attribute's quote and names a local file.
    const QByteArray target = "https://x.example/help' href='file:///etc/passwd";
    TiXmlDocument reply;
    reply.Parse("<t1rsp:Hyperlink><t1rsp:HyperlinkText>Help</t1rsp:HyperlinkText>"
                "<t1rsp:HyperlinkTarget>" +
                target + "</t1rsp:HyperlinkTarget></t1rsp:Hyperlink>");
    QVERIFY(!reply.Error());
    CString details = "Rejected<br/>";
    hyperlinksToHtml(details, reply.RootElement());
    QCOMPARE(details, CString("Rejected<br/><br/><a href=\"https://x.example/help' "
                              "href='file:///etc/passwd\">Help</a><br/>"));

    DlgFilingResult dialog("Netfile Filing Result");
    dialog.setResult("NetFile Filing Failed", details, "Check filing result file",
                     "/tmp/run/netfileresult.txt");
    const QStringList links = anchors(dialog.findChild<QTextBrowser *>("pteDetails")->document());
    // One anchor, to the whole web address; none to a file.
    QCOMPARE(links, QStringList{QString::fromUtf8(target) + "|Help"});
    for (const QString &link : links)
        QVERIFY2(!link.startsWith("file:"), qPrintable(link));
}

QV_TEST_MAIN(TestFilingDialogs)
#include "tst_FilingDialogs.moc"
