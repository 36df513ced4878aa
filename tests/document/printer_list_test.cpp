#include "forms/document/print/printer_list.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/printer_surface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

PrinterNames Names(const char* device, const char* driver, const char* port)
{
    PrinterNames n;
    PrinterNames::Set(n.device, device);
    PrinterNames::Set(n.driver, driver);
    PrinterNames::Set(n.port, port);
    return n;
}

TEST(PrinterList, IdsCountFrom991AndTheFirstIsTheDefaultPrinter)
{
    PRINTER_LIST list;
    list.Reset();
    EXPECT_EQ(list.FindById(kDefaultPrinterId)->id, 991);
    EXPECT_EQ(PrinterNames::Get(list.FindById(991)->names.device), "");
    EXPECT_EQ(list.AddEmptyEntry().id, 992);
    EXPECT_EQ(list.AddEmptyEntry().id, 993);
    EXPECT_EQ(list.FindById(kFirstPrinterId)->id, 991);
    EXPECT_EQ(list.FindById(994), nullptr);
    list.Reset();
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.FindById(kFirstPrinterId)->id, 994) << "ids are never handed out twice";
}

TEST(PrinterList, FindsPrintersByScoredNames)
{
    PRINTER_LIST list;
    list.Reset();
    list.FindById(991)->names = Names("", "", "");
    list.AddEmptyEntry().names = Names("Office Laser", "office-laser", "");
    list.AddEmptyEntry().names = Names("Hall Laser", "office-laser", "");
    list.AddEmptyEntry().names = Names("Label Printer", "labels", "usb");
    struct Case {
        const char* what;
        PrinterNames names;
        int score;
        int index;
    };
    const Case cases[] = {
        {"device, driver and port", Names("HALL LASER", "Office-Laser", ""), 100, 2},
        {"device alone", Names("Label Printer", "x", "y"), 90, 3},
        {"driver shared by two: the first", Names("Elsewhere", "office-laser", "lpt9"), 9, 1},
        {"port alone falls back to the current", Names("Nothing", "nothing", "usb"), 1, 0},
        {"empty names are the default printer", Names("", "", ""), 100, 0},
    };
    for (const Case& c : cases) {
        int index = -1;
        EXPECT_EQ(list.FindPrinter(c.names, index), c.score) << c.what;
        EXPECT_EQ(index, c.index) << c.what;
    }
    EXPECT_EQ(list.GetPrinterId(Names("Hall Laser", "", "")), 993);
    EXPECT_EQ(list.GetPrinterId(Names("Unknown", "", "")), 991);
}

TEST(PrinterList, TheRecordRoundTrips)
{
    PRINTER_LIST list;
    list.Reset();
    list.AddEmptyEntry().names = Names("Hall Laser", "Hall Laser", "");
    const Bytes bytes = Written([&](RECORDARCHIVE& r) { list.WritePrinter(r, 0x2A, 992); });
    ASSERT_EQ(bytes.size(), 1 + 3 + 102 + 1u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes {0x2A, 0x81, 102, 0}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[4]), 11), std::string("Hall Laser\0", 11));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[38]), 11), std::string("Hall Laser\0", 11));
    EXPECT_EQ(bytes[72], 0);
    EXPECT_EQ(bytes.back(), 0xFF);

    PrinterNames read;
    ReadBack(bytes, [&](RECORDARCHIVE& r) { read = list.ReadPrinter(r); });
    EXPECT_EQ(PrinterNames::Get(read.device), "Hall Laser");
    EXPECT_EQ(PrinterNames::Get(read.driver), "Hall Laser");
    EXPECT_EQ(PrinterNames::Get(read.port), "");
    EXPECT_EQ(list.GetPrinterId(read), 992);

    const Bytes defaultPrinter = Written([&](RECORDARCHIVE& r) { list.WritePrinter(r, 0x2A, 991); });
    EXPECT_EQ(defaultPrinter, Concat({Bytes {0x2A, 0x81, 102, 0}, Bytes(102, 0), Bytes {0xFF}}));
}

