// TddWebService: storing the items of a data reply or a notice reply in the database.
#include "download/TddWebService.h"

#include <QCoreApplication>
#include <QThread>
#include <tinyxml.h>

#include "app/TabWndApp.h"
#include "download/NOATaxDataOnePerson.h"
#include "download/TDDTaxDataOnePerson.h"
#include "download/TddDataStore.h"
#include "download/TddProgressSink.h"
#include "ordane/MyTiXmlHandle.h"
#include "ordane/Utilities.h"
#include "ordane/XmlParse.h"

namespace {
constexpr int kParseFailed = -2;
constexpr int kNoDataElement = -5;
// The pause on a worker before the reply is taken apart, so the dialog shows the step.
constexpr int kStorePauseMs = 1000;

void logLine(FILE *log, const QByteArray &line)
{
    if (!log)
        return;
    std::fputs(line.constData(), log);
    std::fflush(log);
}
} // namespace

QList<QByteArray> TddWebService::requestedSins() const
{
    QMutexLocker lock(&m_sinkLock);
    return m_sink ? m_sink->requestedSins() : QList<QByteArray>();
}

void TddWebService::addTaxpayerMessage(const QByteArray &sin, const QString &message)
{
    QMutexLocker lock(&m_sinkLock);
    if (m_sink)
        m_sink->addTaxpayerMessage(sin, message);
}

bool TddWebService::beginStore(FILE *log, const QByteArray &reply, TiXmlDocument &doc)
{
    logLine(log, "enter parse data\n");
    logLine(log, "db alive\n");
    reportProgress(80, 0);
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        QThread::msleep(kStorePauseMs);
    if (!parseXmlDocument(doc, reply))
        return false;
    reportProgress(81, 0);
    return true;
}

int TddWebService::saveTaxDataResponse(FILE *log, const QByteArray &reply)
{
    TiXmlDocument doc;
    if (!beginStore(log, reply, doc))
        return kParseFailed;
    const QMap<QByteArray, QByteArray> matches = sinMatchTable(requestedSins());

    const MyTiXmlHandle delivery = MyTiXmlHandle(&doc)
                                       .FirstChildElement()
                                       .FirstChildElement("soapenv:Body")
                                       .FirstChildElement("GetTDDNetfileResponse", "ns")
                                       .FirstChildElement("TaxDataDelivery", "ns");
    if (delivery.isNull())
        return kNoDataElement;
    const TiXmlElement *first = delivery.FirstChildElement("TaxData", "ns")
                                    .FirstChildElement("IndividualIncomeTaxDataItem", "ns")
                                    .ToElement();
    if (!first)
        return 0;

    const QList<QByteArray> texts = cutElementTexts(reply, "IndividualIncomeTaxDataItem");
    int n = 0;
    for (const TiXmlElement *item = first; item; item = item->NextSiblingElement()) {
        ++n;
        const QByteArray text = n <= texts.size() ? texts.at(n - 1) : QByteArray();
        reportProgress(85, 0);
        TDDTaxDataOnePerson record(m_taxYearNumber);
        const int parsed = record.parseItem(item);
        logLine(log, QByteArray("parse ") + QByteArray::number(n) + " (" +
                         QByteArray::number(parsed) + ")\n");
        const QByteArray identifier = record.sin.toLower();
        const auto match = matches.constFind(identifier);
        if (match == matches.constEnd()) {
            logLine(log, "skipping " + QByteArray::number(n) + " (" + maskedIdentifier(record.sin) +
                             ")\n");
            continue;
        }
        if (text.isEmpty()) {
            // Its text could not be cut out of the reply: storing anything else would later
            // be applied to the return as this taxpayer's data.
            logLine(log, "cannot cut " + QByteArray::number(n) + "\n");
            continue;
        }
        reportProgress(90, 0);
        {
            TddWorkerConnection connection(TddWorkerConnection::taxDataName);
            record.saveToDatabase(connection.database(), log, match.value(), text);
        }
        logLine(log, "save " + QByteArray::number(n) + " (" + maskedSin(match.value()) + ")\n");
    }
    return n;
}

int TddWebService::saveNoaResponse(FILE *log, const QByteArray &reply)
{
    TiXmlDocument doc;
    if (!beginStore(log, reply, doc))
        return kParseFailed;
    const MyTiXmlHandle notice = MyTiXmlHandle(&doc)
                                     .FirstChildElement()
                                     .FirstChildElement("soapenv:Body")
                                     .FirstChildElement("GetNOAResponse")
                                     .FirstChildElement("NoticeOfAssessment");
    if (notice.isNull())
        return kNoDataElement;
    const TiXmlElement *first = notice.FirstChildElement("NoticeOfAssessmentData")
                                    .FirstChildElement("NoticeOfAssessmentItem")
                                    .ToElement();
    if (!first)
        return 0;
    const QMap<QByteArray, QByteArray> matches = sinMatchTable(requestedSins());

    // Each notice is stored as a whole reply holding its one item: the text up to the data
    // element's content, the item, and the text from the data element's end tag.
    const ElementSpan data = findElement(reply, "NoticeOfAssessmentData", 0);
    const QByteArray head = data.cut() ? reply.left(data.contentStart) : QByteArray();
    const QByteArray tail = data.cut() ? reply.mid(data.contentEnd) : QByteArray();
    const QList<QByteArray> texts = cutElementTexts(reply, "NoticeOfAssessmentItem");
    const QString pageFolder = appInstance() ? QString(appInstance()->config.NoaPath) : QString();

    int n = 0;
    for (const TiXmlElement *item = first; item; item = item->NextSiblingElement()) {
        ++n;
        const QByteArray text = n <= texts.size() ? texts.at(n - 1) : QByteArray();
        reportProgress(85, 0);
        makeFolderExists(pageFolder);
        NOATaxDataOnePerson record(pageFolder, m_taxYearNumber);
        if (record.parseXml(item) < 0) {
            logLine(log, "SIN not found, return early");
            return 0;
        }
        const auto match = matches.constFind(record.sin.toLower());
        if (match == matches.constEnd()) {
            logLine(log, "skipping " + QByteArray::number(n) + " (" + maskedIdentifier(record.sin) +
                             ")");
            continue;
        }
        if (text.isEmpty()) {
            logLine(log, "cannot cut " + QByteArray::number(n) + "\n");
            continue;
        }
        reportProgress(90, 0);
        if (!record.hasNotice)
            addTaxpayerMessage(match.value(), noaMessageText(match.value(), record.message));
        QByteArray document = head + text + tail;
        TddWorkerConnection connection(TddWorkerConnection::noaName);
        saveNoaOnePerson(record, connection.database(), log, match.value(), document);
    }
    return n;
}
