#include "platform/storage/gsf_writer.h"

#include "platform/storage/gsf_library.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

namespace storage {
namespace {

bool WriteChildren(GsfOutfile* dir, const Node& node)
{
    for (const auto& child : node.children) {
        bool isStorage = child->kind == Node::StorageNode;
        GsfPtr<GsfOutput> out(gsf_outfile_new_child(dir, child->wireName.c_str(), isStorage));
        if (!out)
            return false;
        bool ok;
        if (isStorage) {
            ok = gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(out.get()), child->classId.bytes.data())
                && WriteChildren(GSF_OUTFILE(out.get()), *child);
        } else {
            ok = child->data.empty() || gsf_output_write(out.get(), child->data.size(), child->data.data());
        }
        if (!gsf_output_close(out.get()) || !ok)
            return false;
    }
    return true;
}

} // namespace

Status WriteCompoundFile(const Node& root, std::vector<uint8_t>& bytes)
{
    InitGsf();
    GsfComplaints complaints;
    GsfPtr<GsfOutput> sink(gsf_output_memory_new());
    GsfPtr<GsfOutfile> outfile(gsf_outfile_msole_new(sink.get()));
    if (!sink || !outfile)
        return Status::WriteFault;
    bool ok = gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(outfile.get()), root.classId.bytes.data())
        && WriteChildren(outfile.get(), root);
    ok = gsf_output_close(GSF_OUTPUT(outfile.get())) && ok;
    if (!ok || complaints.Heard())
        return Status::WriteFault;
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    gsf_off_t size = gsf_output_size(sink.get());
    if (size < 0 || (size > 0 && !data))
        return Status::WriteFault;
    bytes.assign(data, data + size);
    return Status::Ok;
}

} // namespace storage
