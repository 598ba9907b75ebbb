#include "common/exception.h"
#include "data/csv_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

using namespace orvelle;
using test::TempFile;

namespace {
std::vector<TStringList> AllRows(const std::string& content)
{
    TempFile f(content);
    TCsvFile csv(f.path());
    std::vector<TStringList> rows;
    for (TStringList row = csv.ReadRow(); !row.empty(); row = csv.ReadRow())
        rows.push_back(row);
    return rows;
}
} // namespace

struct RowCase {
    const char* name;
    std::string line;
    TStringList expected;
};
void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << c.name;
}

class RowSyntax : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowSyntax, SplitsOneLineIntoColumns)
{
    TempFile f(GetParam().line);
    TCsvFile csv(f.path());
    EXPECT_EQ(csv.ReadRow(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, RowSyntax,
    ::testing::Values(RowCase{"EmptyColumnKept", "01.02.;x;;y;\n", {"01.02.", "x", "", "y"}},
                      RowCase{"LastColumnWithoutSeparatorIsLost", "a;b;c", {"a", "b"}},
                      RowCase{"QuotedSeparatorIsText", "a;\"b;c\";d;\n", {"a", "\"b;c\"", "d"}},
                      RowCase{"DoubledQuoteTogglesTwice", "a\"\"b;c;\n", {"a\"\"b", "c"}},
                      RowCase{"CarriageReturnsVanishAnywhere", "a\rb;\rc;\r\n", {"ab", "c"}},
                      RowCase{"LineFeedEndsQuotedRow", "\"a;b\nc;", {}},
                      RowCase{"NulEndsLine", std::string("a;b;\0c;d;\n", 10), {"a", "b"}},
                      RowCase{"NoSeparatorMeansNoColumn", "abc\n", {}},
                      RowCase{"UnclosedQuoteSwallowsRest", "a;\"b;c;\n", {"a"}},
                      RowCase{"ColumnsAreNotTrimmed", " a ; b ;\n", {" a ", " b "}},
                      RowCase{"Utf8BytesPassThrough", "01.05.;Jos\xC3\xA9;\n", {"01.05.", "Jos\xC3\xA9"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Reader, CrLfAndLfGiveTheSameRows)
{
    EXPECT_EQ(AllRows("a;b;\r\nc;d;\r\n"), AllRows("a;b;\nc;d;\n"));
}

TEST(Reader, LastLineWithoutLineFeedIsReadThenRowsAreEmpty)
{
    TempFile f("a;b;\nc;d;");
    TCsvFile csv(f.path());
    csv.ReadRow();
    EXPECT_EQ(csv.ReadRow(), (TStringList{"c", "d"}));
    EXPECT_EQ(csv.Position(), 9u);
    EXPECT_TRUE(csv.ReadRow().empty());
    EXPECT_TRUE(csv.ReadRow().empty());
}

TEST(Reader, PositionCountsTheConsumedTerminator)
{
    TempFile f("abc;\nde;\n");
    TCsvFile csv(f.path());
    EXPECT_EQ(csv.Position(), 0u);
    csv.ReadRow();
    EXPECT_EQ(csv.Position(), 5u);
    csv.Reset();
    EXPECT_EQ(csv.Position(), 0u);
    EXPECT_EQ(csv.ReadRow(), (TStringList{"abc"}));
}

TEST(Reader, SeekBounds)
{
    TempFile f("abc;\nde;\n");
    TCsvFile csv(f.path());
    csv.Seek(5);
    EXPECT_EQ(csv.ReadRow(), (TStringList{"de"}));
    csv.Seek(9);
    EXPECT_TRUE(csv.ReadRow().empty());
    csv.Seek(2);
    try {
        csv.Seek(10);
        FAIL() << "seek past the end must raise";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Seek called with pos=[10] but filesize=[9].");
    }
    EXPECT_EQ(csv.Position(), 2u) << "a failed seek leaves the cursor";
}

TEST(Reader, EmptyNameGivesAnIdleReader)
{
    TCsvFile csv("");
    EXPECT_EQ(csv.Position(), 0u);
    EXPECT_TRUE(csv.ReadRow().empty());
    csv.Seek(0);
    EXPECT_THROW(csv.Seek(1), Exception);
}

TEST(Reader, OpenFailuresNameTheFile)
{
    try {
        TCsvFile csv("/nonexistent/dir/saints_out.csv");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Could not open file [/nonexistent/dir/saints_out.csv]");
    }
    TempFile empty("");
    try {
        TCsvFile csv(empty.path());
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Could not mmap open file [" + empty.path() + "]");
    }
    try {
        TCsvFile csv(empty.dir());
        FAIL() << "a directory is no data file";
    } catch (const Exception& e) {
        // Some systems refuse to open a directory, others to map it.
        const std::string dir = empty.dir();
        EXPECT_TRUE(e.what() == "Could not open file [" + dir + "]" ||
                    e.what() == "Could not mmap open file [" + dir + "]")
            << e.what();
    }
}

// The name reaches the system as UTF-8 bytes; on Windows that takes the UTF-8 process code page.
TEST(Reader, OpensAFileWithANonAsciiName)
{
    TempFile f("01.05.;x;\n", "Święci — José.csv");
    TCsvFile csv(f.path());
    EXPECT_EQ(csv.ReadRow(), (TStringList{"01.05.", "x"}));
}

TEST(Reader, FirstColumnMatchesFullRow)
{
    const std::string content = "01.01.;a;\n\"x;y\";b;\nnone\n;lead;\n";
    TempFile f(content);
    TCsvFile rows(f.path()), firsts(f.path());
    std::string col;
    for (int i = 0; i < 5; ++i) {
        const TStringList row = rows.ReadRow();
        const bool has = firsts.ReadFirstColumn(col);
        ASSERT_EQ(has, !row.empty()) << "line " << i;
        if (has) {
            EXPECT_EQ(col, row[0]);
        }
        EXPECT_EQ(rows.Position(), firsts.Position());
    }
}
