#include "dialogs/print_layout.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace orvelle;

namespace {
// Every byte is 10 units wide; names are 50 units high, body lines 20.
class FixedMeasurer : public TTextMeasurer {
  public:
    int TextWidth(TPrintFont, const std::string& text) const override
    {
        return 10 * static_cast<int>(text.size());
    }
    int TextHeight(TPrintFont font, const std::string&) const override
    {
        return font == TPrintFont::Heading ? 50 : 20;
    }
};

constexpr int kWidth = 1240; // a text column of 1000 units: 100 characters
const FixedMeasurer measurer;

std::vector<std::string> Texts(const std::vector<TPrintItem>& items, TPrintFont font)
{
    std::vector<std::string> texts;
    for (const TPrintItem& item : items)
        if (item.Kind == TPrintItem::TKind::Text && item.Font == font)
            texts.push_back(item.Text);
    return texts;
}

std::string Words(int count) // "w000 w001 ...": each word after the first is 5 characters
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? " w" : "w") + std::to_string(1000 + i).substr(1);
    return text;
}
} // namespace

TEST(SplitWords, EveryWordAfterTheFirstCarriesItsSpace)
{
    struct Case {
        std::string text;
        std::size_t start;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"", 0, {}},
        {"one", 0, {"one"}},
        {"one two three", 0, {"one", " two", " three"}},
        {" leading", 0, {"", " leading"}},
        {"a   b", 0, {"a", " ", " ", " b"}}, // three spaces: two one-space words, then " b"
        {"trailing ", 0, {"trailing", " "}},
        {"xx one two", 3, {"one", " two"}},
        {"abc", 3, {}},
    };
    for (const Case& c : cases) {
        const auto words = SplitWords(c.text, c.start);
        EXPECT_EQ(words, c.words) << '"' << c.text << '"';
        EXPECT_EQ(std::accumulate(words.begin(), words.end(), std::string()), c.text.substr(c.start))
            << "joining gives the text back: \"" << c.text << '"';
    }
}

TEST(PageLayout, NameRuleAndBodyKeepTheirDistances)
{
    TPageLayout layout(measurer, kWidth, 2000);
    const auto items = layout.AddSaint("Anne", "Mother of Mary");
    ASSERT_EQ(items.size(), 3u);
    // The name's top is one name height down; the rule 30 under its bottom; the body 30 under that.
    EXPECT_EQ(items[0].Kind, TPrintItem::TKind::Text);
    EXPECT_EQ(items[0].Text, "Anne");
    EXPECT_EQ(items[0].X, 120);
    EXPECT_EQ(items[0].Y, 50);
    EXPECT_EQ(items[1].Kind, TPrintItem::TKind::Rule);
    EXPECT_EQ(items[1].X, 120);
    EXPECT_EQ(items[1].X2, kWidth - 120);
    EXPECT_EQ(items[1].Y, 130);
    EXPECT_EQ(items[2].Text, "Mother of Mary");
    EXPECT_EQ(items[2].X, 120);
    EXPECT_EQ(items[2].Y, 160) << "60 units under the name's bottom";
}

TEST(PageLayout, LinesBreakAtTheTextColumn)
{
    const std::string full(100, 'x'); // exactly the column
    const std::string wide(150, 'y'); // wider than the column
    struct Case {
        const char* what;
        std::string profile;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a line exactly as wide as the column stays whole",
         std::string(98, 'x') + " b",
         {std::string(98, 'x') + " b"}},
        {"one unit more breaks it", full + " b", {full, " b"}},
        {"twenty words of five characters per line",
         Words(41),
         {Words(20), Words(40).substr(99), Words(41).substr(199)}},
        {"a wide first word prints alone, with no empty line before it", wide + " b", {wide, " b"}},
        {"a wide word inside gets a line of its own", "a " + wide + " c", {"a", " " + wide, " c"}},
        {"a leading space stays on the first line", " a b", {" a b"}},
        {"an empty profile has no lines", "", {}},
    };
    for (const Case& c : cases) {
        TPageLayout layout(measurer, kWidth, 100000);
        EXPECT_EQ(Texts(layout.AddSaint("N", c.profile), TPrintFont::Body), c.lines) << c.what;
    }
}

TEST(PageLayout, BodyContinuesOnTheNextPageWithoutCuttingALine)
{
    // The body starts at 160; twelve lines of 20 end at 400.
    struct Case {
        int pageHeight;
        int linesOnFirstPage;
    };
    for (const Case c : {Case{400, 12}, Case{410, 12}, Case{419, 12}, Case{420, 13}}) {
        TPageLayout layout(measurer, kWidth, c.pageHeight);
        const auto items = layout.AddSaint("Long", Words(20 * 15)); // 15 lines
        int first = 0;
        for (const TPrintItem& item : items) {
            const int bottom = item.Y + (item.Font == TPrintFont::Heading ? 50 : 20);
            EXPECT_LE(bottom, c.pageHeight) << "no line is cut by the bottom edge: " << item.Text;
            if (item.Page == 0 && item.Font == TPrintFont::Body)
                ++first;
        }
        EXPECT_EQ(first, c.linesOnFirstPage) << c.pageHeight;
        const auto second = std::find_if(items.begin(), items.end(), [](auto& i) { return i.Page == 1; });
        ASSERT_NE(second, items.end());
        EXPECT_EQ(second->Y, 0) << "the next page starts at its top";
        EXPECT_EQ(second->Font, TPrintFont::Body) << "with no repeated name";
        EXPECT_EQ(second->Text.front(), ' ') << "a continuation line";
        EXPECT_EQ(items.back().Page, 1);
    }
}

TEST(PageLayout, EachSaintStartsAtTheTopOfItsOwnPage)
{
    TPageLayout layout(measurer, kWidth, 400);
    const std::vector<int> expected{0, 1, 2, 3};
    std::vector<int> pages;
    // The second fills its page to the bottom edge exactly; the third has no profile.
    for (const std::string& profile :
         {std::string("short"), Words(20 * 12), std::string(), std::string("x")}) {
        const auto items = layout.AddSaint("N", profile);
        pages.push_back(items.front().Page);
        EXPECT_EQ(items.front().Y, 50);
    }
    EXPECT_EQ(pages, expected) << "no empty page between saints";
}
