// The program's entry: start-up, single-instance and SSL checks, main window, event loop.
#include "app/entry/QuorvandelleMain.h"

#include <QIcon>
#include <QSslSocket>
#include <memory>

#include "app/CSingleInstanceGuard.h"
#include "app/MessageHelpers.h"
#include "app/TabWndApp.h"
#include "app/entry/BatchMode.h"
#include "download/DownloadServices.h"
#include "efile/BarcodeArchiveSource.h"
#include "efile/FilingServices.h"
#include "print/DeveloperGenerators.h"
#include "print/PrintServices.h"
#include "ui/MainWindow.h"
#include "ui/NeighbourServices.h"
#include "wizards/WizardServices.h"

namespace {
const char *const applicationName = "Quorvandelle 2025 for NetFile";
} // namespace

int quorvandelleMain(int &argc, char **argv)
{
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(net);
    Q_INIT_RESOURCE(tdd);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // Every return file saved from here on carries the barcode archive that filing builds.
    installBarcodeArchiveSource();
    // Freed on every path; a failed start-up stores nothing, as its database never opened.
    std::unique_ptr<TabWndApp> app(TabWndApp::createInstance(argc, argv));
    if (app->startUp() != StartUpResult::Done)
        return -1;

    // The batch result mode: "printresult" (any letter case), a folder and a list file.
    if (argc > 2 &&
        QString::fromLocal8Bit(argv[1]).compare("printresult", Qt::CaseInsensitive) == 0) {
        const QString listFile = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
        qInfo("print result %s", qPrintable(listFile));
        runBatch(QString::fromLocal8Bit(argv[2]), listFile);
        // No shutdown on this path: the application object is left as it is (it stays
        // reachable through its instance pointer), so no settings are stored.
        TabWndApp *kept = app.release();
        Q_UNUSED(kept);
        return 0;
    }

    auto guard = std::make_unique<CSingleInstanceGuard>(applicationName);
    if (!guard->tryToRun() && !app->allowSecondInstance())
        showInformation(QString("%1 is already running!").arg(applicationName), nullptr);

    if (!QSslSocket::supportsSsl()) {
        showInformation(QString("This system's SSL/TLS (%1/%2), please email these details and "
                                "OS version for support.")
                            .arg(QSslSocket::sslLibraryBuildVersionString())
                            .arg(QSslSocket::sslLibraryVersionNumber()),
                        nullptr);
    }

    QApplication::setWindowIcon(
        QIcon(AppEdition == 2 ? ":/res/images/netfile-2025.ico" : ":/res/images/efile-2025.ico"));

    // The commands of the libraries above the editor that this build has.
    neighbourServices().generateDeveloperFiles = generateDeveloperFiles;
    installFilingServices(neighbourServices());
    installDownloadServices(neighbourServices());
    installWizardServices(neighbourServices());
    installPrintServices(neighbourServices());

    MainWindow *window = MainWindow::instance(nullptr);
    app->mainWindow = window;
    window->setGeometry(app->mainWindowRect());
    window->setMinimumSize(768, 480);
    window->show();

    const int result = QApplication::exec();
    // The application object (its settings stored) goes before the guard releases the segment.
    app.reset();
    guard.reset();
    return result;
}
