// Fuzzes reading a compound file. Whatever is read must also be written, and
// reading what was written must give the same tree back.
#include "platform/storage/gsf_reader.h"
#include "platform/storage/gsf_writer.h"

#include <cstdio>
#include <cstdlib>

using namespace storage;

namespace {

bool SameTree(const Node& a, const Node& b)
{
    if (a.kind != b.kind || a.wireName != b.wireName || a.data != b.data || a.children.size() != b.children.size())
        return false;
    if (a.kind == Node::StorageNode && a.classId != b.classId)
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!SameTree(*a.children[i], *b.children[i]))
            return false;
    }
    return true;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::shared_ptr<Node> root;
    if (ReadCompoundFile(data, size, root) != Status::Ok)
        return 0;
    std::vector<uint8_t> bytes;
    if (WriteCompoundFile(*root, bytes) != Status::Ok)
        Fail("a tree that was read could not be written");
    std::shared_ptr<Node> again;
    if (ReadCompoundFile(bytes.data(), bytes.size(), again) != Status::Ok)
        Fail("what was written could not be read");
    if (!SameTree(*root, *again))
        Fail("what was written reads back differently");
    return 0;
}
