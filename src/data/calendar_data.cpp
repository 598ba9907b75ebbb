#include "data/calendar_data.h"

#include "common/exception.h"
#include "common/text.h"

namespace orvelle {

namespace {
unsigned Digit(char c)
{
    if (c < '0' || c > '9')
        throw Exception(Format("'%s' is not a valid integer value", ReadableBytes(std::string(1, c))));
    return static_cast<unsigned>(c - '0');
}

void CheckDay(unsigned month, unsigned day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        throw Exception(Format("Day out of range: month [%u], day [%u].", month, day));
}
} // namespace

void SplitDayKey(const std::string& key, unsigned& month, unsigned& day)
{
    if (key.size() != 6)
        throw Exception(Format("Parse date error : length of [%s] <> 6.", ReadableBytes(key)));
    month = Digit(key[0]) * 10 + Digit(key[1]);
    day = Digit(key[3]) * 10 + Digit(key[4]);
}

void TCalendarData2::ParseDayKey(const std::string& key, unsigned& month, unsigned& day)
{
    SplitDayKey(key, month, day);
    // A key outside the 12 x 31 index has no place to go; refuse it rather than store it.
    if (month < 1 || month > 12 || day < 1 || day > 31)
        throw Exception(Format("Parse date error : month or day out of range in [%s].", ReadableBytes(key)));
}

std::string TCalendarData2::DayKey(unsigned month, unsigned day)
{
    return Format("%.2u.%.2u.", month, day);
}

TCalendarData2::TCalendarData2(const std::string& fileName) : FFileName(fileName)
{
    auto scan = std::make_unique<TCsvFile>(fileName);
    unsigned prevMonth = 1, prevDay = 1;
    std::string key;
    for (;;) {
        const uint32_t pos = scan->Position();
        if (!scan->ReadFirstColumn(key))
            break;
        unsigned month, day;
        ParseDayKey(key, month, day);
        if (month == prevMonth && day == prevDay)
            continue;
        prevMonth = month;
        prevDay = day;
        FDayOffsets[month - 1][day - 1] = pos;
    }
    scan.reset();
    FCsv = std::make_unique<TCsvFile>(fileName);
}

const TSaintList& TCalendarData2::SaintsOfDay(unsigned month, unsigned day)
{
    CheckDay(month, day);
    auto& slot = FDayRows[month - 1][day - 1];
    if (slot)
        return *slot;
    // Stored before loading, so a bad row leaves the rows read before it cached for good.
    slot = std::make_unique<TSaintList>();
    FCsv->Seek(FDayOffsets[month - 1][day - 1]);
    const std::string key = DayKey(month, day);
    for (unsigned rowCount = 0;;) {
        TStringList row = FCsv->ReadRow();
        if (row.empty())
            break;
        if (row.size() != 10 && row.size() != 9)
            throw Exception(
                Format("Bad data in date [%s], row [%u] -> returned only [%u] columns of expected 10", key,
                       rowCount, static_cast<unsigned>(row.size())));
        if (row.size() == 9)
            row.emplace_back();
        ++rowCount;
        if (row[0] != key)
            break;
        slot->push_back(std::move(row));
    }
    return *slot;
}

const TSaintList& TCalendarData2::SaintsOfDate(TDateTime date)
{
    int y;
    unsigned m, d;
    DecodeDate(date, y, m, d);
    return SaintsOfDay(m, d);
}

void TCalendarData2::FindSaints(const std::string& name, const std::string& profile, TSaintRefs& results,
                                TDateTime date)
{
    std::string dateKey;
    if (date != NoDate) {
        int y;
        unsigned m, d;
        DecodeDate(date, y, m, d);
        dateKey = DayKey(m, d);
    }
    const std::string upperName = AsciiUpper(name);
    const std::string upperProfile = AsciiUpper(profile);
    const auto contains = [](const std::string& text, const std::string& upperNeedle) {
        return upperNeedle.empty() || AsciiUpper(text).find(upperNeedle) != std::string::npos;
    };
    for (unsigned month = 1; month <= 12; ++month)
        for (unsigned day = 1; day <= 31; ++day)
            for (const TSaintRecord& rec : SaintsOfDay(month, day))
                if ((date == NoDate || rec[0] == dateKey) && contains(rec[1], upperName) &&
                    contains(rec[4], upperProfile))
                    results.push_back(&rec);
}

} // namespace orvelle
