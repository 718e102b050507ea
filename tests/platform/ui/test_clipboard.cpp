// The clipboard: text, formats registered by name, several formats at once.
#include <gtest/gtest.h>

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/rtl/exceptions.h"
#include "platform/ui/clipbrd.h"

namespace {
const QMimeData& Placed()
{
    return *QGuiApplication::clipboard()->mimeData();
}

const std::string kBlock("\x01\x00\xff\x7f binary\0end", 16);
} // namespace

TEST(Clipboard, TextGoesThereAndBackAsUtf8)
{
    Clipboard()->SetAsText("Сцена 1\tвкл\n");
    EXPECT_EQ(Clipboard()->AsText(), "Сцена 1\tвкл\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Сцена 1\tвкл\n"));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->GetAsData(CF_UNICODETEXT), "Сцена 1\tвкл\n");
}

TEST(Clipboard, NamedFormatsKeepTheirBytesAndReplaceWhatWasThere)
{
    const unsigned format = RegisterClipboardFormat("VCLDBIF");
    EXPECT_GE(format, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("vcldbif"), format);
    EXPECT_NE(RegisterClipboardFormat("Csv"), format);

    Clipboard()->SetAsText("old");
    Clipboard()->SetAsData(format, kBlock);
    EXPECT_TRUE(Clipboard()->HasFormat(format));
    EXPECT_EQ(Clipboard()->GetAsData(format), kBlock);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT)) << "writing outside Open replaces the clipboard";
    EXPECT_TRUE(Placed().hasFormat("application/x-lighting.VCLDBIF"));
    EXPECT_THROW(Clipboard()->GetAsData(0xBFFF), EInvalidOperation);

    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(format));
    EXPECT_EQ(Clipboard()->FormatCount(), 0);
}

TEST(Clipboard, OpenAndCloseBatchFormatsIntoOnePlacement)
{
    const unsigned csv = RegisterClipboardFormat("Csv");
    const unsigned rtf = RegisterClipboardFormat("Rich Text Format");
    const unsigned own = RegisterClipboardFormat("Lamp scene v1");
    Clipboard()->SetAsText("before");

    Clipboard()->Open();
    Clipboard()->SetAsText("a;b");
    Clipboard()->Open();
    Clipboard()->SetAsData(csv, "a;b\n");
    Clipboard()->Close();
    Clipboard()->SetAsData(rtf, "{\\rtf1 a b}");
    Clipboard()->SetAsData(own, kBlock);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before") << "nothing is placed before the last Close";
    EXPECT_EQ(Clipboard()->GetAsData(csv), "a;b\n") << "what is being written reads back";
    Clipboard()->Close();

    EXPECT_EQ(Clipboard()->AsText(), "a;b");
    EXPECT_EQ(Clipboard()->GetAsData(csv), "a;b\n");
    EXPECT_EQ(Clipboard()->GetAsData(rtf), "{\\rtf1 a b}");
    EXPECT_EQ(Clipboard()->GetAsData(own), kBlock);
    EXPECT_TRUE(Placed().hasFormat("text/csv"));
    EXPECT_TRUE(Placed().hasFormat("text/rtf"));
    EXPECT_TRUE(Placed().hasFormat("application/x-lighting.Lamp%20scene%20v1"));

    std::vector<unsigned> formats;
    for (int i = 0; i < Clipboard()->FormatCount(); ++i)
        formats.push_back(Clipboard()->Formats(i));
    std::sort(formats.begin(), formats.end());
    std::vector<unsigned> expected{CF_TEXT, csv, rtf, own};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(formats, expected);
}

TEST(Clipboard, ReadsWhatOtherProgramsPlaceUnderStandardTypes)
{
    auto data = std::make_unique<QMimeData>();
    data->setData("text/csv", "x,y\n");
    data->setData("application/x-something-else", "?");
    QGuiApplication::clipboard()->setMimeData(data.release());
    const unsigned csv = RegisterClipboardFormat("CSV");
    EXPECT_TRUE(Clipboard()->HasFormat(csv));
    EXPECT_EQ(Clipboard()->GetAsData(csv), "x,y\n");
    EXPECT_EQ(Clipboard()->FormatCount(), 1);
}
