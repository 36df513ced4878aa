// The running totals of a list function over its values and range cells.
#pragma once

namespace abacine {

struct Tally {
    double sum = 0;
    double squares = 0;
    double max = 0;
    double min = 0;
    bool any = false; // whether max and min hold a value
    long n = 0; // values and cells counted; 0 only before anything was added

    void Add(double x)
    {
        sum += x;
        squares += x * x;
        if (!any || x > max)
            max = x;
        if (!any || x < min)
            min = x;
        any = true;
        ++n;
    }
};

} // namespace abacine
