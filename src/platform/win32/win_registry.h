#pragma once
// The settings store on Windows: the current user's hive itself, value for value as the program
// was designed on (REG_DWORD, 8-byte REG_BINARY dates, REG_SZ).
#include "platform/registry.h"

namespace orvelle {

class TWinRegistry : public TRegistry {
  public:
    // Keys are placed under `root` ("Software\OrvelleTest" in tests); empty for the real keys.
    explicit TWinRegistry(std::string root = {}) : FRoot(std::move(root)) {}
    ~TWinRegistry() override { CloseKey(); }
    TWinRegistry(const TWinRegistry&) = delete;
    TWinRegistry& operator=(const TWinRegistry&) = delete;

    bool OpenKey(const std::string& key, bool canCreate) override;
    void CloseKey() override;
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
    std::string Path(const std::string& key) const;
    std::string Read(const std::string& name, unsigned long type, unsigned long altType = 0);
    void Write(const std::string& name, unsigned long type, const void* data, size_t size);

    std::string FRoot;
    void* FKey = nullptr; // HKEY of the open key
};

} // namespace orvelle
