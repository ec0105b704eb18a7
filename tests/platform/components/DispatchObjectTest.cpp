#include "tests/platform/components/ComponentFixture.h"

#include <gtest/gtest.h>

using namespace platform::components;

namespace {

class Dispatch : public testing::Test {
protected:
    void TearDown() override
    {
        counter_.Reset();
        CoFreeUnusedLibraries();
    }

    HResult Invoke(DispId id, InvokeKind kind, Arguments args = {}, Variant *result = nullptr,
        ExceptionInfo *error = nullptr)
    {
        return counter_->Invoke(id, kind, args, result, error);
    }

    ComPtr<IDispatch> counter_ = fixture::CreateFromFile(fixture::kCounterClsid);
};

TEST_F(Dispatch, PropertiesGetAndPutConverted)
{
    ASSERT_TRUE(counter_);
    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyPut, {Variant("41")}), S_OK);
    Variant value;
    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyGet, {}, &value), S_OK);
    EXPECT_EQ(value.Type(), VarType::Int32);
    EXPECT_EQ(value.ToInt32(), 41);

    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyPut, {Variant("forty")}), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyPut, {}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyGet, {Variant(1)}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyGet, {}, &value), S_OK);
    EXPECT_EQ(value.ToInt32(), 41);
}

TEST_F(Dispatch, MethodsTakeOptionalArgumentsWithTheirDefaults)
{
    ASSERT_TRUE(counter_);
    Variant result;
    EXPECT_EQ(Invoke(fixture::kAdd, InvokeKind::Method, {Variant(std::int32_t(5))}, &result), S_OK);
    EXPECT_EQ(result.ToInt32(), 5);
    EXPECT_EQ(Invoke(fixture::kAdd, InvokeKind::Method, {Variant("2"), Variant(std::int32_t(3))}, &result), S_OK);
    EXPECT_EQ(result.ToInt32(), 11);
    EXPECT_EQ(Invoke(fixture::kAdd, InvokeKind::Method, {Variant(std::int32_t(1)), Variant::Missing()}, &result), S_OK);
    EXPECT_EQ(result.ToInt32(), 12);

    // An optional argument without a default arrives as Missing.
    EXPECT_EQ(Invoke(fixture::kIsMissing, InvokeKind::Method, {}, &result), S_OK);
    EXPECT_TRUE(result.ToBool());
    EXPECT_EQ(Invoke(fixture::kIsMissing, InvokeKind::Method, {Variant(0.5)}, &result), S_OK);
    EXPECT_FALSE(result.ToBool());
}

TEST_F(Dispatch, RefusesWrongCalls)
{
    ASSERT_TRUE(counter_);
    const struct {
        const char *what;
        DispId id;
        InvokeKind kind;
        Arguments args;
        HResult expected;
    } cases[] = {
        {"required argument left out", fixture::kAdd, InvokeKind::Method, {}, DISP_E_BADPARAMCOUNT},
        {"required argument missing", fixture::kAdd, InvokeKind::Method, {Variant::Missing()}, DISP_E_PARAMNOTFOUND},
        {"too many arguments", fixture::kAdd, InvokeKind::Method,
            {Variant(std::int32_t(1)), Variant(std::int32_t(1)), Variant(std::int32_t(1))}, DISP_E_BADPARAMCOUNT},
        {"argument of the wrong type", fixture::kAdd, InvokeKind::Method, {Variant("one")}, DISP_E_TYPEMISMATCH},
        {"unknown member", 0x60030099, InvokeKind::Method, {}, DISP_E_MEMBERNOTFOUND},
        {"put on a method", fixture::kAdd, InvokeKind::PropertyPut, {Variant(std::int32_t(1))}, DISP_E_MEMBERNOTFOUND},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Invoke(c.id, c.kind, c.args), c.expected) << c.what;
    Variant value;
    EXPECT_EQ(Invoke(fixture::kValue, InvokeKind::PropertyGet, {}, &value), S_OK);
    EXPECT_EQ(value.ToInt32(), 0) << "a refused call ran nothing";
}

