// The sample form opened with the program's own object kinds: opened,
// shown and saved unchanged it is written back byte for byte, and copies of it
// damaged inside the body are refused, not opened in part.
#include "tests/objects/field_test_support.h"

#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/document/special_fields.h"
#include "forms/model/fobjlist.h"
#include "forms/model/viewdc.h"
#include "platform/gdi/recording_surface.h"
#include "platform/storage/compound_file.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

Bytes ReadFixture(const std::string& name)
{
    std::ifstream in(std::string(FORMS_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void MakeForm(const std::string& path, const Bytes& contents)
{
    storage::Storage root;
    ASSERT_EQ(storage::CreateCompoundFile(path, storage::CreateMode::Replace, root), storage::Status::Ok);
    std::unique_ptr<storage::Stream> stream;
    ASSERT_EQ(root.CreateStream("Contents", storage::CreateMode::Replace, stream), storage::Status::Ok);
    stream->Write(contents.data(), contents.size());
    stream.reset();
    ASSERT_EQ(root.Commit(), storage::Status::Ok);
}

Bytes ContentsOf(const std::string& path)
{
    storage::Storage root;
    std::unique_ptr<storage::Stream> stream;
    if (storage::OpenCompoundFile(path, storage::Access::Read, root) != storage::Status::Ok
        || root.OpenStream("Contents", stream) != storage::Status::Ok)
        return {};
    Bytes bytes(stream->GetLength());
    bytes.resize(stream->Read(bytes.data(), bytes.size()));
    return bytes;
}

// Where each record of the body starts and its payload length, walking
// the record grammar from the marker byte to the body's closing 0xFF.
struct Record {
    size_t at;
    uint16_t length;
};

std::vector<Record> BodyRecords(const Bytes& contents)
{
    std::vector<Record> records;
    size_t at = 3 + (contents[1] | contents[2] << 8);
    at += 3 + (contents[at + 1] | contents[at + 2] << 8) + 1;
    int depth = 0;
    while (at < contents.size()) {
        const uint8_t tag = contents[at];
        if (tag == 0xFF) {
            ++at;
            if (depth-- == 0)
                break;
        } else if (tag < 0x80) {
            ++depth;
            ++at;
        } else if (tag == 0xFD) {
            at += 5 + (contents[at + 1] | contents[at + 2] << 8 | contents[at + 3] << 16 | contents[at + 4] << 24);
        } else if (tag == 0xFE) {
            at += 5 + size_t(contents[at + 1] | contents[at + 2] << 8) * (contents[at + 3] | contents[at + 4] << 8);
        } else {
            const auto length = static_cast<uint16_t>(contents[at + 1] | contents[at + 2] << 8);
            records.push_back({at, length});
            at += 3 + length;
        }
    }
    return records;
}

class SampleFormFile : public FieldTest {
protected:
    SampleFormFile()
    {
        RegisterDocumentObjects();
        std::filesystem::create_directories(folder);
    }
    ~SampleFormFile() override { SetSpecialFieldMaker(nullptr); }

    const std::filesystem::path folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "sample_form_file";
    const Bytes sample = ReadFixture("document/sample_contents.bin");
};

TEST_F(SampleFormFile, OpenedShownAndSavedUnchangedItIsWrittenBackByteForByte)
{
    ASSERT_FALSE(sample.empty());
    const std::string path = (folder / "sample.qwm").string();
    const std::string copy = (folder / "copy.qwm").string();
    MakeForm(path, sample);
    ui::ScopedMessageBoxHook noMessages {[](const ui::MessageBoxRequest& request) {
        ADD_FAILURE() << request.text;
        return ui::IDOK;
    }};
    FDOCUMENT doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetPageCount(), 5);
    // Shown as the program shows it, every page drawn once.
    FakeView view;
    for (uint16_t page = 1; page <= doc.GetPageCount(); ++page) {
        gdi::RecordingSurface surface;
        gdi::DC device(surface);
        VIEWDC dc;
        view.SetupDC(dc, &device);
        doc.GetObjects().DrawPage(dc, page);
    }
    ASSERT_TRUE(doc.OnSaveDocument(copy));
    const Bytes saved = ContentsOf(copy);
    ASSERT_EQ(saved.size(), sample.size());
    for (size_t i = 0; i < saved.size(); ++i)
        ASSERT_EQ(int(saved[i]), int(sample[i])) << "first difference at byte " << i;
}

// Every record of the body grown from its length to 513 bytes, or with its
// type byte flipped to the group tag it is the complement of: either way
// what follows is read out of step, and the file is refused as damaged.
TEST_F(SampleFormFile, CopiesWithARecordGrownOrItsTypeFlippedAreRefused)
{
    ASSERT_FALSE(sample.empty());
    const std::vector<Record> records = BodyRecords(sample);
    const std::string path = (folder / "damaged.qwm").string();
    int tried = 0;
    for (const Record& record : records) {
        if (record.length != 12)
            continue;
        for (const bool grown : {true, false}) {
            Bytes damaged = sample;
            if (grown) {
                damaged[record.at + 1] = 513 & 0xFF;
                damaged[record.at + 2] = 513 >> 8;
            } else {
                damaged[record.at] = static_cast<uint8_t>(~damaged[record.at]);
            }
            MakeForm(path, damaged);
            std::vector<std::string> messages;
            ui::ScopedMessageBoxHook hook {[&](const ui::MessageBoxRequest& request) {
                messages.push_back(request.text);
                return ui::IDOK;
            }};
            FDOCUMENT doc;
            const std::string what = (grown ? "grown record at " : "flipped type at ") + std::to_string(record.at);
            EXPECT_FALSE(doc.OnOpenDocument(path)) << what << ": " << doc.GetPageCount() << " pages opened";
            EXPECT_EQ(messages.size(), 1u) << what;
            if (messages.size() == 1) {
                EXPECT_NE(messages[0].find("damaged"), std::string::npos) << what << ": " << messages[0];
            }
            EXPECT_EQ(doc.GetObjects().GetCount(), 0) << what;
            ++tried;
        }
    }
    EXPECT_GE(tried, 2 * 60) << "the sample's twelve-byte records of objects and layouts";
}

} // namespace
