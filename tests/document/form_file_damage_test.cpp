#include "tests/document/document_test_support.h"

#include "forms/document/document_messages.h"
#include "forms/document/form_header.h"
#include "forms/document/fpagelist.h"

#include "platform/io/memory_file.h"
#include "platform/storage/compound_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Bytes U32(uint32_t v)
{
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

// A body with sections and records this program does not know, a page
// group holding an unknown record, settings records of other lengths than
// the usual ones, and a page that names a layout the file does not have.
Bytes UnusualContents()
{
    Bytes body = Written([](RECORDARCHIVE& ar) {
        WriteFormHeader(ar);
        ar.WriteTag(0x49);
        ar.BeginRecord();
        ar.PutBytes("0123456789abcdef", 16);
        ar.EndRecord(0x81);
        ar.WriteTag(0x30);
        ar.WriteLongRecord("xyz", 3);
        ar.WriteTag(kEndGroup);
        ar.WriteTag(kEndGroup);
        ar.BeginRecord();
        ar.PutU16(7);
        ar.EndRecord(0xA5);
        ar.WriteTag(0x42);
        ar.WriteTag(0x0F);
        ar.BeginRecord();
        ar.PutU16(1);
        ar.PutU16(2);
        ar.EndRecord(0x81);
        ar.BeginRecord();
        ar.PutU32(99);
        ar.EndRecord(0xC4);
        ar.WriteTag(kEndGroup);
        ar.WriteTag(0x37);
        ar.WriteTag(kEndGroup);
        ar.WriteTag(kEndGroup);
        ar.BeginRecord();
        ar.PutU16(40);
        ar.PutU16(7);
        ar.PutU16(0xBEEF);
        ar.EndRecord(0x9A);
        ar.BeginRecord();
        ar.PutU16(9);
        ar.EndRecord(0x9C);
        ar.WriteTag(kEndGroup);
    });
    const Bytes trailer = {0, 0, 0, 0, 0x2A, 0xA0, 4, 0, 5, 0, 0, 0, 0xFF};
    body.insert(body.end(), trailer.begin(), trailer.end());
    return body;
}

void PutStream(storage::Storage& in, const std::string& name, const Bytes& bytes)
{
    std::unique_ptr<storage::Stream> s;
    ASSERT_EQ(in.CreateStream(name, storage::CreateMode::Replace, s), storage::Status::Ok);
    s->Write(bytes.data(), bytes.size());
}

// A compound file with "Contents" and, unless told otherwise, the storages
// and streams that other parts of the program keep beside it.
void MakeFile(const std::string& path, const Bytes* contents, bool extras = true)
{
    storage::Storage root;
    ASSERT_EQ(storage::CreateCompoundFile(path, storage::CreateMode::Replace, root), storage::Status::Ok);
    if (contents)
        PutStream(root, "Contents", *contents);
    if (extras) {
        storage::Storage images;
        ASSERT_EQ(root.CreateStorage("Images", storage::CreateMode::Replace, images), storage::Status::Ok);
        PutStream(images, "5", {1, 2, 3, 4, 5});
        storage::Storage cache;
        ASSERT_EQ(root.CreateStorage("ImageFieldStorage", storage::CreateMode::Replace, cache), storage::Status::Ok);
        PutStream(cache, "NextID", U32(11));
        storage::Storage item;
        ASSERT_EQ(root.CreateStorage("Embedding 1", storage::CreateMode::Replace, item), storage::Status::Ok);
        storage::ClassId id;
        id.bytes[0] = 0x42;
        ASSERT_EQ(item.SetClassId(id), storage::Status::Ok);
        PutStream(item, "\x01Ole", {9, 9});
        PutStream(root, "CounterStream", U32(7));
    }
    ASSERT_EQ(root.Commit(), storage::Status::Ok);
}

// Every element but "Contents", with its class id and its bytes.
void Describe(const storage::Storage& s, const std::string& prefix, std::vector<std::string>& out)
{
    std::vector<storage::ElementInfo> elements;
    ASSERT_EQ(s.List(elements), storage::Status::Ok);
    for (const auto& e : elements) {
        const std::string name = prefix + e.name;
        if (name == "Contents")
            continue;
        if (e.kind == storage::ElementKind::Storage) {
            storage::Storage sub;
            ASSERT_EQ(s.OpenStorage(e.name, sub), storage::Status::Ok);
            out.push_back(name + "/ class " + std::to_string(e.classId.bytes[0]));
            Describe(sub, name + "/", out);
        } else {
            std::unique_ptr<storage::Stream> stream;
            ASSERT_EQ(s.OpenStream(e.name, stream), storage::Status::Ok);
            Bytes bytes(stream->GetLength());
            stream->Read(bytes.data(), bytes.size());
            out.push_back(name + " " + std::string(bytes.begin(), bytes.end()));
        }
    }
}

std::vector<std::string> Elements(const std::string& path)
{
    storage::Storage root;
    EXPECT_EQ(storage::OpenCompoundFile(path, storage::Access::Read, root), storage::Status::Ok);
    std::vector<std::string> out;
    Describe(root, "", out);
    return out;
}

class DamagedFiles : public ::testing::Test {
protected:
    ProgramParts program;
    FormKinds kinds;
    TempFolder folder;
};

TEST_F(DamagedFiles, UnknownSectionsRecordsAndStoragesOpenAndTheStoragesAreKept)
{
    const std::string path = folder.File("unusual.qwm");
    const Bytes contents = UnusualContents();
    MakeFile(path, &contents);
    MessageLog messages;
    FDOCUMENT doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(doc.GetPageCount(), 1);
    EXPECT_EQ(doc.GetPages().GetLayoutNumber(1), 1) << "a layout the file lacks is the first";
    EXPECT_EQ(doc.GetDocumentCounter(), 7u);
    EXPECT_EQ(doc.GetTableCounter(false), 1) << "a short record keeps what it lacks";

    const std::string copy = folder.File("copy.qwm");
    ASSERT_TRUE(doc.OnSaveDocument(copy));
    EXPECT_EQ(Elements(copy), Elements(path));
    const Bytes saved = StreamBytes(copy, "Contents");
    const Bytes trailer(contents.end() - 13, contents.end());
    EXPECT_EQ(Bytes(saved.end() - 13, saved.end()), trailer) << "what follows the body is written back";
    EXPECT_EQ(doc.GetNextTableID(), 9);
    EXPECT_EQ(doc.GetNextFieldID(), 40);
    EXPECT_EQ(doc.GetNextObjectNumber(), 7);
}

TEST_F(DamagedFiles, RefusedFilesTellWhyAndLeaveTheDocumentEmpty)
{
    Bytes good;
    {
        FDOCUMENT doc;
        doc.AppendPage();
        auto box = std::make_unique<TestBox>(kTypeBox, "b");
        box->SetPlace(2, {0, 0, 100, 100});
        doc.GetObjects().SetObjectPage(std::move(box), 2);
        good = ContentsOf(doc);
    }
    const std::string notAForm = LoadDocumentString(kNotAFormMessage);
    const std::string damaged = "the file is damaged or incomplete";
    auto changed = [&](size_t at, uint8_t value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    auto cut = [&](size_t n) { return Bytes(good.begin(), good.begin() + static_cast<long>(n)); };
    // The layout's size record: options, then the A4 page's height and width.
    const Bytes a4 = {0xC6, 0x41, 0x82, 0x2E};
    const auto size = std::search(good.begin(), good.end(), a4.begin(), a4.end());
    ASSERT_NE(size, good.end());
    const size_t height = static_cast<size_t>(size - good.begin());
    ASSERT_EQ(Bytes(size - 5, size), (Bytes {0x81, 16, 0, 0, 0}));
    auto zeroed = [&](size_t at) {
        Bytes b = good;
        b[at] = b[at + 1] = 0;
        return b;
    };
    struct Case {
        const char* what;
        Bytes contents;
        bool hasContents;
        std::string message; // empty: the file opens
    };
    const std::vector<Case> cases = {
        {"header text differs", changed(10, 'X'), true, notAForm},
        {"header tag differs", changed(0, 0x8B), true, notAForm},
        {"header length differs", changed(1, 76), true, notAForm},
        {"header's last byte differs", changed(79, 0), true, ""},
        {"version record tagged 0x8A", changed(80, 0x8A), true, ""},
        {"marker missing", changed(85, 0x7B), true, LoadDocumentString(kOpenErrorMessage) + "198"},
        {"page layout of height 0", zeroed(height), true, damaged},
        {"page layout of width 0", zeroed(height + 2), true, damaged},
        {"cut inside the header", cut(40), true, damaged},
        {"cut after the marker", cut(86), true, damaged},
        {"cut inside the objects", cut(good.size() / 2), true, damaged},
        {"cut before the body's end", cut(good.size() - 7), true, damaged},
        {"empty Contents", {}, true, damaged},
        {"no Contents", {}, false, notAForm},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = folder.File("damaged.qwm");
        MakeFile(path, c.hasContents ? &c.contents : nullptr, false);
        MessageLog messages;
        FDOCUMENT doc;
        const bool opened = doc.OnOpenDocument(path);
        EXPECT_EQ(opened, c.message.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(messages.texts.empty());
            continue;
        }
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find(c.message), std::string::npos) << messages.texts[0];
        EXPECT_EQ(doc.GetObjects().GetCount(), 0);
        EXPECT_EQ(doc.GetPageCount(), 1);
    }
}

TEST_F(DamagedFiles, FilesThatAreNoCompoundFileAreNotForms)
{
    const std::string good = folder.File("good.qwm");
    FDOCUMENT form;
    ASSERT_TRUE(form.OnSaveDocument(good));
    const Bytes whole = ReadFileBytes(good);
    for (const Bytes& bytes : {Bytes {'h', 'e', 'l', 'l', 'o'}, Bytes(whole.begin(), whole.begin() + 700), Bytes {}}) {
        const std::string path = folder.File("plain.qwm");
        WriteFileBytes(path, bytes);
        MessageLog messages;
        FDOCUMENT doc;
        EXPECT_FALSE(doc.OnOpenDocument(path));
        EXPECT_EQ(messages.texts, std::vector<std::string> {LoadDocumentString(kNotAFormMessage)});
    }
    MessageLog messages;
    FDOCUMENT doc;
    EXPECT_FALSE(doc.OnOpenDocument(folder.File("missing.qwm")));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("does not exist"), std::string::npos);
}

