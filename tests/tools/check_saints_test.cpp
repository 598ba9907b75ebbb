#include "tools/saints_check.h"
#include "tools/synthetic_saints.h"

#include <gtest/gtest.h>

using namespace orvelle;

namespace {
const std::string kProfile(
    "one two three four five six seven eight nine ten one two three four five six seven eight nine ten "
    "one two three four five six seven eight nine ten one two three four five six seven eight nine ten "
    "one two three four five six seven eight nine ten");

std::string Line(const std::string& key, const std::string& name, const std::string& profile = kProfile)
{
    return key + ";" + name + ";sort;note;" + profile + ";1200;;General Roman Calendar;;;\n";
}
} // namespace

TEST(SaintsFileCheck, NamesTheFaultOfEachBadLine)
{
    struct Case {
        const char* what;
        std::string badLine, expected;
    } cases[] = {
        {"crlf", "01.02.;a;s;n;p;1;;c;;;\r\n", "line 2: carriage return"},
        {"nine columns", "01.02.;a;s;n;p;1;;c;;\n", "line 2: 9 columns instead of 10"},
        {"unclosed", "01.02.;a;s;n;p;1;;c;;x\n", "line 2: the last column is not closed"},
        {"quote", "01.02.;\"a\";s;n;p;1;;c;;;\n", "line 2: double quote"},
        {"day first key", "25.12.;a;s;n;p;1;;c;;;\n", "line 2: bad day key [25.12.]"},
        {"impossible day", "02.30.;a;s;n;p;1;;c;;;\n", "line 2: bad day key [02.30.]"},
        {"empty name", "01.02.;;s;n;p;1;;c;;;\n", "line 2: empty name (column 1)"},
        {"empty line", "\n", "line 2: empty line"},
        {"latin-1", "01.02.;Th\xE9r\xE8se;s;n;p;1;;c;;;\n", "line 2: not valid UTF-8"},
        {"column 9 used", "01.02.;a;s;n;p;1;;c;;x;\n", "line 2: columns 8 and 9 must be empty"},
    };
    for (const auto& c : cases) {
        const auto report =
            CheckSaintsFile(Line("01.01.", "Mary") + c.badLine + Line("01.03.", "Genevieve"), true);
        ASSERT_EQ(report.faults.size(), 1u) << c.what;
        EXPECT_EQ(report.faults[0].rfind(c.expected, 0), 0u) << c.what << ": " << report.faults[0];
    }
}

TEST(SaintsFileCheck, DaysMustStayTogetherAndInOrder)
{
    auto report = CheckSaintsFile(Line("01.02.", "A") + Line("01.03.", "B") + Line("01.02.", "C"), true);
    ASSERT_EQ(report.faults.size(), 1u);
    EXPECT_EQ(report.faults[0],
              "line 3: day 01.02. appears again after other days: keep a day's rows together");
    report = CheckSaintsFile(Line("03.01.", "A") + Line("02.01.", "B"), true);
    ASSERT_EQ(report.faults.size(), 1u);
    EXPECT_EQ(report.faults[0], "line 2: day 02.01. out of calendar order");
    report = CheckSaintsFile(Line("03.01.", "A") + Line("03.01.", "A"), true);
    ASSERT_EQ(report.faults.size(), 1u);
    EXPECT_EQ(report.faults[0], "line 2: A is listed twice on this day");
}

TEST(SaintsFileCheck, CoverageRulesOnlyInFullMode)
{
    const std::string oneDay = Line("01.01.", "Mary") + Line("01.01.", "Basil", "too short");
    EXPECT_TRUE(CheckSaintsFile(oneDay, true).ok());
    const auto full = CheckSaintsFile(oneDay, false);
    EXPECT_EQ(full.faults.front(), "line 2: profile of 2 words (50 to 150 expected)");
    EXPECT_EQ(full.faults[1], "day 01.02.: 0 rows (2 to 6 expected)");
    EXPECT_EQ(full.faults.back(), "2 rows in all (at least 1000 expected)");
    EXPECT_EQ(full.days, 1u);
    EXPECT_EQ(full.maxPerDay, 2u);
    EXPECT_EQ(full.minPerDay, 0u);
}

TEST(SaintsFileCheck, SyntheticFilesAreValid)
{
    const auto report = CheckSaintsFile(MakeSyntheticSaints(1 << 20), true);
    EXPECT_TRUE(report.ok()) << FormatReport(report);
    EXPECT_EQ(report.days, 366u);
    EXPECT_GE(report.minPerDay, 2u);
}

TEST(SaintsFileCheck, MeasuresHowProfilesBeginAndEnd)
{
    struct Case {
        const char* name;
        const char* profile;
        bool endsOnYear, beginsWithName;
    };
    const Case cases[] = {
        {"Saint Odilo of Cluny", "Odilo led Cluny. He died at Souvigny in 1049.", true, true},
        {"Saint Odilo of Cluny", "Odilo led Cluny. He was canonised in 1063", true, true},
        {"Blessed Ignatius Falzon", "In Valletta a lawyer taught. He was beatified by John Paul II in 2001.", true,
         false},
        {"Saint Anne", "Born in 1200, she prayed. Her shrine draws pilgrims each July.", false, false},
        {"Saint Anne", "Anne died in 1200. Her church stands at the harbour.", false, true},
        {"Saint Paul", "Paul wrote letters. He died in the first century.", false, true},
        {"Saint Józef Bilczewski", "Józef Bilczewski was archbishop. His 12,000 pupils remember him.", false, true},
        {"The Assumption of Mary", "On this day the Church keeps a feast.", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndsOnAYear(c.profile), c.endsOnYear) << c.profile;
        EXPECT_EQ(BeginsWithName(c.name, c.profile), c.beginsWithName) << c.profile;
    }
}
