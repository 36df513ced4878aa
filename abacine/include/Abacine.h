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

    HBELEMENT* pNext; // null for the last element
    HBELEMENT* pPrev; // null for the first element
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

// The request codes of the host callback, with its arguments (a, b) and the
// answer the engine uses. A field id comes in a; a range reference holds its
// first cell's id in the high half and its last cell's in the low half.
enum Request : uint16_t {
    kFieldByName = 100, // (name, uint16_t* id): nonzero with the id stored when a field has that name
    kFieldExists = 101, // (id, 0): nonzero when the field exists
    kFieldUpToDate = 102, // (id, 0): nonzero when the field's value is up to date
    kSetUpToDate = 103, // (id, 0 or 1): marks the field's value out of date or up to date
    kFieldName = 104, // (id, buffer): the field's name written into a kNameBufferSize buffer
    kRangeFirst = 105, // (range, 0): the range's first cell, 0 for none
    kRangeNext = 106, // (range, cell): the cell after the one given, 0 after the last
    kFieldClass = 107, // (id, 0): 1 number, 2 text, 0 neither
    kFieldValue = 108, // (id, OPERAND*): the host fills in the field's value
    kRangeByName = 109, // (name, uint32_t* range): nonzero with the range stored when the name is one
    kRangeValid = 110, // (range, 0): nonzero while the reference names a range
    kRangeText = 111, // (range, buffer): the range as text written into a kNameBufferSize buffer
    kRangeUpToDate = 112, // (range, 0): 0 when any cell of the range is out of date
    kStoreResult = 113, // (id, const OPERAND*): the host stores the result into the field
    kReadU16 = 114, // (0, 0): the next u16 of the host's current stream
    kReadByte = 115, // (0, 0): the next byte of that stream
    kReadBytes = 116, // (buffer, count): fills count bytes, the first read into the last place
    kWriteU16 = 117, // (value, 0): writes a u16
    kWriteByte = 118, // (value, 0): writes a byte
    kWriteBytes = 119, // (buffer, count): writes count bytes from the buffer's last back to its first
    kSkipTag = 120, // (tag, 0): skips the rest of the record or group of a tag the engine does not know
};

// The size of the buffer that requests kFieldName and kRangeText fill with
// a name, the terminating NUL included.
inline constexpr std::size_t kNameBufferSize = 200;

class FormulaOrder;

} // namespace abacine

// A value exchanged with the host (requests kFieldValue and kStoreResult).
struct OPERAND {
    // 1 number, 2 text, 4 error, 8 error message id (the engine never makes
    // kind 8; a host may hand it back, and fields accept it)
    uint8_t nType;
    union {
        double dNumber;
        const char* pszText; // NUL-terminated; the engine's text is valid during request kStoreResult only
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
