// Feeds arbitrary bytes to the design view as the data of a drop and of a
// paste: the input is split into the typefaces, selection and description
// blocks (each of the first two after a 32-bit little-endian length), then
// the objects are dropped, pasted, placed and the form saved to memory.
#include "tests/app/support/second_form.h"
#include "tests/app/support/view_test_support.h"

#include "forms/objects/fselection.h"

#include "platform/io/archive.h"
#include "platform/io/archive_error.h"
#include "platform/io/memory_file.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QMimeData>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// The next block: a length, then that many bytes (as many as are left).
std::string Block(const uint8_t*& data, size_t& size)
{
    if (size < 4) {
        size = 0;
        return {};
    }
    size_t n = data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<size_t>(data[3]) << 24);
    data += 4;
    size -= 4;
    n = std::min(n, size);
    std::string block(reinterpret_cast<const char*>(data), n);
    data += n;
    size -= n;
    return block;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: its post routines would run after the statics they
    // clear are gone.
    new QApplication(*argc, *argv);
    static ProgramWideParts parts;
    static ui::ScopedMessageBoxHook answer([](const ui::MessageBoxRequest&) { return ui::IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ui::DataSource source;
    source.SetData(kFormatTypefaces, Block(data, size));
    source.SetData(kFormatSelection, Block(data, size));
    source.SetData(kFormatDragObject, std::string(reinterpret_cast<const char*>(data), size));
    const std::unique_ptr<QMimeData> mime(source.ToMimeData());
    const ui::DataObject offered = ui::DataObject::FromMimeData(mime.get());

    SecondForm form;
    form.view.GetDrop().OnDragEnter(offered, 0, {300, 300});
    form.view.GetDrop().OnDrop(offered, ui::kDropMove, {300, 300});
    FSELECTION paste(nullptr);
    paste.PasteObjects(&form.view, &offered);
    form.view.GetClipboard().PlacePasted(paste, nullptr);

    io::MemoryFile saved;
    io::Archive archive(saved, io::Archive::Store);
    form.doc->Serialize(archive);
    archive.Flush();
    return 0;
}
