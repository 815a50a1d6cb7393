// CT1AppConfig: every path-file key and user setting with its default, the derived folders
// and the service endpoints.
#pragma once

#include "ordane/CAppConfig.h"

class CT1AppConfig : public CAppConfig
{
public:
    static constexpr int EndpointCount = 15;

    CT1AppConfig();
    ~CT1AppConfig() override;

    // Every member back to the constructor's default, the reader's state included; the key
    // tables stay.
    void restoreDefaults();
    // Runs the base's hook, then in testing mode logs the print engine's three paths.
    void afterReadConfigFile() override;
    // Folders derived from the program folder and the document folder.
    void setDefaultPaths(const CString &programFolder, const CString &docFolder);
    // Fills empty endpoints and software codes; replaces the download endpoint table.
    void setDefaultServers();
    // "097" while the compatibility trial is on, otherwise EfileSoftwareCode.
    CString getSoftwareCode() const;

    // Deployment placeholders, used when no path file names a value.
    static const char *const productionHost;
    static const char *const certTestHost;
    static const char *const signInHost;
    static const char *const varnexaProduction;
    static const char *const varnexaTest;
    // The e-signature service's public web site, named to the user in the e-delivery question.
    static const char *const varnexaPublicSite;
    static const char *const makerWebHost;
    static const char *const statisticsWebHost;
    static const char *const governmentWebHost;
    // The JVM library of Debian's default JDK: JVMPATH's default.
    static const char *const defaultJvmLibrary;

    CString EfileSoftwareCode;
    CString NetfileSoftwareCode;
    CString NetfileSoftwareDate, EfileSoftwareDate;
    CString EOLSERVER, NETFILESERVER, T1013SERVER;
    CString QuorvandelleWebServer, URL_SEND_RETURN_FILE, URL_SEND_COMMENT;
    // Host (and optional port) of the maker's release-information service.
    CString InfoServer;
    // Hosts of the statistics agency's and the government's web pages that the information
    // windows link to (optional path-file keys).
    CString StatisticsWebServer, GovernmentWebServer;
    CString LeftPaneSize;
    int LeftX, LeftY, Width, Height;
    CString BKColor, FontSize;
    CString InstallPath;
    CString PDFPATH, XMLPATH, BFORM_XMLPATH, HTMLPATH, EFILEXML_TEMPLATE_PATH, JAVACLASSPATH,
        JAVAPROJPATH, JVMPATH;
    CString BusinessName, BusinessAddr, BusinessCity, BusinessProv, BusinessPostcode, BusinessPhone,
        BusinessEFileNum, BusinessEFilePassword, DiscounterCode;
    int PreAssessment, PostAssessment, PrntClientLetter, SaveBackup;
    CString RetPath, RetPdfPath;
    CString NoaPath;
    int PdfPathSameAsRet, CompabEnable;
    CString CompabWord;
    bool PrintLogo, PrintHeader, PrintTailer, FullLog, Allow2nd;
    CString ShowRelMsg;
    bool FilingReport, CustomizedClientLetter;
    int CustomizedClientLetter_Ver;
    CString VarnexaEmail, VarnexaPswd, VXFromEmail;
    CString VarnexaServer;
    bool MODEDEBUG, NoWarningMsg, EnableGenPrint, OverwriteStatus;
    CString downloadEndpoints[EndpointCount];
    CString TDDDataFile;

    // Optional path-file keys TDDEndpoint0..14 and TDDEndpointTest0..14: the production and
    // testing sets of downloadEndpoints; an entry left empty takes its default.
    CString TDDEndpoint[EndpointCount];
    CString TDDEndpointTest[EndpointCount];

private:
    static void fillEndpoints(CString (&table)[EndpointCount],
                              const CString (&fromFile)[EndpointCount], bool testing);
};
