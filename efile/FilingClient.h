// FilingClient: the common ground of the filing web-service exchanges: the result record,
// the reply-to-HTML helpers, the request envelopes and the one way a SOAP request is posted.
#pragma once

#include "ordane/CString.h"
#include "ordane/TemplateEngine.h"

#include <QByteArray>
#include <QSslConfiguration>

class QFile;
class TiXmlElement;

// Deployment values: the authority's schema base address of the request namespaces, and its
// public page of ReFile terms, conditions and privacy notice. Placeholders until deployment.
extern const char *const kFilingSchemaBase;
extern const char *const kReFileTermsPage;

// The outcome of one exchange, made by the caller before it and filled by it.
struct FilingResult
{
    explicit FilingResult(int kind);

    int kind;              // 0 terms request, 1 return filing, 101 T1135 form filing
    bool accepted = false; // the service confirmed the submission (or sent the terms)
    CString code = "-100"; // the service's result code where the exchange reads one
    CString confirmation;  // confirmation or transmission number; terms: the link text
    CString timeStamp;     // when the record was made
    CString resultText;    // result and error codes, then the exchange's failure notes
    CString cvIndicator;   // EFILE only
    CString details;       // the reply's messages for display (escaped HTML or CR LF lines)
    // True once the whole request went out: a failed post may still have reached the service.
    bool requestSent = false;
    // The service answered with a return response that turned the filing down (no fault, no
    // unreadable reply): the one failure that says the return was seen and refused.
    bool refused = false;

    // The first three characters of code are exactly "184".
    bool isCode184() const;
};

// Where and how the exchanges post, and what they log; taken from the configuration.
struct FilingSetup
{
    CString netfileServer; // host of the NETFILE return and terms services
    CString eolServer;     // host of the EFILE return service
    CString t1013Server;   // host of the T1013 (TRIS) and pre-authorised debit services
    bool modeDebug = false;
    bool fullLog = false;
    QString resultFilePath; // the result file; empty for none
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();

    // The running application's configuration and result file.
    static FilingSetup fromApplication();
};

// Message elements (the first one and its following siblings) as "text<br/>" lines,
// replacing the target; a null element leaves it unchanged.
void messageTextToHtml(CString &target, const TiXmlElement *first);
// Hyperlink elements appended as anchors; a null element leaves the target unchanged.
void hyperlinksToHtml(CString &target, const TiXmlElement *first);
// The details of a "t1rsp:ProcessingError" element.
void processingErrorDetails(const TiXmlElement *error, FilingResult &result);
// The details of a negative "t1rsp:FileReturnResponse": rejection, system or processing error.
void negativeReplyDetails(const TiXmlElement *response, FilingResult &result);
// A reply text for HTML: escaped.
CString replyTextToHtml(const QString &text);

// Putting a return (or T1135) body into its envelope.
enum class RequestBuild : int
{
    Built = 0,
    NoBody = -1,          // the body markers are missing or reversed
    FirstPartFailed = -1, // the envelope's first template part could not be read
    EndPartFailed = -10,
};

// Built, or which template part failed.
RequestBuild assembleNetfileEnvelope(QByteArray &request, const TemplateValues &values,
                                     const QByteArray &body);
RequestBuild assembleEfileEnvelope(QByteArray &request, const TemplateValues &values,
                                   const QByteArray &body);
// No body when the body markers are missing or reversed; otherwise the assembler's result.
RequestBuild buildNetfileRequest(bool t1Return, const TemplateValues &values, const QByteArray &xml,
                                 QByteArray &request);
RequestBuild buildEfileRequest(bool t1Return, const TemplateValues &values, const QByteArray &xml,
                               QByteArray &request);
// A T1013 (isT1013) or T183-with-PAD request around the body; the engine's result.
int buildTrisRequest(bool isT1013, const TemplateValues &values, const QString &body,
                     QString &request);

// The request with the contents of its access-code and password elements masked, for logs.
QByteArray maskSecrets(const QByteArray &request);

// Posts a SOAP request once to "https://" + host + path under the filing limits. True with
// the reply; false with the client's error text. sent tells whether the request went out whole;
// httpStatus is the reply's status (0 without one).
struct SoapPostOutcome
{
    bool replied = false;
    bool sent = false;
    int httpStatus = 0;
    QString error;
};
SoapPostOutcome postFilingSoap(const FilingSetup &setup, const CString &host, const char *path,
                               const QByteArray &request, QByteArray &reply);

// The result file of the return exchanges, optional: every call is a no-op when not open.
class FilingResultFile
{
public:
    FilingResultFile(const QString &path, bool append);
    ~FilingResultFile();
    FilingResultFile(const FilingResultFile &) = delete;
    FilingResultFile &operator=(const FilingResultFile &) = delete;

    bool isOpen() const;
    void write(const QByteArray &bytes);
    void write(const QString &text) { write(text.toUtf8()); }
    void write(const char *text) { write(QByteArray(text)); }
    void flush();
    void close();
    QFile *file() const { return m_file; }

private:
    QFile *m_file = nullptr;
};

// The start of a return exchange's result file: with dumpRequest the request (secrets
// masked), the file then closed unless keepOpen; otherwise the host line and the time line.
void writeRequestHead(FilingResultFile &file, bool dumpRequest, bool keepOpen,
                      const QByteArray &request, const CString &host, const CString &time);