TEST_F(Dispatch, NamesResolveToDispatchIdentifiersIgnoringCase)
{
    ASSERT_TRUE(counter_);
    DispId id = 0;
    EXPECT_EQ(counter_->GetIDsOfNames(QStringLiteral("aDD"), &id), S_OK);
    EXPECT_EQ(id, fixture::kAdd);
    EXPECT_EQ(counter_->GetIDsOfNames(QStringLiteral("Subtract"), &id), DISP_E_UNKNOWNNAME);
}

TEST_F(Dispatch, ExceptionInfoReachesTheCallerUnchanged)
{
    ASSERT_TRUE(counter_);
    ExceptionInfo error;
    EXPECT_EQ(Invoke(fixture::kFail, InvokeKind::Method, {Variant(std::int32_t(1234))}, nullptr, &error),
        DISP_E_EXCEPTION);
    EXPECT_EQ(error.number, 1234);
    EXPECT_EQ(error.source, QStringLiteral("VellicorFixture.Counter"));
    EXPECT_EQ(error.description, QStringLiteral("Counter failed"));
    EXPECT_EQ(error.helpFile, QStringLiteral("fixture.hlp"));
    EXPECT_EQ(error.helpContext, 77);
    // Without a place for the details the failure still comes back.
    EXPECT_EQ(Invoke(fixture::kFail, InvokeKind::Method, {Variant(std::int32_t(1))}), DISP_E_EXCEPTION);
}

TEST_F(Dispatch, ByReferenceArgumentReceivesWhatTheMemberWrites)
{
    ASSERT_TRUE(counter_);
    Variant text("mine");
    EXPECT_EQ(Invoke(fixture::kSwap, InvokeKind::Method, {Variant::Ref(text)}), S_OK);
    EXPECT_EQ(text.ToString(), QStringLiteral("counter"));
    Variant label;
    EXPECT_EQ(Invoke(fixture::kLabel, InvokeKind::PropertyGet, {}, &label), S_OK);
    EXPECT_EQ(label.ToString(), QStringLiteral("mine"));
}

TEST_F(Dispatch, EventsReachEveryAdvisedSinkAndCarryByReferenceArgumentsBack)
{
    ComPtr<IDispatch> knob = fixture::CreateFromFile(fixture::kKnobClsid);
    ASSERT_TRUE(knob);
    ComPtr<IConnectionPoint> events = Query<IConnectionPoint>(knob.Get());
    ASSERT_TRUE(events);
    EXPECT_FALSE(Query<IConnectionPoint>(counter_.Get())) << "a class without events has no connection point";

    QList<QString> seen;
    auto doubling = ComPtr<IDispatch>::Adopt(new fixture::Sink([&seen](DispId id, Arguments &args) {
        ASSERT_EQ(id, fixture::kTurning);
        ASSERT_EQ(args.size(), 2);
        seen.append(args[1].ToString());
        EXPECT_TRUE(args[0].Assign(Variant(args[0].ToInt32() * 2)));
    }));
    auto adding = ComPtr<IDispatch>::Adopt(new fixture::Sink([](DispId, Arguments &args) {
        args[0].Assign(Variant(args[0].ToInt32() + 1));
    }));
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    ASSERT_EQ(events->Advise(doubling.Get(), &first), S_OK);
    ASSERT_EQ(events->Advise(adding.Get(), &second), S_OK);
    EXPECT_NE(first, second);

    Arguments args{Variant(std::int32_t(3))};
    Variant turned;
    ASSERT_EQ(knob->Invoke(fixture::kTurn, InvokeKind::Method, args, &turned, nullptr), S_OK);
    EXPECT_EQ(turned.ToInt32(), 7) << "both sinks changed the step, in the order they were advised";
    EXPECT_EQ(seen, QList<QString>{QStringLiteral("knob")});

    EXPECT_EQ(events->Unadvise(first), S_OK);
    EXPECT_EQ(events->Unadvise(first), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(knob->Invoke(fixture::kTurn, InvokeKind::Method, args, &turned, nullptr), S_OK);
    EXPECT_EQ(turned.ToInt32(), 4);
    EXPECT_EQ(events->Unadvise(second), S_OK);
}

} // namespace
