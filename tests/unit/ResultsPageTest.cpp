#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/Product.h"
#include "common/WriteReporter.h"
#include "expected/ExpectedTexts.h"
#include "fakes/FakeCodePages.h"
#include "fakes/FakeServices.h"
#include "fakes/ScriptedMessageBoxes.h"

namespace {
// Message boxes and the failures a writer tells of, as one writer sees them.
struct Writer {
    ScriptedMessageBoxes boxes;
    FakeWriteFailures failures;
    FakeAdministratorRights rights;
    FakeCodePages codePages = FakeCodePages::westernEuropean();
    WriteReporter reporter{boxes, failures, rights, codePages};
};
}  // namespace
#include "results/ResultsPage.h"

namespace fs = std::filesystem;

namespace {
class RecordingLauncher : public ProcessLauncher {
   public:
    std::vector<std::string> started;
    bool start(const std::string& commandLine) override {
        started.push_back(commandLine);
        return false;
    }
};

const std::string kSite = product::kSiteAddress;
const std::string kHost = product::kSiteHost;
// The fake's words for any failure of that file.
ShownMessage cantWrite(const std::string& file) {
    return {"Can't open HTML file for writing.\n\n" + expected::shownName(file) +
                "\nThe system cannot find the path.",
            "Solanthra v1.1a", 16};
}
const ShownMessage kQuestion{"All data in results\npage will be erased.\nProceed?",
                             "Solanthra v1.1a", 52};
const ShownMessage kCleared{"Results page cleared.", "Solanthra v1.1a", 64};

std::string expectedPage() { return expected::resultsPage(); }
}  // namespace

TEST(EmptyResultsPage, IsTheFixedPageByteForByte) {
    EXPECT_EQ(emptyResultsPageText(), expectedPage());
}

TEST(EmptyResultsPage, HasTheLengthOfTheFixedTextAndTheSite) {
    EXPECT_EQ(emptyResultsPageText().size(), 4417 + 13 * kSite.size() + kHost.size());
}

TEST(EmptyResultsPage, IsOneLineEndingWithTheMarker) {
    const std::string page = emptyResultsPageText();
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    const std::string end = "<!--end--></body></html>";
    ASSERT_GE(page.size(), end.size());
    EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

TEST(EmptyResultsPage, WritesTwoDigitSceneNumbersPlainly) {
    const std::string page = emptyResultsPageText();
    EXPECT_NE(page.find("<span class=h1>Scene 10</span>"), std::string::npos);
    EXPECT_NE(page.find("<img src='img/sc10th.jpg'"), std::string::npos);
    EXPECT_NE(page.find("<a href='" + kSite + "/shots.htm?10'>"), std::string::npos);
    EXPECT_EQ(page.find("Scene 0"), std::string::npos);
    EXPECT_EQ(page.find("Scene 13"), std::string::npos);
}

TEST(WriteEmptyResultsPage, WritesThePageWithoutAnyLineEnd) {
    ScratchDirectory dir;
    const std::string path = dir.file("results.htm");
    writeBytes(path, "old results that are longer than nothing");
    Writer w;
    EXPECT_TRUE(writeEmptyResultsPage(w.reporter, path));
    EXPECT_EQ(readBytes(path), expectedPage());
    EXPECT_TRUE(w.boxes.shown.empty());
}

TEST(WriteEmptyResultsPage, ReportsAPageThatCannotBeOpened) {
    ScratchDirectory dir;
    Writer w;
    EXPECT_FALSE(writeEmptyResultsPage(w.reporter, dir.file("missing/results.htm")));
    EXPECT_EQ(w.boxes.shown, std::vector<ShownMessage>{cantWrite(dir.file("missing/results.htm"))});
}

#ifndef _WIN32
TEST(WriteEmptyResultsPage, ReportsAPageThatCannotBeWrittenWhole) {
    Writer w;
    EXPECT_FALSE(writeEmptyResultsPage(w.reporter, "/dev/full"));
    EXPECT_EQ(w.boxes.shown, std::vector<ShownMessage>{cantWrite("/dev/full")});
}
#endif

TEST(CreateResultsPageIfMissing, CreatesAMissingPageSilently) {
    ScratchDirectory dir;
    const std::string path = dir.file("results.htm");
    Writer w;
    createResultsPageIfMissing(w.reporter, path);
    EXPECT_EQ(readBytes(path), expectedPage());
    EXPECT_TRUE(w.boxes.shown.empty());
}

TEST(CreateResultsPageIfMissing, LeavesAnyExistingPageUntouched) {
    for (const std::string content : {"", "not even html", "<html>results</html>\r\n"}) {
        ScratchDirectory dir;
        const std::string path = dir.file("results.htm");
        writeBytes(path, content);
        Writer w;
        createResultsPageIfMissing(w.reporter, path);
        EXPECT_EQ(readBytes(path), content);
        EXPECT_TRUE(w.boxes.shown.empty());
    }
}

TEST(CreateResultsPageIfMissing, ReportsAPageThatCannotBeCreated) {
    ScratchDirectory dir;
    Writer w;
    createResultsPageIfMissing(w.reporter, dir.file("missing/results.htm"));
    EXPECT_EQ(w.boxes.shown, std::vector<ShownMessage>{cantWrite(dir.file("missing/results.htm"))});
}

TEST(ClearResultsPage, RewritesThePageOnlyAfterYes) {
    struct Case {
        const char* what;
        int answer;
        bool cleared;
    };
    const Case cases[] = {
        {"Yes", 6, true}, {"No", 7, false}, {"OK", 1, false}, {"Cancel", 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDirectory dir;
        const std::string path = dir.file("results.htm");
        writeBytes(path, "<html>results</html>");
        Writer w;
        w.boxes.answers = {c.answer};
        clearResultsPage(w.reporter, {path});
        EXPECT_EQ(readBytes(path), c.cleared ? expectedPage() : "<html>results</html>");
        const std::vector<ShownMessage> expected =
            c.cleared ? std::vector<ShownMessage>{kQuestion, kCleared}
                      : std::vector<ShownMessage>{kQuestion};
        EXPECT_EQ(w.boxes.shown, expected);
    }
}

// The folder's page fails and is told; the user's copy is cleared all the same.
TEST(ClearResultsPage, ReportsFailureInsteadOfSuccess) {
    ScratchDirectory dir;
    const std::string copy = dir.file("copy.htm");
    writeBytes(copy, "<html>results</html>");
    Writer w;
    w.boxes.answers = {6};
    clearResultsPage(w.reporter, {dir.file("missing/results.htm"), copy});
    EXPECT_EQ(w.boxes.shown,
              (std::vector<ShownMessage>{kQuestion, cantWrite(dir.file("missing/results.htm"))}));
    EXPECT_EQ(readBytes(copy), expectedPage());
}

TEST(ViewResultsPage, StartsTheShellOnThePage) {
    RecordingLauncher launcher;
    viewResultsPage(launcher);
    viewResultsPage(launcher);  // a failed start changes nothing for the next one
    viewResultsPage(launcher, "C:\\Users\\me\\VirtualStore\\Solanthra\\results.htm");
    EXPECT_EQ(launcher.started,
              (std::vector<std::string>{
                  "explorer results.htm", "explorer results.htm",
                  "explorer \"C:\\Users\\me\\VirtualStore\\Solanthra\\results.htm\""}));
}
