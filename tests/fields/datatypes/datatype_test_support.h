// Support for the field-value tests: record bytes written and read in
// memory, hex fixtures, a widths table, and a win.ini of the test's own.
#pragma once

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "tests/model/font_test_support.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

// Bytes from hex digits; blanks and line breaks between them are ignored.
inline Bytes Hex(std::string_view hex)
{
    Bytes out;
    int high = -1;
    for (char c : hex) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else
            continue;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    return out;
}

inline std::string ToHex(const Bytes& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (uint8_t b : bytes) {
        if (!out.empty())
            out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// A data type's group as Save writes it.
inline Bytes Saved(DATATYPE& type)
{
    return Written([&](RECORDARCHIVE& r) { type.Save(r); });
}

// Loads the group into the data type (its tag is read first, as the field
// does); the answer of Load.
inline int Loaded(DATATYPE& type, const Bytes& bytes)
{
    int result = 0;
    ReadBack(bytes, [&](RECORDARCHIVE& r) { result = type.Load(r); });
    return result;
}

// Points the configuration folder at a folder of the test's own with the
// given win.ini (UTF-8), for the length of a scope.
class ScopedWinIni {
public:
    explicit ScopedWinIni(const std::string& contents)
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            saved = old;
        setenv("XDG_CONFIG_HOME", dir.path().toStdString().c_str(), 1);
        const std::string folder = dir.path().toStdString() + "/Hollarby";
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/win.ini", std::ios::binary) << contents;
        ForgetIntlSettings();
    }
    ~ScopedWinIni()
    {
        if (saved)
            setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        ForgetIntlSettings();
    }
    ScopedWinIni(const ScopedWinIni&) = delete;
    ScopedWinIni& operator=(const ScopedWinIni&) = delete;

private:
    QTemporaryDir dir;
    std::optional<std::string> saved;
};
