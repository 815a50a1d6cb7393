// TabWndApp: construction, start-up sequence, database opening and worker connections.
#include "app/TabWndApp.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <csignal>

#include "app/ReturnFileEntriesModel.h"
#include "ordane/CFloatField.h"
#include "ordane/CStringField.h"
#include "ordane/MessagePresenter.h"
#include "ordane/MsgBox.h"
#include "ordane/PrivateFiles.h"
#include "ordane/Utilities.h"

unsigned char AppEdition = 0;
CString appTitle;

namespace {
TabWndApp *s_app = nullptr;
} // namespace

TabWndApp *appInstance()
{
    return s_app;
}

QWidget *mainWindowWidget()
{
    return s_app ? s_app->mainWindow : nullptr;
}

QString governmentWebHost()
{
    return s_app ? QString(s_app->config.GovernmentWebServer)
                 : QString::fromLatin1(CT1AppConfig::governmentWebHost);
}

TabWndApp *TabWndApp::createInstance(int &argc, char **argv)
{
    if (!s_app)
        s_app = new TabWndApp(argc, argv);
    return s_app;
}

TabWndApp::TabWndApp(int &argc, char **argv)
    : QApplication(argc, argv), screenRect(), retFileModel(new ReturnFileEntriesModel())
{
    AppEdition = 2;
    appTitle = gMsgGetTitle(AppEdition);
}

TabWndApp::~TabWndApp()
{
    saveSettingsOnExit();
    // The window outlives the settings written above, and is never left to a static destructor.
    delete mainWindow;
    mainWindow = nullptr;
    delete retFileModel;
    s_app = nullptr;
}

StartUpResult TabWndApp::startUp()
{
    CFloatField::p_for_t2hollins = false;
    CStringField::setLargeSizeSerializeOption(65942, 512);
    // Everything the program writes from here on is its user's alone.
    usePrivateFileModes();
    // A write past a file-size limit (ulimit -f) then fails with EFBIG, and the save reports it
    // with the old file whole, instead of the signal ending the program with the return unsaved.
    std::signal(SIGXFSZ, SIG_IGN);

    separator = QDir::separator();
    programPath = QCoreApplication::applicationDirPath();
    docPath = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + separator +
              "quorvandelle" + separator + "2025";
    appLocalPath = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    makeFolderExists(appLocalPath);
    runPath = appLocalPath + separator + "run";
    makeFolderExists(runPath);
    sysPath = appLocalPath + separator + "._sys";
    makeFolderExists(sysPath);
    // Folders and files an earlier version left open to others (the database, the logs).
    narrowToOwner(appLocalPath);
    logPath = runPath + separator + "log2025.txt";

    createLogFile();
    writeLogLine("Only one instance of quorvandelle can run");

    dbPath = sysPath;
    if (openDatabase(dbPath) != OpenDatabaseResult::Open) {
        presentMessage(QMessageBox::Critical, nullptr, tr("Error"),
                       QString("Program cannot read/write config file %1.").arg(dbPath),
                       QMessageBox::Ok);
        return StartUpResult::DatabaseNotOpen;
    }
    writeLogLine("check 70");

    screenRect = QRect();
    const auto screens = QGuiApplication::screens();
    for (QScreen *screen : screens)
        screenRect = screenRect.united(screen->geometry());

    makeFolderExists(docPath);
    // The returns, notices and printed forms kept in the program's document folder.
    narrowToOwner(docPath);
    config.setDefaultPaths(programPath, docPath);
    writeLogLine("check 80");

    config.readConfigFile((runPath + separator + "gr_path.ini").toUtf8());
    config.readConfigFile((programPath + separator + "gr_path.ini").toUtf8());
    config.setDefaultServers();
    readSettings();
    if (config.MODEDEBUG)
        appTitle += " - Testing";

    writeLogLine(QString("Doc path : " + docPath + "\nAppLocal Version path: " + appLocalPath +
                         " \ndb path : " + sysPath)
                     .toUtf8());
    makeFolderExists(config.RetPath);
    writeLogLine("check 90");
    writeLogLine("check 120");
    writeLogLine("check 130");
    return StartUpResult::Done;
}

OpenDatabaseResult TabWndApp::openDatabase(const CString &folder)
{
    dbPath = folder;
    dbManager.open(dbPath);
    if (!dbManager.isOpened())
        return OpenDatabaseResult::NotOpen;
    CSqliteDBManager::purgeMissingRetFiles();
    return OpenDatabaseResult::Open;
}

QRect TabWndApp::mainWindowRect() const
{
    return QRect(QPoint(config.LeftX, config.LeftY),
                 QPoint(config.LeftX + config.Width - 1, config.LeftY + config.Height - 1));
}

bool TabWndApp::openWorkerConnection(QSqlDatabase &connection) const
{
    connection.setDatabaseName(dbPath);
    return connection.open();
}

void closeWorkerConnection(QSqlDatabase &connection)
{
    connection.close();
}
