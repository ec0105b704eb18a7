#include "platform/pages/ModuleFile.h"
#include "platform/pages/PageEngine.h"

#include "tests/TempFolder.h"

#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <link.h>
#include <sys/stat.h>

namespace pages = platform::pages;
using pages::ModuleFile;

namespace {

const QString BuiltModule = QStringLiteral(VELLICOR_PROGRAM_FOLDER "/PageEngine.so");

QByteArray BuiltBytes()
{
    QFile file(BuiltModule);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename Header>
Header &At(QByteArray &bytes, quint64 offset)
{
    return *reinterpret_cast<Header *>(bytes.data() + offset);
}

ElfW(Ehdr) &HeaderOf(QByteArray &bytes)
{
    return At<ElfW(Ehdr)>(bytes, 0);
}

// The first loadable part's header.
ElfW(Phdr) &FirstLoad(QByteArray &bytes)
{
    const ElfW(Ehdr) &header = HeaderOf(bytes);
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) &part = At<ElfW(Phdr)>(bytes, header.e_phoff + quint64(i) * sizeof(ElfW(Phdr)));
        if (part.p_type == PT_LOAD)
            return part;
    }
    return At<ElfW(Phdr)>(bytes, header.e_phoff);
}

// The built module changed as an interrupted copy, a failing disk or another machine leaves it.
struct Damage {
    const char *what;
    std::function<void(QByteArray &)> change;
};

} // namespace

// Every file that would fault the loader, or be no library of this machine at all, is found before the
// loader sees it: cut anywhere, zeroed, its headers pointing past its end.
TEST(EngineModuleFile, ACutOrDamagedModuleIsRefusedBeforeTheLoaderMapsIt)
{
    const QByteArray built = BuiltBytes();
    ASSERT_GT(built.size(), 64 * 1024);
    const qsizetype size = built.size();
    const Damage damages[] = {
        {"empty", [](QByteArray &b) { b.clear(); }},
        {"cut inside the header", [](QByteArray &b) { b.truncate(40); }},
        {"cut after the header", [](QByteArray &b) { b.truncate(sizeof(ElfW(Ehdr))); }},
        {"cut to 4 KB", [](QByteArray &b) { b.truncate(4096); }},
        {"cut to half", [size](QByteArray &b) { b.truncate(size / 2); }},
        {"one byte short", [size](QByteArray &b) { b.truncate(size - 1); }},
        {"zeros of its size", [size](QByteArray &b) { b = QByteArray(size, '\0'); }},
        {"a part past the end", [size](QByteArray &b) { FirstLoad(b).p_filesz = quint64(size) + 1; }},
        {"a part beyond the end", [size](QByteArray &b) { FirstLoad(b).p_offset = quint64(size) * 2; }},
        {"a part of overflowing length", [](QByteArray &b) { FirstLoad(b).p_filesz = ~quint64(0) - 8; }},
        {"part headers past the end", [](QByteArray &b) { HeaderOf(b).e_phnum = 0xffff; }},
        {"section table past the end", [size](QByteArray &b) { HeaderOf(b).e_shoff = quint64(size); }},
        {"not a library", [](QByteArray &b) { HeaderOf(b).e_ident[EI_MAG1] = 'X'; }},
        {"of the other word size", [](QByteArray &b) { HeaderOf(b).e_ident[EI_CLASS] = ELFCLASS32; }},
        {"an object file", [](QByteArray &b) { HeaderOf(b).e_type = ET_REL; }},
    };
    TempFolder folder;
    EXPECT_EQ(pages::CheckModuleFile(folder.write("whole.so", built)), ModuleFile::Sound);
    for (const Damage &damage : damages) {
        QByteArray bytes = built;
        damage.change(bytes);
        const QString module = folder.write("PageEngine.so", bytes);
        EXPECT_EQ(pages::CheckModuleFile(module), ModuleFile::Damaged) << damage.what;
        EXPECT_TRUE(pages::EngineModuleRefusal(module).contains(QStringLiteral("поврежден"))) << damage.what;
    }
}

// What is no file at all is told apart and never opened in a way that waits: a FIFO without a writer
// answers at once.
TEST(EngineModuleFile, WhatIsNoRegularFileOrTooLargeIsToldApart)
{
    TempFolder folder;
    const QString fifo = folder.path("fifo.so");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(fifo, folder.path("link-to-fifo.so")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.path("link-to-zero.so")));
    ASSERT_TRUE(QFile::link(folder.path("none.so"), folder.path("dangling.so")));
    QDir(folder.path()).mkdir("folder.so");
    QFile large(folder.write("large.so", QByteArray()));
    ASSERT_TRUE(large.resize(pages::MaxModuleBytes + 1));
    QFile limit(folder.write("limit.so", BuiltBytes()));
    ASSERT_TRUE(limit.resize(pages::MaxModuleBytes));
    const struct {
        const char *name;
        ModuleFile state;
        const char *told;
    } cases[] = {
        {"none.so", ModuleFile::Missing, "не найден"},
        {"dangling.so", ModuleFile::Missing, "не найден"},
        {"fifo.so", ModuleFile::NotRegular, "не является файлом"},
        {"link-to-fifo.so", ModuleFile::NotRegular, "не является файлом"},
        {"link-to-zero.so", ModuleFile::NotRegular, "не является файлом"},
        {"folder.so", ModuleFile::NotRegular, "не является файлом"},
        {"large.so", ModuleFile::TooLarge, "слишком велик"},
        // Its parts lie within it, and the rest is no business of the loader's.
        {"limit.so", ModuleFile::Sound, ""},
    };
    for (const auto &c : cases) {
        const QString module = folder.path(c.name);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(pages::CheckModuleFile(module), c.state) << c.name;
        const QString refusal = pages::EngineModuleRefusal(module);
        EXPECT_LT(clock.elapsed(), 5000) << c.name;
        if (*c.told) {
            EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.told))) << c.name << ": " << refusal.toStdString();
            EXPECT_TRUE(refusal.contains(module)) << c.name;
        }
    }
}

// A sound library is taken only when it is this program's page engine of this version: the metadata is
// read, and nothing of the module runs (the other version's module ends the process when it is loaded).
TEST(EngineModuleFile, OnlyTheProgramsOwnEngineOfItsOwnVersionIsTaken)
{
    EXPECT_EQ(pages::EngineModuleRefusal(BuiltModule), QString());
    const QString version = QStringLiteral("%1.%2").arg(VELLICOR_VERSION_MAJOR).arg(VELLICOR_VERSION_MINOR);
    const struct {
        const char *module;
        QString told;
    } refused[] = {
        {OTHER_VERSION_ENGINE, "собран для другой версии программы: нужен модуль версии " + version + '.'},
        {VELLICOR_PROGRAM_FOLDER "/MwFSO.so", "не является модулем просмотра этой программы"},
        {VELLICOR_BUILD_DIR "/tests/EngineProbe.so", "не является модулем просмотра этой программы"},
    };
    for (const auto &r : refused) {
        const QString refusal = pages::EngineModuleRefusal(QString::fromUtf8(r.module));
        EXPECT_TRUE(refusal.contains(r.told)) << r.module << ": " << refusal.toStdString();
    }
}
