#include "common/exception.h"
#include "platform/win32/win_registry.h"
#include "win32_helpers.h"

#include <functional>

using namespace orvelle;
using test::Bytes;

namespace {
const std::string kKey = kOrvelleKey;

class Win32Registry : public test::TestKey {
  protected:
    TWinRegistry reg{Root()};
};

std::string Message(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(no exception)";
}
} // namespace

// 45658.5 is 1 January 2025, noon: the bytes of the IEEE-754 double, least significant first.
TEST_F(Win32Registry, ValuesAreStoredByteExact)
{
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("MinimizeToTray", 1);
    reg.WriteInteger("DisplayInfoAtStartup", 0);
    reg.WriteDate("AlarmDate", 45658.5);
    reg.WriteString("AlarmMessage", "Matins\r\nLauds");
    reg.CloseKey();

    EXPECT_EQ(Get(kKey, "MinimizeToTray"), (Raw{REG_DWORD, {1, 0, 0, 0}}));
    EXPECT_EQ(Get(kKey, "DisplayInfoAtStartup"), (Raw{REG_DWORD, {0, 0, 0, 0}}));
    EXPECT_EQ(Get(kKey, "AlarmDate"), (Raw{REG_BINARY, {0, 0, 0, 0, 0x50, 0x4b, 0xe6, 0x40}}));
    EXPECT_EQ(Get(kKey, "AlarmMessage"), (Raw{REG_SZ, Bytes(std::string_view("Matins\r\nLauds", 14))}));

    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("MinimizeToTray"), 1);
    EXPECT_EQ(reg.ReadInteger("DisplayInfoAtStartup"), 0);
    EXPECT_EQ(reg.ReadDate("AlarmDate"), 45658.5);
    EXPECT_EQ(reg.ReadString("AlarmMessage"), "Matins\r\nLauds");
}

// What another program sees: the system's own reg.exe lists the values with their types.
TEST_F(Win32Registry, RegQueryShowsTheValuesWithTheirTypes)
{
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteInteger("MinimizeToTray", 5);
    reg.WriteDate("AlarmDate", 45658.5);
    reg.WriteString("AlarmMessage", "Ave");
    reg.CloseKey();

    std::string out;
    ASSERT_EQ(test::Run("reg.exe query \"HKCU\\" + Path(kKey) + "\"", &out), 0u) << out;
    std::string words; // one space between the words, whatever the tool's column layout
    for (char c : out) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!space)
            words += c;
        else if (!words.empty() && words.back() != ' ')
            words += ' ';
    }
    EXPECT_NE(words.find("MinimizeToTray REG_DWORD 0x5 "), std::string::npos) << out;
    EXPECT_NE(words.find("AlarmDate REG_BINARY 00000000504BE640 "), std::string::npos) << out;
    EXPECT_NE(words.find("AlarmMessage REG_SZ Ave "), std::string::npos) << out;
}

// The process code page is UTF-8 (the manifest), so the A functions take and give UTF-8.
TEST_F(Win32Registry, StringsAreUtf8)
{
    const std::string text = "Święty Józef";
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("AlarmMessage", text);
    EXPECT_EQ(reg.ReadString("AlarmMessage"), text);

    const std::string path = Path(kKey); // ASCII, so widened byte by byte
    wchar_t wide[32] = {};
    DWORD size = sizeof wide;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, std::wstring(path.begin(), path.end()).c_str(),
                             L"AlarmMessage", RRF_RT_REG_SZ, nullptr, wide, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(wide, L"Święty Józef");
}

struct WrongType {
    const char* name;
    DWORD type;
    std::vector<unsigned char> bytes;
    std::function<void(TRegistry&, const std::string&)> read;
};
void PrintTo(const WrongType& c, std::ostream* os)
{
    *os << c.name;
}

class Win32RegistryWrongType : public test::TestKey, public ::testing::WithParamInterface<WrongType> {};

TEST_P(Win32RegistryWrongType, ReadNamesTheValue)
{
    const WrongType& c = GetParam();
    if (c.type != REG_NONE)
        Set(kKey, "Value", c.type, c.bytes);
    else
        Create(kKey);
    TWinRegistry reg(Root());
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(Message([&] { c.read(reg, "Value"); }), "Invalid data type for 'Value'");
}

