#pragma once
// Where the printed saints go: one saint per block, the name as a heading over a rule, then the
// profile as wrapped body lines. Everything is in the printer's device units.
#include <string>
#include <vector>

namespace orvelle {

// The words of a text from Start on: every word after the first carries the space before it, so
// joining the words gives the text back; a run of n spaces gives n - 1 one-space words.
std::vector<std::string> SplitWords(const std::string& Text, std::size_t Start = 0);

enum class TPrintFont { Heading, Body };

// Measures UTF-8 text in one of the two fonts of the job.
class TTextMeasurer {
  public:
    virtual ~TTextMeasurer() = default;
    virtual int TextWidth(TPrintFont font, const std::string& text) const = 0;
    virtual int TextHeight(TPrintFont font, const std::string& text) const = 0;
};

// One thing to draw: a text with its top-left corner at (X, Y), or a rule from X to X2 at Y.
struct TPrintItem {
    enum class TKind { Text, Rule };
    TKind Kind;
    int Page; // 0 for the first page of the job
    int X, Y, X2;
    TPrintFont Font;
    std::string Text;
};

constexpr int kPrintMargin = 120; // left and right; the text column is page width - 240
constexpr int kRuleGap = 30;      // from the name's bottom to the rule, and from the rule to the body

// Lays out the saints of one job, one after the other.
class TPageLayout {
  public:
    TPageLayout(const TTextMeasurer& measurer, int pageWidth, int pageHeight);

    // The items of one saint, in drawing order; it starts on a page of its own.
    std::vector<TPrintItem> AddSaint(const std::string& name, const std::string& profile);

  private:
    void NewPage();
    void BodyLine(std::vector<TPrintItem>& items, const std::string& text);

    const TTextMeasurer& FMeasurer;
    int FPageWidth, FPageHeight;
    int FPage = 0;
    int FY = 0;
    bool FPageEmpty = true;
};

} // namespace orvelle
