// Text handling of the seven-segment display: reading a value as a number, writing it in the
// display's general and whole-number forms, and splitting a time value into its fields.
#pragma once

#include <optional>
#include <string>

namespace controls {

// Reads a decimal floating-point number ('.' as the decimal point, optional exponent,
// surrounding blanks allowed). Nothing for an empty or malformed text or one out of range.
std::optional<double> parseDecimal(const std::string& text);

// The general form: shortest text with at most 15 significant digits, no trailing zeros,
// a '.' only for a fraction; exponent form (1E15, 1.5E-6) at 1E15 and above and for
// non-zero magnitudes below 0.00001.
std::string formatGeneral(double value);

// The whole-number form with at least `minDigits` digits, zeros filling up and '-' in front
// of a negative number: -5 with 2 digits gives "-05". The fraction is truncated.
std::string formatWhole(double value, int minDigits);

struct TimeFields {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// Splits hh:mm:ss (':' or ' ' between fields). Each field is read as a decimal integer and
// kept to its low 8 bits as a signed value; a field that does not convert is 0, a fourth and
// later field is ignored.
TimeFields parseTimeFields(const std::string& value);

// hours, minutes and seconds, each with at least two digits, without separators.
std::string timeText(const TimeFields& fields);

} // namespace controls
