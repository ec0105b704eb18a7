#include "platform/components/Variant.h"

#include "tests/CaseNames.h"

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
    casenames::Print(out, c.name);
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
    casenames::Named(&Conversion::name));

// Days counted from the automation zero day, 30 December 1899; before it the fraction still counts
// forward from midnight.
struct DateCase {
    const char *name;
    QDateTime moment;
    double days;
};

void PrintTo(const DateCase &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class VariantDate : public testing::TestWithParam<DateCase> {};

TEST_P(VariantDate, CountsDaysFromTheAutomationZeroDayBothWays)
{
    const DateCase &c = GetParam();
    const Variant date = Variant::FromDateTime(c.moment);
    EXPECT_DOUBLE_EQ(date.ToDate(), c.days);
    EXPECT_EQ(date.ToDateTime(), c.moment);
}

INSTANTIATE_TEST_SUITE_P(Table, VariantDate,
    testing::Values(DateCase{"NoonAfter", QDateTime(QDate(1900, 1, 1), QTime(12, 0)), 2.5},
        DateCase{"MorningBefore", QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25}),
    casenames::Named(&DateCase::name));

TEST(VariantReference, ReadsThroughToTheTarget)
{
    Variant target(std::int16_t(3));
    Variant ref = Variant::Ref(target);
    EXPECT_TRUE(ref.IsRef());
    EXPECT_EQ(ref.ToInt32(), 3);
    target = Variant(std::int16_t(5));
    EXPECT_EQ(ref.ToInt32(), 5);
}

// An assignment to a slot held as it is, through a reference or through a reference to a reference.
enum class Through { Nothing, Reference, ReferenceToReference };

struct Assignment {
    const char *name;
    Variant slot;
    Through through;
    Variant value;
    bool written;
    Variant after; // what the slot then holds, type and value
};

void PrintTo(const Assignment &c, std::ostream *out)
{
    casenames::Print(out, c.name);
}

class VariantAssignment : public testing::TestWithParam<Assignment> {};

TEST_P(VariantAssignment, WritesConvertedToTheSlotOrLeavesIt)
{
    const Assignment &c = GetParam();
    Variant slot = c.slot;
    Variant ref = Variant::Ref(slot);
    Variant second = Variant::Ref(ref);
    Variant &assigned = c.through == Through::Nothing ? slot : c.through == Through::Reference ? ref : second;
    EXPECT_EQ(assigned.Assign(c.value), c.written);
    EXPECT_EQ(slot.Type(), c.after.Type());
    EXPECT_TRUE(slot == c.after) << slot.ToString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, VariantAssignment,
    testing::Values(
        Assignment{"ConvertedToWhatTheSlotHolds", Variant(std::int16_t(3)), Through::Reference, Variant("12"), true,
                   Variant(std::int16_t(12))},
        Assignment{"TextThatIsNoNumberLeavesTheSlot", Variant(std::int16_t(12)), Through::Reference, Variant("many"),
                   false, Variant(std::int16_t(12))},
        Assignment{"ANumberTooLargeLeavesTheSlot", Variant(std::int16_t(12)), Through::Reference,
                   Variant(std::int32_t(40000)), false, Variant(std::int16_t(12))},
        Assignment{"AReferenceToAReferenceWritesTheFirstTarget", Variant(std::int16_t(12)),
                   Through::ReferenceToReference, Variant(std::int32_t(9)), true, Variant(std::int16_t(9))},
        Assignment{"AnEmptySlotTakesAnyType", Variant(), Through::Reference, Variant("text"), true, Variant("text")},
        Assignment{"APlainValueIsReplaced", Variant(std::int32_t(1)), Through::Nothing, Variant("now text"), true,
                   Variant("now text")}),
    casenames::Named(&Assignment::name));

} // namespace
