#include "forms/app/program/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    std::vector<std::string> words;
    CommandLine expected;
};

void ExpectEqual(const CommandLine& actual, const CommandLine& expected, const std::string& label)
{
    EXPECT_EQ(actual.fileName, expected.fileName) << label;
    EXPECT_EQ(actual.printerName, expected.printerName) << label;
    EXPECT_EQ(actual.driverName, expected.driverName) << label;
    EXPECT_EQ(actual.portName, expected.portName) << label;
    EXPECT_EQ(actual.print, expected.print) << label;
    EXPECT_EQ(actual.embedded, expected.embedded) << label;
    EXPECT_EQ(actual.tipAuthoring, expected.tipAuthoring) << label;
    EXPECT_EQ(actual.tutorial, expected.tutorial) << label;
    EXPECT_EQ(actual.registerServer, expected.registerServer) << label;
}

std::string Label(const std::vector<std::string>& words)
{
    std::string label = "words:";
    for (const std::string& word : words)
        label += " [" + word + "]";
    return label;
}

} // namespace

TEST(CommandLineTest, IsCommandSwitchNeedsAPrefixAndTheWholeWordInAnyCase)
{
    struct SwitchCase {
        const char* word;
        const char* switchWord;
        bool expected;
    };
    const SwitchCase cases[] = {
        {"/p", "p", true},
        {"-P", "p", true},
        {"/EMBEDDING", "Embedding", true},
        {"-embedding", "Embedding", true},
        {"p", "p", false},
        {"\\p", "p", false},
        {"/pt", "p", false},
        {"/p", "pt", false},
        {"/", "p", false},
        {"", "p", false},
        {"//p", "p", false},
        {"/Tutorials", "Tutorial", false},
        {"/\xc9mbedding", "Embedding", false},
    };
    for (const SwitchCase& c : cases)
        EXPECT_EQ(IsCommandSwitch(c.word, c.switchWord), c.expected) << c.word << " " << c.switchWord;
}

TEST(CommandLineTest, WordsSetFlagsFileAndPrinter)
{
    const Case cases[] = {
        {{}, {}},
        {{""}, {}},
        {{"form.qwm"}, {.fileName = "form.qwm"}},
        {{"/home/me/my forms/order form.qwm"}, {.fileName = "/home/me/my forms/order form.qwm"}},
        // Each switch, with either prefix and in any case.
        {{"/p"}, {.print = true}},
        {{"-PT"}, {.print = true}},
        {{"-hd"}, {.tipAuthoring = true}},
        {{"/Embedding"}, {.embedded = true}},
        {{"-AUTOMATION"}, {.embedded = true}},
        {{"/register"}, {.registerServer = true}},
        {{"-tutorial"}, {.tutorial = true}},
        // Switches stand anywhere among the names.
        {{"a.qwm", "/hd", "-Tutorial"}, {.fileName = "a.qwm", .tipAuthoring = true, .tutorial = true}},
        {{"/Tutorial", "a.qwm", "/Embedding"}, {.fileName = "a.qwm", .embedded = true, .tutorial = true}},
        // Print a named file on a named printer; the printer name has a blank.
        {{"/PT", "form.qwm", "HP LaserJet 4", "HPPCL5MS", "LPT1:"},
            {"form.qwm", "HP LaserJet 4", "HPPCL5MS", "LPT1:", true}},
        {{"form.qwm", "-pt", "Printer", "Driver", "Port", "Extra"}, {"form.qwm", "Printer", "Driver", "Port", true}},
        {{"-pt", "form.qwm", "Printer", "/hd", "Driver", "Port"},
            {"form.qwm", "Printer", "Driver", "Port", true, false, true}},
        // "pt" with missing printer words leaves the rest empty.
        {{"/pt", "form.qwm", "Printer"}, {"form.qwm", "Printer", "", "", true}},
        {{"/pt", "form.qwm"}, {.fileName = "form.qwm", .print = true}},
        {{"/pt"}, {.print = true}},
        // Only the first file is taken; without "pt" later words are ignored.
        {{"-p", "first.qwm", "second.qwm"}, {.fileName = "first.qwm", .print = true}},
        {{"first.qwm", "Printer", "/pt", "Other"}, {"first.qwm", "Other", "", "", true}},
        // A printer word before the file name is the file name.
        {{"/pt", "Printer"}, {.fileName = "Printer", .print = true}},
        // A prefix and a letter that is no switch is a name.
        {{"/x"}, {.fileName = "/x"}},
        {{"-"}, {.fileName = "-"}},
        {{"/x", "/p"}, {.fileName = "/x", .print = true}},
        // Empty words name nothing, also among the printer words.
        {{"", "a.qwm", "", "-pt", "", "P", "D", "", "O"}, {"a.qwm", "P", "D", "O", true}},
    };
    for (const Case& c : cases)
        ExpectEqual(ParseCommandLine(c.words), c.expected, Label(c.words));
}

TEST(CommandLineTest, ArgumentWordsSkipTheProgramName)
{
    const char* argv[] = {"/usr/bin/forms", "-p", "my form.qwm", nullptr};
    EXPECT_EQ(ArgumentWords(3, argv), (std::vector<std::string> {"-p", "my form.qwm"}));
    EXPECT_TRUE(ArgumentWords(1, argv).empty());
    EXPECT_TRUE(ArgumentWords(0, argv).empty());
}
