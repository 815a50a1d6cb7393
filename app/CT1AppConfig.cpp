// CT1AppConfig: defaults, key registration, derived folders and endpoint defaults.
#include "app/CT1AppConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QtGlobal>

const char *const CT1AppConfig::productionHost = "ws.tax-authority.invalid";
const char *const CT1AppConfig::certTestHost = "certtest.tax-authority.invalid";
const char *const CT1AppConfig::signInHost = "signin.tax-authority.invalid";
const char *const CT1AppConfig::varnexaProduction = "https://api.varnexa.invalid";
const char *const CT1AppConfig::varnexaTest = "https://sandbox.varnexa.invalid";
const char *const CT1AppConfig::varnexaPublicSite = "https://www.varnexa.invalid";
const char *const CT1AppConfig::makerWebHost = "www.quorvandelle.invalid";
const char *const CT1AppConfig::statisticsWebHost = "www.statistics-agency.invalid";
const char *const CT1AppConfig::governmentWebHost = "www.government.invalid";
const char *const CT1AppConfig::defaultJvmLibrary =
    "/usr/lib/jvm/default-java/lib/server/libjvm.so";

namespace {
// A key name of the endpoint sets: the prefix and the entry number.
QByteArray endpointKey(const char *prefix, int i)
{
    return QByteArray(prefix) + QByteArray::number(i);
}
} // namespace

CT1AppConfig::CT1AppConfig()
{
    restoreDefaults();
    addTextKey("NetfileSoftwareCode", &NetfileSoftwareCode);
    addTextKey("NetfileSoftwareDate", &NetfileSoftwareDate);
    addTextKey("EfileSoftwareCode", &EfileSoftwareCode);
    addTextKey("EfileSoftwareDate", &EfileSoftwareDate);
    addTextKey("VarnexaServer", &VarnexaServer);
    addTextKey("QuorvandelleWebServer", &QuorvandelleWebServer);
    addTextKey("InfoServer", &InfoServer);
    addTextKey("StatisticsWebServer", &StatisticsWebServer);
    addTextKey("GovernmentWebServer", &GovernmentWebServer);
    addTextKey("URL_SEND_RETURN_FILE", &URL_SEND_RETURN_FILE);
    addTextKey("URL_SEND_COMMENT", &URL_SEND_COMMENT);
    addTextKey("LeftPaneSize", &LeftPaneSize);
    addTextKey("PDFPATH", &PDFPATH);
    addTextKey("XMLPATH", &XMLPATH);
    addTextKey("BFORM_XMLPATH", &BFORM_XMLPATH);
    addTextKey("HTMLPATH", &HTMLPATH);
    addTextKey("EFILEXML_TEMPLATE_PATH", &EFILEXML_TEMPLATE_PATH);
    addTextKey("JAVACLASSPATH", &JAVACLASSPATH);
    addTextKey("JAVAPROJPATH", &JAVAPROJPATH);
    addTextKey("JVMPATH", &JVMPATH);
    addFlagKey("PrintLogo", &PrintLogo);
    addFlagKey("PrintHeader", &PrintHeader);
    addFlagKey("PrintTailer", &PrintTailer);
    addFlagKey("FullLog", &FullLog);
    addFlagKey("Allow2nd", &Allow2nd);
    addTextKey("EOLSERVER", &EOLSERVER);
    addTextKey("NETFILESERVER", &NETFILESERVER);
    addTextKey("T1013SERVER", &T1013SERVER);
    addFlagKey("MODEDEBUG", &MODEDEBUG);
    addFlagKey("NoWarningMsg", &NoWarningMsg);
    addFlagKey("EnableGenPrint", &EnableGenPrint);
    addFlagKey("OverwriteStatus", &OverwriteStatus);
    addTextKey("TDDDataFile", &TDDDataFile);
    for (int i = 0; i < EndpointCount; ++i) {
        addTextKey(endpointKey("TDDEndpoint", i).constData(), &TDDEndpoint[i]);
        addTextKey(endpointKey("TDDEndpointTest", i).constData(), &TDDEndpointTest[i]);
    }
}

CT1AppConfig::~CT1AppConfig() = default;

