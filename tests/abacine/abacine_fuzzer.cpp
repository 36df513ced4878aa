// Fuzz target: arbitrary formula text through AddFormula, and arbitrary bytes
// through Load followed by Calculate and GetFormulaString. The first byte
// chooses the path; the host answers from a small table of fields and a range.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "Abacine.h"

namespace {

struct EndOfInput {};

struct FuzzHost {
    const uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;
    bool upToDate[8] = {};
    std::string text = "12.5";

    uint8_t Next()
    {
        if (pos >= size)
            throw EndOfInput();
        return data[pos++];
    }
};

const char* const kNames[] = {"", "A", "B", "C", "T", "E", "F1", "F2"};
constexpr uint32_t kRange = (1u << 16) | 3; // cells 1 to 3

uint16_t Callback(void* context, uint16_t code, uintptr_t a, uintptr_t b)
{
    FuzzHost& host = *static_cast<FuzzHost*>(context);
    const uint16_t id = static_cast<uint16_t>(a);
    switch (code) {
    case abacine::kFieldByName:
        for (uint16_t i = 1; i < 8; ++i)
            if (std::strcmp(kNames[i], reinterpret_cast<const char*>(a)) == 0) {
                *reinterpret_cast<uint16_t*>(b) = i;
                return 1;
            }
        return 0;
    case abacine::kRangeByName:
        if (std::strcmp("COL", reinterpret_cast<const char*>(a)) != 0)
            return 0;
        *reinterpret_cast<uint32_t*>(b) = kRange;
        return 1;
    case abacine::kFieldExists:
        return id >= 1 && id < 8;
    case abacine::kFieldUpToDate:
        return id < 8 ? host.upToDate[id] : 0;
    case abacine::kSetUpToDate:
        if (id < 8)
            host.upToDate[id] = b != 0;
        return 0;
    case abacine::kFieldName:
        std::snprintf(reinterpret_cast<char*>(b), abacine::kNameBufferSize, "%s", id < 8 ? kNames[id] : "");
        return 0;
    case abacine::kRangeFirst:
        return a == kRange ? 1 : 0;
    case abacine::kRangeNext:
        return a == kRange && b < 3 ? static_cast<uint16_t>(b + 1) : 0;
    case abacine::kFieldClass:
        return id == 4 ? 2 : 1;
    case abacine::kFieldValue: {
        OPERAND* op = reinterpret_cast<OPERAND*>(b);
        if (id == 4) {
            op->nType = 2;
            op->pszText = host.text.c_str();
        } else if (id == 5) {
            op->nType = 4;
            op->nError = 9;
        } else {
            op->nType = 1;
            op->dNumber = id * 1.5;
        }
        return 0;
    }
    case abacine::kRangeValid:
    case abacine::kRangeUpToDate:
        return a == kRange;
    case abacine::kRangeText:
        std::snprintf(reinterpret_cast<char*>(b), abacine::kNameBufferSize, "COL");
        return 0;
    case abacine::kStoreResult: {
        const OPERAND* op = reinterpret_cast<const OPERAND*>(b);
        if (op->nType == 2)
            host.text = op->pszText;
        return 0;
    }
    case abacine::kReadU16: {
        const uint8_t lo = host.Next();
        return static_cast<uint16_t>(lo | (host.Next() << 8));
    }
    case abacine::kReadByte:
        return host.Next();
    case abacine::kReadBytes:
        for (std::size_t i = b; i-- > 0;)
            reinterpret_cast<uint8_t*>(a)[i] = host.Next();
        return 0;
    case abacine::kSkipTag:
        if (a >= 0x80) {
            const uint8_t lo = host.Next();
            const uint16_t length = static_cast<uint16_t>(lo | (host.Next() << 8));
            for (uint16_t i = 0; i < length; ++i)
                host.Next();
        }
        return 0;
    default:
        return 0;
    }
}

void Exercise(FORMULA_SET& set, FuzzHost& host)
{
    for (bool& u : host.upToDate)
        u = false;
    set.Calculate(0);
    set.SetFieldDependantsOOD(1);
    set.Calculate(2);
    char out[1024];
    for (HBELEMENT* e = set.formulas.First(); e; e = e->pNext)
        set.GetFormulaString(static_cast<FORMULA*>(e)->nFieldID, out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    FuzzHost host;
    FORMULA_SET set(&host, &Callback);
    char error[200];
    if (data[0] & 1) {
        // Formula text: lines separated by newlines, for fields 6, 7, 1, 2, 3
        // and then 6, 7 and 1 again, replacing (or, when empty, removing)
        // what the first lines gave them.
        std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
        const uint16_t ids[] = {6, 7, 1, 2, 3, 6, 7, 1};
        std::size_t start = 0;
        for (uint16_t id : ids) {
            const std::size_t end = text.find('\n', start);
            const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            set.AddFormula(id, line.c_str(), error);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    } else {
        host.data = data + 1;
        host.size = size - 1;
        try {
            set.Load();
        } catch (const EndOfInput&) {
        }
        // Formulas checked against what was loaded unchecked.
        set.AddFormula(6, "F1+C", error);
        set.AddFormula(7, "SUM(COL)+F2", error);
    }
    Exercise(set, host);
    return 0;
}
