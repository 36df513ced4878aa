// Small form-object kinds, a view and a document for the model tests.
#pragma once

#include "forms/model/border.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/recording_surface.h"
#include "platform/io/memory_file.h"

#include <map>
#include <string>
#include <vector>

// What the fake drawing context and test kinds have done.
struct TestLog {
    std::vector<std::string> events;
    static TestLog& Get();
    static void Clear() { Get().events.clear(); }
    static void Add(std::string e) { Get().events.push_back(std::move(e)); }
};

// Twips per device unit of the mapping that the fake view sets up.
extern int g_twipsPerDevice;

// A box-like kind: optional border and shadow that follow its master, and
// one record of its own (0x90: border width) after the base group.
class TestBox : public FORMOBJ {
public:
    explicit TestBox(uint8_t type = kTypeBox, std::string label = {})
        : type(type)
        , label(std::move(label))
    {}

    int Init() override { return initResult; }
    uint8_t GetType() const override { return type; }
    void Draw(VIEWDC&) override { TestLog::Add("draw " + label); }
    void DrawSelection(VIEWDC&) override { TestLog::Add("handles"); }
    void Save(RECORDARCHIVE& ar, uint8_t) override;
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;
    int GetBorder(BORDER* out) override;
    void SetBorder(const BORDER& b) override;
    int GetShadow(SHADOW* out) override;
    void GetTypeName(std::string& out) const override { out = typeName; }
    std::unique_ptr<FORMOBJ> Clone() const override;

    void SetPlace(uint16_t p, RECT r, uint16_t angle = 0)
    {
        page = p;
        rotation = angle;
        SetRect(r.left, r.top, r.right, r.bottom);
    }
    void MakeSelectedPart(FORMOBJ* part) { selectedPart = part; }
    int IsSelected(FORMOBJ** out) override;

    uint8_t type;
    std::string label;
    std::string typeName;
    int initResult = 1;
    bool hasBorder = false;
    BORDER border;
    bool hasShadow = false;
    SHADOW shadow;
    FORMOBJ* selectedPart = nullptr;
};

// A group kind holding a member list.
class TestGroup
    : public FORMOBJ
    , public GroupMembers {
public:
    int Init() override { return 1; }
    uint8_t GetType() const override { return kTypeGroup; }
    void Draw(VIEWDC&) override {}
    FOBJLIST& GetMembers() override { return members; }
    void SetOwnerList(FOBJLIST* list) override { owner = list; }
    uint16_t DeleteMembersOfType(uint8_t t) override { return members.DeleteOfType(t); }
    // Base group 1, then the member list as group 0x29.
    void Save(RECORDARCHIVE& ar, uint8_t) override;
    void Load(RECORDARCHIVE& ar, uintptr_t owner) override;

    FOBJLIST members;
    FOBJLIST* owner = nullptr;
};

// A view whose window draws on a recording surface; its set-up maps
// g_twipsPerDevice twips to one device unit.
class FakeView : public OBJECT_VIEW {
public:
    std::unique_ptr<gdi::DC> GetWindowDC() override;
    int SetupDC(VIEWDC& dc, gdi::DC* device) override;
    int SetupOwnDC(VIEWDC& dc) override;
    void ToDeviceRect(RECT& r) override;
    void InvalidateRect(const RECT& r, bool) override { invalidRects.push_back(r); }
    void InvalidateOutline(const Outline& o, bool) override { invalidOutlines.push_back(o); }
    void UpdateWindow() override { ++updates; }
    bool IsActiveView() override { return active; }
    void UpdateAllViews(uint32_t, FORMOBJ* o) override { othersTold.push_back(o); }
    uint16_t GetCurrentPage() override { return currentPage; }
    int16_t GetPageWidth() override { return pageWidth; }
    int16_t GetPageHeight() override { return pageHeight; }
    bool DrawsSelection() override { return drawsSelection; }
    void NoteSelected(uint16_t n) override { selectedCount += n; }
    void NoteDeselected(uint16_t n) override { selectedCount -= n; }
    void RecordSelectionUndo() override { calls.push_back("record undo"); }
    void SetAppearanceSheetOpen(bool open) override { calls.push_back(open ? "sheet open" : "sheet closed"); }
    int RunAppearanceSheet(uint16_t id, FORMOBJ&) override
    {
        calls.push_back("run " + std::to_string(id));
        return sheetResult;
    }
    void UndoLast() override { calls.push_back("undo"); }
    void DropLastUndo() override { calls.push_back("drop undo"); }
    void PostCommand(uint16_t id) override { calls.push_back("command " + std::to_string(id)); }
    void SetFocus() override { calls.push_back("focus"); }

    gdi::RecordingSurface surface;
    bool hasWindow = true;
    int windowDCsFetched = 0;
    int32_t originX = 0;
    int32_t originY = 0;
    bool active = false;
    bool drawsSelection = false;
    uint16_t currentPage = 1;
    int16_t pageWidth = 12240;
    int16_t pageHeight = 15840;
    int selectedCount = 0;
    int sheetResult = 1;
    int updates = 0;
    std::vector<RECT> invalidRects;
    std::vector<Outline> invalidOutlines;
    std::vector<FORMOBJ*> othersTold;
    std::vector<std::string> calls;
};

class FakeDocument : public OBJECT_DOCUMENT {
public:
    uint32_t GetCreationStamp() const override { return 0x12345678; }
    bool IsAlternativeFormat() const override { return alternative; }
    uint16_t GetAlternativeFormat() const override { return 7; }
    FORMOBJ* FindObjectByName(uint8_t type, std::string_view name) override { return styles.FindByName(type, name); }
    void RemoveFromTabOrder(FORMOBJ* o) override { removedFromOrder.push_back(o); }

    bool alternative = false;
    FOBJLIST styles;
    std::vector<FORMOBJ*> removedFromOrder;
};

// Bytes written through a record archive by a function.
template<class F>
std::vector<uint8_t> Written(F write, OBJECT_DOCUMENT* doc = nullptr)
{
    io::MemoryFile file;
    {
        io::Archive ar(file, io::Archive::Store);
        RECORDARCHIVE rec(ar, doc);
        write(rec);
        ar.Close();
    }
    return file.Data();
}

// Registers the test kinds with the factory for one test's lifetime.
class TestKinds {
public:
    TestKinds();
    ~TestKinds();
};
