#include "controls/SevenFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace controls {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kExponentFromAbove = 15; // 1E15 and above
constexpr int kExponentBelow = -5;     // below 0.00001

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Accepts [+-]digits[.digits][(e|E)[+-]digits] with at least one mantissa digit.
bool isDecimalSyntax(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

std::string stripTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

} // namespace

std::optional<double> parseDecimal(const std::string& text) {
    std::string s = trimBlanks(text);
    if (!isDecimalSyntax(s)) return std::nullopt;
    if (s.front() == '+') s.erase(0, 1); // from_chars takes no '+'
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string formatGeneral(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // %.14e rounds to 15 significant digits: d.dddddddddddddde[+-]x
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    const std::string scientific = buffer;
    const auto ePos = scientific.find('e');
    const std::string digits =
        stripTrailingZeros(scientific.substr(0, 1) + scientific.substr(2, ePos - 2));
    const int exponent = std::atoi(scientific.c_str() + ePos + 1);

    std::string text = value < 0 ? "-" : "";
    if (exponent >= kExponentFromAbove || exponent < kExponentBelow) {
        text += digits.substr(0, 1);
        // Appended piece by piece: GCC 12 misreads "literal" + string (a -Wrestrict false alarm).
        if (digits.size() > 1) text.append(".").append(digits, 1);
        text.append("E").append(std::to_string(exponent));
    } else if (exponent < 0) {
        text.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text.append(digits).append(whole - digits.size(), '0');
        } else {
            text.append(digits, 0, whole).append(".").append(digits, whole);
        }
    }
    return text;
}

std::string formatWhole(double value, int minDigits) {
    const double whole = std::trunc(value);
    // Beyond 64 bits a whole number has no exact integer form; write what %f gives.
    char buffer[400];
    if (std::fabs(whole) < 9.2e18) {
        const auto n = static_cast<long long>(whole);
        std::snprintf(buffer, sizeof buffer, "%.*lld", minDigits, n < 0 ? -n : n);
        return std::string(n < 0 ? "-" : "").append(buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}

TimeFields parseTimeFields(const std::string& value) {
    TimeFields fields;
    int* const targets[] = {&fields.hours, &fields.minutes, &fields.seconds};
    const auto store = [&](int index, const std::string& text) {
        if (index >= 3) return;
        long long n = 0;
        const std::string s = trimBlanks(text);
        const char* begin = s.data();
        if (!s.empty() && s.front() == '+') ++begin;
        const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), n);
        if (s.empty() || ec != std::errc() || end != s.data() + s.size())
            n = 0; // a field that does not convert counts as 0
        *targets[index] = static_cast<std::int8_t>(static_cast<std::uint8_t>(n & 0xFF));
    };
    std::size_t start = 0;
    int field = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool separator = value[i] == ':' || value[i] == ' ';
        const bool last = i + 1 == value.size();
        if (separator) {
            store(field++, value.substr(start, i - start));
            start = i + 1;
        } else if (last) {
            store(field++, value.substr(start));
        }
    }
    return fields;
}

std::string timeText(const TimeFields& fields) {
    return formatWhole(fields.hours, 2) + formatWhole(fields.minutes, 2) +
           formatWhole(fields.seconds, 2);
}

} // namespace controls
