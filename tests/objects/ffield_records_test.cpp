// The field's record, byte for byte: the groups and records of a default
// field, the help text record, ids taken from the document, the data type
// chosen by group 6 or by the old kind record, and bad records.
#include "tests/objects/field_test_support.h"

#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/record_archive.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include <algorithm>
#include <string>

namespace {

using FieldRecordTest = FieldTest;

// The tags at the top level of a field's group, groups stepped over.
std::vector<uint8_t> TopLevelTags(const Bytes& bytes)
{
    std::vector<uint8_t> tags;
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    rec.ReadTag();
    for (;;) {
        const uint8_t tag = rec.ReadTag();
        tags.push_back(tag);
        if (tag == kEndGroup)
            break;
        if (tag == 6) {
            // The data type's own group inside group 6.
            const uint8_t kind = rec.ReadTag();
            tags.push_back(kind);
            rec.SkipRecord(kind);
            EXPECT_EQ(rec.ReadTag(), kEndGroup);
            continue;
        }
        rec.SkipRecord(tag);
    }
    return tags;
}

// The bytes from record 0x81 to the end of the field's group.
Bytes FromKindRecord(const Bytes& bytes)
{
    const Bytes kind {0x81, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00};
    auto at = std::search(bytes.begin(), bytes.end(), kind.begin(), kind.end());
    return Bytes(at, bytes.end());
}

TEST_F(FieldRecordTest, ADefaultTextFieldWritesItsGroupsThenTheFixedRecords)
{
    auto field = MakeField();
    field->SetFieldID(0x0102);
    const Bytes written = Written([&](RECORDARCHIVE& ar) { field->Save(ar, kTypeField); });
    EXPECT_EQ(written.front(), kTypeField);
    EXPECT_EQ(TopLevelTags(written),
        (std::vector<uint8_t> {1, 3, 2, 5, 4, 6, kKindText, 0x81, 0x82, 0x83, 0x85, 0x86, 0x87, kEndGroup}));
    EXPECT_EQ(FromKindRecord(written),
        (Bytes {0x81, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, //
            0x82, 0x02, 0x00, 0x02, 0x01, //
            0x83, 0x04, 0x00, 0x14, 0x05, 0x00, 0x00, // the list extent's bottom: the field's, 1300
            0x85, 0x01, 0x00, 0x00, //
            0x86, 0x02, 0x00, 0xFF, 0xFF, //
            0x87, 0x03, 0x00, 0x00, 0x00, 0x01, //
            0xFF}));
}

TEST_F(FieldRecordTest, HelpTextIsARecordOfNPlus2BytesOnlyWhenThereIsSome)
{
    for (size_t length : {size_t {1}, size_t {5}, size_t {600}, size_t {70000}}) {
        SCOPED_TRACE(length);
        auto field = MakeField();
        const std::string help(length, 'h');
        field->SetHelpText(help);
        const Bytes written = Written([&](RECORDARCHIVE& ar) { field->Save(ar, kTypeField); });
        const size_t n = std::min<size_t>(length, 0xFFFF - 2);
        const Bytes head {0x84, uint8_t(n + 2), uint8_t((n + 2) >> 8), uint8_t(n), uint8_t(n >> 8)};
        auto at = std::search(written.begin(), written.end(), head.begin(), head.end());
        ASSERT_NE(at, written.end());
        EXPECT_EQ(*(at + 5 + static_cast<ptrdiff_t>(n)), 0x85) << "no terminator; alignment follows";

        FFIELD loaded;
        ASSERT_TRUE(loaded.Init());
        ReadBack(written, [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
        EXPECT_EQ(loaded.GetHelpText(), help.substr(0, n));
        EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar, kTypeField); }), written);
    }
    auto plain = MakeField();
    const Bytes written = Written([&](RECORDARCHIVE& ar) { plain->Save(ar, kTypeField); });
    const std::vector<uint8_t> tags = TopLevelTags(written);
    EXPECT_EQ(std::count(tags.begin(), tags.end(), 0x84), 0);
}

// A field group with the given parts after a base group.
Bytes FieldGroup(std::initializer_list<Bytes> parts)
{
    Bytes out {kTypeField, kBaseGroupTag};
    Bytes base = Written([](RECORDARCHIVE& ar) {
        FFIELD f;
        f.Init();
        f.SetRect(100, 100, 2100, 400);
        f.FORMOBJ::Save(ar, kBaseGroupTag);
    });
    out.assign(base.begin(), base.end());
    out.insert(out.begin(), kTypeField);
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    out.push_back(kEndGroup);
    out.push_back(0x7E);
    return out;
}

