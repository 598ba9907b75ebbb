#include "common/exception.h"
#include "platform/win32/win_registry.h"

#include <bit>
#include <cstring>
#include <windows.h>

namespace orvelle {

namespace {
HKEY Key(void* key)
{
    return static_cast<HKEY>(key);
}

[[noreturn]] void WrongType(const std::string& name)
{
    throw Exception(Format("Invalid data type for '%s'", name));
}

// Both access rights, as the designed store asks for: a key that cannot be written counts as one
// that cannot be opened.
constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;
} // namespace

std::string TWinRegistry::Path(const std::string& key) const
{
    const std::string relative = key.starts_with('\\') ? key.substr(1) : key;
    return FRoot.empty() ? relative : FRoot + '\\' + relative;
}

bool TWinRegistry::OpenKey(const std::string& key, bool canCreate)
{
    CloseKey();
    HKEY opened = nullptr;
    const LONG rc = canCreate ? ::RegCreateKeyExA(HKEY_CURRENT_USER, Path(key).c_str(), 0, nullptr, 0,
                                                  kAccess, nullptr, &opened, nullptr)
                              : ::RegOpenKeyExA(HKEY_CURRENT_USER, Path(key).c_str(), 0, kAccess, &opened);
    if (rc != ERROR_SUCCESS)
        return false;
    FKey = opened;
    return true;
}

void TWinRegistry::CloseKey()
{
    if (FKey)
        ::RegCloseKey(Key(FKey));
    FKey = nullptr;
}

bool TWinRegistry::KeyExists(const std::string& key)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, Path(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(opened);
    return true;
}

bool TWinRegistry::ValueExists(const std::string& name)
{
    return FKey &&
           ::RegQueryValueExA(Key(FKey), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The raw bytes of a value of the given type; an absent value has no type and is of the wrong one.
std::string TWinRegistry::Read(const std::string& name, unsigned long type, unsigned long altType)
{
    std::string data;
    DWORD actual = REG_NONE;
    LONG rc = ERROR_INVALID_HANDLE;
    // The buffer starts empty: the first call tells the size (and again if the value grew).
    for (DWORD size = 0; FKey;) {
        rc = ::RegQueryValueExA(Key(FKey), name.c_str(), nullptr, &actual,
                                reinterpret_cast<BYTE*>(data.data()), &size);
        if (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA)
            data.resize(size);
        if (rc != ERROR_MORE_DATA)
            break;
    }
    if (rc != ERROR_SUCCESS || (actual != type && (altType == 0 || actual != altType)))
        WrongType(name);
    return data;
}

void TWinRegistry::Write(const std::string& name, unsigned long type, const void* data, size_t size)
{
    if (!FKey || ::RegSetValueExA(Key(FKey), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                  static_cast<DWORD>(size)) != ERROR_SUCCESS)
        throw Exception(Format("Failed to set data for '%s'", name));
}

int TWinRegistry::ReadInteger(const std::string& name)
{
    const std::string data = Read(name, REG_DWORD);
    DWORD value = 0;
    if (data.size() != sizeof value)
        WrongType(name);
    std::memcpy(&value, data.data(), sizeof value);
    return static_cast<int>(value);
}

void TWinRegistry::WriteInteger(const std::string& name, int value)
{
    const DWORD data = static_cast<DWORD>(value);
    Write(name, REG_DWORD, &data, sizeof data);
}

// Windows runs little-endian only, so the double's own bytes are the stored ones.
static_assert(std::endian::native == std::endian::little);

TDateTime TWinRegistry::ReadDate(const std::string& name)
{
    const std::string data = Read(name, REG_BINARY);
    double value = 0;
    if (data.size() != sizeof value)
        WrongType(name);
    std::memcpy(&value, data.data(), sizeof value);
    // Eight bytes that are no date of the years 1 to 9999 (a NaN, say) would break every date
    // function they reach; they are as unreadable as a value of another type.
    if (!(value >= EncodeDate(1, 1, 1) && value < EncodeDate(9999, 12, 31) + 1))
        WrongType(name);
    return value;
}

void TWinRegistry::WriteDate(const std::string& name, TDateTime value)
{
    Write(name, REG_BINARY, &value, sizeof value);
}

// A string may be stored with or without its terminating zero.
std::string TWinRegistry::ReadString(const std::string& name)
{
    std::string data = Read(name, REG_SZ, REG_EXPAND_SZ);
    if (const size_t end = data.find('\0'); end != std::string::npos)
        data.resize(end);
    return data;
}

void TWinRegistry::WriteString(const std::string& name, const std::string& value)
{
    Write(name, REG_SZ, value.c_str(), value.size() + 1);
}

bool TWinRegistry::DeleteValue(const std::string& name)
{
    return FKey && ::RegDeleteValueA(Key(FKey), name.c_str()) == ERROR_SUCCESS;
}

std::unique_ptr<TRegistry> CreateUserRegistry()
{
    return std::make_unique<TWinRegistry>();
}

} // namespace orvelle
