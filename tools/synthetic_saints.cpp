#include "tools/synthetic_saints.h"

#include "common/exception.h"

#include <array>
#include <cstdint>

namespace orvelle {

namespace {
constexpr std::array<const char*, 24> kNames = {
    "Agnes",  "Ambrose", "Anselm",  "Benedict", "Bridget", "Clare",       "Cyril",  "Dominic",
    "Edmund", "Fabian",  "Gregory", "Hedwig",   "Hilary",  "Ignatius",    "Jerome", "Lucy",
    "Martin", "Monica",  "Norbert", "Patrick",  "Romuald", "Scholastica", "Teresa", "Wenceslaus"};
constexpr std::array<const char*, 12> kPlaces = {"Assisi", "Avila", "Milan",  "Tours",  "Siena",  "Kraków",
                                                 "Lyon",   "Padua", "Cracow", "Prague", "Dublin", "Toledo"};
constexpr std::array<const char*, 40> kWords = {
    "born",   "into",   "a",           "family",     "of",        "the",     "city",     "he",
    "she",    "served", "poor",        "founded",    "monastery", "bishop",  "preached", "faith",
    "during", "years",  "persecution", "wrote",      "letters",   "abbey",   "pilgrims", "council",
    "died",   "in",     "exile",       "remembered", "for",       "charity", "prayer",   "teaching",
    "and",    "with",   "many",        "disciples",  "church",    "reform",  "mission",  "peace"};

struct Lcg {
    uint64_t state;
    uint32_t next()
    {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(state >> 33);
    }
    template <typename A> const char* pick(const A& a) { return a[next() % a.size()]; }
};

constexpr unsigned kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
} // namespace

std::string MakeSyntheticSaints(size_t bytes, unsigned seed)
{
    Lcg rng{seed};
    std::string out;
    out.reserve(bytes + 4096);
    int dayIndex = 0;
    for (unsigned m = 1; m <= 12; ++m)
        for (unsigned d = 1; d <= kDaysInMonth[m - 1]; ++d) {
            // Each day takes its share of the size, and at least two saints.
            const size_t target = bytes / 366 * static_cast<size_t>(++dayIndex);
            for (size_t i = 0; i < 2 || out.size() < target; ++i) {
                const char* name = kNames[i % kNames.size()];
                const char* place = kPlaces[(i / kNames.size() + d) % kPlaces.size()];
                out += Format("%.2u.%.2u.;Saint %s of %s;%s;Bishop and confessor;", m, d, name, place, name);
                const unsigned words = 50 + rng.next() % 101;
                for (unsigned w = 0; w < words; ++w) {
                    out += rng.pick(kWords);
                    out += w + 1 < words ? ' ' : '.';
                }
                out += Format(";%u;%s;Roman Martyrology;;;\n", 300 + rng.next() % 1600, place);
            }
        }
    return out;
}

} // namespace orvelle
