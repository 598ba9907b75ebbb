#pragma once
// The current user's settings, shaped like the registry the program was designed on: one open key
// at a time, typed values. On Windows it is HKCU itself; elsewhere an INI file stands in for it.
#include "common/date.h"

#include <memory>
#include <string>

namespace orvelle {

inline constexpr char kOrvelleKey[] = "\\Software\\Orvelle";
inline constexpr char kRunKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Orvelle";

// Reads of a value stored with another type throw Exception("Invalid data type for '%s'"),
// refused writes Exception("Failed to set data for '%s'"), with the value's name.
class TRegistry {
  public:
    virtual ~TRegistry() = default;

    // Opens a key of the current user's hive ("\Software\Orvelle"); false when it cannot.
    virtual bool OpenKey(const std::string& key, bool canCreate) = 0;
    virtual void CloseKey() = 0;
    virtual bool KeyExists(const std::string& key) = 0;

    // The calls below act on the open key.
    virtual bool ValueExists(const std::string& name) = 0;
    virtual int ReadInteger(const std::string& name) = 0;
    virtual void WriteInteger(const std::string& name, int value) = 0;
    virtual TDateTime ReadDate(const std::string& name) = 0;
    virtual void WriteDate(const std::string& name, TDateTime value) = 0;
    virtual std::string ReadString(const std::string& name) = 0;
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
};

// Closes the key on every way out of a scope, exceptions included.
class TKeyCloser {
  public:
    explicit TKeyCloser(TRegistry& registry) : FRegistry(registry) {}
    ~TKeyCloser() { FRegistry.CloseKey(); }
    TKeyCloser(const TKeyCloser&) = delete;
    TKeyCloser& operator=(const TKeyCloser&) = delete;

  private:
    TRegistry& FRegistry;
};

// The real store of this platform, for the current user.
std::unique_ptr<TRegistry> CreateUserRegistry();

} // namespace orvelle
