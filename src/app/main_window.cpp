#include "app/main_window.h"

#include "app/icons.h"
#include "app/options_dialog.h"
#include "calendar/calendar_control.h"
#include "churchyear/feasts.h"
#include "churchyear/find_feast_dialog.h"
#include "common/application_title.h"
#include "common/clock.h"
#include "common/error_box.h"
#include "common/exception.h"
#include "common/form_widgets.h"
#include "common/modal.h"
#include "common/qt_bridge.h"
#include "dialogs/about_dialog.h"
#include "dialogs/alarm_dialog.h"
#include "dialogs/alarm_rule.h"
#include "dialogs/find_dialog.h"
#include "dialogs/license_window.h"
#include "dialogs/print_form.h"
#include "views/commnos_frame.h"
#include "views/day_info.h"
#include "views/saint_views.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>

namespace orvelle {

namespace {
QFont ArialPx(int pixels, bool bold = false)
{
    QFont f("Arial");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

template <typename W> W* Place(W* w, const char* name, int x, int y, int width, int height)
{
    w->setObjectName(name);
    w->setGeometry(x, y, width, height);
    return w;
}
} // namespace

TForm1::TForm1(const TServices& services, QWidget* parent)
    : QWidget(parent), FServices(services), FSaintsData(std::make_unique<TSaintsData>())
{
    setObjectName("Form1");
    setWindowTitle("Orvelle");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(461, 448);
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);

    CreateActions();

    TCommnosFrame1 = Place(new TCommnosFrame(this), "TCommnosFrame1", 144, 104, 113, 81);
    TCommnosFrame1->hide();

    ListBox1 = Place(new QListWidget(this), "ListBox1", 10, 84, 361, 113);
    ListBox1->setFont(ArialPx(16));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new TSaintLineDelegate(18, ListBox1));
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);

    Button3 = Place(new QPushButton("Set Alarm...", this), "Button3", 376, 88, 75, 25);
    connect(Button3, &QPushButton::clicked, this, [this] { Guarded(this, [this] { Button3Click(); }); });
    Button1 = Place(new QPushButton(SaintInfo->text(), this), "Button1", 376, 128, 75, 25);
    BindToCommand(Button1, SaintInfo);

    Label1 = Place(new QLabel(this), "Label1", 8, 203, 130, 26);
    Label1->setFont(ArialPx(21, true));

    ComboBox1 = Place(new QComboBox(this), "ComboBox1", 146, 202, 145, 26);
    ComboBox1->setFont(ArialPx(16));
    ComboBox1->setMaxVisibleItems(12);
    ComboBox1->setItemDelegate(new TRowHeightDelegate(18, ComboBox1));
    ComboBox1->setEditable(false);

    // One spin box stands for the year field and its up-down buttons.
    UpDown1 = Place(new TYearUpDown(this), "UpDown1", 290, 202, 121, 26);
    UpDown1->setFont(ArialPx(16));
    Edit1 = UpDown1->findChild<QLineEdit*>();
    Edit1->setObjectName("Edit1");

    Button2 = Place(new QPushButton(GoToNow->text(), this), "Button2", 416, 202, 35, 26);
    BindToCommand(Button2, GoToNow);

    Bevel2 = Place(new QFrame(this), "Bevel2", 8, 234, 444, 214);
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    CalendarControl1 =
        Place(new TCalendarControl(FServices.Clock, this), "CalendarControl1", 9, 235, 441, 212);
    CalendarControl1->ApplyMainWindowValues();

    for (QPushButton* b : {Button1, Button2, Button3})
        b->setAutoDefault(false);
    setTabOrder(ComboBox1, UpDown1);
    setTabOrder(UpDown1, ListBox1);
    setTabOrder(ListBox1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    CreateMenusAndToolbar();

    // The list's context menu reads "Copy", "Print Selected", "Info".
    TCommnosFrame1->SaintsListBoxPopup->addAction(SaintInfo);
    connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        TCommnosFrame1->SaintsListBoxPopup->popup(ListBox1->mapToGlobal(pos));
    });
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        UpdateActions();
        if (!FFilling && !ListBox1->selectedItems().isEmpty())
            Guarded(this, [this] { ListBox1Click(); });
    });
    connect(ListBox1, &QListWidget::itemClicked, this,
            [this] { Guarded(this, [this] { ListBox1Click(); }); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, SaintInfo, &QAction::trigger);

    connect(ComboBox1, &QComboBox::activated, this, &TForm1::SyncDateFromMonthYear);
    connect(UpDown1, &QSpinBox::valueChanged, this, &TForm1::SyncDateFromMonthYear);

    CalendarControl1->MouseEnterDate = [this](TCalendarControl*, TDateTime d) {
        CalendarControl1MouseEnterDate(d);
    };
    CalendarControl1->MouseClick = [this](TCalendarControl*, TDateTime d) { CalendarControl1MouseClick(d); };
    CalendarControl1->OnSelectedDateChanged = [this](TCalendarControl*) {
        CalendarControl1SelectedDateChanged();
    };
    UpdateActions();
}

