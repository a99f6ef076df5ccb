// Fuzzes the seven-segment display's text handling: arbitrary Value texts and property values
// through the layout of one paint, and the number forms and time fields it is built on.
// Input: a dozen bytes of properties, then the Value text.
#include "controls/SevenFormat.h"
#include "controls/SevenLayout.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>

using namespace controls;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Property values a designer could set: sizes of a real widget, spacings either way.
SevenProps consumeProps(FuzzedDataProvider& data) {
    SevenProps p;
    p.width = data.ConsumeIntegralInRange(0, 16384);
    p.height = data.ConsumeIntegralInRange(0, 16384);
    p.thickness = data.ConsumeIntegralInRange(-4096, 4096);
    p.space = data.ConsumeIntegralInRange(-4096, 4096);
    p.horzSpace = data.ConsumeIntegralInRange(-4096, 4096);
    p.vertSpace = data.ConsumeIntegralInRange(-4096, 4096);
    p.colonSpace = data.ConsumeIntegralInRange(-4096, 4096);
    p.numberOfDigit = clampNumberOfDigit(data.ConsumeIntegral<int>());
    p.valueType = data.ConsumeBool() ? ssTime : ssNumber;
    p.showDecimalPoint = data.ConsumeBool();
    p.showPlusMinus = data.ConsumeBool();
    p.leadingZeros = data.ConsumeBool();
    p.value = cutValue(data.ConsumeRemainingBytesAsString(), p.valueType);
    return p;
}

void checkNumberForms(const std::string& text) {
    const auto value = parseDecimal(text);
    if (!value) return;
    check(std::isfinite(*value));
    // The general form reads back as the same number to 15 significant digits.
    const auto again = parseDecimal(formatGeneral(*value));
    check(again.has_value());
    check(std::fabs(*again - *value) <= std::fabs(*value) * 1e-14);
    const std::string whole = formatWhole(*value, 2);
    check(whole.size() >= 2 && (std::isdigit(static_cast<unsigned char>(whole.back())) != 0));
}

void checkTimeFields(const std::string& text) {
    const TimeFields fields = parseTimeFields(text);
    for (const int field : {fields.hours, fields.minutes, fields.seconds})
        check(field >= -128 && field <= 127); // a field keeps its low 8 bits, signed
    const std::string shown = timeText(fields);
    check(shown.size() >= 6 && shown.size() <= 12);
}

void checkPlan(const SevenProps& p) {
    const SevenPlanResult result = planSevenSegment(p);
    const bool number = p.valueType == ssNumber;
    if (!result.plan) {
        check(number && !result.error.empty()); // only a number that does not convert fails
        return;
    }
    const SevenPlan& plan = *result.plan;
    check(plan.numberOfDigit == (number ? p.numberOfDigit : kTimeCells));
    check(plan.cells.size() == static_cast<std::size_t>(plan.numberOfDigit));
    check(plan.codes.size() == plan.cells.size());
    for (const int code : plan.codes)
        check(code >= 0 && code <= kMinusCode);
    for (const Shape& shape : plan.shapes)
        check(shape.kind == Shape::Box || shape.points.size() >= 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const SevenProps props = consumeProps(data);
    checkNumberForms(props.value);
    checkTimeFields(props.value);
    checkPlan(props);
    return 0;
}
