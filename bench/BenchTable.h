// The benchmark's table: a row a figure, beside its target and the way it was measured, and
// the median its figures are taken as.
#pragma once

#include <string>
#include <vector>

namespace bench {

void printTableHeader();
void row(const char* what, const std::string& figure, const char* target, const char* method);
// The value with its unit, to the decimals given.
std::string fixed(double value, const char* unit, int decimals = 1);
double median(std::vector<double> values);

} // namespace bench