TForm1::~TForm1()
{
    // The calendar borrows the saints component: detach it before the component goes.
    CalendarControl1->SetSaintsData(nullptr);
}

void TForm1::CreateActions()
{
    const auto make = [this](const char* name, const QString& caption, int image) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        if (image >= 0)
            a->setIcon(ToolbarIcon(image));
        addAction(a);
        return a;
    };
    FindFeasts = make("FindFeasts", "FindFeasts", 5);
    Options = make("Options", "Options", 2);
    Print = make("Print", "Print", 4);
    FindSaint = make("FindSaint", "FindSaint", 6);
    About = make("About", "About", 3);
    About->setToolTip("Show \"About\" info...");
    ExitAction = make("ExitAction", "Exit", 0);
    Shutdown = make("Shutdown", "Shutdown", 1);
    SaintInfo = make("SaintInfo", "Info", -1);
    GoToNow = make("GoToNow", "Now", -1);
    RestoreApp = make("RestoreApp", "RestoreApp", -1);
    VisitHomePage = make("VisitHomePage", "VisitHomePage", -1);
    ShowLicense = make("ShowLicense", "Show License", -1);

    Bind(FindFeasts, &TForm1::FindFeastsExecute);
    Bind(FindSaint, &TForm1::FindSaintExecute);
    Bind(ExitAction, &TForm1::ExitActionExecute);
    Bind(Shutdown, &TForm1::ShutdownExecute);
    Bind(SaintInfo, &TForm1::SaintInfoExecute);
    Bind(GoToNow, &TForm1::GoToNowExecute);
    Bind(RestoreApp, &TForm1::RestoreAppExecute);
    Bind(Options, &TForm1::OptionsExecute);
    Bind(About, &TForm1::AboutExecute);
    Bind(ShowLicense, &TForm1::ShowLicenseExecute);
    Bind(VisitHomePage, &TForm1::VisitHomePageExecute);
    Bind(Print, &TForm1::PrintExecute);
}

void TForm1::Bind(QAction* command, void (TForm1::*execute)())
{
    connect(command, &QAction::triggered, this,
            [this, execute] { Guarded(this, [this, execute] { (this->*execute)(); }); });
}

