// FilingClient: result record, reply helpers, envelopes and the SOAP post of every exchange.
#include "efile/FilingClient.h"

#include "app/TabWndApp.h"
#include "ordane/MyTiXmlHandle.h"
#include "ordane/PrivateFiles.h"
#include "ordane/QWebClient.h"
#include "ordane/Utilities.h"

#include <QFile>
#include <QRegularExpression>

#include <tinyxml.h>

const char *const kFilingSchemaBase = "https://schemas.tax-authority.invalid";
const char *const kReFileTermsPage = "https://www.tax-authority.invalid/refile-terms";

FilingResult::FilingResult(int k) : kind(k)
{
    GetCurTime(timeStamp, 0);
}

bool FilingResult::isCode184() const
{
    return code.length() >= 3 && code.left(3) == QLatin1String("184");
}

FilingSetup FilingSetup::fromApplication()
{
    FilingSetup setup;
    if (const TabWndApp *app = appInstance()) {
        setup.netfileServer = app->config.NETFILESERVER;
        setup.eolServer = app->config.EOLSERVER;
        setup.t1013Server = app->config.T1013SERVER;
        setup.modeDebug = app->config.MODEDEBUG;
        setup.fullLog = app->config.FullLog;
        CString path;
        setup.resultFilePath = app->netfileLogPath(path, true);
    }
    return setup;
}

