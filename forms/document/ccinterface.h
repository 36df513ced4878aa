// The form document's formula host: embeds the document's formula set,
// answers the engine's callback from the document's fields and table cells,
// and carries the set into and out of the form file.
#pragma once

#include "Abacine.h"

#include <cstdint>
#include <string>
#include <vector>

class FDOCUMENT;
class RECORDARCHIVE;

// Tag of the formula set's section in the form file.
constexpr uint8_t kFormulaSection = 0x47;

class CCINTERFACE {
public:
    explicit CCINTERFACE(FDOCUMENT& document);
    CCINTERFACE(const CCINTERFACE&) = delete;
    CCINTERFACE& operator=(const CCINTERFACE&) = delete;

    const char* GetRuntimeClass() const { return "CCINTERFACE"; }

    // Forwards to the formula set.
    int AddFormula(uint16_t id, const char* text, char* errorText);
    static int16_t GetIndex(const char* name);
    static int16_t GetParameters(int16_t i);
    int GetFormulaString(uint16_t id, char* out) const;
    void Calculate(uint16_t id);
    void SetAllOutOfDate();
    void SetFieldDependantsOOD(uint16_t id);
    // The engine's function names, from the last to the first, each without
    // its opening bracket.
    static void FillFunctionList(std::vector<std::string>& out);
    void SetDocumentModified();
    // Drops every formula (the document is emptied for reuse).
    void RemoveAllFormulas();

    // The set as a section of the form file; the section's tag was read
    // when Load is called. An end of file passes through to the caller.
    void Save(uint8_t tag, RECORDARCHIVE& ar);
    int Load(RECORDARCHIVE& ar);

    FORMULA_SET& GetFormulaSet() { return formulaSet; }

    // The engine's callback; context is the host.
    static uint16_t HostCallback(void* context, uint16_t code, uintptr_t a, uintptr_t b);

private:
    uint16_t Answer(uint16_t code, uintptr_t a, uintptr_t b);
    uint16_t Stream(uint16_t code, uintptr_t a, uintptr_t b);

    FDOCUMENT& document;
    FORMULA_SET formulaSet;
    // The form file's record stream while the set is saved or loaded.
    RECORDARCHIVE* archive = nullptr;
};