void TForm1::CreateMenusAndToolbar()
{
    ActionMainMenuBar1 = Place(new QMenuBar(this), "ActionMainMenuBar1", 0, 0, 461, 29);
    ActionMainMenuBar1->setNativeMenuBar(false);
    // Menu items may read differently from their command's caption; they stay bound to it.
    const auto item = [this](QMenu* menu, QAction* command, const QString& caption) {
        QAction* proxy = menu->addAction(caption, command, &QAction::trigger);
        proxy->setEnabled(command->isEnabled());
        connect(command, &QAction::changed, proxy,
                [proxy, command] { proxy->setEnabled(command->isEnabled()); });
    };
    QMenu* program = ActionMainMenuBar1->addMenu("&Program");
    item(program, Options, "Options");
    item(program, Print, "Print");
    item(program, ExitAction, "Exit");
    program->addSeparator();
    item(program, Shutdown, "Shutdown");
    QMenu* find = ActionMainMenuBar1->addMenu("&Find");
    item(find, FindFeasts, "Find Feast...");
    item(find, FindSaint, "Find Saint...");
    QMenu* help = ActionMainMenuBar1->addMenu("&Help");
    item(help, About, "About");
    item(help, ShowLicense, "Show License");
    item(help, VisitHomePage, "Visit Home Page!");

    ActionToolBar1 = Place(new QToolBar(this), "ActionToolBar1", 0, 29, 461, 50);
    ActionToolBar1->setIconSize(QSize(36, 36));
    ActionToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ActionToolBar1->setMovable(false);
    ActionToolBar1->setStyleSheet("QToolBar { spacing: 0px; border: 1px outset palette(mid); }");
    ActionToolBar1->addAction(Shutdown);
    ActionToolBar1->addAction(ExitAction);
    ActionToolBar1->addSeparator();
    ActionToolBar1->addAction(FindFeasts);
    ActionToolBar1->addAction(FindSaint);
    ActionToolBar1->addSeparator();
    ActionToolBar1->addAction(Options);
    ActionToolBar1->addAction(Print);
    ActionToolBar1->addAction(About);
}

void TForm1::FormCreate(const QString& dataPath)
{
    // A missing or broken saints file is reported; the program stays usable without saints.
    try {
        FSaintsData->SetDataIniPath(dataPath.toStdString());
    } catch (const std::exception& e) {
        ShowErrorBox(e, this);
    }
    CalendarControl1->SetSaintsData(FSaintsData.get());
    ShutdownRequested = false;
    TCommnosFrame1->SetSaintListBox(ListBox1);

    FFrmOptions = new TFrmOptions(FServices, this);
    FFind_Feast = new TFind_Feast(this);
    int year;
    unsigned month, day;
    const TDateTime now = FServices.Clock.Now();
    DecodeDate(now, year, month, day);
    FFind_Feast->SetYear(year);

    // A wrong-typed value is reported and replaced by its default; a refused write is reported
    // and the window goes on with what was read.
    Guarded(this, [this] {
        FFrmOptions->LoadSettings(
            [this](const std::string& message) { ShowErrorBox(Exception(message), this); });
    });
    CreateTrayIcon();

    ComboBox1->clear();
    const QLocale locale;
    for (int m = 1; m <= 12; ++m)
        ComboBox1->addItem(locale.standaloneMonthName(m, QLocale::LongFormat));
    ComboBox1->setCurrentIndex(static_cast<int>(month) - 1);
    UpDown1->setValue(year);
    CalendarControl1->SetSelectedDate(now);
    FillSaintsOfSelectedDate();
    if (MinimizeToTray())
        FTrayIcon->show();
}

void TForm1::CreateTrayIcon()
{
    SysTrayPopup = new QMenu(this);
    SysTrayPopup->setObjectName("SysTrayPopup");
    QAction* restore = SysTrayPopup->addAction("Show Calendar", RestoreApp, &QAction::trigger);
    restore->setObjectName("RestoreApp1");
    SysTrayPopup->addSeparator()->setObjectName("N1");
    QAction* shutdown = SysTrayPopup->addAction(Shutdown->text(), Shutdown, &QAction::trigger);
    shutdown->setObjectName("Nic1");
    SysTrayPopup->addAction("Cancel")->setObjectName("Cancel1");

    FTrayIcon = new QSystemTrayIcon(ApplicationIcon(), this);
    FTrayIcon->setObjectName("TrayIcon");
    FTrayIcon->setToolTip(kApplicationTitle);
    FTrayIcon->setContextMenu(SysTrayPopup);
    connect(FTrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            RestoreApp->trigger();
    });
}

bool TForm1::MinimizeToTray() const
{
    return FFrmOptions && FFrmOptions->MinimizeToTray();
}

bool TForm1::DisplayInfoAtStartup() const
{
    return FFrmOptions && FFrmOptions->DisplayInfoAtStartup();
}

bool TForm1::HidesToTray() const
{
    return MinimizeToTray() && FServices.TrayAvailable && FServices.TrayAvailable();
}