// Records written on the older platform carry driver and port names; their
// names may be followed by stray bytes or fill their fields without a NUL.
TEST(PrinterList, OldRecordsReadWithoutFailing)
{
    auto field = [](const std::string& text) {
        Bytes b(34, 0xCD);
        std::copy(text.begin(), text.end(), b.begin());
        if (text.size() < 34)
            b[text.size()] = 0;
        return b;
    };
    struct Case {
        const char* what;
        Bytes group;
        const char *device, *driver, *port;
    };
    const Case cases[] = {
        {"driver and port with stray bytes",
            Concat({Bytes {0x2A}, Record(0x81, Concat({field("HP LaserJet 4"), field("HPPCL5MS"), field("LPT1:")})),
                Bytes {0xFF}}),
            "HP LaserJet 4", "HPPCL5MS", "LPT1:"},
        {"unknown records around it",
            Concat({Bytes {0x2A}, Record(0x82, {1, 2, 3}), Bytes {0x05, 0xFF},
                Record(0x81, Concat({field("Epson"), field("WINSPOOL"), field("Ne00:")})), Record(0x83, {}),
                Bytes {0xFF}}),
            "Epson", "WINSPOOL", "Ne00:"},
        {"names without a NUL",
            Concat({Bytes {0x2A},
                Record(0x81, Concat({field(std::string(34, 'D')), field(std::string(34, 'R')), field("")})),
                Bytes {0xFF}}),
            "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD", "RRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR", ""},
        {"short record", Concat({Bytes {0x2A}, Record(0x81, field("Short")), Bytes {0xFF}}), "Short", "", ""},
        {"no record", Bytes {0x2A, 0xFF}, "", "", ""},
    };
    PRINTER_LIST list;
    list.Reset();
    for (const Case& c : cases) {
        PrinterNames read;
        ReadBack(c.group, [&](RECORDARCHIVE& r) { read = list.ReadPrinter(r); });
        EXPECT_EQ(PrinterNames::Get(read.device), c.device) << c.what;
        EXPECT_EQ(PrinterNames::Get(read.driver), c.driver) << c.what;
        EXPECT_EQ(PrinterNames::Get(read.port), c.port) << c.what;
    }
}

TEST(PrinterList, ContextsAreSharedAndMeasureInTwips)
{
    PRINTER_LIST list;
    list.Reset();
    list.AddEmptyEntry().names = Names("No Such Queue Anywhere", "No Such Queue Anywhere", "");

    gdi::DC* first = list.GetDC(991, 0);
    EXPECT_EQ(first->GetMapMode(), gdi::MM_ANISOTROPIC);
    EXPECT_EQ(first->GetWindowExt(), (gdi::SIZE {1440, 1440}));
    const int dpi = first->GetDeviceCaps(gdi::LOGPIXELSX);
    EXPECT_EQ(first->GetViewportExt(), (gdi::SIZE {dpi, first->GetDeviceCaps(gdi::LOGPIXELSY)}));
    EXPECT_EQ(first->Kind(), gdi::DeviceKind::Printer);
    EXPECT_FALSE(list.IsFallback());
    if (gdi::DefaultPrinter().empty()) {
        EXPECT_EQ(dpi, 600) << "the PDF printer is the default";
    }
    EXPECT_EQ(list.GetDC(991, 1), first);
    list.ReleaseDC();
    list.ReleaseDC();
    EXPECT_EQ(list.GetDC(991, 0), first) << "a real printer's context stays cached";
    list.ReleaseDC();

    // A printer that is not installed is measured on the screen, and that
    // context goes with its last use; a context still held stays usable.
    gdi::DC* held = list.GetDC(991, 0);
    gdi::DC* missing = list.GetDC(992, 0);
    EXPECT_TRUE(list.IsFallback());
    EXPECT_EQ(missing->GetDeviceCaps(gdi::LOGPIXELSX), 96);
    EXPECT_EQ(held->GetDeviceCaps(gdi::LOGPIXELSX), dpi);
    list.ReleaseDC();
    list.ReleaseDC();
    list.ReleaseDC(); // one too many changes nothing

    const uint32_t resolution = list.GetResolution(991, 0);
    EXPECT_EQ(resolution & 0xFFFF, uint32_t(dpi));
    EXPECT_EQ(resolution >> 16, uint32_t(dpi));
    EXPECT_EQ(list.GetResolution(992, 3), 96u | (96u << 16));
    EXPECT_EQ(list.FindById(992)->otherModes.x, 96);
    EXPECT_EQ(list.FindById(992)->modeZero.x, 0) << "each mode is measured when it is first asked for";
    EXPECT_EQ(list.GetResolution(5000, 0), resolution) << "an unknown id is measured on the default printer";
}

} // namespace
