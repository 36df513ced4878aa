#include "platform/storage/gsf_reader.h"

#include "platform/storage/element_name.h"
#include "platform/storage/gsf_library.h"
#include "platform/text/cp1252.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <algorithm>

namespace storage {
namespace {

// Storages nested deeper than this are taken as damage (a loop or a forged
// chain); no file of ours comes near it.
constexpr int kMaxDepth = 256;
constexpr size_t kReadChunk = 1 << 20;

class TreeReader {
public:
    explicit TreeReader(uint64_t budget)
        : budget_(budget)
    {}

    bool ReadChildren(GsfInfile* dir, Node& node, int depth)
    {
        if (depth > kMaxDepth)
            return false;
        int count = gsf_infile_num_children(dir);
        for (int i = 0; i < count; ++i) {
            const char* wireName = gsf_infile_name_by_index(dir, i);
            GsfPtr<GsfInput> child(gsf_infile_child_by_index(dir, i));
            if (!wireName || !child)
                return false;
            std::string name = text::FromUtf8(wireName);
            bool isStorage = gsf_infile_num_children(GSF_INFILE(child.get())) >= 0;
            auto element = Node::Make(isStorage ? Node::StorageNode : Node::StreamNode, name);
            element->wireName = wireName;
            bool ok = isStorage ? ReadStorage(GSF_INFILE(child.get()), *element, depth + 1)
                                : ReadStream(child.get(), *element);
            if (!ok)
                return false;
            node.children.push_back(std::move(element));
        }
        return SortUnique(node.children);
    }

    bool ReadStorage(GsfInfile* dir, Node& node, int depth)
    {
        gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(dir), node.classId.bytes.data());
        return ReadChildren(dir, node, depth);
    }

private:
    // Puts the children in compound-file order; two of one name are damage.
    static bool SortUnique(std::vector<std::shared_ptr<Node>>& children)
    {
        auto byName = [](const auto& a, const auto& b) { return CompareElementNames(a->name, b->name) < 0; };
        std::sort(children.begin(), children.end(), byName);
        return std::adjacent_find(children.begin(), children.end(), [](const auto& a, const auto& b) {
            return CompareElementNames(a->name, b->name) == 0;
        }) == children.end();
    }

    bool ReadStream(GsfInput* input, Node& node)
    {
        // A sound file holds every stream's bytes once, so all streams
        // together never exceed the file; more is a forged size.
        gsf_off_t size = gsf_input_size(input);
        if (size < 0 || static_cast<uint64_t>(size) > budget_)
            return false;
        budget_ -= static_cast<uint64_t>(size);
        node.data.resize(static_cast<size_t>(size));
        size_t done = 0;
        while (done < node.data.size()) {
            size_t n = std::min(kReadChunk, node.data.size() - done);
            if (!gsf_input_read(input, n, node.data.data() + done))
                return false;
            done += n;
        }
        return true;
    }

    uint64_t budget_;
};

} // namespace

Status ReadCompoundFile(const uint8_t* bytes, size_t size, std::shared_ptr<Node>& root)
{
    InitGsf();
    GsfComplaints complaints;
    GsfPtr<GsfInput> input(gsf_input_memory_new(bytes, static_cast<gsf_off_t>(size), FALSE));
    if (!input)
        return Status::NotCompoundFile;
    GError* error = nullptr;
    GsfPtr<GsfInfile> infile(gsf_infile_msole_new(input.get(), &error));
    if (error)
        g_error_free(error);
    if (!infile)
        return Status::NotCompoundFile;

    auto tree = Node::Make(Node::StorageNode, "");
    TreeReader reader(size);
    if (!reader.ReadStorage(infile.get(), *tree, 0) || complaints.Heard())
        return Status::NotCompoundFile;
    root = std::move(tree);
    return Status::Ok;
}

} // namespace storage
