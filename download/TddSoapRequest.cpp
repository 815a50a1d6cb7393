// The download's credentials, digest and request texts.
#include "download/TddSoapRequest.h"

#include "app/TabWndApp.h"
#include "download/TddEndpoints.h"
#include "download/TddTemplate.h"
#include "ordane/Encoding.h"
#include "ordane/Hashing.h"
#include "ordane/Utilities.h"

const char kTddNonce[] = "quorvandelle2025";

namespace {
int buildRequest(const char *path, const CString &taxYear, int mode, const TddTemplateValues &extra,
                 QByteArray &request)
{
    CString user, password;
    getServiceCredentials(mode, user, password);
    const CString created = getXMLDateTimeString(true);
    const QByteArray nonce(kTddNonce);
    QByteArray digest, nonceText;
    makePasswordDigest(password, created, nonce, digest);
    Base64encode(nonceText, nonce.constData(), nonce.size());

    TddTemplateValues values = extra;
    values.insert("username", CString(xmlEscaped(user.toUtf8())));
    values.insert("timestamp", created);
    values.insert("nonce", CString(nonceText));
    values.insert("digest", CString(digest));
    values.insert("taxyear", CString(xmlEscaped(taxYear.toUtf8())));
    return fillTddTemplate(request, path, values);
}
} // namespace

QByteArray xmlEscaped(const QByteArray &text)
{
    return QString::fromUtf8(text).toHtmlEscaped().toUtf8();
}

void getServiceCredentials(int mode, CString &user, CString &password)
{
    const TabWndApp *app = appInstance();
    if (!app) {
        user.clear();
        password.clear();
        return;
    }
    const CT1AppConfig &config = app->config;
    user = config.NetfileSoftwareCode + (mode == 1 ? "N" : "U");
    const bool code095 = config.NetfileSoftwareCode.compare("095", Qt::CaseInsensitive) == 0;
    using namespace TddEndpoint;
    const int entry = mode == 1 ? (code095 ? PasswordMode1Code095 : PasswordMode1Other)
                                : (code095 ? PasswordOtherModeCode095 : PasswordOtherModeOther);
    password = config.downloadEndpoints[entry];
}

void makePasswordDigest(const CString &password, const CString &created, const QByteArray &rawNonce,
                        QByteArray &digest)
{
    SHA1 hash;
    hash.add(rawNonce);
    hash.add(created.toUtf8());
    hash.add(password.toUtf8());
    unsigned char raw[SHA1::HashSize];
    hash.getHash(raw);
    Base64encode(digest, raw, SHA1::HashSize);
}

int buildStageRequest(const CString &taxYear, int mode, QByteArray &request)
{
    TddTemplateValues values;
    values.insert("tagstage", CString(mode == 1 ? "StageTDDNetfile" : "StageNOA"));
    return buildRequest(mode == 1 ? ":/tdd/tdd/tdd001.xmt" : ":/tdd/tdd/noa001.xmt", taxYear, mode,
                        values, request);
}

int buildGetRequest(const CString &taxYear, int mode, const QByteArray &token, QByteArray &request)
{
    TddTemplateValues values;
    values.insert("tagdata", CString(mode == 1 ? "GetTDDNetfile" : "GetNOA"));
    values.insert("tokenA", CString(xmlEscaped(token)));
    return buildRequest(mode == 1 ? ":/tdd/tdd/tdd004.xmt" : ":/tdd/tdd/noa004.xmt", taxYear, mode,
                        values, request);
}
