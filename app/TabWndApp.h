// TabWndApp: the application object, owner of the configuration, database and working folders.
#pragma once

#include <QApplication>
#include <QRect>

#include "app/CSqliteDBManager.h"
#include "app/CT1AppConfig.h"
#include "ordane/CString.h"
#include "ordane/QWebClient.h"

class ReturnFileEntriesModel;
class QModelIndex;
class QSqlDatabase;
class QWidget;

// 1 EFILE, 2 NETFILE; 0 until the application object exists.
extern unsigned char AppEdition;
// The edition's title, with " - Testing" in testing mode; the main window's title.
extern CString appTitle;

// Start-up's result; the program ends at once on anything but Done.
enum class StartUpResult : int
{
    Done = 0,
    DatabaseNotOpen = 101,
};

// Whether the database of a folder is open.
enum class OpenDatabaseResult : int
{
    Open = 0,
    NotOpen = 99,
};

class TabWndApp : public QApplication
{
    Q_OBJECT
public:
    // Creates the application object on the first call; later calls return it.
    static TabWndApp *createInstance(int &argc, char **argv);
    // Stores the settings (saveSettingsOnExit), then deletes the main window.
    ~TabWndApp() override;

    StartUpResult startUp();
    OpenDatabaseResult openDatabase(const CString &folder);
    bool allowSecondInstance() const { return config.Allow2nd; }
    QRect mainWindowRect() const;

    // Run log and the names of the other logs in the run folder.
    void createLogFile();
    void writeLogLine(const QByteArray &utf8Text);
    CString netfileLogPath(CString &out, bool result) const;
    CString tddLogPath(CString &out, int type) const;
    int appendFilingRecord(const CString &name, const CString &result, const CString &confirmation,
                           const CString &message);

    // Settings rows of tb_config.
    int readSettings();
    int writeSettings();
    int saveSettingsOnExit();

    // Recent return files: the model refilled by the name filter, a file recorded, an entry
    // (and with deleteFile the file itself) removed; false when the file was to go and stays.
    ReturnFileEntriesModel *reloadRecentReturns(const CString &filter);
    int recordRecentReturn(const CString &name1, const CString &name2, const CString &path);
    bool removeRecentReturn(const QModelIndex &index, bool deleteFile);

    // This build's release date; a later date from the information service is a new release.
    static const char *const releaseDate;
    // Asks the information service for the latest release and tells the user about a newer
    // one; nothing in testing mode.
    void checkNewVersion();
    // Copies the notice stylesheets next to the program into the notice folder once.
    // 0, or -1 when there is nothing to copy.
    int copyNoaFiles();

    // A worker thread's own connection to the database file.
    bool openWorkerConnection(QSqlDatabase &connection) const;

    CString logPath;
    QRect screenRect;
    ReturnFileEntriesModel *retFileModel;
    CT1AppConfig config;
    QWidget *mainWindow = nullptr;
    QString separator;
    CString programPath;
    CString docPath;
    CString appLocalPath;
    CString runPath;
    CString sysPath;
    CString LastOpenPath;
    CString LastImportPath;
    CSqliteDBManager dbManager;
    CString dbPath;
    // The bounds of the release and account checks' requests; one place, so tests can
    // shorten them.
    QWebClient::Limits webCheckLimits;
    // Set by the first print that tried to fetch the client-letter template; not stored.
    bool m_clientLetterFetched = false;

private:
    TabWndApp(int &argc, char **argv);
};

// The application object, or null before TabWndApp::createInstance.
TabWndApp *appInstance();
// The main window, or null while there is none (or no application object).
QWidget *mainWindowWidget();
// The government's public web host: the configured `GovernmentWebServer`, or its default
// before there is an application object.
QString governmentWebHost();
void closeWorkerConnection(QSqlDatabase &connection);
