#include "common/exception.h"
#include "data/calendar_data.h"
#include "data/saints_data.h"
#include "test_files.h"

#include <gtest/gtest.h>

using namespace orvelle;
using test::TempFile;

namespace {
std::string Row(const std::string& key, const std::string& name, const std::string& profile = "p",
                int columns = 10)
{
    std::string cols[10] = {key, name, "sort", "note", profile, "1200", "", "cal", "", ""};
    std::string line;
    for (int i = 0; i < columns; ++i)
        line += (i < 10 ? cols[i] : "x") + ";";
    return line + "\n";
}

std::vector<std::string> Names(const TSaintList& list)
{
    std::vector<std::string> out;
    for (const auto& r : list)
        out.push_back(r[1]);
    return out;
}

std::string ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}
} // namespace

TEST(SaintsTable, DayRowsFoundForAnyYear)
{
    TempFile f(Row("01.01.", "Mary") + Row("12.25.", "Anastasia") + Row("12.25.", "Eugenia"));
    TCalendarData2 t(f.path());
    EXPECT_EQ(Names(t.SaintsOfDate(EncodeDate(1900, 12, 25))),
              (std::vector<std::string>{"Anastasia", "Eugenia"}));
    EXPECT_EQ(Names(t.SaintsOfDate(EncodeDate(2100, 12, 25) + 0.75)),
              (std::vector<std::string>{"Anastasia", "Eugenia"}));
    EXPECT_EQ(Names(t.SaintsOfDay(1, 1)), (std::vector<std::string>{"Mary"}));
    EXPECT_EQ(t.DayOffset(1, 1), 0u) << "the first run of 1 January starts at byte 0";
}

TEST(SaintsTable, EmptyAndImpossibleDaysGiveTheSameEmptyList)
{
    TempFile f(Row("03.01.", "David"));
    TCalendarData2 t(f.path());
    const TSaintList* first = &t.SaintsOfDay(7, 4);
    EXPECT_TRUE(first->empty());
    EXPECT_EQ(first, &t.SaintsOfDay(7, 4));
    EXPECT_TRUE(t.SaintsOfDay(2, 30).empty());
    EXPECT_TRUE(t.SaintsOfDay(1, 1).empty()) << "offset 0 points at another day's run";
}

TEST(SaintsTable, NineColumnsAreCompleted)
{
    TempFile f(Row("05.01.", "Joseph", "p", 9));
    TCalendarData2 t(f.path());
    const auto& day = t.SaintsOfDay(5, 1);
    ASSERT_EQ(day.size(), 1u);
    ASSERT_EQ(day[0].size(), 10u);
    EXPECT_EQ(day[0][9], "");
}

TEST(SaintsTable, BadColumnCountRaisesOnceAndKeepsEarlierRows)
{
    for (int columns : {8, 11}) {
        TempFile f(Row("06.24.", "John") + Row("06.24.", "Bad", "p", columns) + Row("06.24.", "Later"));
        TCalendarData2 t(f.path());
        EXPECT_EQ(ErrorOf([&] { t.SaintsOfDay(6, 24); }),
                  Format("Bad data in date [06.24.], row [1] -> returned only [%u] columns of expected 10",
                         static_cast<unsigned>(columns)));
        EXPECT_EQ(Names(t.SaintsOfDay(6, 24)), (std::vector<std::string>{"John"}));
    }
}

TEST(SaintsTable, MalformedFirstRowOfNextRunIsReportedUnderEarlierDay)
{
    TempFile f(Row("02.01.", "Brigid") + Row("02.02.", "Bad", "p", 8));
    TCalendarData2 t(f.path());
    EXPECT_EQ(ErrorOf([&] { t.SaintsOfDay(2, 1); }),
              "Bad data in date [02.01.], row [1] -> returned only [8] columns of expected 10");
}

TEST(SaintsTable, EmptyLineEndsTheData)
{
    TempFile f(Row("03.17.", "Patrick") + "\n" + Row("03.19.", "Joseph"));
    TCalendarData2 t(f.path());
    EXPECT_EQ(t.SaintsOfDay(3, 17).size(), 1u);
    EXPECT_TRUE(t.SaintsOfDay(3, 19).empty());
}

TEST(SaintsTable, LaterRunOfTheSameDayWins)
{
    TempFile f(Row("04.01.", "Early") + Row("04.02.", "Other") + Row("04.01.", "Late"));
    TCalendarData2 t(f.path());
    EXPECT_EQ(Names(t.SaintsOfDay(4, 1)), (std::vector<std::string>{"Late"}));
}

