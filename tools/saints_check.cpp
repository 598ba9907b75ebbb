#include "tools/saints_check.h"

#include "common/exception.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <sstream>

namespace orvelle {

namespace {
constexpr unsigned kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr size_t kColumns = 10;
constexpr unsigned kMinPerDay = 2, kMaxPerDay = 6, kMinWords = 50, kMaxWords = 150;
constexpr size_t kMinRows = 1000;

int DayIndex(unsigned month, unsigned day)
{
    int index = 0;
    for (unsigned m = 1; m < month; ++m)
        index += static_cast<int>(kDaysInMonth[m - 1]);
    return index + static_cast<int>(day) - 1;
}

// The day's index in the year (0..365), or -1 when the key is not "MM.DD." of a real day.
int ParseKey(std::string_view key)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (key.size() != 6 || !digit(key[0]) || !digit(key[1]) || key[2] != '.' || !digit(key[3]) ||
        !digit(key[4]) || key[5] != '.')
        return -1;
    const unsigned month = static_cast<unsigned>((key[0] - '0') * 10 + (key[1] - '0'));
    const unsigned day = static_cast<unsigned>((key[3] - '0') * 10 + (key[4] - '0'));
    if (month < 1 || month > 12 || day < 1 || day > kDaysInMonth[month - 1])
        return -1;
    return DayIndex(month, day);
}

// Letters, apostrophes and every byte of a multi-byte UTF-8 character make up words.
bool WordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalpha(u) || u >= 0x80 || c == '\'';
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (WordByte(c)) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool HasYear(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])) ||
            (i > 0 && std::isalnum(static_cast<unsigned char>(text[i - 1]))))
            continue;
        size_t j = i;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j;
        const bool ended = j == text.size() || !std::isalnum(static_cast<unsigned char>(text[j]));
        if (ended && text[i] != '0' && (j - i == 3 || j - i == 4))
            return true;
        i = j;
    }
    return false;
}

size_t CountWords(std::string_view text)
{
    size_t words = 0;
    bool inWord = false;
    for (const char c : text) {
        const bool space = c == ' ' || c == '\t';
        words += !space && !inWord;
        inWord = !space;
    }
    return words;
}
} // namespace

bool EndsOnAYear(std::string_view profile)
{
    while (!profile.empty() && (profile.back() == ' ' || profile.back() == '.'))
        profile.remove_suffix(1);
    size_t start = 0;
    for (size_t i = 0; i + 1 < profile.size(); ++i)
        if ((profile[i] == '.' || profile[i] == '!' || profile[i] == '?') && profile[i + 1] == ' ')
            start = i + 2;
    const std::string_view last = profile.substr(start);
    if (!HasYear(last))
        return false;
    static const std::set<std::string> deathWords = {"die",      "died",      "dies",     "dying",  "death",
                                                     "martyred", "martyrdom", "executed", "killed", "slain",
                                                     "beheaded", "burned",    "hanged"};
    for (const std::string& w : Words(last))
        if (deathWords.count(w) || w.rfind("canoni", 0) == 0 || w.rfind("beatif", 0) == 0)
            return true;
    return false;
}

bool BeginsWithName(std::string_view name, std::string_view profile)
{
    static const std::set<std::string> titles = {"saint", "saints",    "blessed", "pope",
                                                 "st",    "venerable", "holy",    "the"};
    const std::vector<std::string> first = Words(profile.substr(0, 200));
    for (const std::string& w : Words(name))
        if (!titles.count(w))
            return !first.empty() && first.front() == w;
    return false;
}

