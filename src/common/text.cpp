#include "common/text.h"

#include <cstdint>

namespace orvelle {

namespace {
// The length of the valid UTF-8 sequence that starts at s[i], or 0 when none does.
size_t SequenceLength(std::string_view s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    size_t len;
    uint32_t cp;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
        (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return len;
}
} // namespace

bool IsValidUtf8(std::string_view s)
{
    for (size_t i = 0, len; i < s.size(); i += len)
        if ((len = SequenceLength(s, i)) == 0)
            return false;
    return true;
}

std::string ReadableBytes(std::string_view bytes)
{
    constexpr size_t kMaxCharacters = 60; // as shown, an escape counting four
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    size_t shown = 0;
    for (size_t i = 0, len; i < bytes.size(); i += len) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        len = SequenceLength(bytes, i);
        const bool escaped = len == 0 || c < 0x20 || c == 0x7F;
        shown += escaped ? 4 : 1;
        if (shown > kMaxCharacters)
            return out + "\xE2\x80\xA6"; // …
        if (escaped) {
            out += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
            len = 1;
        } else {
            out.append(bytes.substr(i, len));
        }
    }
    return out;
}

namespace {
// Windows-1252 0x80..0x9F; the five unassigned bytes map to their C1 control code points.
constexpr uint16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
} // namespace

std::string ToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

std::string AsciiUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

} // namespace orvelle
