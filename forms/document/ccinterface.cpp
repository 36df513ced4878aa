// The formula host: the forwards to the formula set, the set's section of
// the form file and the callback's stream requests.
#include "forms/document/ccinterface.h"

#include "forms/document/fdocument.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive.h"

#include <cstring>

namespace {

// Sets the host's archive for the length of a save or load, also when the
// archive's end of file passes through.
class ArchiveScope {
public:
    ArchiveScope(RECORDARCHIVE*& member, RECORDARCHIVE& ar)
        : member(member)
    {
        member = &ar;
    }
    ~ArchiveScope() { member = nullptr; }
    ArchiveScope(const ArchiveScope&) = delete;
    ArchiveScope& operator=(const ArchiveScope&) = delete;

private:
    RECORDARCHIVE*& member;
};

} // namespace

CCINTERFACE::CCINTERFACE(FDOCUMENT& document)
    : document(document)
{
    formulaSet.pContext = this;
    formulaSet.pCallback = &CCINTERFACE::HostCallback;
}

int CCINTERFACE::AddFormula(uint16_t id, const char* text, char* errorText)
{
    return formulaSet.AddFormula(id, text, errorText);
}

int16_t CCINTERFACE::GetIndex(const char* name)
{
    return FORMULA_SET::GetIndex(name);
}

int16_t CCINTERFACE::GetParameters(int16_t i)
{
    return FORMULA_SET::GetParameters(i);
}

int CCINTERFACE::GetFormulaString(uint16_t id, char* out) const
{
    return formulaSet.GetFormulaString(id, out);
}

void CCINTERFACE::Calculate(uint16_t id)
{
    formulaSet.Calculate(id);
}

void CCINTERFACE::SetAllOutOfDate()
{
    formulaSet.SetAllOutOfDate();
}

void CCINTERFACE::SetFieldDependantsOOD(uint16_t id)
{
    formulaSet.SetFieldDependantsOOD(id);
}

void CCINTERFACE::FillFunctionList(std::vector<std::string>& out)
{
    for (int16_t i = FORMULA_SET::GetNumFunctions(); i >= 1; --i) {
        const char* name = FORMULA_SET::GetFunction(i);
        if (!name)
            continue;
        std::string entry(name, strnlen(name, abacine::kNameBufferSize));
        if (!entry.empty() && entry.back() == '(')
            entry.pop_back();
        out.push_back(entry);
    }
}

void CCINTERFACE::SetDocumentModified()
{
    document.SetModified(true);
}

void CCINTERFACE::RemoveAllFormulas()
{
    while (const HBELEMENT* first = formulaSet.formulas.First())
        formulaSet.RemoveFormula(static_cast<const FORMULA*>(first)->nFieldID);
}

void CCINTERFACE::Save(uint8_t tag, RECORDARCHIVE& ar)
{
    ArchiveScope scope(archive, ar);
    formulaSet.SaveSet(tag);
}

int CCINTERFACE::Load(RECORDARCHIVE& ar)
{
    ArchiveScope scope(archive, ar);
    return formulaSet.Load();
}

uint16_t CCINTERFACE::HostCallback(void* context, uint16_t code, uintptr_t a, uintptr_t b)
{
    auto* host = static_cast<CCINTERFACE*>(context);
    if (!host)
        return 0;
    if (code >= abacine::kReadU16 && code <= abacine::kSkipTag)
        return host->Stream(code, a, b);
    return host->Answer(code, a, b);
}

uint16_t CCINTERFACE::Stream(uint16_t code, uintptr_t a, uintptr_t b)
{
    // Outside a save or load there is no stream to serve.
    if (!archive)
        return 0;
    io::Archive& file = archive->GetArchive();
    auto* bytes = reinterpret_cast<uint8_t*>(a);
    switch (code) {
    case abacine::kReadU16:
        return file.ReadU16();
    case abacine::kReadByte:
        return file.ReadU8();
    case abacine::kReadBytes:
        // The first byte read goes to the last place, so that a block
        // written last byte first comes back in its own order.
        for (uintptr_t i = b; i > 0; --i)
            bytes[i - 1] = file.ReadU8();
        return 0;
    case abacine::kWriteU16:
        file.WriteU16(static_cast<uint16_t>(a));
        return 0;
    case abacine::kWriteByte:
        file.WriteU8(static_cast<uint8_t>(a));
        return 0;
    case abacine::kWriteBytes:
        for (uintptr_t i = b; i > 0; --i)
            file.WriteU8(bytes[i - 1]);
        return 0;
    default:
        // Skipped exactly as every reader of the form file skips: records
        // of 0xFD by their u32 length, arrays by their count.
        archive->SkipRecord(static_cast<uint8_t>(a));
        return 0;
    }
}
