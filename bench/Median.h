#pragma once

#include <algorithm>
#include <vector>

// The middle one of `values` (the upper of the two middle ones of an even count); 0 for none.
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
