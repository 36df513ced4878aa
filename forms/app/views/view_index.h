// The form views by index in the view-switching table; commands 32809 to
// 32814 switch to index id - 32809.
#pragma once

enum ViewIndex {
    kDesignView = 0,
    kFillingOrderView = 1,
    kFillView = 2,
    kFieldMatchingView = 3,
    kMathView = 4,
    kFieldNamingView = 5,
};
inline constexpr int kViewCount = 6;
