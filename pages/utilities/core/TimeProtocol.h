#pragma once
// The answer of a TIME server (RFC 868): four bytes, the seconds since
// 1 January 1900 UTC in network byte order, and the UTC time it stands for.
#include <cstdint>
#include <optional>
#include <string_view>

namespace timeprotocol {

// Seconds from 1 January 1900 to 1 January 1990, the base date of the conversion.
inline constexpr std::int64_t SecondsTo1990 = 2840140800;

struct UtcTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    bool operator==(const UtcTime&) const = default;
};

// The answer without its leading and trailing blanks (character 32 only).
std::string_view TrimBlanks(std::string_view answer);

// The seconds since 1990 that a four-byte answer holds; nothing for any other length.
// The 32-bit count wraps on 7 February 2036, so a count below the 1990 offset
// belongs to the era after the wrap.
std::optional<std::int64_t> SecondsSince1990(std::string_view answer);

// Half the round trip in whole seconds: to the nearest, halves to even.
std::int64_t RoundedDelay(float seconds);

UtcTime FromSecondsSince1990(std::int64_t seconds);

// The time to set the clock to: the trimmed answer plus the rounded delay;
// nothing when the answer is no time.
std::optional<UtcTime> ServerTime(std::string_view answer, float delaySeconds);

} // namespace timeprotocol
