// Feeds arbitrary bytes to the readers of a form file's font sections, a
// character format and a printer record: the first byte chooses the reader.
#include "forms/document/document_fonts.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/record_archive.h"
#include "forms/model/textattr.h"

#include "platform/io/memory_file.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FONT_TABLE program;
    static PRINTER_LIST printers;
    SetProgramFontTable(&program);
    SetProgramFonts(&DocumentFonts());
    if (size == 0)
        return 0;
    io::MemoryFile file(std::vector<uint8_t>(data + 1, data + size));
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    FONT_TABLE table;
    try {
        switch (data[0] % 4) {
        case 0:
            table.Read(rec);
            break;
        case 1:
            table.ReadMatched(rec);
            break;
        case 2:
            printers.ReadPrinter(rec);
            break;
        default: {
            table.Read(rec);
            TEXTATTR attr;
            attr.Load(rec, &table);
            break;
        }
        }
    } catch (const io::ArchiveError&) {
    }
    return 0;
}
