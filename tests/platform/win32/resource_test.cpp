// The program's resources (assets/orvelle.rc), linked into this test as into the program.
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include <windows.h>

namespace {
#pragma pack(push, 2)
struct GroupIconEntry { // one image of an RT_GROUP_ICON resource
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

std::string VersionString(const std::string& name)
{
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<char> info(::GetFileVersionInfoSizeA(self, nullptr));
    if (info.empty() || !::GetFileVersionInfoA(self, 0, static_cast<DWORD>(info.size()), info.data()))
        return "(no version information)";
    char* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(info.data(), ("\\StringFileInfo\\040904B0\\" + name).c_str(),
                          reinterpret_cast<void**>(&value), &length))
        return "(no " + name + ")";
    return std::string(value);
}
} // namespace

TEST(Win32Resources, ManifestSetsUtf8AndPerMonitorDpiAwareness)
{
    EXPECT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_EQ(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

// The shell picks the image nearest to what it needs, from 16 px (lists, the tray) to 256 px.
TEST(Win32Resources, IconHoldsEverySizeFrom16To256)
{
    HMODULE self = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(self, "IDI_ICON1", MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const GroupIcon*>(::LockResource(::LoadResource(self, found)));
    std::set<int> sizes;
    for (WORD i = 0; i < group->count; ++i) {
        const GroupIconEntry& e = group->entries[i];
        EXPECT_EQ(e.bitCount, 32) << "full colour with alpha";
        EXPECT_NE(::FindResourceA(self, MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3)), nullptr); // RT_ICON
        sizes.insert(e.width == 0 ? 256 : e.width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 128, 256}));
    for (int size : {16, 32, 256}) {
        HANDLE icon = ::LoadImageA(self, "IDI_ICON1", IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size << " px";
        ::DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(Win32Resources, VersionInformationNamesTheProgram)
{
    EXPECT_EQ(VersionString("ProductName"), "Orvelle");
    EXPECT_EQ(VersionString("FileDescription"), "Orvelle of Saints");
    EXPECT_EQ(VersionString("ProductVersion"), ORVELLE_VERSION)
        << "assets/orvelle.rc keeps up with the project";
    EXPECT_EQ(VersionString("OriginalFilename"), "orvelle.exe");
}
