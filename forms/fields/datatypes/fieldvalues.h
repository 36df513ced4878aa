// A field's list of allowed values, offered in a drop-down list under its
// editor and edited on the "Values" page, and saved as the field's group 7.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class RECORDARCHIVE;

// The tag under which a field saves its value list.
constexpr uint8_t kValueListGroup = 7;

// What a value list fills: the list box of the editor's drop-down list or
// of the "Values" page.
class VALUELISTBOX {
public:
    virtual ~VALUELISTBOX() = default;
    virtual void ResetContent() = 0;
    virtual void AddString(std::string_view text) = 0;
};

class FIELDVALUES {
public:
    FIELDVALUES() = default;
    FIELDVALUES(const FIELDVALUES&) = delete;
    FIELDVALUES& operator=(const FIELDVALUES&) = delete;

    virtual const char* GetRuntimeClass() const { return "FIELDVALUES"; }
    virtual ~FIELDVALUES() = default;
    virtual int IsValueList() { return 1; }
    virtual std::unique_ptr<FIELDVALUES> Clone() const { return nullptr; }
    virtual char GetKindLetter() const { return 0; }
    virtual void SaveBody(RECORDARCHIVE&, uint8_t) const {}
    // Reads the kind's records up to its closing 0xFF; 0 on failure.
    virtual int LoadBody(RECORDARCHIVE&) { return 0; }
    virtual void FillListBox(VALUELISTBOX&) const {}

    // The tag, the kind's group, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group whose tag (7) was just read, up to and including its
    // 0xFF: the list it holds, or null when it holds none of a known kind.
    // A value count that does not match its records raises io::ArchiveError.
    static std::unique_ptr<FIELDVALUES> Load(RECORDARCHIVE& ar);
};

// An ordered list of texts and whether only they may be entered.
class LISTBOXVALUES : public FIELDVALUES {
public:
    LISTBOXVALUES() = default;
    // A list of n empty values.
    explicit LISTBOXVALUES(uint16_t slots);

    const char* GetRuntimeClass() const override { return "LISTBOXVALUES"; }
    std::unique_ptr<FIELDVALUES> Clone() const override;
    char GetKindLetter() const override { return 'A'; }
    void SaveBody(RECORDARCHIVE& ar, uint8_t tag) const override;
    int LoadBody(RECORDARCHIVE& ar) override;
    void FillListBox(VALUELISTBOX& box) const override;

    void InsertValueAt(std::string_view text, uint16_t index);
    void AppendValue(std::string_view text) { InsertValueAt(text, nCount); }
    void RemoveEntry(uint16_t index);
    void SetEntry(std::string_view text, uint16_t index);
    void SwapEntries(uint16_t i, uint16_t j);
    void CopyFrom(const LISTBOXVALUES& other);

    // The slots; the first nCount are the values in display order.
    std::vector<std::string> pValues;
    uint16_t nCount = 0;
    int32_t bListOnly = 0;
};
