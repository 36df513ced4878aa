#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace ui;

TEST(Clipboard, NamedFormatsAndTextRoundTrip)
{
    DataSource source;
    source.SetData("Quirewell Native Text",
        std::string("\x1B"
                    "B\x01\x02\x1B"
                    "ab\0c",
            9));
    source.SetData(kFormatText, "caf\xE9 \x80\r\n\0");
    ASSERT_TRUE(SetClipboard(source));

    // The named format travels under Qt's MIME type for named formats.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasFormat("application/x-qt-windows-mime;value=\"Quirewell Native Text\""));
    EXPECT_EQ(mime->text(), QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC\r\n"));

    DataObject got = DataObject::FromClipboard();
    EXPECT_EQ(got.GetData("Quirewell Native Text"),
        std::string("\x1B"
                    "B\x01\x02\x1B"
                    "ab\0c",
            9));
    EXPECT_EQ(got.GetData(kFormatText), std::string("caf\xE9 \x80\r\n\0", 9));
    EXPECT_FALSE(got.IsAvailable("Quirewell TF list"));
    EXPECT_TRUE(IsClipboardFormatAvailable("Quirewell Native Text"));
}

TEST(Clipboard, TextFromAnotherProgramArrivesAsWindows1252)
{
    auto* mime = new QMimeData;
    mime->setText(QString::fromUtf8("\xC5\x81\xC3\xB3"
                                    "d\xC5\xBA"));
    QGuiApplication::clipboard()->setMimeData(mime);
    // Characters without a Windows-1252 byte arrive as '?'.
    EXPECT_EQ(DataObject::FromClipboard().GetData(kFormatText),
        std::string("?\xF3"
                    "d?\0",
            5));
}

TEST(Clipboard, ARefusingClipboardKeepsWhatItHeld)
{
    DataSource first;
    first.SetData("Quirewell Selection", "one");
    ASSERT_TRUE(SetClipboard(first));
    ClipboardHook previous = SetClipboardHook([](const DataSource&) { return false; });
    DataSource second;
    second.SetData("Quirewell Selection", "two");
    EXPECT_FALSE(SetClipboard(second));
    SetClipboardHook(previous);
    EXPECT_EQ(DataObject::FromClipboard().GetData("Quirewell Selection"), "one");
}

TEST(Beep, CounterTakesTheBeepsOfItsLifetime)
{
    ScopedBeepCounter outer;
    {
        ScopedBeepCounter inner;
        Beep();
        Beep();
        EXPECT_EQ(inner.Count(), 2);
    }
    Beep();
    EXPECT_EQ(outer.Count(), 1);
}

} // namespace