namespace {

QString elementText(const TiXmlElement *element)
{
    const char *text = element ? element->GetText() : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

QString straightQuotes(QString text)
{
    return text.replace(QChar(0x2019), QLatin1Char('\''));
}

} // namespace

CString replyTextToHtml(const QString &text)
{
    return text.toHtmlEscaped();
}

void messageTextToHtml(CString &target, const TiXmlElement *first)
{
    if (!first)
        return;
    target.clear();
    for (const TiXmlElement *e = first; e; e = e->NextSiblingElement())
        target += replyTextToHtml(straightQuotes(elementText(e))) + QLatin1String("<br/>");
}

void hyperlinksToHtml(CString &target, const TiXmlElement *first)
{
    if (!first)
        return;
    target += QLatin1String("<br/>");
    for (const TiXmlElement *e = first; e; e = e->NextSiblingElement()) {
        if (e != first)
            target += QLatin1String("<br/>");
        const QString href = getElementSubEleStringText(e, "t1rsp:HyperlinkTarget");
        const QString text = replyTextToHtml(getElementSubEleStringText(e, "t1rsp:HyperlinkText"));
        // Only a web address becomes a link; anything else keeps its text alone. The escaped
        // target goes between double quotes, which escaping turns into "&quot;": a quote of
        // the reply's own cannot end the attribute and add one of its choosing.
        if (QWebClient::isWebAddress(href.trimmed()))
            target += QLatin1String("<a href=\"") + href.toHtmlEscaped() + QLatin1String("\">") +
                      text + QLatin1String("</a><br/>");
        else
            target += text + QLatin1String("<br/>");
    }
}

void processingErrorDetails(const TiXmlElement *error, FilingResult &result)
{
    const MyTiXmlHandle h(error);
    messageTextToHtml(result.details, h.FirstChildElement("t1rsp:EnglishMessage")
                                          .FirstChildElement("t1rsp:MessageText")
                                          .ToElement());
    hyperlinksToHtml(result.details, h.FirstChildElement("t1rsp:EnglishMessage")
                                         .FirstChildElement("t1rsp:Hyperlink")
                                         .ToElement());
    const MyTiXmlHandle description = h.FirstChildElement("t1rsp:ErrorCodeDescription");
    if (const TiXmlElement *code = description.FirstChildElement("t1rsp:ErrorCode").ToElement()) {
        const QString text = elementText(code);
        result.resultText += text;
        result.details +=
            QLatin1String("<br/>Error code: (") + replyTextToHtml(text) + QLatin1String(")<br/>");
    }
    const TiXmlElement *message = description.FirstChildElement("t1rsp:EnglishMessage")
                                      .FirstChildElement("t1rsp:MessageText")
                                      .ToElement();
    if (message) {
        result.details += QLatin1String("<br/>Error Message:<br/>");
        for (const TiXmlElement *e = message; e; e = e->NextSiblingElement()) {
            if (e != message)
                result.details += QLatin1String("<br/>");
            result.details += replyTextToHtml(straightQuotes(elementText(e)));
        }
    }
}

void negativeReplyDetails(const TiXmlElement *response, FilingResult &result)
{
    const MyTiXmlHandle h(response);
    const MyTiXmlHandle rejection = h.FirstChildElement("t1rsp:Rejection");
    const MyTiXmlHandle systemError = h.FirstChildElement("t1rsp:SystemError");
    const TiXmlElement *processing = h.FirstChildElement("t1rsp:ProcessingError").ToElement();
    if (!rejection.isNull()) {
        const MyTiXmlHandle message = rejection.FirstChildElement("t1rsp:EnglishMessage");
        messageTextToHtml(result.details,
                          message.FirstChildElement("t1rsp:MessageText").ToElement());
        hyperlinksToHtml(result.details, message.FirstChildElement("t1rsp:Hyperlink").ToElement());
    } else if (!systemError.isNull()) {
        messageTextToHtml(result.details, systemError.FirstChildElement("t1rsp:EnglishMessage")
                                              .FirstChildElement("t1rsp:MessageText")
                                              .ToElement());
    } else if (processing) {
        processingErrorDetails(processing, result);
    }
}

namespace {

TemplateValues withSchemaBase(const TemplateValues &values)
{
    TemplateValues filled = values;
    filled.insert("xmlnsbase", CString(kFilingSchemaBase));
    return filled;
}

RequestBuild assembleEnvelope(QByteArray &request, const TemplateValues &values,
                              const QByteArray &body, const char *first, const char *end)
{
    request.clear();
    const TemplateValues filled = withSchemaBase(values);
    if (processTemplatePart(request, QString::fromLatin1(first), filled, TemplatePlain) != 0)
        return RequestBuild::FirstPartFailed;
    request += body;
    QByteArray tail;
    if (processTemplatePart(tail, QString::fromLatin1(end), filled, TemplateResource) != 0)
        return RequestBuild::EndPartFailed;
    request += tail;
    return RequestBuild::Built;
}

// The return (or T1135) element cut out of the full XML; empty when its markers are missing
// or reversed.
QByteArray cutBody(bool t1Return, const QByteArray &xml)
{
    const QByteArray start =
        t1Return ? "<t1:T1Return" : "<t1135:ForeignIncomeVerificationStatement";
    const QByteArray end =
        t1Return ? "</t1:T1Return>" : "</t1135:ForeignIncomeVerificationStatement>";
    const int from = xml.indexOf(start);
    const int to = xml.indexOf(end);
    if (from < 0 || to < 0 || to <= from)
        return QByteArray();
    return xml.mid(from, to + end.size() - from);
}

} // namespace

RequestBuild assembleNetfileEnvelope(QByteArray &request, const TemplateValues &values,
                                     const QByteArray &body)
{
    return assembleEnvelope(request, values, body, ":/net/net/nwspart1.xmt",
                            ":/net/net/nwspartend.xmt");
}

RequestBuild assembleEfileEnvelope(QByteArray &request, const TemplateValues &values,
                                   const QByteArray &body)
{
    return assembleEnvelope(request, values, body, ":/net/net/ewspart1.xmt",
                            ":/net/net/ewspartend.xmt");
}

RequestBuild buildNetfileRequest(bool t1Return, const TemplateValues &values, const QByteArray &xml,
                                 QByteArray &request)
{
    const QByteArray body = cutBody(t1Return, xml);
    if (body.isEmpty())
        return RequestBuild::NoBody;
    return assembleNetfileEnvelope(request, values, body);
}

RequestBuild buildEfileRequest(bool t1Return, const TemplateValues &values, const QByteArray &xml,
                               QByteArray &request)
{
    const QByteArray body = cutBody(t1Return, xml);
    if (body.isEmpty())
        return RequestBuild::NoBody;
    return assembleEfileEnvelope(request, values, body);
}

int buildTrisRequest(bool isT1013, const TemplateValues &values, const QString &body,
                     QString &request)
{
    const QString first =
        isT1013 ? QStringLiteral(":/net/net/t1013wspart1.xmt") : ":/net/net/t183padwspart1.xmt";
    const QString end =
        isT1013 ? QStringLiteral(":/net/net/t1013wspartend.xmt") : ":/net/net/t183padwspartend.xmt";
    if (const int r =
            processTemplatePartInString(request, first, withSchemaBase(values), TemplatePlain))
        return r;
    request += body;
    return processTemplatePartInString(request, end, TemplateValues(), TemplatePlain);
}

QByteArray maskSecrets(const QByteArray &request)
{
    static const QRegularExpression secret(
        QStringLiteral("(<(t1rq:NetfileAccessCode|ef:PasswordID|padrq:PasswordIdentifier)"
                       "(\\s[^>]*)?>)[^<]*(</\\2>)"));
    QString text = QString::fromUtf8(request);
    text.replace(secret, QStringLiteral("\\1****\\4"));
    return text.toUtf8();
}

SoapPostOutcome postFilingSoap(const FilingSetup &setup, const CString &host, const char *path,
                               const QByteArray &request, QByteArray &reply)
{
    SoapPostOutcome outcome;
    // An empty host would make "https://" + path, which the client refuses as no web address:
    // the user is told what is really wrong.
    if (host.trimmed().isEmpty()) {
        outcome.error = QStringLiteral("No host is set for the CRA service in the configuration.");
        return outcome;
    }
    QWebClient client(QByteArray("https://") + host.toUtf8() + path, false);
    client.setLimits(QWebClient::filingLimits());
    client.setSslConfiguration(setup.ssl);
    outcome.replied =
        client.postSoapXML(request, "text/xml; charset=UTF-8", nullptr, nullptr, reply);
    outcome.sent = client.requestFullySent();
    outcome.httpStatus = client.httpStatus();
    outcome.error = client.errorString();
    return outcome;
}

FilingResultFile::FilingResultFile(const QString &path, bool append)
{
    if (path.isEmpty())
        return;
    m_file = new QFile(path);
    const QIODevice::OpenMode mode =
        append ? QIODevice::Append : (QIODevice::WriteOnly | QIODevice::Truncate);
    if (!m_file->open(mode)) {
        delete m_file;
        m_file = nullptr;
        return;
    }
    makeDescriptorPrivate(m_file->handle());
}

FilingResultFile::~FilingResultFile()
{
    close();
}

bool FilingResultFile::isOpen() const
{
    return m_file != nullptr;
}

void FilingResultFile::write(const QByteArray &bytes)
{
    if (m_file)
        m_file->write(bytes);
}

void FilingResultFile::flush()
{
    if (m_file)
        m_file->flush();
}

void FilingResultFile::close()
{
    delete m_file;
    m_file = nullptr;
}

void writeRequestHead(FilingResultFile &file, bool dumpRequest, bool keepOpen,
                      const QByteArray &request, const CString &host, const CString &time)
{
    if (dumpRequest) {
        file.write(maskSecrets(request));
        file.flush();
        if (!keepOpen)
            file.close();
    } else {
        file.write(host.toUtf8() + "\n" + time.toUtf8() + "\n");
        file.flush();
    }
}