SaintsCheckReport CheckSaintsFile(std::string_view bytes, bool formatOnly)
{
    SaintsCheckReport report;
    auto fault = [&](size_t line, const std::string& why) {
        report.faults.push_back(Format("line %zu: %s", line, why));
    };
    std::array<unsigned, 366> perDay{};
    std::set<int> finishedDays;
    std::set<std::string> namesOfDay;
    int currentDay = -1;
    size_t lineNo = 0, pos = 0;
    if (bytes.empty())
        report.faults.push_back("the file is empty");
    else if (bytes.back() != '\n')
        report.faults.push_back("the last line does not end with a line feed");
    while (pos < bytes.size()) {
        const size_t lf = bytes.find('\n', pos);
        const std::string_view line =
            bytes.substr(pos, lf == std::string_view::npos ? bytes.size() - pos : lf - pos);
        pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
        ++lineNo;
        if (line.empty()) {
            fault(lineNo, "empty line (the program stops reading there)");
            continue;
        }
        if (line.find('\r') != std::string_view::npos) {
            fault(lineNo, "carriage return: lines end with LF alone");
            continue;
        }
        if (line.find('\0') != std::string_view::npos) {
            fault(lineNo, "NUL byte");
            continue;
        }
        if (!IsValidUtf8(line)) {
            fault(lineNo, "not valid UTF-8");
            continue;
        }
        if (line.find('"') != std::string_view::npos) {
            fault(lineNo, "double quote in a field (the reader keeps quotes in the text)");
            continue;
        }
        if (line.back() != ';') {
            fault(lineNo, "the last column is not closed by \";\"");
            continue;
        }
        std::vector<std::string_view> cols;
        for (size_t start = 0; start < line.size();) {
            const size_t semi = line.find(';', start);
            cols.push_back(line.substr(start, semi - start));
            start = semi + 1;
        }
        if (cols.size() != kColumns) {
            fault(lineNo, Format("%zu columns instead of 10", cols.size()));
            continue;
        }
        const int day = ParseKey(cols[0]);
        if (day < 0) {
            fault(lineNo,
                  Format("bad day key [%s]: month first, \"MM.DD.\" of a real day", std::string(cols[0])));
            continue;
        }
        ++report.rows;
        if (day != currentDay) {
            if (finishedDays.count(day))
                fault(lineNo, Format("day %s appears again after other days: keep a day's rows together",
                                     std::string(cols[0])));
            else if (currentDay > day)
                fault(lineNo, Format("day %s out of calendar order", std::string(cols[0])));
            if (currentDay >= 0)
                finishedDays.insert(currentDay);
            currentDay = day;
            namesOfDay.clear();
        }
        ++perDay[static_cast<size_t>(day)];
        const char* shown[] = {nullptr, "name", nullptr, "note", "profile"};
        for (size_t c : {1, 3, 4})
            if (cols[c].empty())
                fault(lineNo, Format("empty %s (column %zu)", shown[c], c));
        if (!cols[8].empty() || !cols[9].empty())
            fault(lineNo, "columns 8 and 9 must be empty");
        if (!namesOfDay.insert(std::string(cols[1])).second)
            fault(lineNo, Format("%s is listed twice on this day", std::string(cols[1])));
        report.endsOnYear += EndsOnAYear(cols[4]);
        report.beginsWithName += BeginsWithName(cols[1], cols[4]);
        const size_t words = CountWords(cols[4]);
        if (!formatOnly && (words < kMinWords || words > kMaxWords))
            fault(lineNo, Format("profile of %zu words (50 to 150 expected)", words));
    }
    std::array<unsigned, 366> sorted = perDay;
    std::sort(sorted.begin(), sorted.end());
    report.days =
        static_cast<size_t>(std::count_if(perDay.begin(), perDay.end(), [](unsigned n) { return n > 0; }));
    report.minPerDay = sorted.front();
    report.medianPerDay = sorted[sorted.size() / 2];
    report.maxPerDay = sorted.back();
    if (!formatOnly) {
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= kDaysInMonth[m - 1]; ++d) {
                const unsigned n = perDay[static_cast<size_t>(DayIndex(m, d))];
                if (n < kMinPerDay || n > kMaxPerDay)
                    report.faults.push_back(Format("day %.2u.%.2u.: %u rows (2 to 6 expected)", m, d, n));
            }
        if (report.rows < kMinRows)
            report.faults.push_back(Format("%zu rows in all (at least 1000 expected)", report.rows));
    }
    return report;
}

std::string FormatReport(const SaintsCheckReport& report)
{
    std::ostringstream out;
    out << "rows: " << report.rows << "\ndays covered: " << report.days << " of 366\n"
        << "saints per day: min " << report.minPerDay << ", median " << report.medianPerDay << ", max "
        << report.maxPerDay << "\n";
    const auto share = [&](size_t n) {
        return report.rows ? 100.0 * static_cast<double>(n) / static_cast<double>(report.rows) : 0.0;
    };
    out << Format("profiles ending on a year of death, canonisation or beatification: %zu (%.1f %%)\n",
                  report.endsOnYear, share(report.endsOnYear))
        << Format("profiles beginning with the name: %zu (%.1f %%)\n", report.beginsWithName,
                  share(report.beginsWithName));
    for (const auto& f : report.faults)
        out << f << "\n";
    out << (report.ok() ? "OK" : Format("%zu faults", report.faults.size())) << "\n";
    return out.str();
}

} // namespace orvelle
