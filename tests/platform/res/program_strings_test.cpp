#include "forms/res/program_resources.h"

#include "platform/res/missing_handler.h"

#include <gtest/gtest.h>

// The program's texts, byte for byte as the program shows them.
TEST(ProgramStrings, TextsAreThoseTheProgramShows)
{
    const res::ScopedMissingHandler scope(res::ThrowMissing);
    struct Case {
        std::uint32_t id;
        const char* text;
    };
    for (const Case& c : {Case {100, ""},
             {117,
                 "The name you supply must start with a letter and may be composed of letters, "
                 "numbers or underscores ('_')."},
             {147, "\""}, {201, "Insufficient memory to load file."}, {202, "Object not yet implemented."},
             {226, "The maximum height for this form  is"}, {299, "Equal to "}, {345, " is owned by form "},
             {105, "File %s is already open or is read only.\n\nChoose another file?"},
             {383, "Quirewell templates. (*.qwl)|*.qwl|All Files (*.*)|*.*||"},
             {564, "The connection name may not contain a '\\' character."}, {32934, "Hollarby"},
             {32935, "HBQFORM.INI"}, {61714, "Please enter an integer between %1 and %2."}}) {
        EXPECT_EQ(ProgramResources().LoadString(c.id), c.text) << c.id;
    }
}

TEST(ProgramStrings, MonthAndWeekdayNamesAreComplete)
{
    const res::ScopedMissingHandler scope(res::ThrowMissing);
    const std::uint32_t months[] = {210, 243, 244, 245, 246, 247, 261, 249, 250, 251, 252, 253};
    const std::uint32_t shortMonths[] = {262, 263, 264, 265, 246, 266, 267, 279, 268, 269, 270, 271};
    for (int m = 0; m < 12; ++m) {
        const std::string name = ProgramResources().LoadString(months[m]);
        EXPECT_EQ(name.substr(0, 3), ProgramResources().LoadString(shortMonths[m])) << name;
    }
    const std::uint32_t shortDays[] = {278, 272, 273, 274, 275, 276, 277};
    for (int d = 0; d < 7; ++d) {
        const std::string name = ProgramResources().LoadString(254 + d);
        EXPECT_EQ(name.substr(0, 3), ProgramResources().LoadString(shortDays[d])) << name;
    }
}
