#pragma once
// The settings store off Windows: the values of "\Software\Orvelle" in the [General] group of an
// INI file, human-readable (MinimizeToTray=1, AlarmDate=2026-12-08T23:59:00).
#include "platform/registry.h"

#include <QString>

namespace orvelle {

class TIniRegistry : public TRegistry {
  public:
    explicit TIniRegistry(QString fileName) : FFileName(std::move(fileName)) {}
    // $XDG_CONFIG_HOME/Orvelle/Orvelle.conf, or ~/.config/Orvelle/Orvelle.conf.
    static QString DefaultFileName();

    bool OpenKey(const std::string& key, bool canCreate) override;
    void CloseKey() override { FOpen = false; }
    bool KeyExists(const std::string& key) override;
    bool ValueExists(const std::string& name) override;
    int ReadInteger(const std::string& name) override;
    void WriteInteger(const std::string& name, int value) override;
    TDateTime ReadDate(const std::string& name) override;
    void WriteDate(const std::string& name, TDateTime value) override;
    std::string ReadString(const std::string& name) override;
    void WriteString(const std::string& name, const std::string& value) override;
    bool DeleteValue(const std::string& name) override;

  private:
    QString Read(const std::string& name);
    void Write(const std::string& name, const QString& value);

    QString FFileName;
    bool FOpen = false;
};

} // namespace orvelle
