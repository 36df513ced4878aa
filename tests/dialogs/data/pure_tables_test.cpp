// The date pictures with their samples of 1 September 1996, the framework
// messages' values, and the reading of the maximum decimal places, by
// tables.
#include "forms/dialogs/data/date_pictures.h"
#include "forms/dialogs/data/decimal_places.h"
#include "forms/dialogs/data/framework_messages.h"

#include <gtest/gtest.h>

namespace {

TEST(DatePictures, SeventeenSamplesOfOneDay)
{
    const DATEPICTURELIST list = BuildDatePictureList();
    const std::pair<const char*, const char*> expected[kDatePictureCount]
        = {{"dd/mm/yy", "01/09/96"}, {"dd/mmm/yy", "01/Sep/96"}, {"dd/mmm/yyyy", "01/Sep/1996"}, {"dd/mmm", "01/Sep"},
            {"mmm/yy", "Sep/96"}, {"mmm/yyyy", "Sep/1996"}, {"mmm-yy", "Sep-96"}, {"mmmm-yy", "September-96"},
            {"d-mmm", "1-Sep"}, {"d-mmm-yy", "1-Sep-96"}, {"dd-mmm-yy", "01-Sep-96"}, {"m/d", "9/1"},
            {"m/d/yy", "9/1/96"}, {"mm/dd/yy", "09/01/96"}, {"mm/dd/yyyy", "09/01/1996"},
            {"mmmm d,yyyy", "September 1,1996"}, {"dddd , mmm , dd,yyyy", "Sunday , Sep , 01,1996"}};
    for (int i = 0; i < kDatePictureCount; ++i) {
        EXPECT_EQ(list.pictures[static_cast<size_t>(i)], expected[i].first) << i;
        EXPECT_EQ(list.samples[static_cast<size_t>(i)], expected[i].second) << i;
    }
    EXPECT_EQ(FindDatePicture(list, "mm/dd/yyyy"), 14);
    EXPECT_EQ(FindDatePicture(list, "MM/DD/YYYY"), -1);
    // Translated letters change every picture.
    EXPECT_EQ(DatePictures('M', 'T', 'J')[16], "TTTT , MMM , TT,JJJJ");
}

TEST(DecimalPlaces, ReadingSaturates)
{
    struct Case {
        const char* text;
        uint16_t message;
        int value;
    };
    const Case cases[] = {{"21", kDecimalsTooMany, -1}, {"-1", kDecimalsNotPositive, -1}, {"+3", 0, 3}, {"", 0, -1},
        {"20", 0, 20}, {"0", 0, 0}, {"99999999999", kDecimalsTooMany, -1}, {"4294967299", kDecimalsTooMany, -1},
        {"3a", kDecimalsNotPositive, -1}, {"1.5", kDecimalsNotPositive, -1}};
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(ReadDecimalPlaces(c.text, value), c.message) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(FrameworkMessages, PercentArgumentsFilled)
{
    EXPECT_EQ(FillPercentArguments("Please enter an integer between %1 and %2.", "0", "9"),
        "Please enter an integer between 0 and 9.");
    EXPECT_EQ(FillPercentArguments("Please enter no more than %1 characters.", "350"),
        "Please enter no more than 350 characters.");
    // A value holding a mark is not filled again.
    EXPECT_EQ(FillPercentArguments("%1 %2", "%2", "x"), "%2 x");
}

} // namespace
