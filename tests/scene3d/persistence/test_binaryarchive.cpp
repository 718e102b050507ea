#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "scene3d/persistence/binaryreader.h"
#include "scene3d/persistence/binarywriter.h"
#include "tests/scene3d/persistence/archivefixtures.h"
#include "tests/support/hexbytes.h"

namespace {

template <class TWrite>
std::string Written(TWrite Write)
{
    TStringStream stream;
    TBinaryWriter writer(stream);
    Write(writer);
    return stream.DataString();
}

TEST(BinaryArchive, IntegersTakeTheSmallestFormAndReadBackSignExtended)
{
    const struct {
        int32_t Value;
        const char* Bytes;
    } cases[] = {
        {0, "02 00"},          {127, "02 7F"},          {-128, "02 80"},
        {128, "03 80 00"},     {-129, "03 7F FF"},      {32767, "03 FF 7F"},
        {-32768, "03 00 80"},  {32768, "04 00 80 00 00"}, {-32769, "04 FF 7F FF FF"},
        {INT32_MIN, "04 00 00 00 80"},
    };
    for (const auto& c : cases) {
        const std::string bytes = Written([&](TBinaryWriter& w) { w.WriteInteger(c.Value); });
        EXPECT_EQ(ToHex(bytes), c.Bytes) << c.Value;
        TStringStream stream(bytes);
        EXPECT_EQ(TBinaryReader(stream).ReadInteger(), c.Value);
    }
}

TEST(BinaryArchive, StringsUpTo255BytesAreShortLongerOnesLong)
{
    const std::string short255(255, 's');
    const std::string long256(256, 'l');
    const std::string bytes = Written([&](TBinaryWriter& w) {
        w.WriteString(short255);
        w.WriteString(long256);
        w.WriteString("");
        w.WriteString("Лампа");
    });
    EXPECT_EQ(ToHex(bytes.substr(0, 2)), "06 FF");
    EXPECT_EQ(ToHex(bytes.substr(2 + 255, 5)), "0C 00 01 00 00");
    EXPECT_EQ(bytes.size(), 2u + 255 + 5 + 256 + 2 + 2 + 10);
    TStringStream stream(bytes);
    TBinaryReader reader(stream);
    EXPECT_EQ(reader.ReadString(), short255);
    EXPECT_EQ(reader.ReadString(), long256);
    EXPECT_EQ(reader.ReadString(), "");
    EXPECT_EQ(reader.ReadString(), "Лампа");
}

TEST(BinaryArchive, FloatsAre80BitExtendedValues)
{
    const double values[] = {1.0, -2.5, 0.1, std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), -0.0};
    for (const double value : values) {
        const std::string bytes = Written([&](TBinaryWriter& w) { w.WriteFloat(value); });
        ASSERT_EQ(bytes.size(), 11u);
        TStringStream stream(bytes);
        const double back = TBinaryReader(stream).ReadFloat();
        EXPECT_EQ(back, value);
        EXPECT_EQ(std::signbit(back), std::signbit(value));
    }
    EXPECT_EQ(ToHex(Written([](TBinaryWriter& w) { w.WriteFloat(1.0); })), "05 00 00 00 00 00 00 00 80 FF 3F");
    EXPECT_EQ(ToHex(Written([](TBinaryWriter& w) { w.WriteFloat(-2.5); })), "05 00 00 00 00 00 00 00 A0 00 C0");
    const std::string nan = Written([](TBinaryWriter& w) { w.WriteFloat(std::nan("")); });
    TStringStream stream(nan);
    EXPECT_TRUE(std::isnan(TBinaryReader(stream).ReadFloat()));
}

