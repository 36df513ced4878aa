// The formula set in the form file: the section written after the filling
// order, read back byte for byte, records it does not know stepped over as
// every reader of the file steps over them, and an end of file that fails
// the read.
#include "tests/document/formula_form.h"

#include "forms/model/record_archive.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class FormulaSectionTest : public FormulaForm {
protected:
    FormulaSectionTest()
        : a(AddField(kKindNumber, "A"))
        , b(AddField(kKindNumber, "B"))
        , total(AddField(kKindNumber, "Total"))
        , twice(AddField(kKindNumber, "Twice"))
    {
        EXPECT_EQ(Formula(total, "A + B"), "");
        EXPECT_EQ(Formula(twice, "IF(Total > 10, Total * 2, \"small\")"), "");
    }

    static Bytes Serialized(FDOCUMENT& document) { return ContentsOf(document); }
    static void Deserialize(FDOCUMENT& document, const Bytes& bytes)
    {
        io::MemoryFile file(bytes);
        io::Archive archive(file, io::Archive::Load);
        document.Serialize(archive);
    }
    Bytes Code(FDOCUMENT& document, FFIELD& field)
    {
        const FORMULA* formula = document.GetFormulaHost().GetFormulaSet().GetFormula(field.GetFieldID());
        return formula ? Bytes(formula->pCode, formula->pCode + formula->nLength) : Bytes();
    }
    // The section as the host writes it, its tag first.
    Bytes Section()
    {
        return Written([this](RECORDARCHIVE& ar) { doc.GetFormulaHost().Save(kFormulaSection, ar); });
    }

    FFIELD& a;
    FFIELD& b;
    FFIELD& total;
    FFIELD& twice;
};

Bytes::const_iterator Find(const Bytes& in, const Bytes& wanted)
{
    return std::search(in.begin(), in.end(), wanted.begin(), wanted.end());
}

TEST_F(FormulaSectionTest, FormulasRoundTripByteForByte)
{
    const Bytes saved = Serialized(doc);
    const Bytes code = Code(doc, total);
    ASSERT_FALSE(code.empty());
    Bytes written = {0x82, static_cast<uint8_t>(code.size()), 0};
    written.insert(written.end(), code.rbegin(), code.rend());
    EXPECT_NE(Find(saved, written), saved.end()) << "code bytes are written last byte first";

    FDOCUMENT reopened;
    Deserialize(reopened, saved);
    EXPECT_EQ(Code(reopened, total), code) << "and come back in their own order";
    EXPECT_EQ(Code(reopened, twice), Code(doc, twice));
    EXPECT_EQ(Serialized(reopened), saved);

    char text[1024] = {};
    ASSERT_TRUE(reopened.GetFormulaHost().GetFormulaString(twice.GetFieldID(), text));
    EXPECT_STREQ(text, "IF(Total>10,Total*2,\"small\")");
}

TEST_F(FormulaSectionTest, AFormulaOfAFieldNoLongerOnTheFormIsNotWritten)
{
    const uint16_t gone = twice.GetFieldID();
    doc.RemoveFromTabOrder(&twice);
    doc.GetObjects().Delete(&twice);
    const Bytes section = Section();
    FDOCUMENT reopened;
    ReadBack(section, [&](RECORDARCHIVE& ar) { reopened.GetFormulaHost().Load(ar); });
    EXPECT_FALSE(Code(reopened, total).empty());
    EXPECT_EQ(reopened.GetFormulaHost().GetFormulaSet().GetFormula(gone), nullptr);
}

// Groups and records the engine does not know are stepped over exactly: a
// 0xFD record by its u32 length, a 0xFE array by its count, groups to
// their own end however deep.
TEST_F(FormulaSectionTest, UnknownGroupsAndRecordsAreSteppedOver)
{
    const Bytes unknownGroup = {
        0x10, // a group
        0x20, // a group inside it
        0xFD,
        0x03,
        0x00,
        0x00,
        0x00,
        'a',
        'b',
        'c', // u32 length
        0xFE,
        0x02,
        0x00,
        0x03,
        0x00,
        1,
        2,
        3,
        4,
        5,
        6, // two elements of three bytes
        0x85,
        0x01,
        0x00,
        0x7F, //
        0xFF, //
        0xFD,
        0x04,
        0x00,
        0x00,
        0x00,
        0xFF,
        0xFF,
        0x20,
        0xFF, // payload bytes that look like tags
        0xFF,
    };
    const Bytes unknownRecord = {0xFE, 0x01, 0x00, 0x02, 0x00, 0xFF, 0xFF};
    Bytes section = Section();
    ASSERT_EQ(section.front(), kFormulaSection);
    ASSERT_EQ(section[1], 0x46) << "the first formula's group";
    section.insert(section.begin() + 2, unknownRecord.begin(), unknownRecord.end());
    section.insert(section.begin() + 1, unknownGroup.begin(), unknownGroup.end());
    section.push_back(0xAB);

    FDOCUMENT reopened;
    uint8_t following = 0;
    ReadBack(section, [&](RECORDARCHIVE& ar) {
        reopened.GetFormulaHost().Load(ar);
        following = ar.ReadU8();
    });
    EXPECT_EQ(Code(reopened, total), Code(doc, total));
    EXPECT_EQ(Code(reopened, twice), Code(doc, twice));
    EXPECT_EQ(following, 0xAB) << "the section ended where it should";
}

TEST_F(FormulaSectionTest, AnEndOfFileInsideTheFormulasFailsTheRead)
{
    const Bytes saved = Serialized(doc);
    const Bytes code = Code(doc, total);
    Bytes written = {0x82, static_cast<uint8_t>(code.size()), 0};
    written.insert(written.end(), code.rbegin(), code.rend());
    const auto at = Find(saved, written);
    ASSERT_NE(at, saved.end());
    const Bytes cut(saved.begin(), at + 4);
    FDOCUMENT reopened;
    EXPECT_THROW(Deserialize(reopened, cut), io::ArchiveError);
    // The host let go of the archive: a stream request now reads nothing.
    EXPECT_EQ(CCINTERFACE::HostCallback(&reopened.GetFormulaHost(), abacine::kReadU16, 0, 0), 0);
}

// The sample form's "Contents", as the sample maker saved it, and the same
// with unknown groups and records inside its formula section.
TEST_F(FormulaSectionTest, TheSampleFormsFormulasReadBackAroundUnknownRecords)
{
    const std::string folder = std::string(FORMS_TEST_DATA_DIR) + "/document/";
    const Bytes sample = ReadFileBytes(folder + "sample_contents.bin");
    const Bytes unusual = ReadFileBytes(folder + "formulas_unknown_records.bin");
    ASSERT_FALSE(sample.empty());
    ASSERT_EQ(unusual.size(), sample.size() + 43);
    for (const Bytes* contents : {&sample, &unusual}) {
        FDOCUMENT reopened;
        Deserialize(reopened, *contents);
        EXPECT_EQ(reopened.GetFormulaHost().GetFormulaSet().formulas.Count(), 3);
        uint16_t id = 0;
        ASSERT_TRUE(reopened.FindFieldIDByName("Deliver_by", id));
        char text[1024] = {};
        ASSERT_TRUE(reopened.GetFormulaHost().GetFormulaString(id, text));
        EXPECT_STREQ(text, "Ordered+14");
        const Bytes section = Written([&](RECORDARCHIVE& ar) { reopened.GetFormulaHost().Save(kFormulaSection, ar); });
        EXPECT_NE(Find(sample, section), sample.end()) << "the section as the sample has it: what was not "
                                                          "understood is not written back";
    }
}

} // namespace
