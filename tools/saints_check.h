#pragma once
// The rules of the shipped saints file, checked line by line, for people who edit or replace it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct SaintsCheckReport {
    size_t rows = 0;
    size_t days = 0;                                         // days of the year with at least one row
    unsigned minPerDay = 0, medianPerDay = 0, maxPerDay = 0; // over all 366 days
    std::vector<std::string> faults;                         // "line N: why", or a whole-file fault
    bool ok() const { return faults.empty(); }
};

// With formatOnly, the coverage rules (every day 2 to 5 saints, 1,000 rows) are not applied.
SaintsCheckReport CheckSaintsFile(std::string_view bytes, bool formatOnly = false);
std::string FormatReport(const SaintsCheckReport& report);

} // namespace orvelle
