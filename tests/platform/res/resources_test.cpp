#include "platform/res/errors.h"
#include "platform/res/missing_handler.h"
#include "platform/res/resources.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using res::Kind;
using res::Resources;

TEST(Resources, IdsRepeatAcrossKinds)
{
    Resources resources;
    resources.Add(Kind::String, 7, "text");
    resources.Add(Kind::Menu, 7, "menu");
    ASSERT_NE(resources.Find(Kind::String, 7), nullptr);
    EXPECT_EQ(*resources.Find(Kind::String, 7), "text");
    EXPECT_EQ(*resources.Find(Kind::Menu, 7), "menu");
    EXPECT_EQ(resources.Find(Kind::Dialog, 7), nullptr);
    EXPECT_EQ(resources.Find(Kind::String, 8), nullptr);
}

TEST(Resources, LoadsTheStringTableOfAFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("strings.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("12\tTwelve\n13\tThirteen\\r\\n\n");
    file.close();

    const Resources resources = Resources::Load(dir.path());
    EXPECT_EQ(resources.LoadString(12), "Twelve");
    EXPECT_EQ(resources.LoadString(13), "Thirteen\r\n");

    const Resources none = Resources::Load(dir.filePath("absent"));
    EXPECT_EQ(none.Find(Kind::String, 12), nullptr);

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("12\tTwelve\n12\tAgain\n");
    file.close();
    EXPECT_THROW(Resources::Load(dir.path()), res::FormatError);
}

TEST(Resources, AnUnknownIdIsCaughtInTestsAndSurvivedOtherwise)
{
    Resources resources;
    resources.Add(Kind::String, 1, "one");
    {
        res::ScopedMissingHandler scope(res::ThrowMissing);
        try {
            resources.LoadString(2);
            ADD_FAILURE() << "no exception";
        } catch (const res::MissingResource& e) {
            EXPECT_EQ(e.GetKind(), Kind::String);
            EXPECT_EQ(e.GetId(), 2u);
        }
        EXPECT_EQ(resources.LoadString(1), "one");
    }
    res::ScopedMissingHandler scope(nullptr);
    EXPECT_EQ(resources.LoadString(2), "<2>");
}