TEST_F(FieldRecordTest, TheIdComesFromTheDocumentWhenMissingOrNone)
{
    const struct {
        const char* name;
        Bytes parts;
        uint16_t withDocument;
        uint16_t without;
    } cases[] = {
        {"id kept", Record(0x82, {0x05, 0x00}), 5, 5},
        {"id 0xFFFF", Record(0x82, {0xFF, 0xFF}), 40, 0xFFFF},
        {"no id record", Bytes {}, 40, 0xFFFF},
        {"a short id record", Record(0x82, {0x05}), 40, 0xFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = FieldGroup({c.parts});
        for (bool withDocument : {true, false}) {
            CountingDocument doc;
            FFIELD field;
            ASSERT_TRUE(field.Init());
            io::MemoryFile file(bytes);
            io::Archive ar(file, io::Archive::Load);
            RECORDARCHIVE rec(ar, withDocument ? &doc : nullptr);
            rec.ReadTag();
            field.Load(rec, 0);
            EXPECT_EQ(rec.ReadU8(), 0x7E);
            EXPECT_EQ(field.GetFieldID(), withDocument ? c.withDocument : c.without);
        }
    }
}

TEST_F(FieldRecordTest, GroupSixChoosesTheDataTypeAndTheOldKindRecordOnlyAFieldWithoutOne)
{
    const Bytes number = Written([](RECORDARCHIVE& ar) {
        NUMBERDATATYPE type;
        type.InitialiseValue();
        type.Save(ar);
    });
    const Bytes date = Written([](RECORDARCHIVE& ar) {
        DATEDATATYPE type;
        type.InitialiseValue();
        type.Save(ar);
    });
    auto group6 = [](const Bytes& inner) {
        Bytes out {6};
        out.insert(out.end(), inner.begin(), inner.end());
        out.push_back(kEndGroup);
        return out;
    };
    auto kind = [](uint16_t k) { return Record(0x81, {0, 0, uint8_t(k), 0}); };
    const struct {
        const char* name;
        Bytes parts;
        bool initialised;
        uint8_t tag;
    } cases[] = {
        {"number in group 6", group6(number), true, kKindNumber},
        {"date in group 6, old kind text", Concat({group6(date), kind(1)}), true, kKindDate},
        {"no group 6: stays text", kind(2), true, kKindText},
        {"unknown kind 4 in group 6 is stepped over", group6({4, 0x81, 0x01, 0x00, 0x09, 0xFF}), true, kKindText},
        {"tag 0 and 9 in group 6 stepped over", group6({0, 0xFF, 9, 0xFF}), true, kKindText},
        {"old kind 2 on a bare field: number", kind(2), false, kKindNumber},
        {"old kind 3 on a bare field: date", kind(3), false, kKindDate},
        {"old kind 6 on a bare field: text", kind(6), false, kKindText},
        {"old kind 7 on a bare field: text", kind(7), false, kKindText},
        {"nothing on a bare field: text", Bytes {}, false, kKindText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FFIELD field;
        if (c.initialised) {
            ASSERT_TRUE(field.Init());
        }
        ReadBack(FieldGroup({c.parts}), [&](RECORDARCHIVE& ar) {
            field.Load(ar, 0);
            EXPECT_EQ(ar.ReadU8(), 0x7E);
        });
        ASSERT_NE(field.GetDataType(), nullptr);
        EXPECT_EQ(field.GetDataType()->GetTypeTag(), c.tag);
    }
}

TEST_F(FieldRecordTest, ShortAndOverlongRecordsReadWhatTheyHold)
{
    const struct {
        const char* name;
        Bytes parts;
        std::string help;
        int32_t listBottom;
    } cases[] = {
        {"help count beyond the record", Record(0x84, {40, 0, 'a', 'b'}), "ab", 400},
        {"help without a count", Record(0x84, {}), "", 400},
        {"list bottom below", Record(0x83, {0x20, 0x03, 0, 0}), "", 800},
        {"list bottom above the field keeps no height", Record(0x83, {0x10, 0, 0, 0}), "", 400},
        {"short switches", Record(0x87, {1}), "", 400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FFIELD field;
        ASSERT_TRUE(field.Init());
        ReadBack(FieldGroup({c.parts}), [&](RECORDARCHIVE& ar) {
            field.Load(ar, 0);
            EXPECT_EQ(ar.ReadU8(), 0x7E);
        });
        EXPECT_EQ(field.GetHelpText(), c.help);
        EXPECT_EQ(field.GetListExtent().bottom, c.listBottom);
        EXPECT_EQ(field.GetListExtent().top, 400);
    }
}

// A damaged file may put the field and its list's bottom at the ends of
// the coordinates: the list's height is worked out without overflow, never
// below 0, and what is saved is the list's bottom as the field has it.
TEST_F(FieldRecordTest, AListBottomFarFromTheFieldNeitherOverflowsNorGoesAbove)
{
    const struct {
        const char* name;
        RECT r;
        int32_t listBottom;
        int32_t shown; // the list's bottom as the field keeps it
    } cases[] = {
        {"field at the top, list at the bottom", {0, INT32_MIN + 3000, 100, INT32_MIN + 3180}, INT32_MAX - 300,
            INT32_MIN + 3180 + INT32_MAX},
        {"field at the bottom, list above", {0, INT32_MAX - 500, 100, INT32_MAX - 300}, INT32_MIN + 20,
            INT32_MAX - 300},
        {"field at the bottom, list at the end", {0, INT32_MAX - 500, 100, INT32_MAX - 300}, INT32_MAX, INT32_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = Written([&](RECORDARCHIVE& ar) {
            FFIELD f;
            f.Init();
            f.SetRect(c.r.left, c.r.top, c.r.right, c.r.bottom);
            f.FORMOBJ::Save(ar, kBaseGroupTag);
        });
        bytes.insert(bytes.begin(), kTypeField);
        const auto bottom = static_cast<uint32_t>(c.listBottom);
        const Bytes list
            = Record(0x83, {uint8_t(bottom), uint8_t(bottom >> 8), uint8_t(bottom >> 16), uint8_t(bottom >> 24)});
        bytes.insert(bytes.end(), list.begin(), list.end());
        bytes.push_back(kEndGroup);
        FFIELD field;
        ASSERT_TRUE(field.Init());
        ReadBack(bytes, [&](RECORDARCHIVE& ar) { field.Load(ar, 0); });
        const RECT extent = field.GetListExtent();
        EXPECT_EQ(extent.top, c.r.bottom);
        EXPECT_GE(extent.bottom, extent.top);
        EXPECT_EQ(extent.bottom, c.shown) << "the list keeps what it can of its height";

        const Bytes saved = Written([&](RECORDARCHIVE& ar) { field.Save(ar, kTypeField); });
        // The list record follows the old kind record and the id record.
        const Bytes kind = Record(0x81, {0, 0, 1, 0});
        const auto after = std::search(saved.begin(), saved.end(), kind.begin(), kind.end());
        ASSERT_NE(after, saved.end());
        const auto at = after + kind.size() + 5;
        ASSERT_EQ(Bytes(at, at + 3), (Bytes {0x83, 4, 0}));
        int32_t written = 0;
        std::memcpy(&written, &*(at + 3), 4);
        EXPECT_EQ(written, extent.bottom);
    }
}

TEST_F(FieldRecordTest, AFieldWithValuesSwitchesAndSpacingReadsBackToTheSameBytes)
{
    auto field = MakeField({500, 600, 4000, 900});
    field->SetValueList(Values({"Red", "Green", "Blue"}, true).get(), nullptr);
    field->SetListBottom(1500);
    field->SetHelpText("Pick a colour");
    field->OnEvent(6, 1, 0);
    field->OnEvent(7, 0, 0);
    field->SetLineSpacing(400, nullptr);
    field->SetAlignment(2);
    field->SetFieldID(9);
    field->SetName("Colour");
    const Bytes written = Written([&](RECORDARCHIVE& ar) { field->Save(ar, kTypeField); });
    FFIELD loaded;
    ASSERT_TRUE(loaded.Init());
    ReadBack(written, [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
    EXPECT_TRUE(loaded.IsProtected());
    EXPECT_FALSE(loaded.SavesInDatabase());
    EXPECT_EQ(loaded.GetLineSpacing(), 400);
    EXPECT_EQ(loaded.GetListExtent().bottom, 1500);
    auto* values = dynamic_cast<LISTBOXVALUES*>(loaded.GetValueList());
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->nCount, 3);
    EXPECT_EQ(values->pValues[1], "Green");
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar, kTypeField); }), written);
}

} // namespace
