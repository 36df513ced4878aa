#include "forms/dialogs/data/date_pictures.h"

#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/date_serial.h"
#include "forms/fields/datatypes/date_text.h"

namespace {

constexpr uint16_t kMonthLetter = 152;
constexpr uint16_t kDayLetter = 153;
constexpr uint16_t kYearLetter = 154;

// The list with "m", "d" and "y" standing for the letters.
constexpr const char* kShapes[kDatePictureCount]
    = {"dd/mm/yy", "dd/mmm/yy", "dd/mmm/yyyy", "dd/mmm", "mmm/yy", "mmm/yyyy", "mmm-yy", "mmmm-yy", "d-mmm", "d-mmm-yy",
        "dd-mmm-yy", "m/d", "m/d/yy", "mm/dd/yy", "mm/dd/yyyy", "mmmm d,yyyy", "dddd , mmm , dd,yyyy"};

char FirstLetter(uint16_t id, char fallback)
{
    const std::string text = LoadText(id);
    return text.empty() ? fallback : text[0];
}

} // namespace

std::array<std::string, kDatePictureCount> DatePictures(char month, char day, char year)
{
    std::array<std::string, kDatePictureCount> out;
    for (int i = 0; i < kDatePictureCount; ++i) {
        std::string picture = kShapes[i];
        for (char& c : picture)
            c = c == 'm' ? month : c == 'd' ? day : c == 'y' ? year : c;
        out[static_cast<size_t>(i)] = picture;
    }
    return out;
}

DATEPICTURELIST BuildDatePictureList()
{
    DATEPICTURELIST list;
    list.pictures
        = DatePictures(FirstLetter(kMonthLetter, 'm'), FirstLetter(kDayLetter, 'd'), FirstLetter(kYearLetter, 'y'));
    double day = 0.0;
    DateToSerial(1, 9, 1996, day);
    for (int i = 0; i < kDatePictureCount; ++i)
        FormatDate(day, list.pictures[static_cast<size_t>(i)], list.samples[static_cast<size_t>(i)]);
    return list;
}

int FindDatePicture(const DATEPICTURELIST& list, const std::string& picture)
{
    for (int i = 0; i < kDatePictureCount; ++i)
        if (list.pictures[static_cast<size_t>(i)] == picture)
            return i;
    return -1;
}
