// Start-up: one copy only, the windows in their order, then the event loop.
#include "app/app_shell.h"
#include "app/hidden_form.h"
#include "app/icons.h"
#include "app/main_window.h"
#include "common/clock.h"
#include "common/modal.h"
#include "dialogs/find_dialog.h"
#include "platform/autostart.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "views/day_info.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QSystemTrayIcon>

using namespace orvelle;

namespace {
constexpr char kHomePage[] = "www.orvelle.org";

void CentreOnScreen(QWidget* w)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
}
} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(orvelle); // the resources live in a static library
    TApplication app(argc, argv);
    app.setWindowIcon(ApplicationIcon());
    app.setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.Claim())
        return 0;
    QuitOnTerminateSignal();

    THiddenForm hiddenForm;

    TSystemClock clock;
    const std::unique_ptr<TRegistry> registry = CreateUserRegistry();
    const std::unique_ptr<TAutostart> autostart = CreateUserAutostart(*registry);
    const TServices services{*registry, *autostart, clock,
                             QCoreApplication::applicationFilePath().toStdString(),
                             &QSystemTrayIcon::isSystemTrayAvailable};

    TForm1 form1(services);
    form1.FormCreate(QDir(QCoreApplication::applicationDirPath()).filePath("saints_out.csv"));
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &form1, &TForm1::Activate);
    // Log-off and system shutdown always end the program, whatever the tray setting.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form1,
                     [&form1](QSessionManager&) { form1.ShutdownRequested = true; });

    form1.setWindowTitle(QString("Orvelle - ") + kHomePage);

    TDayInfo dayInfo;
    form1.SetDayInfo(&dayInfo);
    TFormFind formFind;
    form1.SetFormFind(&formFind);

    CentreOnScreen(&form1);
    // With the tray setting on the program starts in the tray, unless there is no tray to start in.
    if (!form1.HidesToTray())
        form1.show();

    // The main window closing ends the loop; hiding it to the tray does not.
    QObject::connect(&form1, &TForm1::Closed, &app, &QCoreApplication::quit);
    // A SIGTERM during start-up ended its boxes; the loop would not hear it any more.
    if (EndingModalWindows())
        return 0;
    const int code = app.exec();
    return code;
}
