// The test host's answers to the engine's requests.
#include "test_host.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Writes a name into the engine's name buffer, cut to fit.
void WriteName(uintptr_t buffer, const std::string& name)
{
    std::snprintf(reinterpret_cast<char*>(buffer), abacine::kNameBufferSize, "%s", name.c_str());
}

} // namespace

TestHost::TestHost()
    : set(this, &TestHost::Callback)
{}

void TestHost::AddField(uint16_t id, const std::string& name, HostValue value)
{
    fields[id] = HostField {name, std::move(value), true};
}

uint32_t TestHost::AddRange(const std::string& name, uint16_t first, uint16_t last)
{
    HostRange range {name, {}, true};
    for (uint16_t id = first; id <= last; ++id)
        range.cells.push_back(id);
    const uint32_t reference = (static_cast<uint32_t>(first) << 16) | last;
    ranges[reference] = range;
    return reference;
}

std::string TestHost::Compile(uint16_t id, const std::string& text)
{
    char error[256] = "untouched";
    return set.AddFormula(id, text.c_str(), error) ? "" : error;
}

std::vector<uint8_t> TestHost::Code(uint16_t id) const
{
    const FORMULA* f = set.GetFormula(id);
    if (!f)
        return {};
    return std::vector<uint8_t>(f->pCode, f->pCode + f->nLength);
}

std::string TestHost::Text(uint16_t id) const
{
    char out[1024];
    std::memset(out, 'x', sizeof out);
    return set.GetFormulaString(id, out) ? out : "<none>";
}

HostValue TestHost::Run(const std::string& text)
{
    constexpr uint16_t kResult = 1000;
    if (!fields.count(kResult))
        AddField(kResult, "R");
    const std::string error = Compile(kResult, text);
    EXPECT_EQ(error, "") << text;
    fields[kResult].value = HostValue {};
    fields[kResult].upToDate = false;
    set.Calculate(0);
    return fields[kResult].value;
}

::testing::AssertionResult SameValue(const HostValue& got, const HostValue& want)
{
    bool same = got.type == want.type;
    if (same && want.type == 1)
        same = got.number == want.number
            || std::fabs(got.number - want.number) <= 1e-9 * std::max(1.0, std::fabs(want.number));
    else if (same && want.type == 2)
        same = got.text == want.text;
    else if (same && want.type == 4)
        same = got.error == want.error;
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got type " << int(got.type) << " number " << got.number << " text \""
                                         << got.text << "\" error " << got.error;
}

uint16_t TestHost::Callback(void* context, uint16_t code, uintptr_t a, uintptr_t b)
{
    TestHost& host = *static_cast<TestHost*>(context);
    ++host.requests;
    return host.Answer(code, a, b);
}

uint8_t TestHost::ReadByte()
{
    if (readPos >= stream.size())
        throw EndOfStream();
    return stream[readPos++];
}

// Records (tag 0x80 and above) carry a u16 length; groups run to 0xFF.
void TestHost::SkipTag(uint8_t tag)
{
    if (tag >= 0x80) {
        const uint16_t length = static_cast<uint16_t>(ReadByte() | (ReadByte() << 8));
        for (uint16_t i = 0; i < length; ++i)
            ReadByte();
        return;
    }
    for (uint8_t inner = ReadByte(); inner != 0xFF; inner = ReadByte())
        SkipTag(inner);
}

uint16_t TestHost::Answer(uint16_t code, uintptr_t a, uintptr_t b)
{
    const uint16_t id = static_cast<uint16_t>(a);
    const uint32_t reference = static_cast<uint32_t>(a);
    auto field = fields.find(id);
    auto range = ranges.find(reference);
    switch (code) {
    case abacine::kFieldByName:
    case abacine::kRangeByName: {
        const char* name = reinterpret_cast<const char*>(a);
        if (code == abacine::kFieldByName) {
            for (const auto& [fid, f] : fields)
                if (f.name == name) {
                    *reinterpret_cast<uint16_t*>(b) = fid;
                    return 1;
                }
        } else {
            for (const auto& [ref, r] : ranges)
                if (r.name == name) {
                    *reinterpret_cast<uint32_t*>(b) = ref;
                    return 1;
                }
        }
        return 0;
    }
    case abacine::kFieldExists:
        return field != fields.end();
    case abacine::kFieldUpToDate:
        return field != fields.end() && field->second.upToDate;
    case abacine::kSetUpToDate:
        if (field != fields.end())
            field->second.upToDate = b != 0;
        return 0;
    case abacine::kFieldName:
        WriteName(b, field != fields.end() ? field->second.name : std::string());
        return 0;
    case abacine::kRangeFirst:
        return range != ranges.end() && !range->second.cells.empty() ? range->second.cells.front() : 0;
    case abacine::kRangeNext:
        if (range != ranges.end()) {
            const auto& cells = range->second.cells;
            for (std::size_t i = 0; i + 1 < cells.size(); ++i)
                if (cells[i] == b)
                    return cells[i + 1];
        }
        return 0;
    case abacine::kFieldClass:
        return field != fields.end() && field->second.value.type <= 2 ? field->second.value.type : 0;
    case abacine::kFieldValue: {
        // A host may leave the error number set; that must not spoil the value.
        errno = EDOM;
        OPERAND* op = reinterpret_cast<OPERAND*>(b);
        const HostValue& v = field->second.value;
        op->nType = v.type;
        if (v.type == 1)
            op->dNumber = v.number;
        else if (v.type == 2)
            op->pszText = v.text.c_str();
        else if (v.type == 4)
            op->nError = v.error;
        return 0;
    }
    case abacine::kRangeValid:
        return range != ranges.end() && range->second.valid;
    case abacine::kRangeText:
        WriteName(b, range != ranges.end() ? range->second.name : std::string());
        return 0;
    case abacine::kRangeUpToDate:
        for (uint16_t cell : range->second.cells)
            if (!fields[cell].upToDate)
                return 0;
        return 1;
    case abacine::kStoreResult: {
        const OPERAND* op = reinterpret_cast<const OPERAND*>(b);
        HostValue v;
        v.type = op->nType;
        if (v.type == 1)
            v.number = op->dNumber;
        else if (v.type == 2)
            v.text = op->pszText;
        else if (v.type == 4)
            v.error = op->nError;
        fields[id].value = v;
        stores.push_back(id);
        if (afterStore)
            afterStore(id);
        return 0;
    }
    case abacine::kReadU16: {
        const uint8_t lo = ReadByte();
        return static_cast<uint16_t>(lo | (ReadByte() << 8));
    }
    case abacine::kReadByte:
        return ReadByte();
    case abacine::kReadBytes: {
        uint8_t* buffer = reinterpret_cast<uint8_t*>(a);
        for (std::size_t i = b; i-- > 0;)
            buffer[i] = ReadByte();
        return 0;
    }
    case abacine::kWriteU16:
        stream.push_back(static_cast<uint8_t>(a & 0xFF));
        stream.push_back(static_cast<uint8_t>(a >> 8));
        return 0;
    case abacine::kWriteByte:
        stream.push_back(static_cast<uint8_t>(a));
        return 0;
    case abacine::kWriteBytes: {
        const uint8_t* buffer = reinterpret_cast<const uint8_t*>(a);
        for (std::size_t i = b; i-- > 0;)
            stream.push_back(buffer[i]);
        return 0;
    }
    case abacine::kSkipTag:
        skippedTags.push_back(static_cast<uint8_t>(a));
        SkipTag(static_cast<uint8_t>(a));
        return 0;
    default:
        return 0;
    }
}
