#include "forms/app/program/command_line.h"

#include <algorithm>
#include <cctype>

bool IsCommandSwitch(std::string_view word, std::string_view switchWord)
{
    if (word.empty() || (word.front() != '-' && word.front() != '/'))
        return false;
    const std::string_view rest = word.substr(1);
    return std::ranges::equal(
        rest, switchWord, [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

namespace {

// Sets the flag of a switch word; false when the word is no switch.
bool ApplySwitch(std::string_view word, CommandLine& line, bool& printerWords)
{
    if (IsCommandSwitch(word, "pt")) {
        line.print = true;
        printerWords = true;
    } else if (IsCommandSwitch(word, "p")) {
        line.print = true;
    } else if (IsCommandSwitch(word, "hd")) {
        line.tipAuthoring = true;
    } else if (IsCommandSwitch(word, "Embedding") || IsCommandSwitch(word, "Automation")) {
        line.embedded = true;
    } else if (IsCommandSwitch(word, "Register")) {
        line.registerServer = true;
    } else if (IsCommandSwitch(word, "Tutorial")) {
        line.tutorial = true;
    } else {
        return false;
    }
    return true;
}

} // namespace

CommandLine ParseCommandLine(std::span<const std::string> words)
{
    CommandLine line;
    bool printerWords = false;
    for (const std::string& word : words) {
        // An empty word names nothing.
        if (word.empty() || ApplySwitch(word, line, printerWords))
            continue;
        if (line.fileName.empty())
            line.fileName = word;
        else if (!printerWords)
            continue;
        else if (line.printerName.empty())
            line.printerName = word;
        else if (line.driverName.empty())
            line.driverName = word;
        else if (line.portName.empty())
            line.portName = word;
    }
    return line;
}

std::vector<std::string> ArgumentWords(int argc, const char* const argv[])
{
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i]);
    return words;
}
