#include "tests/platform/components/ComponentFixture.h"

#include "platform/components/TypeLibraryFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform::components;

namespace {

TEST(TypeLibraryFile, ReadFromTheLibraryFileEqualsWhatTheLibraryHolds)
{
    TypeLibrary read;
    ASSERT_EQ(LoadTypeLibrary(fixture::kLibraryPath, &read), S_OK);
    const TypeLibrary &held = fixture::Types();
    // Field groups first, for a readable failure.
    EXPECT_EQ(read.classes, held.classes);
    EXPECT_EQ(read.interfaces, held.interfaces);
    EXPECT_EQ(read.enums, held.enums);
    EXPECT_EQ(read.records, held.records);
    EXPECT_EQ(read.version, held.version);
    EXPECT_EQ(read.bitmaps, held.bitmaps);
    EXPECT_TRUE(read == held);

    ASSERT_TRUE(read.FindEnum(QStringLiteral("KnobSize")));
    EXPECT_EQ(read.FindEnum(QStringLiteral("KnobSize"))->values[1].value, 65536);
    const MemberInfo *turning = read.FindInterface(QStringLiteral("__Knob"))->Find(fixture::kTurning);
    ASSERT_TRUE(turning);
    EXPECT_TRUE(turning->params[0].byRef);
    ASSERT_TRUE(read.FindBitmap(fixture::kKnobBitmap));
    EXPECT_EQ(read.FindBitmap(fixture::kKnobBitmap)->size(), QSize(16, 15));
    CoFreeUnusedLibraries();
    EXPECT_FALSE(IsLibraryLoaded(fixture::kLibraryPath)) << "reading keeps nothing of the library alive";
}

TEST(TypeLibraryFile, RefusesFilesThatCarryNone)
{
    QTemporaryDir folder;
    TypeLibrary read;
    EXPECT_EQ(LoadTypeLibrary(folder.filePath(QStringLiteral("absent.so")), &read), CO_E_DLLNOTFOUND);
    QFile text(folder.filePath(QStringLiteral("text.so")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("plain text");
    text.close();
    EXPECT_EQ(LoadTypeLibrary(text.fileName(), &read), TYPE_E_CANTLOADLIBRARY);
}

TEST(TypeLibraryFile, RoundTripKeepsDefaultsAndRejectsDamagedBytes)
{
    const QByteArray bytes = SerializeTypeLibrary(fixture::Types());
    const std::optional<TypeLibrary> back = DeserializeTypeLibrary(bytes);
    ASSERT_TRUE(back);
    const ParamInfo &times = back->FindInterface(QStringLiteral("_Counter"))->Find(fixture::kAdd)->params[1];
    EXPECT_TRUE(times.optional);
    EXPECT_EQ(times.defaultValue.Type(), VarType::Int32);
    EXPECT_EQ(times.defaultValue.ToInt32(), 1);

    EXPECT_FALSE(DeserializeTypeLibrary(QByteArray("junk")));
    EXPECT_FALSE(DeserializeTypeLibrary(bytes.left(bytes.size() / 2))) << "cut short";
}

} // namespace
