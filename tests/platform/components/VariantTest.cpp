#include "platform/components/Variant.h"

#include <gtest/gtest.h>

#include <optional>

using namespace platform::components;

namespace {

struct Conversion {
    const char *name;
    Variant from;
    VarType to;
    std::optional<Variant> expected; // nothing: the conversion is refused
};

void PrintTo(const Conversion &c, std::ostream *out)
{
    *out << c.name;
}

class VariantConversion : public testing::TestWithParam<Conversion> {};

TEST_P(VariantConversion, GivesTheAutomationResult)
{
    const Conversion &c = GetParam();
    const std::optional<Variant> converted = c.from.Converted(c.to);
    ASSERT_EQ(converted.has_value(), c.expected.has_value());
    if (converted) {
        EXPECT_EQ(converted->Type(), c.to);
        EXPECT_TRUE(*converted == *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, VariantConversion,
    testing::Values(Conversion{"TrueToInt", Variant(true), VarType::Int32, Variant(std::int32_t(-1))},
        Conversion{"IntToBool", Variant(std::int32_t(5)), VarType::Boolean, Variant(true)},
        Conversion{"ZeroToBool", Variant(std::int16_t(0)), VarType::Boolean, Variant(false)},
        Conversion{"TextTrueToBool", Variant("  true "), VarType::Boolean, Variant(true)},
        Conversion{"TextNumberToBool", Variant("0"), VarType::Boolean, Variant(false)},
        Conversion{"WordToBoolRefused", Variant("yes"), VarType::Boolean, std::nullopt},
        Conversion{"HalfRoundsToEven", Variant(2.5), VarType::Int32, Variant(std::int32_t(2))},
        Conversion{"OtherHalfRoundsToEven", Variant(3.5), VarType::Int16, Variant(std::int16_t(4))},
        Conversion{"TextToInt", Variant(" 42 "), VarType::Int32, Variant(std::int32_t(42))},
        Conversion{"Int16Overflow", Variant(std::int32_t(40000)), VarType::Int16, std::nullopt},
        Conversion{"Int32Overflow", Variant(qint64(1) << 40), VarType::Int32, std::nullopt},
        Conversion{"NotANumber", Variant("abc"), VarType::Int32, std::nullopt},
        Conversion{"EmptyToInt", Variant(), VarType::Int32, Variant(std::int32_t(0))},
        Conversion{"EmptyToText", Variant(), VarType::String, Variant(QString())},
        Conversion{"BoolToText", Variant(false), VarType::String, Variant("False")},
        Conversion{"IntToText", Variant(std::int32_t(-7)), VarType::String, Variant("-7")},
        Conversion{"DoubleToText", Variant(0.1), VarType::String, Variant("0.1")},
        Conversion{"TextToDouble", Variant("1.5"), VarType::Double, Variant(1.5)},
        Conversion{"IntToDate", Variant(std::int32_t(2)), VarType::Date, Variant::Date(2)},
        Conversion{"TextToObjectRefused", Variant("x"), VarType::Object, std::nullopt}),
    [](const testing::TestParamInfo<Conversion> &info) { return std::string(info.param.name); });

TEST(VariantDate, CountsDaysFromTheAutomationZeroDay)
{
    const QDateTime moment(QDate(1900, 1, 1), QTime(12, 0));
    const Variant date = Variant::FromDateTime(moment);
    EXPECT_DOUBLE_EQ(date.ToDate(), 2.5);
    EXPECT_EQ(date.ToDateTime(), moment);
    // Before the zero day the fraction still counts forward from midnight.
    const QDateTime before(QDate(1899, 12, 29), QTime(6, 0));
    EXPECT_DOUBLE_EQ(Variant::FromDateTime(before).ToDate(), -1.25);
    EXPECT_EQ(Variant::FromDateTime(before).ToDateTime(), before);
}

TEST(VariantReference, ReadsAndWritesThroughToTheTarget)
{
    Variant target(std::int16_t(3));
    Variant ref = Variant::Ref(target);
    EXPECT_TRUE(ref.IsRef());
    EXPECT_EQ(ref.ToInt32(), 3);

    // Written converted to what the slot holds.
    EXPECT_TRUE(ref.Assign(Variant("12")));
    EXPECT_EQ(target.Type(), VarType::Int16);
    EXPECT_EQ(target.ToInt32(), 12);

    // A value that does not fit leaves the slot as it was.
    EXPECT_FALSE(ref.Assign(Variant("many")));
    EXPECT_EQ(target.ToInt32(), 12);

    // A reference to a reference refers to the first target.
    Variant second = Variant::Ref(ref);
    EXPECT_TRUE(second.Assign(Variant(std::int32_t(9))));
    EXPECT_EQ(target.ToInt32(), 9);
}

TEST(VariantReference, EmptySlotTakesAnyType)
{
    Variant target;
    Variant ref = Variant::Ref(target);
    EXPECT_TRUE(ref.Assign(Variant("text")));
    EXPECT_EQ(target.Type(), VarType::String);
    EXPECT_EQ(target.ToString(), QStringLiteral("text"));
}

TEST(VariantReference, PlainValueIsReplaced)
{
    Variant value(std::int32_t(1));
    EXPECT_TRUE(value.Assign(Variant("now text")));
    EXPECT_EQ(value.Type(), VarType::String);
}

} // namespace
