#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "platform/rtl/dateformat.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/variant.h"

namespace {

TEST(Variant, UnassignedConvertsToEmptyValues)
{
    const Variant v;
    EXPECT_EQ(v.VarType(), TVarType::varEmpty);
    EXPECT_TRUE(VarIsEmpty(v));
    EXPECT_FALSE(VarIsNull(v));
    EXPECT_EQ(v.AsInteger(), 0);
    EXPECT_EQ(v.AsInt64(), 0);
    EXPECT_EQ(v.AsDouble(), 0);
    EXPECT_EQ(v.AsCurrency(), Currency());
    EXPECT_EQ(v.AsString(), "");
    EXPECT_FALSE(v.AsBoolean());
    EXPECT_EQ(v.AsDateTime(), 0);
    EXPECT_EQ(VarToStr(Unassigned()), "");
}

TEST(Variant, NullRaisesInEveryConversion)
{
    const Variant v = NullVariant();
    EXPECT_TRUE(VarIsNull(v));
    EXPECT_EQ(VarToStr(v), "");
    const std::function<void()> conversions[] = {
        [&] { (void)v.AsBoolean(); },  [&] { (void)v.AsInteger(); },  [&] { (void)v.AsInt64(); },
        [&] { (void)v.AsDouble(); },   [&] { (void)v.AsCurrency(); }, [&] { (void)v.AsString(); },
        [&] { (void)v.AsDateTime(); },
    };
    for (const auto& convert : conversions)
        EXPECT_THROW(convert(), EVariantTypeCastError);
    try {
        (void)v.AsInteger();
        FAIL() << "no exception";
    } catch (const EVariantTypeCastError& e) {
        EXPECT_EQ(e.Message(), "Could not convert variant of type (Null) into type (Integer)");
    }
}

struct TextCase {
    Variant Value;
    const char* Expected;
};

TEST(Variant, AsString)
{
    const TextCase cases[] = {
        {true, "True"},
        {false, "False"},
        {42, "42"},
        {int64_t{9007199254740993}, "9007199254740993"},
        {1.5, "1.5"},
        {0.1, "0.1"},
        {1e20, "1E20"},
        {Currency::FromRaw(12345), "1.2345"},
        {Variant::FromDateTime(EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0)), "05.03.2024 14:07:09"},
        {Variant::FromDateTime(EncodeDate(2024, 3, 5)), "05.03.2024"},
        {"abc", "abc"},
        {std::string("ünï"), "ünï"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Value.AsString(), c.Expected);
        EXPECT_EQ(VarToStr(c.Value), c.Expected);
    }
}

struct IntegerCase {
    Variant Value;
    int Expected;
};

TEST(Variant, AsIntegerRoundsHalfToEven)
{
    const IntegerCase cases[] = {
        {"42", 42},        {" -7 ", -7},  {"$10", 16},     {"2.5", 2},          {"3.5", 4},
        {2.5, 2},          {-2.5, -2},    {2.6, 3},        {true, -1},          {false, 0},
        {Currency(2.5), 2}, {Currency(3.5), 4}, {Currency(-2.5), -2}, {int64_t{-2147483648LL}, -2147483647 - 1},
        {Variant::FromDateTime(45351.75), 45352},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Value.AsInteger(), c.Expected) << VarToStr(c.Value);
}

TEST(Variant, FailedNumericConversionsAreConvertErrors)
{
    const Variant cases[] = {"abc", "", "1,5", int64_t{3000000000LL}, 1e30, "1e30", 2147483647.5,
                             Variant::FromError(5), Variant::ArrayOf({1})};
    for (const Variant& v : cases) {
        EXPECT_THROW((void)v.AsInteger(), EVariantTypeCastError) << static_cast<int>(v.VarType());
        EXPECT_THROW((void)v.AsInteger(), EConvertError);
    }
    EXPECT_THROW((void)Variant("abc").AsDouble(), EConvertError);
    EXPECT_THROW((void)Variant(1e30).AsInt64(), EVariantTypeCastError);
    EXPECT_THROW((void)Variant(1e30).AsCurrency(), EVariantTypeCastError);
    EXPECT_THROW((void)Variant("05.13.2024").AsDateTime(), EVariantTypeCastError);
    try {
        (void)Variant("abc").AsInteger();
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Could not convert variant of type (String) into type (Integer)");
    }
    try {
        (void)Variant(int64_t{3000000000LL}).AsInteger();
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Overflow while converting variant of type (Int64) into type (Integer)");
    }
}

