#include "tests/platform/components/ComponentFixture.h"
#include "tests/TempRegistry.h"

#include "platform/components/HostedControl.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace platform::components;

namespace {

class Hosting : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(registry_.Register(fixture::kLibraryPath)); }
    void TearDown() override { CoFreeUnusedLibraries(); }

    TempRegistry registry_;
};

TEST_F(Hosting, EmbedsTheControlsWidgetAndCallsByDispatchIdentifier)
{
    QWidget window;
    HResult status = E_FAIL;
    std::unique_ptr<HostedControl> knob = HostedControl::Create(fixture::kKnobClsid, &window, &status);
    ASSERT_EQ(status, S_OK);
    ASSERT_TRUE(knob);
    ASSERT_TRUE(knob->Widget());
    EXPECT_EQ(knob->Widget()->parentWidget(), &window);
    EXPECT_TRUE(knob->Object());

    EXPECT_EQ(knob->Get(fixture::kCaption).ToString(), QStringLiteral("knob"));
    EXPECT_TRUE(knob->Put(fixture::kCaption, Variant("Turn me")));
    EXPECT_EQ(static_cast<QPushButton *>(knob->Widget())->text(), QStringLiteral("Turn me"));
    EXPECT_FALSE(knob->Put(0x68039999, Variant("x")));
    EXPECT_TRUE(knob->Get(0x68039999).IsEmpty());
    EXPECT_EQ(knob->Call(fixture::kTurn, {Variant(std::int32_t(2))}).ToInt32(), 2);
    EXPECT_TRUE(knob->Call(fixture::kTurn).IsEmpty()) << "a failed call gives Empty";
}

TEST_F(Hosting, DeliversEventsAndSendsChangedByReferenceArgumentsBack)
{
    QWidget window;
    std::unique_ptr<HostedControl> knob = HostedControl::Create(fixture::kKnobClsid, &window);
    ASSERT_TRUE(knob);
    QList<Arguments> seen;
    knob->OnEvent(fixture::kTurning, [&seen](Arguments &args) {
        seen.append(args);
        args[0] = Variant(args[0].ToInt32() * 10); // assigned plainly, still reaches the control
    });

    window.show();
    QTest::mouseClick(knob->Widget(), Qt::LeftButton);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0][0].ToInt32(), 1);
    EXPECT_EQ(seen[0][1].ToString(), QStringLiteral("knob"));
    EXPECT_EQ(knob->Get(fixture::kCaption).ToString(), QStringLiteral("at 10"));

    EXPECT_EQ(knob->Call(fixture::kTurn, {Variant(std::int32_t(3))}).ToInt32(), 30);
    EXPECT_EQ(seen.size(), 2);
}

TEST_F(Hosting, EndingTheHostedControlLetsTheLibraryGo)
{
    auto window = std::make_unique<QWidget>();
    std::unique_ptr<HostedControl> knob = HostedControl::Create(fixture::kKnobClsid, window.get());
    ASSERT_TRUE(knob);
    QPointer<QWidget> widget = knob->Widget();
    knob.reset();
    EXPECT_FALSE(widget) << "the control destroyed its widget";
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(fixture::kLibraryPath));

    // The window going first leaves the control without a widget, which it survives.
    knob = HostedControl::Create(fixture::kKnobClsid, window.get());
    ASSERT_TRUE(knob);
    window.reset();
    EXPECT_FALSE(knob->Widget());
    EXPECT_EQ(knob->Call(fixture::kTurn, {Variant(std::int32_t(1))}).ToInt32(), 1);
}

TEST_F(Hosting, RefusesWhatIsNoRegisteredControl)
{
    QWidget window;
    HResult status = S_OK;
    EXPECT_FALSE(HostedControl::Create(Guid("{00000000-1111-2222-3333-444444444444}"), &window, &status));
    EXPECT_EQ(status, REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(HostedControl::Create(fixture::kCounterClsid, &window, &status));
    EXPECT_EQ(status, E_NOINTERFACE);
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(fixture::kLibraryPath)) << "a refused creation keeps nothing alive";
}

} // namespace
