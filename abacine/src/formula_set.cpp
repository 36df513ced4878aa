// The formula set: adding, finding and removing formulas, their text, and the
// function table as hosts see it.
#include "Abacine.h"

#include "compiler.h"
#include "formula_order.h"
#include "function_table.h"
#include "messages.h"
#include "set_limits.h"

#include <cstring>
#include <new>
#include <string>

namespace {

constexpr std::size_t kErrorTextSize = 200;

} // namespace

FORMULA_SET::FORMULA_SET()
    : pContext(nullptr)
    , pCallback(nullptr)
    , pOrder(std::make_unique<abacine::FormulaOrder>(*this))
{}

FORMULA_SET::FORMULA_SET(void* context, FORMULA_CALLBACK callback)
    : pContext(context)
    , pCallback(callback)
    , pOrder(std::make_unique<abacine::FormulaOrder>(*this))
{}

FORMULA_SET::~FORMULA_SET() = default;

FORMULA_SET& FORMULA_SET::operator=(const FORMULA_SET& other)
{
    pContext = other.pContext;
    pCallback = other.pCallback;
    formulas = other.formulas;
    pOrder->Forget();
    return *this;
}

int FORMULA_SET::AddFormula(uint16_t id, const char* text, char* errorText)
{
    if (!text || !*text) {
        RemoveFormula(id);
        return 1;
    }
    int error = 0;
    try {
        std::string copy(text);
        RemoveSpaces(copy.data());
        if (formulas.Count() >= abacine::kMaxFormulas && !IsIDInSet(id)) {
            error = abacine::kMsgOutOfMemory;
        } else {
            pOrder->Prepare();
            if (auto formula = abacine::CompileFormula(*this, *pOrder, id, copy.c_str(), error)) {
                RemoveFormula(id);
                FORMULA* added = formula.release();
                formulas.Append(added);
                pOrder->Added(added);
                return 1;
            }
        }
    } catch (const std::bad_alloc&) {
        error = abacine::kMsgOutOfMemory;
    }
    abacine::LoadMessage(error, errorText, kErrorTextSize);
    return 0;
}

void FORMULA_SET::AddFormulaDirect(uint16_t id, char* code, int16_t length)
{
    FORMULA* formula = nullptr;
    if (formulas.Count() < abacine::kMaxFormulas)
        formula = new (std::nothrow) FORMULA(this, id, code, length < 0 ? 0 : static_cast<uint16_t>(length));
    if (!formula) {
        delete[] code;
        return;
    }
    formulas.Append(formula);
    pOrder->Appended(formula);
}

FORMULA* FORMULA_SET::GetFormula(uint16_t id) const
{
    return pOrder->Find(id);
}

int FORMULA_SET::IsIDInSet(uint16_t id) const
{
    return GetFormula(id) ? 1 : 0;
}

int FORMULA_SET::RemoveFormula(uint16_t id)
{
    FORMULA* formula = GetFormula(id);
    if (!formula)
        return 0;
    formulas.Remove(formula);
    pOrder->Removed(formula);
    delete formula;
    return 1;
}

// Blanks go everywhere but inside quoted text, where an escaped quote does
// not end the quotation.
void FORMULA_SET::RemoveSpaces(char* text)
{
    char* out = text;
    bool quoted = false;
    for (const char* p = text; *p; ++p) {
        if (quoted && *p == '\\' && p[1]) {
            *out++ = *p++;
            *out++ = *p;
            continue;
        }
        if (*p == '"')
            quoted = !quoted;
        if (*p == ' ' && !quoted)
            continue;
        *out++ = *p;
    }
    *out = '\0';
}

int16_t FORMULA_SET::GetNumFunctions()
{
    return abacine::kFunctionCount;
}

const char* FORMULA_SET::GetFunction(int16_t i)
{
    const abacine::FunctionEntry* f = abacine::FunctionAt(i);
    return f ? f->name : nullptr;
}

int16_t FORMULA_SET::GetIndex(const char* text)
{
    return static_cast<int16_t>(abacine::FunctionIndexAt(text));
}

int16_t FORMULA_SET::GetParameters(int16_t i)
{
    const abacine::FunctionEntry* f = abacine::FunctionAt(i);
    return f ? static_cast<int16_t>(f->params) : -1;
}

int FORMULA_SET::GetFormulaString(uint16_t id, char* out) const
{
    const FORMULA* formula = GetFormula(id);
    if (!formula)
        return 0;
    int flag = 0;
    formula->ToText(out, &flag);
    return 1;
}