void TForm1::ApplyTraySetting()
{
    FTrayIcon->setVisible(MinimizeToTray());
}

void TForm1::OptionsExecute()
{
    if (ExecModal(*FFrmOptions) != QDialog::Accepted)
        return;
    FFrmOptions->SaveSettings();
    ApplyTraySetting();
}

void TForm1::RestoreAppExecute()
{
    showNormal();
    raise();
    activateWindow();
}

namespace {
template <class T> T* Made(const std::function<T*()>& make)
{
    return make ? make() : nullptr;
}
} // namespace

void TForm1::AboutExecute()
{
    if (TFrmAbout* about = Made(FFrmAbout))
        ExecModal(*about);
}

void TForm1::ShowLicenseExecute()
{
    // Refusing the agreement ends the program, even when it would otherwise stay in the tray.
    if (TForm5* license = Made(FForm5); license && ExecModal(*license) != QDialog::Accepted)
        ShutdownExecute();
}

void TForm1::VisitHomePageExecute()
{
    OpenHomePage();
}

void TForm1::SetDayInfo(TDayInfo* dayInfo)
{
    FDayInfo = dayInfo;
}

void TForm1::SetForm4(TForm4* form4, bool storedAlarmReadable)
{
    FForm4 = form4;
    FStoredAlarmReadable = storedAlarmReadable;
}

void TForm1::Button3Click()
{
    if (!FForm4)
        return;
    const std::optional<TStoredAlarm> stored =
        FStoredAlarmReadable ? ReadStoredAlarm(FServices.Registry) : TStoredAlarm{};
    if (stored) {
        if (stored->Date) {
            FForm4->SetIsActivated(true);
            FForm4->SetDateTime(*stored->Date);
        } else {
            FForm4->SetDateTime(FServices.Clock.Now()); // the tick stays as it was last left
        }
        if (stored->Message)
            FForm4->SetOptionalMessage(*stored->Message);
    }
    if (ExecModal(*FForm4) != QDialog::Accepted || !FForm4->IsActivated())
        return;
    if (StoreAlarm(FServices.Registry, FForm4->DateTime(), FForm4->OptionalMessage()))
        FStoredAlarmReadable = true;
}

void TForm1::SetPrintForm(TPrintForm* printForm)
{
    FPrintForm = printForm;
    const auto printOne = [printForm](QWidget* owner) {
        return [printForm, owner](const TSaintRecord& record) {
            Guarded(owner, [&] { printForm->PrintFrom({{FromFileBytes(record[1]), &record}}); });
        };
    };
    TCommnosFrame1->PrintSaint = printOne(this);
    printForm->DayInfo().TCommnosFrame1->PrintSaint = printOne(&printForm->DayInfo());
}

void TForm1::PrintExecute()
{
    if (!FPrintForm)
        return;
    std::vector<TPrintEntry> entries;
    for (int i = 0; i < ListBox1->count(); ++i)
        entries.push_back({ListBox1->item(i)->text(), RecordOf(ListBox1->item(i))});
    FPrintForm->PrintFrom(entries);
}

void TForm1::UpdateActions()
{
    const bool selected = !ListBox1->selectedItems().isEmpty();
    SaintInfo->setEnabled(selected);
    Print->setEnabled(ListBox1->count() > 0);
    TCommnosFrame1->UpdateActions();
}

void TForm1::FillSaintsOfSelectedDate()
{
    {
        const QScopedValueRollback filling(FFilling, true);
        FillSaintList(ListBox1, FSaintsData->SaintsOfDate(CalendarControl1->SelectedDate()));
    }
    UpdateActions();
}

void TForm1::CalendarControl1MouseEnterDate(TDateTime date)
{
    CalendarControl1->SetSelected2Date(date);
}

void TForm1::CalendarControl1MouseClick(TDateTime date)
{
    if (date == NoDate)
        return;
    CalendarControl1->SetSelectedDate(date);
    FillSaintsOfSelectedDate();
}

