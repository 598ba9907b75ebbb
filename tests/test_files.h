#pragma once
// Temporary files for tests: written under the system temp folder, removed with the object. Names
// and paths are UTF-8 on every system, as the program's own strings are.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace orvelle::test {

class TempFile {
  public:
    explicit TempFile(std::string_view content, std::string_view name = "saints_out.csv")
    {
        static int counter = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("orvelle-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(dir_);
        path_ = dir_ / std::u8string(name.begin(), name.end());
        std::ofstream(path_, std::ios::binary)
            .write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    ~TempFile()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    std::string path() const { return Utf8(path_); }
    std::string dir() const { return Utf8(dir_); }

  private:
    static std::string Utf8(const std::filesystem::path& p)
    {
        const std::u8string s = p.u8string();
        return std::string(s.begin(), s.end());
    }

    std::filesystem::path dir_, path_;
};

} // namespace orvelle::test
