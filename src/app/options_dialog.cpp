#include "app/options_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScopeGuard>
#include <algorithm>

namespace orvelle {

TFrmOptions::TFrmOptions(const TServices& services, QWidget* parent)
    : TNoCancelDialog(parent,
                      Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FServices(services)
{
    SetUpForm("FrmOptions", "Options", 311, 234);
    move(579, 377);

    GroupBox1 = new TFramedGroup(this, "GroupBox1", "Options", 8, 8, 297, 185);
    const auto box = [this](const char* name, const char* caption, int top, int width) {
        auto* b = new QCheckBox(caption, GroupBox1);
        b->setObjectName(name);
        // The designed width, or the caption's where the platform font runs wider.
        b->setGeometry(8, top, std::clamp(b->sizeHint().width(), width, 297 - 16), 17);
        return b;
    };
    CheckBox1 = box("CheckBox1", "Minimize to system tray", 24, 153);
    CheckBox2 = box("CheckBox2", "Display info box at startup", 48, 153);
    CheckBox3 = box("CheckBox3", "Run at startup", 72, 97);

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(224, 200, 75, 25);
    Button2 = new QPushButton("Cancel", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(144, 200, 75, 25);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, CheckBox3);
    setTabOrder(CheckBox3, Button1);
    setTabOrder(Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, &TFrmOptions::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmOptions::Button2Click);
}

void TFrmOptions::SetMinimizeToTray(bool value)
{
    FSettings.MinimizeToTray = value;
    CheckBox1->setChecked(value);
}

void TFrmOptions::SetDisplayInfoAtStartup(bool value)
{
    FSettings.DisplayInfoAtStartup = value;
    CheckBox2->setChecked(value);
}

void TFrmOptions::SetRunAtStartup(bool value)
{
    FSettings.RunAtStartup = value;
    CheckBox3->setChecked(value);
}

void TFrmOptions::LoadSettings(const std::function<void(const std::string&)>& report)
{
    // The boxes show what was read, even when a refused write ended the loading.
    const QScopeGuard show([this] { ShowSettings(); });
    orvelle::LoadSettings(FServices.Registry, FServices.Autostart, FSettings, report);
}

void TFrmOptions::SaveSettings()
{
    orvelle::SaveSettings(FServices.Registry, FServices.Autostart, FSettings, FServices.ExecutablePath);
}

void TFrmOptions::ShowSettings()
{
    SetMinimizeToTray(FSettings.MinimizeToTray);
    SetDisplayInfoAtStartup(FSettings.DisplayInfoAtStartup);
    SetRunAtStartup(FSettings.RunAtStartup);
}

void TFrmOptions::FormShow()
{
    ShowSettings();
}

void TFrmOptions::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFrmOptions::Button1Click()
{
    SetMinimizeToTray(CheckBox1->isChecked());
    SetDisplayInfoAtStartup(CheckBox2->isChecked());
    SetRunAtStartup(CheckBox3->isChecked());
    accept();
}

void TFrmOptions::Button2Click()
{
    reject();
}

} // namespace orvelle