void TForm1::CalendarControl1SelectedDateChanged()
{
    int year;
    unsigned month, day;
    const TDateTime selected = CalendarControl1->SelectedDate();
    DecodeDate(selected, year, month, day);
    ComboBox1->setCurrentIndex(static_cast<int>(month) - 1);
    UpDown1->setValue(year); // a change runs SyncDateFromMonthYear before we go on
    Label1->setText(QLocale().toString(ToQDate(selected), QLocale::ShortFormat));
    Label1->adjustSize();
}

void TForm1::SyncDateFromMonthYear()
{
    if (ComboBox1->currentIndex() < 0)
        return;
    const int year = UpDown1->value();
    const auto month = static_cast<unsigned>(ComboBox1->currentIndex() + 1);
    int y;
    unsigned m, day;
    DecodeDate(CalendarControl1->SelectedDate(), y, m, day);
    // A day the target month lacks falls back to the month's last day.
    for (unsigned d = day; d >= 1; --d) {
        TDateTime date;
        if (TryEncodeDate(year, month, d, date)) {
            CalendarControl1->SetSelectedDate(date);
            return;
        }
    }
}

void TForm1::GoToNowExecute()
{
    CalendarControl1->SetSelectedDate(FServices.Clock.Now());
    FillSaintsOfSelectedDate();
}

void TForm1::MoveCalendarToSaint(const TSaintRecord& record)
{
    int year;
    unsigned month, day;
    DecodeDate(CalendarControl1->SelectedDate(), year, month, day);
    CalendarControl1->SetSelectedDate(SaintDayInYear(record, year));
}

void TForm1::ListBox1Click()
{
    if (const TSaintRecord* record = RecordOf(ListBox1->currentItem()))
        MoveCalendarToSaint(*record);
}

void TForm1::SaintInfoExecute()
{
    const TSaintRecord* record = RecordOf(ListBox1->currentItem());
    if (!record || !FDayInfo)
        return;
    ShowSaintDetails(FDayInfo->RichEdit1, *record);
    FDayInfo->SetSaint(record);
    MoveCalendarToSaint(*record);
    FDayInfo->show();
    FDayInfo->raise();
    ListBox1->setFocus();
}

void TForm1::FindFeastsExecute()
{
    if (ExecModal(*FFind_Feast) != QDialog::Accepted)
        return;
    const TFeastRange range = ComputeFeast(FFind_Feast->GetMoveableFeast(), FFind_Feast->GetYear());
    CalendarControl1->SetFeastRange(range.First, range.Last);
    CalendarControl1->SetSelectedDate(range.First);
    FillSaintsOfSelectedDate();
}

void TForm1::FindSaintExecute()
{
    TFormFind* formFind = Made(FFormFind);
    if (!formFind || ExecModal(*formFind) != QDialog::Accepted)
        return;
    TSaintRefs results;
    const TDateTime date = formFind->GetSearchDate();
    FSaintsData->FindSaints(formFind->GetSearchName(), formFind->GetSearchProfile(), results, date);
    TMessageBox box(QMessageBox::NoIcon, "Search result", QString::number(results.size()) + " entries found.",
                    QMessageBox::Ok, this);
    ExecModal(box);
    {
        const QScopedValueRollback filling(FFilling, true);
        FillSaintList(ListBox1, results);
    }
    UpdateActions();
}

void TForm1::Activate()
{
    if (!isVisible())
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    // A dialog of ours left under the window would make the program look frozen.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void TForm1::FormCloseQuery(bool& canClose)
{
    if (ShutdownRequested) {
        canClose = true;
    } else if (HidesToTray()) {
        canClose = false;
        if (FDayInfo)
            FDayInfo->hide();
        hide();
    } else {
        canClose = true;
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose) {
        if (FTrayIcon)
            FTrayIcon->hide();
        event->accept();
        emit Closed();
    } else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || !HidesToTray())
        return;
    // Minimising with the tray setting on hides the window instead.
    if (FDayInfo)
        FDayInfo->hide();
    QTimer::singleShot(0, this, [this] {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        hide();
    });
}

void TForm1::ExitActionExecute()
{
    close();
}

void TForm1::ShutdownExecute()
{
    ShutdownRequested = true;
    close();
}

} // namespace orvelle
