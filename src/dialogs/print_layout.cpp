#include "dialogs/print_layout.h"

namespace orvelle {

std::vector<std::string> SplitWords(const std::string& Text, std::size_t Start)
{
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = Start; i < Text.size(); ++i) {
        if (Text[i] == ' ') {
            words.push_back(word);
            word.clear();
        }
        word += Text[i];
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

TPageLayout::TPageLayout(const TTextMeasurer& measurer, int pageWidth, int pageHeight)
    : FMeasurer(measurer), FPageWidth(pageWidth), FPageHeight(pageHeight)
{
}

void TPageLayout::NewPage()
{
    ++FPage;
    FY = 0;
    FPageEmpty = true;
}

std::vector<TPrintItem> TPageLayout::AddSaint(const std::string& name, const std::string& profile)
{
    std::vector<TPrintItem> items;
    // Every saint starts at the top of a page, so its heading and rule always find room.
    if (!FPageEmpty)
        NewPage();
    const int h = FMeasurer.TextHeight(TPrintFont::Heading, name);
    FY += h;
    items.push_back({TPrintItem::TKind::Text, FPage, kPrintMargin, FY, 0, TPrintFont::Heading, name});
    const int ruleY = FY + h + kRuleGap;
    items.push_back({TPrintItem::TKind::Rule,
                     FPage,
                     kPrintMargin,
                     ruleY,
                     FPageWidth - kPrintMargin,
                     TPrintFont::Heading,
                     {}});
    FY += h + 2 * kRuleGap;
    FPageEmpty = false;

    const int column = FPageWidth - 2 * kPrintMargin;
    std::string line;
    for (const std::string& word : SplitWords(profile)) {
        // A word wider than the column gets a line of its own, with no empty line before it.
        if (!line.empty() && FMeasurer.TextWidth(TPrintFont::Body, line + word) > column) {
            BodyLine(items, line);
            line.clear();
        }
        line += word;
    }
    if (!line.empty())
        BodyLine(items, line);
    return items;
}

void TPageLayout::BodyLine(std::vector<TPrintItem>& items, const std::string& text)
{
    const int height = FMeasurer.TextHeight(TPrintFont::Body, text);
    // A line that would reach past the bottom edge goes to the next page whole.
    if (!FPageEmpty && FY + height > FPageHeight)
        NewPage();
    items.push_back({TPrintItem::TKind::Text, FPage, kPrintMargin, FY, 0, TPrintFont::Body, text});
    FY += height;
    FPageEmpty = false;
}

} // namespace orvelle
