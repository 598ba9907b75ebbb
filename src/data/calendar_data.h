#pragma once
// The saints table: one scan of the file notes where each day's rows begin; a day's rows are
// parsed on first request and kept for the life of the table.
#include "common/date.h"
#include "data/csv_file.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace orvelle {

using TSaintRecord = TStringList;             // exactly 10 columns: 0 day key, 1 name, 3 note, 4 profile
using TSaintList = std::vector<TSaintRecord>; // a day's records, owned by the table
using TSaintRefs = std::vector<const TSaintRecord*>; // borrowed records (search results)

class TCalendarData2 {
  public:
    explicit TCalendarData2(const std::string& fileName);

    const TSaintList& SaintsOfDay(unsigned month, unsigned day);
    const TSaintList& SaintsOfDate(TDateTime date);
    void FindSaints(const std::string& name, const std::string& profile, TSaintRefs& results, TDateTime date);

    // "%.2u.%.2u." month first; throws on a bad length, a non-digit or a month/day out of range.
    static void ParseDayKey(const std::string& key, unsigned& month, unsigned& day);
    static std::string DayKey(unsigned month, unsigned day);

    uint32_t DayOffset(unsigned month, unsigned day) const { return FDayOffsets[month - 1][day - 1]; }

  private:
    std::string FFileName;
    std::unique_ptr<TCsvFile> FCsv;
    std::array<std::array<uint32_t, 31>, 12> FDayOffsets{};
    std::array<std::array<std::unique_ptr<TSaintList>, 31>, 12> FDayRows{};
};

// Reads a day key's month and day as the saints list does: length 6, digits at 1-2 and 4-5.
void SplitDayKey(const std::string& key, unsigned& month, unsigned& day);

} // namespace orvelle