void CT1AppConfig::restoreDefaults()
{
    for (CString *text : {&EfileSoftwareCode,
                          &NetfileSoftwareCode,
                          &EOLSERVER,
                          &NETFILESERVER,
                          &T1013SERVER,
                          &InstallPath,
                          &PDFPATH,
                          &XMLPATH,
                          &BFORM_XMLPATH,
                          &HTMLPATH,
                          &EFILEXML_TEMPLATE_PATH,
                          &JAVACLASSPATH,
                          &JAVAPROJPATH,
                          &JVMPATH,
                          &BusinessName,
                          &BusinessAddr,
                          &BusinessCity,
                          &BusinessProv,
                          &BusinessPostcode,
                          &BusinessPhone,
                          &BusinessEFileNum,
                          &BusinessEFilePassword,
                          &DiscounterCode,
                          &RetPath,
                          &RetPdfPath,
                          &NoaPath,
                          &CompabWord,
                          &ShowRelMsg,
                          &VarnexaEmail,
                          &VarnexaPswd,
                          &VXFromEmail,
                          &VarnexaServer,
                          &TDDDataFile})
        text->clear();
    for (int i = 0; i < EndpointCount; ++i) {
        downloadEndpoints[i].clear();
        TDDEndpoint[i].clear();
        TDDEndpointTest[i].clear();
    }
    QuorvandelleWebServer = makerWebHost;
    InfoServer = makerWebHost;
    StatisticsWebServer = statisticsWebHost;
    GovernmentWebServer = governmentWebHost;
    URL_SEND_RETURN_FILE = "/fileupload.php";
    URL_SEND_COMMENT = "/commentupload.php";
    NetfileSoftwareDate = "2026-03-03";
    EfileSoftwareDate = "2026-03-03";
    LeftPaneSize = "270";
    BKColor = "#d0f1ff";
    FontSize = "12";

    LeftX = LeftY = Width = Height = 0;
    PreAssessment = PostAssessment = -1;
    PrntClientLetter = SaveBackup = PdfPathSameAsRet = CompabEnable = 0;
    CustomizedClientLetter_Ver = 0;
    PrintLogo = PrintHeader = PrintTailer = true;
    FullLog = Allow2nd = FilingReport = CustomizedClientLetter = false;
    MODEDEBUG = NoWarningMsg = EnableGenPrint = OverwriteStatus = false;
    setReaderState(0);
}

void CT1AppConfig::afterReadConfigFile()
{
    CAppConfig::afterReadConfigFile();
    if (MODEDEBUG) {
        qInfo("jclass path %s", qUtf8Printable(JAVACLASSPATH));
        qInfo("jpdf path %s", qUtf8Printable(PDFPATH));
        qInfo("jxml path %s", qUtf8Printable(XMLPATH));
    }
}

void CT1AppConfig::setDefaultPaths(const CString &programFolder, const CString &docFolder)
{
    HTMLPATH = programFolder + "/help";
    EFILEXML_TEMPLATE_PATH = programFolder + "/bin";
    BFORM_XMLPATH = programFolder + "/BFormxml";

    InstallPath =
        QDir::toNativeSeparators(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../"));
    PDFPATH = InstallPath + "/pdf";
    XMLPATH = InstallPath + "/xml";
    JAVACLASSPATH =
        InstallPath + "/bin/itext13.jar" + QDir::listSeparator() + InstallPath + "/bin/" + "mr.jar";
    JVMPATH = defaultJvmLibrary;

    RetPath = QDir::toNativeSeparators(docFolder + "/data");
    RetPdfPath = RetPath;
    NoaPath = QDir::toNativeSeparators(docFolder + "/data" + "/noa1");
    PdfPathSameAsRet = 0;
    CompabEnable = 0;
}

void CT1AppConfig::fillEndpoints(CString (&table)[EndpointCount],
                                 const CString (&fromFile)[EndpointCount], bool testing)
{
    // Passwords are credentials issued to a deployment: empty unless a path file gives them.
    const CString defaults[EndpointCount] = {
        CString(),
        CString(),
        CString(),
        CString(),
        CString(),
        CString(),
        CString(),
        CString(),
        CString(testing ? certTestHost : productionHost),
        CString("/ebci/awsc/tdd/ws/"),
        CString(testing ? "/CertTestDeliveryService" : "/TaxDataDeliveryService"),
        CString(testing ? "/CertTestNOAService" : "/NoticeOfAssessmentService"),
        CString(testing ? certTestHost : signInHost),
        CString(testing ? "/ebci/awsc/tdd/certtest/auth/start" : "/gol-ged/awsc/tdd/auth/start"),
        CString()};
    for (int i = 0; i < EndpointCount; ++i) {
        CString value = fromFile[i];
        if (value.isEmpty()) {
            if (i >= 4 && i <= 7)
                value = table[i - 4];
            else if (i == 14)
                value = "https://" + table[12] +
                        (testing ? "/ebci/awsc/tdd/certtest/pub/js/cra.js"
                                 : "/gol-ged/awsc/tdd/auth/pub/js/cra.js");
            else
                value = defaults[i];
        }
        table[i] = value;
    }
}

void CT1AppConfig::setDefaultServers()
{
    const CString host(MODEDEBUG ? certTestHost : productionHost);
    setStringValIfNotSet(NETFILESERVER, host);
    setStringValIfNotSet(EOLSERVER, host);
    setStringValIfNotSet(T1013SERVER, host);
    setStringValIfNotSet(VarnexaServer, CString(MODEDEBUG ? varnexaTest : varnexaProduction));

    const int state = readerState();
    const CString fallback(state == 1 || state == 2 ? "097" : "095");
    setStringValIfNotSet(NetfileSoftwareCode, fallback);
    setStringValIfNotSet(EfileSoftwareCode, fallback);

    fillEndpoints(downloadEndpoints, MODEDEBUG ? TDDEndpointTest : TDDEndpoint, MODEDEBUG);
}

CString CT1AppConfig::getSoftwareCode() const
{
    return CompabEnable != 0 ? CString("097") : EfileSoftwareCode;
}
