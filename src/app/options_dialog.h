#pragma once
// The Options dialog: it holds the three settings for the whole run, loads and saves them.
#include "app/services.h"
#include "app/settings.h"
#include "common/form_widgets.h"

#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace orvelle {

class TFrmOptions : public TNoCancelDialog {
    Q_OBJECT
  public:
    TFrmOptions(const TServices& services, QWidget* parent = nullptr);

    bool MinimizeToTray() const { return FSettings.MinimizeToTray; }
    bool DisplayInfoAtStartup() const { return FSettings.DisplayInfoAtStartup; }
    bool RunAtStartup() const { return FSettings.RunAtStartup; }
    // Each setter also sets its check box.
    void SetMinimizeToTray(bool value);
    void SetDisplayInfoAtStartup(bool value);
    void SetRunAtStartup(bool value);

    // Start-up loading; a wrong-typed value is reported through report, a refused write throws.
    void LoadSettings(const std::function<void(const std::string&)>& report);
    // After OK: writes the run entry and both values; a refused write throws and stops the rest.
    void SaveSettings();

    void FormShow();
    void Button1Click();
    void Button2Click();

    QGroupBox* GroupBox1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QPushButton* Button1;
    QPushButton* Button2;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ShowSettings();

    TServices FServices;
    TSettings FSettings;
};

} // namespace orvelle
