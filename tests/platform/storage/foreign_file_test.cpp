// Compound files written without our code, through libgsf's own API with both
// sector sizes, are read whole by us.
#include "storage_test_support.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

using namespace storage;
using namespace storage::testing;

namespace {

struct ForeignElement {
    const char* parent; // UTF-8 path of the storage it lies in, "" for the root
    const char* name; // UTF-8, as the file holds it
    bool storage;
    unsigned classSeed; // storages: 0 for no class id
    size_t size; // streams
};

// An embedded object's storage beside a form's own streams.
const ForeignElement kElements[] = {
    {"", "Contents", false, 0, 700},
    {"", "Caf\xC3\xA9", false, 0, 64},
    {"", "Embedding 1", true, 21, 0},
    {"Embedding 1", "\x01Ole", false, 0, 20},
    {"Embedding 1", "\x03ObjInfo", false, 0, 6},
    {"Embedding 1", "CONTENTS", false, 0, 70000},
    {"Embedding 1", "Nested", true, 0, 0},
    {"Embedding 1/Nested", "Empty", false, 0, 0},
};

void WriteWithGsf(const std::string& path, size_t sectorSize)
{
    gsf_init();
    GError* error = nullptr;
    GsfOutput* sink = gsf_output_stdio_new(path.c_str(), &error);
    ASSERT_NE(sink, nullptr);
    GsfOutfile* root = gsf_outfile_msole_new_full(sink, sectorSize, 64);
    g_object_unref(sink);
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(root), MakeClassId(20).bytes.data());

    std::map<std::string, GsfOutfile*> storages = {{"", root}};
    for (const auto& e : kElements) {
        GsfOutput* out = gsf_outfile_new_child(storages[e.parent], e.name, e.storage);
        ASSERT_NE(out, nullptr) << e.name;
        if (e.storage) {
            if (e.classSeed)
                gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(out), MakeClassId(e.classSeed).bytes.data());
            std::string path = *e.parent ? std::string(e.parent) + "/" + e.name : e.name;
            storages[path] = GSF_OUTFILE(out);
            continue;
        }
        auto bytes = Pattern(e.size, static_cast<unsigned>(e.size));
        ASSERT_TRUE(bytes.empty() || gsf_output_write(out, bytes.size(), bytes.data()));
        ASSERT_TRUE(gsf_output_close(out));
        g_object_unref(out);
    }
    // Storages close innermost first, the root last.
    for (auto it = storages.rbegin(); it != storages.rend(); ++it) {
        ASSERT_TRUE(gsf_output_close(GSF_OUTPUT(it->second)));
        g_object_unref(it->second);
    }
}

Snapshot Expected()
{
    Snapshot expected;
    expected[""] = {ElementKind::Storage, MakeClassId(20), {}};
    for (const auto& e : kElements) {
        std::string path = std::string(*e.parent ? std::string(e.parent) + "/" : "") + e.name;
        if (path == "Caf\xC3\xA9")
            path = "Caf\xE9"; // our names are Windows-1252
        if (e.storage)
            expected[path] = {ElementKind::Storage, e.classSeed ? MakeClassId(e.classSeed) : ClassId {}, {}};
        else
            expected[path] = {ElementKind::Stream, {}, Pattern(e.size, static_cast<unsigned>(e.size))};
    }
    return expected;
}

class ForeignFile : public ::testing::TestWithParam<size_t> {};

TEST_P(ForeignFile, IsReadWholeAndSurvivesOurRewrite)
{
    auto path = (ScratchFolder() / "foreign.qwm").string();
    WriteWithGsf(path, GetParam());
    auto header = ReadBytes(path);
    ASSERT_GT(header.size(), 0x1Eu);
    ASSERT_EQ(size_t {1} << header[0x1E], GetParam()) << "sector size in the header";

    Storage root;
    ASSERT_EQ(OpenCompoundFile(path, Access::ReadWrite, root), Status::Ok);
    EXPECT_TRUE(TakeSnapshot(root) == Expected());

    ASSERT_EQ(root.Commit(), Status::Ok);
    root.Release();
    ASSERT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    EXPECT_TRUE(TakeSnapshot(root) == Expected());
}

INSTANTIATE_TEST_SUITE_P(SectorSizes, ForeignFile, ::testing::Values(512, 4096));

} // namespace