TEST(SaintsTable, ScanRejectsBadKeys)
{
    struct Case {
        std::string key, message;
    } cases[] = {
        {"1.1.", "Parse date error : length of [1.1.] <> 6."},
        {"0a.01.", "'a' is not a valid integer value"},
        {"25.12.", "Parse date error : month or day out of range in [25.12.]."},
        {"00.10.", "Parse date error : month or day out of range in [00.10.]."},
        {"01.32.", "Parse date error : month or day out of range in [01.32.]."},
        {"01.00.", "Parse date error : month or day out of range in [01.00.]."},
        // Bytes from a broken file are quoted readably.
        {"\x01\xFE.\t01.", "Parse date error : length of [\\x01\\xFE.\\x0901.] <> 6."},
        {"0\x7F.01.", "'\\x7F' is not a valid integer value"},
        {"\xC3\xA9.01.1", "Parse date error : length of [\xC3\xA9.01.1] <> 6."},
        {std::string(70, 'x'),
         "Parse date error : length of [" + std::string(60, 'x') + "\xE2\x80\xA6] <> 6."},
    };
    for (const auto& c : cases) {
        TempFile f(Row("01.02.", "Fine") + Row(c.key, "Bad"));
        EXPECT_EQ(ErrorOf([&] { TCalendarData2 t(f.path()); }), c.message) << c.key;
    }
}

TEST(SaintsTable, SearchFindsInCalendarOrderWithAsciiCaseFolding)
{
    TempFile f(Row("12.25.", "Anastasia", "martyr of Sirmium") +
               Row("02.29.", "Oswald", "bishop of Worcester") +
               Row("01.03.", "Genevieve", "patroness of PARIS") + Row("01.03.", "\xC3\x89mile", "x") +
               Row("06.24.", "John the Baptist", "forerunner"));
    TCalendarData2 t(f.path());
    const auto find = [&](const std::string& name, const std::string& profile, TDateTime date) {
        TSaintRefs res;
        t.FindSaints(name, profile, res, date);
        std::vector<std::string> names;
        for (const auto* r : res)
            names.push_back((*r)[1]);
        return names;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(find("", "", NoDate),
              (V{"Genevieve", "\xC3\x89mile", "Oswald", "John the Baptist", "Anastasia"}));
    EXPECT_EQ(find("oswald", "", NoDate), (V{"Oswald"}));
    EXPECT_EQ(find("", "paris", NoDate), (V{"Genevieve"}));
    EXPECT_EQ(find("\xC3\xA9mile", "", NoDate), V{}) << "accented letters match exactly";
    EXPECT_EQ(find("\xC3\x89MILE", "", NoDate), (V{"\xC3\x89mile"}));
    EXPECT_EQ(find("john", "", EncodeDate(1999, 6, 24)), (V{"John the Baptist"}));
    EXPECT_EQ(find("john", "", EncodeDate(1999, 6, 25)), V{});
    EXPECT_EQ(find("Oswald ", "", NoDate), V{}) << "a trailing blank is part of the criterion";
    EXPECT_EQ(find("", "", EncodeDate(2024, 2, 29)), (V{"Oswald"}));
    EXPECT_EQ(find("sort", "", NoDate), V{}) << "column 2 is never searched";
    EXPECT_EQ(find("", "note", NoDate), V{}) << "column 3 is never searched";
}

TEST(SaintsTable, TwentyNinthOfFebruaryOnlyForExistingDates)
{
    TempFile f(Row("02.29.", "Oswald"));
    TCalendarData2 t(f.path());
    EXPECT_EQ(t.SaintsOfDate(EncodeDate(2024, 2, 29)).size(), 1u);
    EXPECT_THROW(EncodeDate(2023, 2, 29), Exception);
}

TEST(SaintsComponent, LoadsReplacesAndReportsFailure)
{
    TempFile good(Row("08.15.", "Tarcisius"));
    TSaintsData data;
    int changed = 0;
    data.DataChanged = [&](TSaintsData* sender) {
        EXPECT_EQ(sender, &data);
        ++changed;
    };
    EXPECT_EQ(data.SaintsOfDate(EncodeDate(2020, 8, 15)), nullptr);
    TSaintRefs none;
    data.FindSaints("", "", none, NoDate);
    EXPECT_TRUE(none.empty());

    data.SetDataIniPath(good.path());
    EXPECT_EQ(changed, 1);
    ASSERT_NE(data.SaintsOfDate(EncodeDate(2020, 8, 15)), nullptr);
    EXPECT_EQ(data.SaintsOfDate(EncodeDate(2020, 8, 15))->size(), 1u);

    EXPECT_THROW(data.SetDataIniPath(good.dir() + "/missing.csv"), Exception);
    EXPECT_EQ(changed, 1);
    EXPECT_FALSE(data.HasTable());
    EXPECT_EQ(data.DataIniPath(), good.dir() + "/missing.csv");
}
