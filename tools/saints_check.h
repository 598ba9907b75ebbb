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
    size_t endsOnYear =
        0; // profiles whose last sentence gives a year of death, canonisation or beatification
    size_t beginsWithName = 0;       // profiles whose first word is the saint's name
    std::vector<std::string> faults; // "line N: why", or a whole-file fault
    bool ok() const { return faults.empty(); }
};

// With formatOnly, the coverage rules (every day 2 to 6 rows, 1,000 rows) are not applied.
SaintsCheckReport CheckSaintsFile(std::string_view bytes, bool formatOnly = false);
std::string FormatReport(const SaintsCheckReport& report);

// How a profile reads: the measures the report shares out.
bool EndsOnAYear(std::string_view profile);
bool BeginsWithName(std::string_view name, std::string_view profile);

} // namespace orvelle