TEST(Variant, AsBoolean)
{
    EXPECT_TRUE(Variant("TRUE").AsBoolean());
    EXPECT_TRUE(Variant("tRuE").AsBoolean());
    EXPECT_FALSE(Variant("false").AsBoolean());
    EXPECT_FALSE(Variant("0").AsBoolean());
    EXPECT_TRUE(Variant("2.5").AsBoolean());
    EXPECT_FALSE(Variant(0.0).AsBoolean());
    EXPECT_TRUE(Variant(1).AsBoolean());
    EXPECT_TRUE(Variant(Currency::FromRaw(1)).AsBoolean());
    EXPECT_THROW((void)Variant("yes").AsBoolean(), EVariantTypeCastError);
}

TEST(Variant, AsDoubleCurrencyAndDate)
{
    EXPECT_EQ(Variant("1.5").AsDouble(), 1.5);
    EXPECT_EQ(Variant(true).AsDouble(), -1);
    EXPECT_EQ(Variant(Currency::FromRaw(12345)).AsDouble(), 1.2345);
    EXPECT_EQ(Variant(int64_t{1} << 53).AsDouble(), 9007199254740992.0);
    EXPECT_EQ(Variant("1.00005").AsCurrency().Raw(), 10000) << "text is read exactly, ties to even";
    EXPECT_EQ(Variant(0.00015).AsCurrency().Raw(), 2);
    EXPECT_EQ(Variant(7).AsCurrency(), Currency(7));
    EXPECT_EQ(Variant("05.03.2024").AsDateTime(), EncodeDate(2024, 3, 5));
    EXPECT_EQ(Variant(45351.5).AsDateTime(), 45351.5);
    EXPECT_EQ(Variant::FromDateTime(45351.5).VarType(), TVarType::varDate);
    EXPECT_EQ(Variant::FromError(-3).AsError(), -3);
    EXPECT_THROW((void)Variant(1).AsError(), EVariantTypeCastError);
}

TEST(Variant, KindsAndNumericFlag)
{
    EXPECT_EQ(Variant(true).VarType(), TVarType::varBoolean);
    EXPECT_EQ(Variant(1).VarType(), TVarType::varInteger);
    EXPECT_EQ(Variant(int64_t{1}).VarType(), TVarType::varInt64);
    EXPECT_EQ(Variant(1.0).VarType(), TVarType::varDouble);
    EXPECT_EQ(Variant(Currency(1)).VarType(), TVarType::varCurrency);
    EXPECT_EQ(Variant("x").VarType(), TVarType::varString);
    EXPECT_EQ(Variant::Null().VarType(), TVarType::varNull);
    EXPECT_EQ(Variant::FromError(1).VarType(), TVarType::varError);
    EXPECT_TRUE(Variant(1).IsNumeric());
    EXPECT_TRUE(Variant(Currency(1)).IsNumeric());
    EXPECT_TRUE(Variant(1.5).IsNumeric());
    EXPECT_FALSE(Variant("1").IsNumeric());
    EXPECT_FALSE(Variant(true).IsNumeric());
    EXPECT_FALSE(Variant::FromDateTime(1).IsNumeric());
}

struct EqualityCase {
    const char* Name;
    Variant A;
    Variant B;
    bool Equal;
};

TEST(Variant, Equality)
{
    const int64_t big = std::numeric_limits<int64_t>::max();
    const EqualityCase cases[] = {
        {"Null, Null", NullVariant(), NullVariant(), true},
        {"Null, Unassigned", NullVariant(), Unassigned(), false},
        {"Null, 0", NullVariant(), 0, false},
        {"Null, empty string", NullVariant(), "", false},
        {"Unassigned, Unassigned", Unassigned(), Unassigned(), true},
        {"Unassigned, 0", Unassigned(), 0, true},
        {"Unassigned, 0.0", Unassigned(), 0.0, true},
        {"Unassigned, empty string", Unassigned(), "", true},
        {"Unassigned, false", Unassigned(), false, true},
        {"Unassigned, 1", Unassigned(), 1, false},
        {"Unassigned, '0'", Unassigned(), "0", false},
        {"5, 5.0", 5, 5.0, true},
        {"5, int64 5", 5, int64_t{5}, true},
        {"currency 5, 5", Currency(5), 5, true},
        {"currency 0.1, 0.1", Currency(0.1), 0.1, true},
        {"currency 0.0001, 0", Currency::FromRaw(1), 0, false},
        {"int64 max, max - 1", big, big - 1, false},
        {"'5', 5", "5", 5, true},
        {"5, '5.0'", 5, "5.0", true},
        {"'abc', 5", "abc", 5, false},
        {"'abc', 'ABC'", "abc", "ABC", false},
        {"'abc', 'abc'", "abc", "abc", true},
        {"true, 'True'", true, "True", true},
        {"true, -1", true, -1, true},
        {"true, true", true, true, true},
        {"date, same double", Variant::FromDateTime(1.5), 1.5, true},
        {"errors", Variant::FromError(3), Variant::FromError(3), true},
        {"error, integer", Variant::FromError(3), 3, false},
        {"arrays", Variant::ArrayOf({1, "a"}), Variant::ArrayOf({1, "a"}), true},
        {"arrays, different element", Variant::ArrayOf({1, 2}), Variant::ArrayOf({1, 3}), false},
        {"arrays, different bounds", Variant::CreateArray(1, 2), Variant::CreateArray(0, 1), false},
        {"arrays, different length", Variant::ArrayOf({1}), Variant::ArrayOf({1, 1}), false},
        {"array, scalar", Variant::ArrayOf({1}), 1, false},
        {"nested arrays", Variant::ArrayOf({Variant::ArrayOf({NullVariant()})}),
         Variant::ArrayOf({Variant::ArrayOf({NullVariant()})}), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.A == c.B, c.Equal) << c.Name;
        EXPECT_EQ(c.B == c.A, c.Equal) << c.Name << " (reversed)";
    }
}

