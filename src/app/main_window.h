#pragma once
// The main window: menus, toolbar, the saints of the chosen day, the date line and the calendar.
#include "app/services.h"
#include "common/date.h"
#include "data/saints_data.h"

#include <QWidget>
#include <functional>
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
class TForm5;
class TFrmAbout;
class TForm4;
class TPrintForm;

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(const TServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The creation sequence; the saints file is read from dataPath.
    void FormCreate(const QString& dataPath);
    // Windows created later in start-up that the commands use.
    void SetDayInfo(TDayInfo* dayInfo);
    // These three may instead be made on first use, so that start-up does not wait for them.
    void SetFormFind(std::function<TFormFind*()> make) { FFormFind = std::move(make); }
    void SetForm5(std::function<TForm5*()> make) { FForm5 = std::move(make); }
    void SetFrmAbout(std::function<TFrmAbout*()> make) { FFrmAbout = std::move(make); }
    void SetFormFind(TFormFind* formFind)
    {
        SetFormFind([formFind] { return formFind; });
    }
    void SetForm5(TForm5* form5)
    {
        SetForm5([form5] { return form5; });
    }
    void SetFrmAbout(TFrmAbout* frmAbout)
    {
        SetFrmAbout([frmAbout] { return frmAbout; });
    }
    // The alarm dialog; storedAlarmReadable is false when start-up met a stored alarm it could not
    // read, which "Set Alarm..." then leaves unread so that OK can replace it.
    void SetForm4(TForm4* form4, bool storedAlarmReadable);
    // The print selection serves the Print command, "Print Selected" and the Day Info's "Print...".
    void SetPrintForm(TPrintForm* printForm);

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
    void PrintExecute();
    void RestoreAppExecute();
    void AboutExecute();
    void ShowLicenseExecute();
    void VisitHomePageExecute();
    void GoToNowExecute();
    void SaintInfoExecute();
    void Button3Click();
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
    std::function<TFormFind*()> FFormFind;
    std::function<TForm5*()> FForm5;
    std::function<TFrmAbout*()> FFrmAbout;
    TForm4* FForm4 = nullptr;
    bool FStoredAlarmReadable = true;
    TPrintForm* FPrintForm = nullptr;
    bool FFilling = false;
};

} // namespace orvelle
