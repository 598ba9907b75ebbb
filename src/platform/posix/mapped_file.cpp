#include "platform/mapped_file.h"

#include "common/exception.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelle {

MappedFile::MappedFile(const std::string& path)
{
    // O_NONBLOCK so that a FIFO named like the data file cannot hang the start.
    FFileHandle = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (FFileHandle < 0)
        throw Exception(Format("Could not open file [%s]", path));
    struct stat st {};
    if (::fstat(FFileHandle, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0 ||
        static_cast<unsigned long long>(st.st_size) > 0xFFFFFFFFull) {
        Close();
        throw Exception(Format("Could not mmap open file [%s]", path));
    }
    FFileSize = static_cast<uint32_t>(st.st_size);
    void* view = ::mmap(nullptr, FFileSize, PROT_READ, MAP_PRIVATE, FFileHandle, 0);
    if (view == MAP_FAILED) {
        Close();
        throw Exception(Format("Could not mmap open file [%s]", path));
    }
    ::madvise(view, FFileSize, MADV_SEQUENTIAL);
    FView = static_cast<const char*>(view);
}

MappedFile::~MappedFile()
{
    Close();
}

void MappedFile::Close() noexcept
{
    if (FView)
        ::munmap(const_cast<char*>(FView), FFileSize);
    FView = nullptr;
    if (FFileHandle >= 0)
        ::close(FFileHandle);
    FFileHandle = -1;
}

} // namespace orvelle
