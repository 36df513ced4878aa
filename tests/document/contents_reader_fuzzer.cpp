// Feeds arbitrary bytes to the form document as its "Contents" stream: the
// header, the body's sections and what follows the body.
#include "tests/document/document_test_support.h"

#include "platform/io/memory_file.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    static ProgramParts program;
    static FormKinds kinds;
    static ui::ScopedMessageBoxHook answer([](const ui::MessageBoxRequest&) { return ui::IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    io::MemoryFile file(std::vector<uint8_t>(data, data + size));
    io::Archive archive(file, io::Archive::Load);
    FDOCUMENT doc;
    try {
        doc.Serialize(archive);
    } catch (const io::ArchiveError&) {
    }
    return 0;
}
