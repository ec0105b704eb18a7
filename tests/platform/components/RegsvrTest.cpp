#include "tests/platform/components/ComponentFixture.h"
#include "tests/TempRegistry.h"
#include "tests/UnreadableRegistries.h"

#include "platform/components/Registry.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace platform::components;

namespace {

struct Outcome {
    int exitCode;
    QString errors;
};

// The register tool as a process of its own, writing into `registry`.
Outcome Regsvr(const TempRegistry &registry, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELLICOR_COMPONENT_REGISTRY"), registry.FilePath());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELLICOR_PROGRAM_FOLDER "/regsvr"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(Regsvr, RegistersAndUnregistersTheLibrary)
{
    TempRegistry registry;
    const Outcome registered = Regsvr(registry, {fixture::kLibraryPath});
    EXPECT_EQ(registered.exitCode, 0) << registered.errors.toStdString();
    ASSERT_TRUE(FindClassRegistration(fixture::kKnobClsid));
    EXPECT_EQ(FindClassRegistration(fixture::kKnobClsid)->server, fixture::kLibraryPath);
    EXPECT_EQ(FindProgId(QStringLiteral("VellicorFixture.Counter")), fixture::kCounterClsid);

    const Outcome unregistered = Regsvr(registry, {QStringLiteral("-u"), fixture::kLibraryPath});
    EXPECT_EQ(unregistered.exitCode, 0) << unregistered.errors.toStdString();
    EXPECT_FALSE(FindClassRegistration(fixture::kKnobClsid));
    EXPECT_FALSE(FindProgId(QStringLiteral("VellicorFixture.Counter")));
}

TEST(Regsvr, FailsWithAMessage)
{
    TempRegistry registry;
    const struct {
        const char *what;
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {"no library named", {}, 2},
        {"two libraries", {fixture::kLibraryPath, fixture::kLibraryPath}, 2},
        {"unknown option", {QStringLiteral("-x"), fixture::kLibraryPath}, 2},
        {"missing file", {QStringLiteral("/nonexistent/library.so")}, 1},
        {"no component library", {QStringLiteral(VELLICOR_PROGRAM_FOLDER "/regsvr")}, 1},
    };
    for (const auto &c : cases) {
        const Outcome run = Regsvr(registry, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what;
        EXPECT_FALSE(run.errors.isEmpty()) << c.what;
    }
    EXPECT_FALSE(QFile::exists(registry.FilePath())) << "a failed run writes nothing";
}

class RegsvrOnUnreadableRegistry : public testing::TestWithParam<UnreadableRegistry> {};

// The register tool on a registry it cannot read says so, fails, and leaves the registry as it was.
TEST_P(RegsvrOnUnreadableRegistry, FailsAndLeavesItAsItWas)
{
    TempRegistry registry;
    ASSERT_TRUE(registry.Register(fixture::kLibraryPath));
    GetParam().lay(registry.FilePath());
    const QByteArray before = Fingerprint(registry.FilePath());
    for (const QStringList &arguments :
         {QStringList{fixture::kLibraryPath}, QStringList{"-u", fixture::kLibraryPath}}) {
        const Outcome run = Regsvr(registry, arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains(registry.FilePath() + QStringLiteral(" cannot be read")))
            << run.errors.toStdString();
    }
    EXPECT_EQ(Fingerprint(registry.FilePath()), before);
}

INSTANTIATE_TEST_SUITE_P(Registries, RegsvrOnUnreadableRegistry, testing::ValuesIn(UnreadableRegistries),
                         casenames::Named(&UnreadableRegistry::name));

} // namespace