const auto ReadInteger = [](TRegistry& r, const std::string& n) { r.ReadInteger(n); };
const auto ReadDate = [](TRegistry& r, const std::string& n) { r.ReadDate(n); };
const auto ReadString = [](TRegistry& r, const std::string& n) { r.ReadString(n); };

INSTANTIATE_TEST_SUITE_P(
    Win32, Win32RegistryWrongType,
    ::testing::Values(
        WrongType{"StringAsInteger", REG_SZ, Bytes(std::string_view("1", 2)), ReadInteger},
        WrongType{"QwordAsInteger", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, ReadInteger},
        WrongType{"AbsentInteger", REG_NONE, {}, ReadInteger},
        WrongType{"DwordAsDate", REG_DWORD, {1, 0, 0, 0}, ReadDate},
        WrongType{"SevenBytesAsDate", REG_BINARY, {0, 0, 0, 0, 0x50, 0x4b, 0xe6}, ReadDate},
        WrongType{"NineBytesAsDate", REG_BINARY, {0, 0, 0, 0, 0x50, 0x4b, 0xe6, 0x40, 0}, ReadDate},
        WrongType{"NotANumberAsDate", REG_BINARY, {0, 0, 0, 0, 0, 0, 0xf8, 0x7f}, ReadDate},
        WrongType{"Year10000AsDate", REG_BINARY, {0, 0, 0, 0, 0x41, 0x92, 0x46, 0x41}, ReadDate},
        WrongType{"DwordAsString", REG_DWORD, {1, 0, 0, 0}, ReadString},
        WrongType{"BinaryAsString", REG_BINARY, Bytes("Ave"), ReadString}),
    [](const auto& info) { return std::string(info.param.name); });

// Values written by other programs: the types the readers accept, in the forms they come in.
TEST_F(Win32Registry, ReadsForeignValuesOfTheRightType)
{
    Set(kKey, "Flag", REG_DWORD, {5, 0, 0, 0});
    Set(kKey, "Unterminated", REG_SZ, Bytes("Ave"));
    Set(kKey, "Expandable", REG_EXPAND_SZ, Bytes(std::string_view("%TEMP%", 7)));
    Set(kKey, "Empty", REG_SZ, {});
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadInteger("Flag"), 5);
    EXPECT_EQ(reg.ReadString("Unterminated"), "Ave");
    EXPECT_EQ(reg.ReadString("Expandable"), "%TEMP%") << "read as stored, not expanded";
    EXPECT_EQ(reg.ReadString("Empty"), "");
}

TEST_F(Win32Registry, RefusedWritesNameTheValue)
{
    EXPECT_EQ(Message([&] { reg.WriteInteger("MinimizeToTray", 1); }),
              "Failed to set data for 'MinimizeToTray'")
        << "no key open";
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    // The key is deleted behind the open handle: the system refuses every write to it.
    ASSERT_EQ(::RegDeleteTreeA(HKEY_CURRENT_USER, Path(kKey).c_str()), ERROR_SUCCESS);
    EXPECT_EQ(Message([&] { reg.WriteInteger("MinimizeToTray", 1); }),
              "Failed to set data for 'MinimizeToTray'");
    EXPECT_EQ(Message([&] { reg.WriteDate("AlarmDate", 1.0); }), "Failed to set data for 'AlarmDate'");
    EXPECT_EQ(Message([&] { reg.WriteString("AlarmMessage", "x"); }),
              "Failed to set data for 'AlarmMessage'");
    EXPECT_FALSE(Exists(kKey)) << "a refused write creates no key";
}

TEST_F(Win32Registry, OnlyOpenKeyWithCreateCreatesTheKey)
{
    EXPECT_FALSE(reg.KeyExists(kKey));
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    EXPECT_FALSE(reg.ValueExists("MinimizeToTray"));
    EXPECT_FALSE(Exists(kKey));
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_TRUE(Exists(kKey));
    EXPECT_TRUE(reg.KeyExists(kKey));
    EXPECT_TRUE(reg.KeyExists("\\Software")) << "a parent created on the way";
}
