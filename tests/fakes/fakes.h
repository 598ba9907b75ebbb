#pragma once
// In-memory stand-ins for the machine: the settings store, the log-on entry and the clock.
#include "common/clock.h"
#include "common/exception.h"
#include "platform/autostart.h"
#include "platform/registry.h"

#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace orvelle::test {

class TFixedClock : public TClock {
  public:
    explicit TFixedClock(TDateTime now) : FNow(now) {}
    TDateTime Now() const override { return FNow; }
    void Set(TDateTime now) { FNow = now; }

  private:
    TDateTime FNow;
};

// A registry in memory. Writes are logged as "Name=value" in order; a key can be made
// unopenable and writes (all, or of one value) refused.
class TFakeRegistry : public TRegistry {
  public:
    using Value = std::variant<int, TDateTime, std::string>;
    std::map<std::string, std::map<std::string, Value>> Keys;
    std::set<std::string> Unopenable;
    bool RefuseWrites = false;
    std::set<std::string> RefusedValues;
    std::vector<std::string> Writes;

    std::map<std::string, Value>& Of(const std::string& key) { return Keys[key]; }
    bool Has(const std::string& key, const std::string& name) const
    {
        auto k = Keys.find(key);
        return k != Keys.end() && k->second.count(name);
    }

    int ReadIntegerOf(const std::string& key, const std::string& name)
    {
        return std::get<int>(Keys[key][name]);
    }

    bool OpenKey(const std::string& key, bool canCreate) override
    {
        FOpen = nullptr;
        if (Unopenable.count(key) || (!Keys.count(key) && !canCreate))
            return false;
        FOpen = &Keys[key];
        return true;
    }
    void CloseKey() override { FOpen = nullptr; }
    bool KeyExists(const std::string& key) override { return !Unopenable.count(key) && Keys.count(key); }
    bool ValueExists(const std::string& name) override { return FOpen && FOpen->count(name); }

    int ReadInteger(const std::string& name) override { return Read<int>(name); }
    TDateTime ReadDate(const std::string& name) override { return Read<TDateTime>(name); }
    std::string ReadString(const std::string& name) override { return Read<std::string>(name); }
    void WriteInteger(const std::string& name, int value) override
    {
        Write(name, value, std::to_string(value));
    }
    void WriteDate(const std::string& name, TDateTime value) override
    {
        Write(name, value, std::to_string(value));
    }
    void WriteString(const std::string& name, const std::string& value) override
    {
        Write(name, value, value);
    }
    bool DeleteValue(const std::string& name) override
    {
        if (!FOpen || !FOpen->erase(name))
            return false;
        Writes.push_back("delete " + name);
        return true;
    }

  private:
    template <typename T> T Read(const std::string& name)
    {
        const auto it = FOpen->find(name);
        if (it == FOpen->end() || !std::holds_alternative<T>(it->second))
            throw Exception(Format("Invalid data type for '%s'", name));
        return std::get<T>(it->second);
    }
    void Write(const std::string& name, Value value, const std::string& shown)
    {
        if (!FOpen || RefuseWrites || RefusedValues.count(name))
            throw Exception(Format("Failed to set data for '%s'", name));
        (*FOpen)[name] = std::move(value);
        Writes.push_back(name + "=" + shown);
    }

    std::map<std::string, Value>* FOpen = nullptr;
};

class TFakeAutostart : public TAutostart {
  public:
    bool Enabled = false;
    std::string Path;
    bool Refuse = false;

    bool IsEnabled() override { return Enabled; }
    void Enable(const std::string& executablePath) override
    {
        if (Refuse)
            throw Exception(Format("Failed to set data for '%s'", kRunValue));
        Enabled = true;
        Path = executablePath;
    }
    void Disable() override
    {
        Enabled = false;
        Path.clear();
    }
};

} // namespace orvelle::test
