#include "platform/mapped_file.h"

#include "common/exception.h"

#include <windows.h>

namespace orvelle {

MappedFile::MappedFile(const std::string& path)
{
    FFileHandle = INVALID_HANDLE_VALUE;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Exception(Format("Could not open file [%s]", path));
    FFileHandle = file;
    DWORD high = 0;
    const DWORD low = ::GetFileSize(file, &high);
    // 4 GiB or more cannot be addressed with the reader's 32-bit offsets.
    if ((low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) || high != 0) {
        Close();
        throw Exception(Format("Could not mmap open file [%s]", path));
    }
    FFileSize = low;
    FMapHandle = ::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!FMapHandle) {
        Close();
        throw Exception(Format("Could not mmap open file [%s]", path));
    }
    FView = static_cast<const char*>(::MapViewOfFile(FMapHandle, FILE_MAP_READ, 0, 0, 0));
    if (!FView) {
        Close();
        throw Exception(Format("Could not MapViewOfFile of open file [%s]", path));
    }
}

MappedFile::~MappedFile()
{
    Close();
}

void MappedFile::Close() noexcept
{
    if (FView)
        ::UnmapViewOfFile(FView);
    FView = nullptr;
    if (FMapHandle)
        ::CloseHandle(FMapHandle);
    FMapHandle = nullptr;
    if (FFileHandle && FFileHandle != INVALID_HANDLE_VALUE)
        ::CloseHandle(FFileHandle);
    FFileHandle = INVALID_HANDLE_VALUE;
}

} // namespace orvelle
