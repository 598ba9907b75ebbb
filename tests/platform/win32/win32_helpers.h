#pragma once
// What the Windows tests share: a test key of their own under HKCU\Software\OrvelleTest, raw
// access to it that bypasses the store, and other processes to run.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace orvelle::test {

inline constexpr char kTestRoot[] = "Software\\OrvelleTest";

// Each test gets "Software\OrvelleTest\<test name>", so tests may run side by side; the last one
// to finish takes "Software\OrvelleTest" away with it.
class TestKey : public ::testing::Test {
  protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Root().c_str()); }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, Root().c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestRoot); // fails while other tests still have keys
    }

    static std::string Root()
    {
        return std::string(kTestRoot) + '\\' +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    // The full path of a key given as the program names it ("\Software\Orvelle").
    static std::string Path(const std::string& key) { return Root() + key; }

    static bool Exists(const std::string& key)
    {
        HKEY h = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, Path(key).c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(h);
        return true;
    }
    static void Create(const std::string& key)
    {
        HKEY h = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, Path(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &h, nullptr),
                  ERROR_SUCCESS);
        ::RegCloseKey(h);
    }

    struct Raw {
        DWORD type = REG_NONE;
        std::vector<unsigned char> bytes;
        bool operator==(const Raw&) const = default;
    };
    // The value as the system holds it; type REG_NONE when it is absent.
    static Raw Get(const std::string& key, const std::string& name)
    {
        Raw raw;
        DWORD size = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, Path(key).c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                           &raw.type, nullptr, &size) != ERROR_SUCCESS)
            return {};
        raw.bytes.resize(size);
        ::RegGetValueA(HKEY_CURRENT_USER, Path(key).c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                       &raw.type, raw.bytes.data(), &size);
        raw.bytes.resize(size);
        return raw;
    }
    static void Set(const std::string& key, const std::string& name, DWORD type,
                    const std::vector<unsigned char>& bytes)
    {
        Create(key);
        ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, Path(key).c_str(), name.c_str(), type, bytes.data(),
                                    static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
};

inline std::vector<unsigned char> Bytes(std::string_view s)
{
    return {s.begin(), s.end()};
}

// Runs a command line to its end and returns its exit code (~0 when it could not start or never
// ended), with what it printed in *output. Without output, messages sent to this thread's windows
// are answered while waiting, so the other process may send to them.
inline DWORD Run(std::string commandLine, std::string* output = nullptr)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (output && !::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return ~0u;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (output) {
        ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = si.hStdError = writeEnd;
        si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION pi{};
    const BOOL started = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, output != nullptr, 0,
                                          nullptr, nullptr, &si, &pi);
    if (output)
        ::CloseHandle(writeEnd);
    if (!started) {
        if (output)
            ::CloseHandle(readEnd);
        return ~0u;
    }
    if (output) { // read to the end first: a full pipe would stall the child
        char buffer[4096];
        DWORD n = 0;
        while (::ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0)
            output->append(buffer, n);
        ::CloseHandle(readEnd);
    }
    for (;;) {
        const DWORD woken = ::MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 60'000, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            break;
        if (woken != WAIT_OBJECT_0 + 1) { // a child stuck for a minute: fail rather than hang
            ::TerminateProcess(pi.hProcess, ~0u);
            break;
        }
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    DWORD code = 0;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

// A program built beside the running test executable.
inline std::string Sibling(const std::string& exe)
{
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return "\"" + path.substr(0, path.find_last_of('\\') + 1) + exe + "\"";
}

} // namespace orvelle::test