TEST(BinaryArchive, ReadsEveryTagOfTheFixture)
{
    TStringStream stream(ArchiveFixture("values-mixed"));
    TBinaryReader reader(stream);
    EXPECT_EQ(reader.ReadFloat(), 1.0);
    // Below the range of doubles.
    const double denormal = reader.ReadFloat();
    EXPECT_EQ(denormal, 0.0);
    EXPECT_FALSE(std::signbit(denormal));
    EXPECT_EQ(reader.ReadFloat(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(reader.ReadFloat(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(reader.ReadString(), "Луч");
    EXPECT_EQ(reader.ReadString(), "A\xF0\x9F\x98\x80");
    EXPECT_EQ(reader.ReadString(), "abc");
    EXPECT_EQ(reader.ReadString(), "xy");
    EXPECT_EQ(reader.ReadInteger(), 127);
    EXPECT_EQ(reader.ReadInteger(), 128);
    EXPECT_EQ(reader.ReadInteger(), -32769);
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_FALSE(reader.EndOfList());
    reader.ReadListBegin();
    EXPECT_TRUE(reader.EndOfList());
    reader.ReadListEnd();
    EXPECT_EQ(reader.BytesLeft(), 0);
}

TEST(BinaryArchive, MalformedUnicodeBecomesReplacementCharacters)
{
    const struct {
        const char* Bytes;
        const char* Text;
    } cases[] = {
        {"12 02 00 00 00 00 D8 41 00", "\xEF\xBF\xBD" "A"},  // lone high surrogate
        {"12 01 00 00 00 00 DC", "\xEF\xBF\xBD"},             // lone low surrogate
        {"14 02 00 00 00 C3 41", "\xEF\xBF\xBD" "A"},        // broken UTF-8 sequence
    };
    for (const auto& c : cases) {
        TStringStream stream(Hex(c.Bytes));
        EXPECT_EQ(TBinaryReader(stream).ReadString(), c.Text) << c.Bytes;
    }
}

TEST(BinaryArchive, AValueOfAnotherKindIsAReadTypeError)
{
    const struct {
        const char* Bytes;
        void (*Read)(TBinaryReader&);
    } cases[] = {
        {"06 00", [](TBinaryReader& r) { r.ReadInteger(); }},
        {"02 01", [](TBinaryReader& r) { r.ReadBoolean(); }},
        {"09", [](TBinaryReader& r) { r.ReadString(); }},
        {"02 01", [](TBinaryReader& r) { r.ReadFloat(); }},
        {"00", [](TBinaryReader& r) { r.ReadListBegin(); }},
        {"01", [](TBinaryReader& r) { r.ReadListEnd(); }},
        {"07", [](TBinaryReader& r) { r.ReadInteger(); }},
    };
    for (const auto& c : cases) {
        TStringStream stream(Hex(c.Bytes));
        TBinaryReader reader(stream);
        try {
            c.Read(reader);
            ADD_FAILURE() << c.Bytes << " was read";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), "TBinaryReader, read type error");
        }
    }
}

TEST(BinaryArchive, ValuesCutShortOrLongerThanTheDataAreRefused)
{
    const struct {
        const char* Bytes;
        void (*Read)(TBinaryReader&);
    } cases[] = {
        {"", [](TBinaryReader& r) { r.NextValue(); }},
        {"", [](TBinaryReader& r) { r.EndOfList(); }},
        {"03 01", [](TBinaryReader& r) { r.ReadInteger(); }},
        {"04 01 02 03", [](TBinaryReader& r) { r.ReadInteger(); }},
        {"05 00 00 00 00 00 00 00 80 FF", [](TBinaryReader& r) { r.ReadFloat(); }},
        {"06 05 61 62", [](TBinaryReader& r) { r.ReadString(); }},
        {"0C 03 00 00", [](TBinaryReader& r) { r.ReadString(); }},
        {"0C FF FF FF 7F 61", [](TBinaryReader& r) { r.ReadString(); }},
        {"0C FF FF FF FF 61", [](TBinaryReader& r) { r.ReadString(); }},
        {"12 02 00 00 00 41 00 42", [](TBinaryReader& r) { r.ReadString(); }},
        {"12 FF FF FF 7F 41 00", [](TBinaryReader& r) { r.ReadString(); }},
        {"14 04 00 00 00 61 62 63", [](TBinaryReader& r) { r.ReadString(); }},
    };
    for (const auto& c : cases) {
        TStringStream stream(Hex(c.Bytes));
        TBinaryReader reader(stream);
        EXPECT_THROW(c.Read(reader), EReadError) << c.Bytes;
    }
    TStringStream stream(Hex("01 02 03"));
    TBinaryReader reader(stream);
    char block[4] = {};
    EXPECT_THROW(reader.Read(block, 4), EReadError);
    EXPECT_THROW(reader.Read(block, -1), EReadError);
    reader.Read(block, 3);
    EXPECT_EQ(ToHex(std::string(block, 3)), "01 02 03");
}

TEST(BinaryArchive, NextValueLeavesTheTagInTheStream)
{
    TStringStream stream(Hex("09 02 05"));
    TBinaryReader reader(stream);
    EXPECT_EQ(reader.NextValue(), vaTrue);
    EXPECT_EQ(reader.NextValue(), vaTrue);
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_EQ(reader.NextValue(), vaInt8);
    EXPECT_EQ(reader.ReadInteger(), 5);
}

} // namespace
