// Abacine: the formula engine (FORMULA_SET and its FORMULA objects) and the
// intrusive list classes HBLIST/HBELEMENT used throughout the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#define ABACINE_API __attribute__((visibility("default")))

// An element of an HBLIST: derived classes are linked in place, never copied.
class ABACINE_API HBELEMENT {
public:
    HBELEMENT();
    // Copies the source's links only; Insert/Append/Prepend overwrite them.
    HBELEMENT(const HBELEMENT& other);
    HBELEMENT& operator=(const HBELEMENT& other);
    // Does not unlink the element.
    virtual ~HBELEMENT();

    HBELEMENT* pNext;  // null for the last element
    HBELEMENT* pPrev;  // null for the first element
};

// Doubly linked list of caller-made elements; deletes the elements it still
// holds when it is destroyed.
class ABACINE_API HBLIST {
public:
    HBLIST();
    HBLIST(const HBLIST&) = delete;
    ~HBLIST();
    // Both lists then name the same chain; only one may hold it when destroyed.
    HBLIST& operator=(const HBLIST& other);

    void Insert(HBELEMENT* element, HBELEMENT* before);
    void Append(HBELEMENT* element);
    void Prepend(HBELEMENT* element);
    // Unlinks without deleting; the element must be in this list.
    void Remove(HBELEMENT* element);
    int Search(HBELEMENT* element) const;

    int16_t Count() const { return nCount; }
    HBELEMENT* First() const { return pFirst; }
    HBELEMENT* Last() const { return pLast; }

    int16_t nCount;
    HBELEMENT* pFirst;
    HBELEMENT* pLast;
};

// Host callback: context, request code (100 to 120), two pointer-sized
// arguments; the 16-bit answer.
typedef uint16_t (*FORMULA_CALLBACK)(void* context, uint16_t code, uintptr_t a, uintptr_t b);

namespace abacine {

// The request codes of the host callback.
enum Request : uint16_t {
    kFieldByName = 100,
    kFieldExists = 101,
    kFieldUpToDate = 102,
    kSetUpToDate = 103,
    kFieldName = 104,
    kRangeFirst = 105,
    kRangeNext = 106,
    kFieldClass = 107,
    kFieldValue = 108,
    kRangeByName = 109,
    kRangeValid = 110,
    kRangeText = 111,
    kRangeUpToDate = 112,
    kStoreResult = 113,
    kReadU16 = 114,
    kReadByte = 115,
    kReadBytes = 116,
    kWriteU16 = 117,
    kWriteByte = 118,
    kWriteBytes = 119,
    kSkipTag = 120,
};

// The size of the buffer that requests kFieldName and kRangeText fill with
// a name, the terminating NUL included.
inline constexpr std::size_t kNameBufferSize = 200;

class FormulaOrder;

} // namespace abacine

// A value exchanged with the host (requests 108 and 113).
struct OPERAND {
    uint8_t nType;  // 1 number, 2 text, 4 error
    union {
        double dNumber;
        const char* pszText;  // NUL-terminated; the engine's text is valid during request 113 only
        uint16_t nError;
    };
};
static_assert(offsetof(OPERAND, dNumber) == 8, "the value follows the type byte at offset 8");

class FORMULA_SET;

// One compiled formula: the token code that computes one field.
class ABACINE_API FORMULA : public HBELEMENT {
public:
    // Takes ownership of code (allocated with new char[]); the code is
    // checked here once, and unsound code is kept but never run.
    FORMULA(FORMULA_SET* set, uint16_t fieldID, char* code, uint16_t length);
    FORMULA(const FORMULA&) = delete;
    FORMULA& operator=(const FORMULA&) = delete;
    ~FORMULA() override;

    // Writes the formula's text into out (1024 bytes); flag is 8 when a
    // message was written in its place, else 0.
    void ToText(char* out, int* flag) const;
    bool HasSoundCode() const { return bSoundCode; }

    uint16_t nFieldID;
    char* pCode;
    uint16_t nLength;
    FORMULA_SET* pSet;

private:
    bool bSoundCode;
};

// The formulas of one host: compiles, stores, saves, loads and recalculates
// them, reaching the host's fields only through the callback.
class ABACINE_API FORMULA_SET {
public:
    FORMULA_SET();
    FORMULA_SET(void* context, FORMULA_CALLBACK callback);
    FORMULA_SET(const FORMULA_SET&) = delete;
    ~FORMULA_SET();
    // Copies the members as they stand: both sets then share the formulas.
    FORMULA_SET& operator=(const FORMULA_SET& other);

    // 1 on success; 0 with the message (at most 200 characters) in errorText.
    int AddFormula(uint16_t id, const char* text, char* errorText);
    // Takes ownership of compiled code allocated with new char[length].
    void AddFormulaDirect(uint16_t id, char* code, int16_t length);
    FORMULA* GetFormula(uint16_t id) const;
    int IsIDInSet(uint16_t id) const;
    int RemoveFormula(uint16_t id);

    void Calculate(uint16_t id);
    void SetAllOutOfDate();
    void SetFieldDependantsOOD(uint16_t id);

    int Load();
    int SaveSet(uint8_t tag);

    static int16_t GetNumFunctions();
    // Name with its opening bracket, for 0 to 50; null otherwise.
    static const char* GetFunction(int16_t i);
    static int16_t GetIndex(const char* text);
    // 10000 means any number; -1 for an index outside the table.
    static int16_t GetParameters(int16_t i);

    // out must hold 1024 bytes; 0 when the id has no formula.
    int GetFormulaString(uint16_t id, char* out) const;

    void* pContext;
    FORMULA_CALLBACK pCallback;
    HBLIST formulas;

private:
    static void RemoveSpaces(char* text);

    // The formulas in calculation order, kept as they are added and removed.
    std::unique_ptr<abacine::FormulaOrder> pOrder;
};
