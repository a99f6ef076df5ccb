#include "BenchTable.h"

#include <algorithm>
#include <cstdio>

namespace bench {

void printTableHeader() {
    std::printf("%-40s %12s  %-9s %s\n", "figure", "measured", "target", "method");
}

void row(const char* what, const std::string& figure, const char* target, const char* method) {
    std::printf("%-40s %12s  %-9s %s\n", what, figure.c_str(), target, method);
}

std::string fixed(double value, const char* unit, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
