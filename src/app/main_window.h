#pragma once
// The main window: menus, toolbar, the saints of the chosen day, the date line and the calendar.
#include "app/services.h"
#include "common/date.h"
#include "data/saints_data.h"

#include <QWidget>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QSystemTrayIcon;
class QToolBar;

namespace orvelle {

class TCalendarControl;
class TCommnosFrame;
class TDayInfo;
class TFind_Feast;
class TFrmOptions;
class TFormFind;

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(const TServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation sequence; the saints file is read from dataPath.
    void FormCreate(const QString& dataPath);
    // Windows created later in start-up that the commands use.
    void SetDayInfo(TDayInfo* dayInfo);
    void SetFormFind(TFormFind* formFind) { FFormFind = formFind; }

    TSaintsData* SaintsData() const { return FSaintsData.get(); }
    TFind_Feast* Find_Feast() const { return FFind_Feast; }
    TDayInfo* DayInfo() const { return FDayInfo; }

    bool ShutdownRequested = false;
    TFrmOptions* FrmOptions() const { return FFrmOptions; }
    bool MinimizeToTray() const;
    bool DisplayInfoAtStartup() const;
    // The tray setting as it acts now: without a tray on the desktop the window never hides.
    bool HidesToTray() const;
    QSystemTrayIcon* TrayIcon() const { return FTrayIcon; }

    // Restores a minimised window and brings it forward; a window hidden in the tray stays hidden.
    void Activate();

    QMenuBar* ActionMainMenuBar1;
    QToolBar* ActionToolBar1;
    QListWidget* ListBox1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLabel* Label1;
    QComboBox* ComboBox1;
    QSpinBox* UpDown1;
    QLineEdit* Edit1;
    QFrame* Bevel2;
    TCalendarControl* CalendarControl1;
    TCommnosFrame* TCommnosFrame1;

    QAction* FindFeasts;
    QAction* Options;
    QAction* Print;
    QAction* FindSaint;
    QAction* About;
    QAction* ExitAction;
    QAction* Shutdown;
    QAction* SaintInfo;
    QAction* GoToNow;
    QAction* RestoreApp;
    QAction* VisitHomePage;
    QAction* ShowLicense;
    QMenu* SysTrayPopup;

    void FormCloseQuery(bool& canClose);
    void ExitActionExecute();
    void ShutdownExecute();
    void FindFeastsExecute();
    void FindSaintExecute();
    void OptionsExecute();
    void RestoreAppExecute();
    void GoToNowExecute();
    void SaintInfoExecute();
    void ListBox1Click();
    void CalendarControl1MouseEnterDate(TDateTime date);
    void CalendarControl1MouseClick(TDateTime date);
    void CalendarControl1SelectedDateChanged();
    void SyncDateFromMonthYear();

  signals:
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void CreateActions();
    // A command's errors end it and reach the user in the error box.
    void Bind(QAction* command, void (TForm1::*execute)());
    void CreateMenusAndToolbar();
    void UpdateActions();
    void MoveCalendarToSaint(const TSaintRecord& record);
    void FillSaintsOfSelectedDate();
    void CreateTrayIcon();
    void ApplyTraySetting();

    TServices FServices;
    std::unique_ptr<TSaintsData> FSaintsData;
    TFrmOptions* FFrmOptions = nullptr;
    QSystemTrayIcon* FTrayIcon = nullptr;
    TFind_Feast* FFind_Feast = nullptr;
    TDayInfo* FDayInfo = nullptr;
    TFormFind* FFormFind = nullptr;
    bool FFilling = false;
};

} // namespace orvelle
