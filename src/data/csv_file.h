#pragma once
// Forward, read-only access to the rows of a semicolon-separated file mapped into memory.
#include "platform/mapped_file.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvelle {

using TStringList = std::vector<std::string>;

class TCsvFile {
  public:
    // An empty file name gives an idle reader whose rows are always empty.
    explicit TCsvFile(const std::string& fileName);

    uint32_t Position() const;
    TStringList ReadRow();
    // Only the first column of the next row, for the index scan: false when the row has none.
    bool ReadFirstColumn(std::string& column);
    void Reset();
    void Seek(uint32_t pos);

  private:
    // The bytes of the line at the cursor (terminator excluded); moves the cursor past it.
    std::string_view NextLine();

    std::unique_ptr<MappedFile> FFile;
    const char* FView = nullptr;
    const char* FCursor = nullptr;
    uint32_t FFileSize = 0;
};

} // namespace orvelle
