#include "tests/CaseNames.h"
#include "tests/HostileStart.h"

#include <gtest/gtest.h>

namespace hostile {

void PrintTo(const ListFile &file, std::ostream *out)
{
    casenames::Print(out, file.path);
}

} // namespace hostile

namespace {

// Each list file and language file in each form a user's disk may give it: the real program, started
// on a program folder holding that file with a page of the file's language on its command line, reaches
// its main window with the page open and ends cleanly when asked to close. Three starts run at a time;
// the wait is far above a start's second and is only ever met by a hang.
class HostileListFile : public testing::TestWithParam<hostile::ListFile> {};

TEST_P(HostileListFile, EveryFormStartsToTheMainWindowAndCloses)
{
    std::vector<hostile::Case> cases;
    for (const hostile::KindName &kind : hostile::Kinds)
        if (hostile::Applies(GetParam(), kind.kind))
            cases.push_back({&GetParam(), kind.kind});
    hostile::HostileStarts starts(120000);
    const std::vector<hostile::StartResult> results = starts.Run(cases, 3);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_TRUE(results[i].ok()) << hostile::NameOf(cases[i].kind) << ": " << results[i].problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, HostileListFile, testing::ValuesIn(hostile::ListFiles()),
                         casenames::Named(&hostile::ListFile::path));

} // namespace
