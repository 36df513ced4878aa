// What we write is read by an independent reader: olefile under Debian's own
// Python, in its strict mode that refuses any incorrect structure.
#include "storage_test_support.h"

#include "platform/text/cp1252.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace storage;
using namespace storage::testing;

namespace {

// Prints one line per element: kind, path, class id or the file the stream's
// bytes were saved to. The root comes first, with path "".
const char kListing[] = R"(import os, sys, olefile
path, out = sys.argv[1], sys.argv[2]
ole = olefile.OleFileIO(path, raise_defects=olefile.DEFECT_INCORRECT)
lines = ['storage\t\t' + ole.root.clsid]
for i, entry in enumerate(ole.listdir(streams=True, storages=True)):
    name = '/'.join(entry)
    if ole.get_type(entry) == olefile.STGTY_STREAM:
        saved = os.path.join(out, '%d.bin' % i)
        with open(saved, 'wb') as f:
            f.write(ole.openstream(entry).read())
        lines.append('stream\t' + name + '\t' + saved)
    else:
        lines.append('storage\t' + name + '\t' + ole.getclsid(entry))
sys.stdout.buffer.write(('\n'.join(lines) + '\n').encode('utf-8'))
)";

Snapshot ReadWithOlefile(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    auto script = folder / "listing.py";
    auto listing = folder / "listing.txt";
    std::ofstream(script) << kListing;
    std::string command = "/usr/bin/python3 '" + script.string() + "' '" + file.string() + "' '" + folder.string()
        + "' > '" + listing.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;

    Snapshot seen;
    std::ifstream in(listing);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind, path, last;
        std::getline(fields, kind, '\t');
        std::getline(fields, path, '\t');
        std::getline(fields, last);
        Entry entry {kind == "stream" ? ElementKind::Stream : ElementKind::Storage, {}, {}};
        if (entry.kind == ElementKind::Stream) {
            entry.data = ReadBytes(last);
        } else if (!last.empty()) {
            auto id = ClassId::FromString(last);
            EXPECT_TRUE(id.has_value()) << last;
            entry.classId = id.value_or(ClassId {});
        }
        seen[text::FromUtf8(path)] = std::move(entry);
    }
    return seen;
}

TEST(Olefile, ReadsEveryElementAndClassIdWeWrote)
{
    auto folder = ScratchFolder();
    auto path = folder / "sample.qwm";
    Storage root;
    ASSERT_EQ(CreateCompoundFile(path.string(), CreateMode::FailIfThere, root), Status::Ok);
    BuildSample(root);
    ASSERT_EQ(root.Commit(), Status::Ok);

    Snapshot ours = TakeSnapshot(root);
    Snapshot theirs = ReadWithOlefile(path, folder);
    ASSERT_EQ(theirs.size(), ours.size());
    for (const auto& [name, entry] : ours) {
        auto it = theirs.find(name);
        ASSERT_NE(it, theirs.end()) << name;
        EXPECT_EQ(it->second.kind, entry.kind) << name;
        EXPECT_EQ(it->second.classId, entry.classId) << name;
        EXPECT_TRUE(it->second.data == entry.data) << name;
    }
}

} // namespace
