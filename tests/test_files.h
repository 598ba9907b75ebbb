#pragma once
// Temporary files for tests: written under the system temp folder, removed with the object.
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
        path_ = dir_ / name;
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
    std::string path() const { return path_.string(); }
    std::string dir() const { return dir_.string(); }

  private:
    std::filesystem::path dir_, path_;
};

} // namespace orvelle::test