// Makes a folder unwritable, even for the superuser where the file system
// allows it; false when it cannot be done here.
bool LockFolder(const std::string& path)
{
    ::chmod(path.c_str(), 0555);
    const std::string probe = path + "/probe";
    if (FILE* f = std::fopen(probe.c_str(), "w")) {
        std::fclose(f);
        std::remove(probe.c_str());
        return std::system(("chattr +i '" + path + "' 2>/dev/null").c_str()) == 0;
    }
    return true;
}

void UnlockFolder(const std::string& path)
{
    std::system(("chattr -i '" + path + "' 2>/dev/null").c_str());
    ::chmod(path.c_str(), 0755);
}

TEST_F(DamagedFiles, ASaveIntoAFolderThatCannotBeWrittenLeavesTheOldFileAsItWas)
{
    const std::string locked = folder.File("locked");
    std::filesystem::create_directory(locked);
    const std::string path = locked + "/form.qwm";
    FDOCUMENT doc;
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const Bytes before = ReadFileBytes(path);
    doc.AppendPage();
    if (!LockFolder(locked)) {
        UnlockFolder(locked);
        GTEST_SKIP() << "no way to make a folder unwritable here";
    }
    MessageLog messages;
    const bool saved = doc.OnSaveDocument(path);
    UnlockFolder(locked);
    EXPECT_FALSE(saved);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind("Unable to save " + path, 0), 0u) << messages.texts[0];
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(doc.GetPageCount(), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
}

} // namespace
