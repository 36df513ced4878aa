// The date format page's list: 17 date pictures assembled from the string
// table's month, day and year letters, each with 1 September 1996 shown
// through it.
#pragma once

#include <array>
#include <string>

constexpr int kDatePictureCount = 17;

struct DATEPICTURELIST {
    std::array<std::string, kDatePictureCount> pictures;
    std::array<std::string, kDatePictureCount> samples;
};

// The pictures from the letters m, d and y, in list order.
std::array<std::string, kDatePictureCount> DatePictures(char month, char day, char year);
// The pictures from the string table's letters, and their samples.
DATEPICTURELIST BuildDatePictureList();
// The position of the first picture equal to this one (case counts); -1.
int FindDatePicture(const DATEPICTURELIST& list, const std::string& picture);
