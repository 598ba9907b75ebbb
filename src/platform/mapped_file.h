#pragma once
// A read-only mapping of a whole file. One implementation per OS, chosen by the build.
#include <cstdint>
#include <string>

namespace orvelle {

class MappedFile {
  public:
    // Throws Exception with "Could not open file [%s]", "Could not mmap open file [%s]" or
    // "Could not MapViewOfFile of open file [%s]". Empty files and files of 4 GiB or more cannot
    // be mapped: the reader's offsets are 32-bit.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const char* data() const { return FView; }
    uint32_t size() const { return FFileSize; }

  private:
    void Close() noexcept;

#if defined(_WIN32)
    void* FFileHandle = nullptr; // INVALID_HANDLE_VALUE until opened
    void* FMapHandle = nullptr;
#else
    int FFileHandle = -1;
#endif
    const char* FView = nullptr;
    uint32_t FFileSize = 0;
};

} // namespace orvelle
