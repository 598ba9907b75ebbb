// Start-up: one copy only, the windows in their order, then the event loop.
#include "app/app_shell.h"
#include "app/hidden_form.h"
#include "app/icons.h"
#include "app/main_window.h"
#include "common/application_title.h"
#include "common/clock.h"
#include "common/modal.h"
#include "common/qt_bridge.h"
#include "dialogs/about_dialog.h"
#include "dialogs/alarm_dialog.h"
#include "dialogs/alarm_reminder.h"
#include "dialogs/find_dialog.h"
#include "dialogs/info_box.h"
#include "dialogs/license_window.h"
#include "dialogs/print_form.h"
#include "dialogs/splash.h"
#include "platform/autostart.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "views/day_info.h"

#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSystemTrayIcon>

using namespace orvelle;

namespace {
// Dialogs that nothing at start-up shows are made when first opened, and kept.
template <class T> std::function<T*()> OnFirstUse(std::unique_ptr<T>& dialog)
{
    return [&dialog] {
        if (!dialog)
            dialog = std::make_unique<T>();
        return dialog.get();
    };
}
} // namespace

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(orvelle); // the resources live in a static library
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.Claim())
        return 0;
    QuitOnTerminateSignal();

    THiddenForm hiddenForm;
    auto splash = std::make_unique<TForm2>();
    splash->ShowNow();
    // Giving windows their icon decodes every size of it: that waits until the first events are
    // handled, after the first windows are up.
    QMetaObject::invokeMethod(
        &app, [&app] { app.setWindowIcon(ApplicationIcon()); }, Qt::QueuedConnection);

    TSystemClock clock;
    const std::unique_ptr<TRegistry> registry = CreateUserRegistry();
    const std::unique_ptr<TAutostart> autostart = CreateUserAutostart(*registry);
    const TServices services{*registry, *autostart, clock,
                             QCoreApplication::applicationFilePath().toStdString(),
                             &QSystemTrayIcon::isSystemTrayAvailable};

    // The reminder is the splash's child, so it opens above it.
    const bool alarmReadable = RunAlarmCheck(services.Registry, services.Clock, splash.get());

    TForm1 form1(services);
    form1.FormCreate(QDir(QCoreApplication::applicationDirPath()).filePath("saints_out.csv"));
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &form1, &TForm1::Activate);
    // Log-off and system shutdown always end the program, whatever the tray setting.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form1,
                     [&form1](QSessionManager&) { form1.ShutdownRequested = true; });

    TForm4 form4(services.Clock);
    form1.SetForm4(&form4, alarmReadable);
    std::unique_ptr<TForm5> form5;
    form1.SetForm5(OnFirstUse(form5));

    form1.setWindowTitle(QString("Orvelle - ") + kHomePage);

    TDayInfo dayInfo;
    form1.SetDayInfo(&dayInfo);
    TPrintForm printForm(dayInfo);
    form1.SetPrintForm(&printForm);
    // End-to-end tests print to a PDF file instead of a printer.
    if (const QString pdf = qEnvironmentVariable("ORVELLE_PRINT_TO_PDF"); !pdf.isEmpty())
        printForm.PrintToFile(pdf);
    std::unique_ptr<TFormFind> formFind;
    form1.SetFormFind(OnFirstUse(formFind));
    std::unique_ptr<TFrmAbout> frmAbout;
    form1.SetFrmAbout(OnFirstUse(frmAbout));
    splash.reset();

    const bool clickedAway = form1.DisplayInfoAtStartup() && RunInfoBox(*form1.SaintsData(), clock.Now());

    CentreOnScreen(&form1);
    // With the tray setting on the program starts in the tray, unless there is no tray to start in
    // or the user clicked the info box away.
    if (!form1.HidesToTray() || clickedAway)
        form1.show();

    // The main window closing ends the loop; hiding it to the tray does not.
    QObject::connect(&form1, &TForm1::Closed, &app, &QCoreApplication::quit);
    // A SIGTERM during start-up ended its boxes; the loop would not hear it any more.
    if (EndingModalWindows())
        return 0;
    const int code = app.exec();
    return code;
}