struct CompareCase {
    const char* Name;
    Variant A;
    Variant B;
    TVariantRelationship Expected;
};

TEST(Variant, VarCompareValue)
{
    using enum TVariantRelationship;
    const CompareCase cases[] = {
        {"1, 2", 1, 2, vrLessThan},
        {"2.5, 2", 2.5, 2, vrGreaterThan},
        {"'b', 'a'", "b", "a", vrGreaterThan},
        {"'B', 'a' by bytes", "B", "a", vrLessThan},
        {"'10', 9 numerically", "10", 9, vrGreaterThan},
        {"9, '10' numerically", 9, "10", vrLessThan},
        {"currency 1, 0.5", Currency(1), 0.5, vrGreaterThan},
        {"currency 0.0001, int64 0", Currency::FromRaw(1), int64_t{0}, vrGreaterThan},
        {"Unassigned, 1", Unassigned(), 1, vrLessThan},
        {"Unassigned, 'a'", Unassigned(), "a", vrLessThan},
        {"Null, 1", NullVariant(), 1, vrNotEqual},
        {"Null, Null", NullVariant(), NullVariant(), vrEqual},
        {"'abc', 1", "abc", 1, vrNotEqual},
        {"1, 'abc'", 1, "abc", vrNotEqual},
        {"arrays of different shape", Variant::ArrayOf({1}), Variant::ArrayOf({1, 2}), vrNotEqual},
        {"equal arrays", Variant::ArrayOf({1, 2}), Variant::ArrayOf({1, 2}), vrEqual},
        {"NaN, NaN", std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
         vrNotEqual},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VarCompareValue(c.A, c.B), c.Expected) << c.Name;
}

TEST(Variant, ArraysHaveBoundsAndCheckedIndexes)
{
    Variant array = Variant::CreateArray(1, 3);
    EXPECT_TRUE(array.IsArray());
    EXPECT_EQ(array.LowBound(), 1);
    EXPECT_EQ(array.HighBound(), 3);
    EXPECT_TRUE(array[2].IsEmpty());
    array[2] = "x";
    EXPECT_EQ(array[2].AsString(), "x");
    EXPECT_THROW((void)array[0], EVariantBadIndexError);
    EXPECT_THROW((void)array[4], EVariantBadIndexError);
    EXPECT_THROW((void)std::as_const(array)[4], EVariantBadIndexError);

    const Variant empty = Variant::CreateArray(5, 4);
    EXPECT_EQ(empty.HighBound(), 4);
    EXPECT_THROW((void)empty[5], EVariantBadIndexError);
    EXPECT_THROW(Variant::CreateArray(5, 3), EVariantError);

    const Variant list = Variant::ArrayOf({1, "two", 3.0});
    EXPECT_EQ(list.LowBound(), 0);
    EXPECT_EQ(list.HighBound(), 2);
    EXPECT_EQ(list[1].AsString(), "two");

    EXPECT_THROW((void)Variant(1).LowBound(), EVariantError);
    EXPECT_THROW((void)Variant(1).HighBound(), EVariantError);
    EXPECT_THROW((void)Variant("x")[0], EVariantError);
}

TEST(Variant, CopiesOfArraysAreIndependent)
{
    Variant original = Variant::ArrayOf({1, Variant::ArrayOf({2, 3})});
    Variant copy = original;
    copy[0] = 10;
    copy[1][0] = 20;
    EXPECT_EQ(original[0].AsInteger(), 1);
    EXPECT_EQ(original[1][0].AsInteger(), 2);
    EXPECT_EQ(copy[1][0].AsInteger(), 20);

    Variant assigned;
    assigned = original;
    original[1][1] = "changed";
    EXPECT_EQ(assigned[1][1].AsInteger(), 3);

    Variant moved = std::move(assigned);
    EXPECT_EQ(moved[1][1].AsInteger(), 3);

    // Assigning an array an element of itself must not read freed storage.
    Variant nested = Variant::ArrayOf({Variant::ArrayOf({7})});
    nested = nested[0];
    EXPECT_EQ(nested[0].AsInteger(), 7);
}

} // namespace
