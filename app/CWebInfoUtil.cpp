// CWebInfoUtil: the information query and the reading of its reply.
#include "app/CWebInfoUtil.h"

#include <climits>
#include <exception>

#include "app/TabWndApp.h"
#include "ordane/QWebClient.h"

const char *const CWebInfoUtil::infoPath = "/phpproj/t2ovn/info/velquistorinfo.php";

CWebInfoUtil::~CWebInfoUtil() = default;

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

int CWebInfoUtil::readReply(const QByteArray &reply, QByteArray &word)
{
    word.clear();
    const int size = reply.size();
    int i = 0;
    while (i < size && isBlank(reply[i]))
        ++i;
    bool negative = false;
    if (i < size && (reply[i] == '+' || reply[i] == '-'))
        negative = reply[i++] == '-';
    if (i >= size || reply[i] < '0' || reply[i] > '9')
        return resultNumber(InfoStatus::NoNumber);
    // A number too large for an int is held at the int's limit rather than wrapping.
    long long status = 0;
    for (; i < size && reply[i] >= '0' && reply[i] <= '9'; ++i) {
        if (status <= INT_MAX)
            status = status * 10 + (reply[i] - '0');
    }
    if (negative)
        status = -status;
    status = qBound<long long>(INT_MIN, status, INT_MAX);

    while (i < size && isBlank(reply[i]))
        ++i;
    const int start = i;
    while (i < size && !isBlank(reply[i]) && reply[i] != '\0' && i - start < MaxWordBytes)
        ++i;
    word = reply.mid(start, i - start);
    return static_cast<int>(status);
}

int CWebInfoUtil::queryInfo(const QByteArray &kw1, const QByteArray &kw2, CString &answer)
{
    try {
        TabWndApp *app = appInstance();
        const CString host = app ? app->config.InfoServer : CString(CT1AppConfig::makerWebHost);
        const CString address = CString("https://%1%2").arg(host, QString::fromLatin1(infoPath));
        QWebClient client(address.toUtf8(), false);
        if (app)
            client.setLimits(app->webCheckLimits);
        client.addQueryItem("kw1", kw1);
        client.addQueryItem("kw2", kw2);
        QString reply;
        // Only a 2xx body is the service's answer; an error page is no status to read.
        if (!client.post(reply) || client.error() != QWebClient::NoError)
            reply.clear();

        QByteArray word;
        const int status = readReply(reply.toUtf8(), word);
        if (status >= 199 && status <= 201)
            answer = CString(word);
        return status;
    } catch (const std::exception &) {
        return resultNumber(InfoStatus::Interrupted);
    }
}
