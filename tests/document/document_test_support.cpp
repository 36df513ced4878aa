// The document tests' field kind, fake application and helpers.
#include "tests/document/document_test_support.h"

#include "forms/document/document_fonts.h"
#include "forms/document/special_fields.h"
#include "forms/model/object_factory.h"
#include "forms/model/shape_classes.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/storage/compound_file.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {
constexpr uint8_t kFieldRecord = 0x91;

std::unique_ptr<FORMOBJ> MakeSpecial(std::string_view name, uint16_t id)
{
    auto field = std::make_unique<TestField>();
    field->SetName(name);
    field->fieldId = id;
    return field;
}

constexpr uint8_t kShapeTypes[] = {kTypeBox, kTypeEllipse, kTypeLine, kTypeOrthLine};
} // namespace

void TestField::Save(RECORDARCHIVE& ar, uint8_t)
{
    ar.WriteTag(kTypeField);
    FORMOBJ::Save(ar, kBaseGroupTag);
    ar.BeginRecord();
    ar.PutU16(fieldId);
    ar.PutU16(tabIndex);
    ar.EndRecord(kFieldRecord);
    ar.WriteTag(kEndGroup);
}

void TestField::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag == kBaseGroupTag) {
            FORMOBJ::Load(ar, owner);
        } else if (tag == kFieldRecord) {
            RecordReader r = ar.ReadRecord();
            fieldId = r.U16();
            tabIndex = r.U16();
        } else {
            ar.SkipRecord(tag);
        }
    }
}

FormKinds::FormKinds()
{
    RegisterShapeClasses();
    RegisterObjectClass(kTypeField, [] { return std::unique_ptr<FORMOBJ>(new TestField); });
    SetSpecialFieldMaker(MakeSpecial);
}

FormKinds::~FormKinds()
{
    for (uint8_t type : kShapeTypes)
        UnregisterObjectClass(type);
    UnregisterObjectClass(kTypeField);
    SetSpecialFieldMaker(nullptr);
}

bool FakeHost::DoPromptFileName(std::string& name, uint16_t)
{
    proposed.push_back(name);
    if (answer.empty())
        return false;
    name = answer;
    return true;
}

ProgramParts::ProgramParts()
{
    printers.Reset();
    SetProgramFontTable(&fonts);
    SetPrinterList(&printers);
    SetProgramFonts(&DocumentFonts());
}

ProgramParts::~ProgramParts()
{
    SetProgramFonts(nullptr);
    SetProgramFontTable(nullptr);
    SetPrinterList(nullptr);
}

MessageLog::MessageLog(int answer)
    : hook([this, answer](const ui::MessageBoxRequest& r) {
        texts.push_back(r.text);
        return ui::IsMessageBoxAnswer(r.flags, answer) ? answer : ui::IDOK;
    })
{}

TempFolder::TempFolder()
{
    std::random_device random;
    path = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / ("document-" + std::to_string(random()));
    std::filesystem::create_directories(path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path, error);
}

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes StreamBytes(const std::string& file, const std::string& stream)
{
    storage::Storage root;
    if (storage::OpenCompoundFile(file, storage::Access::Read, root) != storage::Status::Ok)
        return {};
    std::unique_ptr<storage::Stream> s;
    if (root.OpenStream(stream, s) != storage::Status::Ok)
        return {};
    Bytes bytes(s->GetLength());
    s->Read(bytes.data(), bytes.size());
    return bytes;
}

Bytes ContentsOf(FDOCUMENT& document)
{
    io::MemoryFile file;
    io::Archive archive(file, io::Archive::Store);
    document.Serialize(archive);
    archive.Close();
    return file.Data();
}

bool SaveFormWithFaces(const std::string& path, int faces)
{
    FONT_TABLE table;
    for (int i = 0; i < faces; ++i)
        table.FindOrAdd(FONTFACE("Face " + std::to_string(i), 0x22, 0));
    FONT_TABLE* program = GetProgramFontTable();
    SetProgramFontTable(&table);
    FDOCUMENT doc;
    const bool saved = doc.OnSaveDocument(path);
    SetProgramFontTable(program);
    return saved;
}
