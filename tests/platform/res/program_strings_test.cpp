#include "forms/res/program_resources.h"

#include "platform/res/missing_handler.h"

#include <gtest/gtest.h>

// The program's texts, byte for byte as the program shows them.
TEST(ProgramStrings, TextsAreThoseThePartsShow)
{
    const res::MissingHandler previous = res::SetMissingHandler(res::ThrowMissing);
    struct Case { std::uint32_t id; const char* text; };
    for (const Case& c : {Case{100, ""},
                          {201, "Insufficient memory to load file."}}) {
        EXPECT_EQ(ProgramResources().LoadString(c.id), c.text) << c.id;
    }
    res::SetMissingHandler(previous);
}
