#include "platform/settings/ini_file.h"

#include <gtest/gtest.h>

using settings::IniFile;

TEST(IniFile, FindsEntriesAsTheProfileFunctionsDo)
{
    const IniFile ini = IniFile::Parse("; a comment\r\n"
                                       "orphan=before any section\r\n"
                                       "[windows]\r\n"
                                       "  oleinplaceborderwidth = 6  \r\n"
                                       "[MAIL]\r\n"
                                       "MAPI=1\r\n"
                                       "CMCDLLNAME32=\"c:\\mail\\cmc.dll\"\r\n"
                                       "[devices]\r\n"
                                       "WinFax=winfax, pub:\r\n"
                                       "Quoted='half\r\n"
                                       "Empty=\r\n"
                                       "NoEquals\r\n"
                                       "[mail]\r\n"
                                       "mapi=0\r\n"
                                       "Later=found\r\n"
                                       "[windows]\r\n"
                                       "oleinplaceborderwidth=9\n"
                                       "[Intl\n"
                                       "sCurrency=\xc2\xa3");
    struct Case {
        const char* section;
        const char* entry;
        std::optional<std::string> value;
    };
    for (const Case& c : {Case {"windows", "oleinplaceborderwidth", "6"}, {"WINDOWS", "OLEINPLACEBORDERWIDTH", "6"},
             {"mail", "mapi", "1"}, {"mail", "CMCDLLNAME32", "c:\\mail\\cmc.dll"}, {"mail", "Later", "found"},
             {"devices", "WinFax", "winfax, pub:"}, {"devices", "Quoted", "'half"}, {"devices", "Empty", ""},
             {"devices", "NoEquals", ""}, {"devices", "Missing", std::nullopt}, {"Nowhere", "orphan", std::nullopt},
             {"Intl", "sCurrency", "\xa3"}})
        EXPECT_EQ(ini.Find(c.section, c.entry), c.value) << c.section << "/" << c.entry;
}

TEST(IniFile, TextIsUtf8OrElseWindows1252)
{
    struct Case {
        const char* contents;
        const char* value;
    };
    for (const Case& c :
        {Case {"[Intl]\nsCurrency=\xe2\x82\xac\n", "\x80"}, {"\xef\xbb\xbf[Intl]\nsCurrency=\xc3\xa9\n", "\xe9"},
            {"[Intl]\nsCurrency=\x80\n", "\x80"}, {"[Intl]\nsCurrency=\xe9t\xe9\n", "\xe9t\xe9"}})
        EXPECT_EQ(IniFile::Parse(c.contents).Find("Intl", "sCurrency"), c.value) << c.contents;
}
