#pragma once
// The program's one error type and its message formatter: every message stands in the code as a
// printf format with the offending value in square brackets.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace orvelle {

class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

namespace detail {
template <typename T> auto format_arg(const T& v)
{
    if constexpr (std::is_same_v<T, std::string>)
        return v.c_str();
    else
        return v;
}
} // namespace detail

template <typename... Args> std::string Format(const char* fmt, const Args&... args)
{
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
#endif
    const int n = std::snprintf(nullptr, 0, fmt, detail::format_arg(args)...);
    if (n <= 0)
        return n == 0 ? std::string() : std::string(fmt);
    std::string out(static_cast<size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, fmt, detail::format_arg(args)...);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    return out;
}

} // namespace orvelle
