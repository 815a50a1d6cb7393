// NOATaxDataOnePerson: reading a notice item, rendering its page and storing its row.
#include "download/NOATaxDataOnePerson.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <exception>
#include <tinyxml.h>

#include "app/TabWndApp.h"
#include "app/WaitCursor.h"
#include "download/TddDataStore.h"
#include "ordane/QWebClient.h"
#include "ordane/SafeFileWriter.h"
#include "ordane/Utilities.h"

namespace {
const char *const kRenderPath = "/expnoaserv/ExpNOAServ";
const char *const kRenderYear = "2025";
const char *const kRenderStyle = "t1noa_2023";

void logLine(FILE *log, const QByteArray &line)
{
    if (!log)
        return;
    std::fputs(line.constData(), log);
    std::fflush(log);
}

// Runs the cursor change on the GUI thread, queued from a worker so the pair keeps its order.
void onGuiThread(void (*change)())
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    if (QThread::currentThread() == app->thread())
        change();
    else
        QMetaObject::invokeMethod(app, change, Qt::QueuedConnection);
}
} // namespace

NOATaxDataOnePerson::NOATaxDataOnePerson(const QString &folder, int year)
    : pageFolder(folder), taxYear(year)
{
}

NOATaxDataOnePerson::~NOATaxDataOnePerson() = default;

int NOATaxDataOnePerson::parseXml(const TiXmlElement *item)
{
    const TiXmlElement *identifier =
        item ? item->FirstChildElement("IndividualTaxpayerIdentifier") : nullptr;
    if (!identifier)
        return -1;
    sin = identifier->GetText() ? QByteArray(identifier->GetText()) : QByteArray();
    for (const TiXmlElement *text = item->FirstChildElement("AssessmentSummaryText"); text;
         text = text->NextSiblingElement()) {
        const char *lang = text->Attribute("xml:lang");
        if (lang && qstricmp(lang, "en") == 0)
            message = text->GetText() ? QByteArray(text->GetText()) : QByteArray();
    }
    hasNotice = item->FirstChildElement("T1Notice") != nullptr;
    return 0;
}

QString noaPagePath(const QString &folder, const QByteArray &sin)
{
    return folder + "/noa2025_" + QString::fromLatin1(maskedSin(sin)) + ".html";
}

QString noaMessageText(const QByteArray &shownSin, const QByteArray &message)
{
    if (message.isEmpty())
        return QStringLiteral("For tax payer (S.I.N. %1), no message presents.")
            .arg(QString::fromLatin1(shownSin));
    return QStringLiteral("For tax payer (S.I.N. %1), %2.")
        .arg(QString::fromLatin1(shownSin), QString::fromLatin1(message));
}

void maskAccountNumber(QByteArray &itemXml, const QByteArray &masked)
{
    const ElementSpan span = findElement(itemXml, "MaskedAccountNumber", 0);
    if (!span.cut())
        return;
    itemXml.replace(span.contentStart, span.contentEnd - span.contentStart, masked);
}

int requestNoaHtml(const QString &pagePath, const QByteArray &time, const QByteArray &itemXml)
{
    onGuiThread(&beginWaitCursor);
    QString reply;
    bool rendered = false;
    if (TabWndApp *app = appInstance()) {
        QWebClient client("https://" + app->config.QuorvandelleWebServer.toUtf8() + kRenderPath,
                          true);
        client.addQueryItem("noaxml", itemXml);
        client.addQueryItem("testtime", time);
        client.addQueryItem("taxyear", kRenderYear);
        client.addQueryItem("xsltType", kRenderStyle);
        rendered = client.post(reply) && client.error() == QWebClient::NoError;
    }
    if (rendered)
        writeFileSafely(pagePath, reply.toUtf8());
    onGuiThread(&endWaitCursor);
    return 0;
}

int saveNoaRecord(QSqlDatabase &db, int uid, const QByteArray &time, const QByteArray &data,
                  const QString &page, int taxYear)
{
    try {
        // The year's old notice goes only together with the new one's arrival: both in one
        // transaction, rolled back when the insert fails.
        if (!db.transaction())
            return 0;
        QSqlQuery remove(db);
        if (remove.prepare(QStringLiteral("delete from tb_taxnoa where uid=:uid and taxyear=%1")
                               .arg(taxYear))) {
            remove.bindValue(":uid", uid);
            remove.exec();
        }
        QSqlQuery insert(db);
        if (insert.prepare("insert into tb_taxnoa (uid, create_time, data1, htmlfile, taxyear) "
                           "values (:uid, :time, :data, :path, :year)")) {
            insert.bindValue(":uid", uid);
            insert.bindValue(":time", QString::fromUtf8(time));
            insert.bindValue(":data", QString::fromUtf8(data));
            insert.bindValue(":path", page);
            insert.bindValue(":year", taxYear);
            if (insert.exec() && db.commit())
                return 1;
        }
        db.rollback();
        return 0;
    } catch (const std::exception &) {
        db.rollback();
        return 0;
    }
}

int saveNoaOnePerson(const NOATaxDataOnePerson &record, QSqlDatabase &db, FILE *log,
                     const QByteArray &sin, QByteArray &itemXml)
{
    try {
        const QByteArray time = getXMLDateTimeString(false).toUtf8();
        const QByteArray masked = maskedSin(sin);
        maskAccountNumber(itemXml, masked);
        QString name;
        int uid = findTaxpayerBySin(db, sin, name);
        if (uid == 0)
            uid = insertTaxpayer(db, sin);
        if (record.hasNotice) {
            const QString path = noaPagePath(record.pageFolder, sin);
            const int rendered = requestNoaHtml(path, time, itemXml);
            const int saved = saveNoaRecord(db, uid, time, itemXml, path, record.taxYear);
            logLine(log, "xslt=" + QByteArray::number(rendered) +
                             " save into db=" + QByteArray::number(saved) + "\n");
            return saved;
        }
        const int saved = saveNoaRecord(db, uid, time, itemXml,
                                        noaMessageText(masked, record.message), record.taxYear);
        logLine(log, "save into db=" + QByteArray::number(saved) + "\n");
        return saved;
    } catch (const std::exception &) {
        logLine(log, "failed to save into db\n");
        return -1;
    }
}
