#include "data/csv_file.h"

#include "common/exception.h"

#include <cstring>

namespace orvelle {

TCsvFile::TCsvFile(const std::string& fileName)
{
    if (fileName.empty())
        return;
    FFile = std::make_unique<MappedFile>(fileName);
    FView = FFile->data();
    FFileSize = FFile->size();
    FCursor = FView;
}

uint32_t TCsvFile::Position() const
{
    return FView ? static_cast<uint32_t>(FCursor - FView) : 0;
}

void TCsvFile::Reset()
{
    FCursor = FView;
}

void TCsvFile::Seek(uint32_t pos)
{
    if (pos > FFileSize)
        throw Exception(Format("Seek called with pos=[%u] but filesize=[%u].", pos, FFileSize));
    if (FView)
        FCursor = FView + pos;
}

std::string_view TCsvFile::NextLine()
{
    if (!FView)
        return {};
    const char* end = FView + FFileSize;
    const size_t rest = static_cast<size_t>(end - FCursor);
    const char* lf = static_cast<const char*>(std::memchr(FCursor, '\n', rest));
    size_t len = lf ? static_cast<size_t>(lf - FCursor) : rest;
    if (const char* nul = static_cast<const char*>(std::memchr(FCursor, '\0', len)))
        len = static_cast<size_t>(nul - FCursor);
    const std::string_view line(FCursor, len);
    FCursor += len < rest ? len + 1 : len; // the terminator is consumed; the file's end is not a byte
    return line;
}

namespace {
// Hands each column closed by an unquoted ";" to `take`, dropping CRs; stops when `take` says so.
// The unfinished column after the last separator is dropped.
template <typename Take> void SplitColumns(std::string_view line, Take take)
{
    std::string column;
    bool quoted = false;
    size_t from = 0; // plain runs are appended whole: loading every day is mostly this loop
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\r' || (c == ';' && !quoted)) {
            column.append(line.data() + from, i - from);
            from = i + 1;
            if (c == ';') {
                if (!take(std::move(column)))
                    return;
                column.clear();
            }
        }
    }
}
} // namespace

TStringList TCsvFile::ReadRow()
{
    TStringList row;
    row.reserve(10);
    SplitColumns(NextLine(), [&](std::string&& column) {
        row.push_back(std::move(column));
        return true;
    });
    return row;
}

bool TCsvFile::ReadFirstColumn(std::string& column)
{
    bool found = false;
    column.clear();
    SplitColumns(NextLine(), [&](std::string&& first) {
        column = std::move(first);
        found = true;
        return false;
    });
    return found;
}

} // namespace orvelle
