#include "frame_fixture.h"
#include "tests/common/run_events.h"

#include "platform/ui/message_box.h"
#include "platform/ui/splitter.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

// A document whose saving succeeds or fails as the test says.
struct SavingDocument : ui::Document {
    using ui::Document::Document;
    bool DoFileSave() override
    {
        ++*saves;
        if (saveWorks)
            SetModifiedFlag(false);
        return saveWorks;
    }
    bool saveWorks = true;
    // Outlives the document, which closing may delete.
    std::shared_ptr<int> saves = std::make_shared<int>(0);
};

// Answers the message boxes in turn and keeps what they asked.
struct Answers {
    explicit Answers(std::deque<int> answers)
        : answers(std::move(answers))
        , hook([this](const ui::MessageBoxRequest& r) {
            asked.push_back(r.text);
            EXPECT_EQ(r.caption, "Forms");
            EXPECT_EQ(r.flags & ui::MB_TYPEMASK, ui::MB_YESNOCANCEL);
            if (this->answers.empty())
                throw std::logic_error("unexpected question: " + r.text);
            int answer = this->answers.front();
            this->answers.pop_front();
            return answer;
        })
    {}
    std::deque<int> answers;
    std::vector<std::string> asked;
    ui::ScopedMessageBoxHook hook;
};

bool IsOpen(const FrameFixture& f, const ui::Document* doc)
{
    const auto& docs = f.docTemplate.Documents();
    return std::find(docs.begin(), docs.end(), doc) != docs.end();
}

TEST(CloseProtocol, ClosingAChildFrameAsksAboutItsChangedDocument)
{
    struct Case {
        bool modified;
        bool saveWorks;
        int answer; // 0: no question expected
        bool closes;
        int saves;
    } cases[] = {
        {false, true, 0, true, 0},
        {true, true, ui::IDYES, true, 1},
        {true, false, ui::IDYES, false, 1}, // a failed save keeps the form open
        {true, true, ui::IDNO, true, 0},
        {true, true, ui::IDCANCEL, false, 0},
    };
    for (const Case& c : cases) {
        FrameFixture f;
        auto* doc = f.NewDocument<SavingDocument>("Invoice");
        doc->SetModifiedFlag(c.modified);
        doc->saveWorks = c.saveWorks;
        ui::Frame* frame = f.Open(doc);
        Answers answers(c.answer ? std::deque<int> {c.answer} : std::deque<int> {});

        EXPECT_EQ(frame->OnClose(), c.closes) << c.answer;
        EXPECT_EQ(answers.asked,
            c.answer ? std::vector<std::string> {"Save changes to Invoice?"} : std::vector<std::string> {});
        EXPECT_EQ(f.main.GetChildren().size(), c.closes ? 0u : 1u);
        EXPECT_EQ(f.main.GetActiveChild(), c.closes ? nullptr : frame);
        EXPECT_EQ(IsOpen(f, doc), !c.closes);
        if (!c.closes) {
            EXPECT_EQ(*doc->saves, c.saves);
        }
    }
}

TEST(CloseProtocol, OnlyTheLastFrameOfADocumentAsks)
{
    FrameFixture f;
    auto* doc = f.NewDocument("Shared");
    doc->SetModifiedFlag();
    ui::Frame* first = f.Open(doc);
    ui::Frame* second = f.Open(doc);
    Answers answers({ui::IDNO});

    EXPECT_TRUE(second->OnClose());
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_TRUE(IsOpen(f, doc));
    EXPECT_EQ(f.main.GetActiveChild(), first);
    EXPECT_TRUE(first->OnClose());
    EXPECT_EQ(answers.asked.size(), 1u);
    EXPECT_FALSE(IsOpen(f, doc));
}

TEST(CloseProtocol, TheCloseBoxRunsTheSameProtocol)
{
    FrameFixture f;
    auto* doc = f.NewDocument("Boxed");
    doc->SetModifiedFlag();
    ui::Frame* frame = f.Open(doc);
    QMdiSubWindow* window = f.main.GetClientArea()->subWindowList().front();
    {
        Answers cancel({ui::IDCANCEL});
        window->close();
        EXPECT_EQ(f.main.GetChildren(), std::vector<ui::Frame*> {frame});
    }
    Answers no({ui::IDNO});
    window->close();
    EXPECT_TRUE(f.main.GetChildren().empty());
    EXPECT_FALSE(IsOpen(f, doc));
    RunEventsFor(10);
    EXPECT_TRUE(f.main.GetClientArea()->subWindowList().empty());
}

TEST(CloseProtocol, ClosingTheMainWindowAsksEachChangedDocumentAndCancelKeepsAll)
{
    FrameFixture f;
    auto* plain = f.NewDocument("Plain");
    auto* one = f.NewDocument<SavingDocument>("One");
    auto* two = f.NewDocument<SavingDocument>("Two");
    one->SetModifiedFlag();
    two->SetModifiedFlag();
    f.Open(plain);
    f.Open(one);
    f.Open(two);
    {
        Answers answers({ui::IDYES, ui::IDCANCEL});
        EXPECT_FALSE(f.main.OnClose());
        EXPECT_EQ(answers.asked, (std::vector<std::string> {"Save changes to One?", "Save changes to Two?"}));
        EXPECT_EQ(f.main.GetChildren().size(), 3u);
        EXPECT_TRUE(f.main.GetWindow()->isVisible());
        EXPECT_EQ(*one->saves, 1);
    }
    auto savesOfTwo = two->saves;
    Answers answers({ui::IDNO});
    f.main.GetWindow()->close();
    EXPECT_EQ(answers.asked, (std::vector<std::string> {"Save changes to Two?"}));
    EXPECT_TRUE(f.main.GetChildren().empty());
    EXPECT_TRUE(f.docTemplate.Documents().empty());
    EXPECT_FALSE(f.main.GetWindow()->isVisible());
    EXPECT_EQ(*savesOfTwo, 0);
}

TEST(CloseProtocol, ClosingASplitFrameEndsItsPanesViewsAndItsDocument)
{
    FrameFixture f;
    auto* doc = f.NewDocument("Split");
    ui::Frame* frame = f.main.AddChild(std::make_unique<ui::Frame>());
    auto first = std::make_unique<ui::View>();
    first->SetDocument(doc);
    auto* splitter = new ui::Splitter(*frame, std::move(first));
    splitter->SetViewFactory([](ui::View& like) {
        auto view = std::make_unique<ui::View>();
        view->SetDocument(like.GetDocument());
        return view;
    });
    frame->SetClient(splitter);
    splitter->resize(300, 200);
    ASSERT_TRUE(splitter->SplitColumn(100));
    EXPECT_EQ(doc->Views().size(), 2u);
    EXPECT_EQ(frame->GetActiveDocument(), doc);

    EXPECT_TRUE(frame->OnClose());
    EXPECT_FALSE(IsOpen(f, doc));
    EXPECT_TRUE(f.main.GetChildren().empty());
}

} // namespace
