// The grid arithmetic of tables.
#include "forms/objects/table_layout.h"

#include "platform/gdi/muldiv.h"

#include <algorithm>
#include <cmath>

std::string ColumnLetters(int index)
{
    // Bijective base 26: Z is followed by AA, ZZ by AAA.
    std::string letters;
    int64_t n = int64_t {index < 0 ? 0 : index} + 1;
    while (n > 0) {
        --n;
        letters.insert(letters.begin(), static_cast<char>('A' + n % 26));
        n /= 26;
    }
    return letters;
}

void LayOutEvenly(TableAxis& axis, int32_t start, int32_t end)
{
    const int count = axis.Count();
    if (count < 1)
        return;
    axis.bandStart = start;
    const int64_t extent = int64_t {end} - start;
    int64_t first = start;
    if (axis.hasBand)
        first = start + extent / (count + 1);
    const int64_t step = (end - first) / count;
    axis.pos[0] = static_cast<int32_t>(first);
    for (int k = 1; k < count; ++k)
        axis.pos[k] = static_cast<int32_t>(axis.pos[k - 1] + step);
    axis.pos[count] = end;
}

void ScaleToFit(TableAxis& axis, int32_t oldStart, int32_t oldEnd, int32_t newStart, int32_t newEnd)
{
    const int count = axis.Count();
    if (count < 1)
        return;
    axis.bandStart = static_cast<int32_t>(int64_t {axis.bandStart} + newStart - oldStart);
    if (oldEnd == oldStart) {
        // Nothing to scale by: the old lines say nothing of the new ones.
        LayOutEvenly(axis, newStart, newEnd);
    } else {
        const double scale = (double(newEnd) - newStart) / (double(oldEnd) - oldStart);
        for (int32_t& p : axis.pos)
            p = static_cast<int32_t>(std::trunc(newStart + (double(p) - oldStart) * scale));
        axis.pos[count] = newEnd;
    }

    int64_t slack = 0;
    int32_t bandExtent = 0;
    if (axis.hasBand) {
        bandExtent = axis.pos[0] - axis.bandStart;
        if (bandExtent <= kTableMinExtent) {
            bandExtent = kTableMinExtent;
            axis.pos[0] = axis.bandStart + kTableMinExtent;
        }
        slack = bandExtent - kTableMinExtent;
    }
    for (int k = 1; k <= count; ++k) {
        axis.pos[k] = std::max(axis.pos[k], axis.pos[k - 1] + kTableMinExtent);
        slack += axis.pos[k] - axis.pos[k - 1] - kTableMinExtent;
    }

    // What the minimums pushed past the end is given back by the lines
    // that have more than the minimum, never more than they have.
    int64_t overflow = int64_t {axis.pos[count]} - newEnd;
    if (overflow <= 0 || slack <= 0)
        return;
    overflow = std::min(overflow, slack);
    const auto share = [&](int64_t excess) {
        return gdi::MulDiv(static_cast<int32_t>(excess), static_cast<int32_t>(overflow), static_cast<int32_t>(slack));
    };
    if (axis.hasBand && bandExtent > kTableMinExtent) {
        const int32_t d = share(bandExtent - kTableMinExtent);
        for (int32_t& p : axis.pos)
            p -= d;
    }
    for (int k = 1; k <= count; ++k) {
        const int32_t width = axis.pos[k] - axis.pos[k - 1];
        if (width <= kTableMinExtent)
            continue;
        const int32_t d = share(width - kTableMinExtent);
        for (int j = k; j <= count; ++j)
            axis.pos[j] -= d;
    }
}

int CellIndexAt(const TableAxis& axis, int32_t x)
{
    int index = -1;
    for (int i = 0; i < axis.Count(); ++i) {
        if (axis.pos[i] > x)
            break;
        index = i;
    }
    return index;
}

int32_t LowestLinePlace(const TableAxis& axis, int index)
{
    if (index <= 0 || index > axis.Count())
        return axis.bandStart + kTableMinExtent;
    return axis.pos[index - 1] + kTableMinExtent;
}
