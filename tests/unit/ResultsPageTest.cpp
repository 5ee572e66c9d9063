#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/Product.h"
#include "fakes/FakeServices.h"
#include "fakes/ScriptedMessageBoxes.h"
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
const ShownMessage kCantWrite{"Can't open HTML file for writing.", "Solanthra v1.1a", 16};
const ShownMessage kQuestion{"All data in results\npage will be erased.\nProceed?",
                             "Solanthra v1.1a", 52};
const ShownMessage kCleared{"Results page cleared.", "Solanthra v1.1a", 64};

// The page fragment by fragment, as the page has always been.
std::string expectedPage() {
    std::string page =
        "<html><head><title>Solanthra - The OpenGL Demo</title><meta http-equiv=Content-Type "
        "content=text/html; charset=iso-8859-1>";
    page +=
        "<STYLE type=text/css>A:link {TEXT-DECORATION: none; color:#888888}A:visited "
        "{TEXT-DECORATION: none; color:#888888}A:hover {TEXT-DECORATION: none; "
        "color=#ffffff}.h0 {FONT-FAMILY: Verdana; FONT-SIZE: 13px}.h1 {FONT-FAMILY: Verdana; "
        "FONT-SIZE: 9px}.h2 {FONT-FAMILY: Arial; FONT-SIZE: 18px}.h3 {FONT-FAMILY: Arial; "
        "FONT-SIZE: 10px;}.link {COLOR: #ff6633; CURSOR: hand; TEXT-DECORATION: none; "
        "FONT-WEIGTH: BOLD}</STYLE></head>";
    page += "<body bgcolor=#000000 background='img/back.jpg'><div align=left>";
    page += "<table width=870 border=0 cellspacing=0 cellpadding=0><tr>";
    page +=
        "<td width=414><div align=left><img src='img/logo.gif' width=414 height=153></div></td>";
    page +=
        "<td width=456 valign=bottom><div align=right><font color=#FFFFFF><span "
        "class=h2><b>SLMark Results Page</b></span><span class=h3><br>Refresh this page to view "
        "latest results<br><br></span></font>";
    page += "<table width=300 cellspacing=2 cellpadding=2>";
    page +=
        "<tr bgcolor=#444444><td><div align=right><font color=white><span "
        "class=h0><b>Legend</b></span></font></div></td></tr>";
    page +=
        "<tr bgcolor=#ffFF88><td><div align=right><span class=h1>FILL RATE "
        "Tests</span></div></td></tr>";
    page +=
        "<tr bgcolor=#88FF88><td><div align=right><span class=h1>POLYGON COUNT "
        "Tests</span></div></td></tr>";
    page +=
        "<tr bgcolor=#aaaaFF><td><div align=right><span class=h1>VRAM "
        "Tests</span></div></td></tr>";
    page +=
        "<tr bgcolor=#FF9999><td><div align=right><span class=h1>CPU/FPU "
        "Tests</span></div></td></tr>";
    page += "</table></div></td></tr><tr><td colspan=2>&nbsp;</td></tr></table></div>";
    page += "<table width=870 border=0 cellspacing=0 cellpadding=0><tr>";
    for (int n = 1; n <= 12; ++n) {
        page += "<td><div align=center><font color=#FFFFFF><span class=h1>Scene " +
                std::to_string(n) + "</span></font></div></td>";
    }
    page += "</tr><tr>";
    for (int n = 1; n <= 12; ++n) {
        page += "<td><div align=center><a href='" + kSite + "/shots.htm?" + std::to_string(n) +
                "'><img src='img/sc" + std::to_string(n) +
                "th.jpg' width=70 height=70 border=0></a></div></td>";
    }
    page += "</tr><tr>";
    page +=
        "</tr><tr><td colspan=12><hr size=1 color=white width=868></tr><tr><td colspan=6><div "
        "align=left><font color=#FFFFFF><span class=h2><a href='results.htm'>Click here to "
        "refresh this page</a></span></font></div></td><td colspan=6>";
    page += "<div align=right><font color=#FFFFFF><span class=h2><a href='" + kSite + "'>" + kHost +
            "</a></span></font></div></td></tr></table>";
    page += "<!--end--></body></html>";
    return page;
}
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
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(writeEmptyResultsPage(boxes, path));
    EXPECT_EQ(readBytes(path), expectedPage());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(WriteEmptyResultsPage, ReportsAPageThatCannotBeOpened) {
    ScratchDirectory dir;
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(writeEmptyResultsPage(boxes, dir.file("missing/results.htm")));
    EXPECT_EQ(boxes.shown, std::vector<ShownMessage>{kCantWrite});
}

#ifndef _WIN32
TEST(WriteEmptyResultsPage, ReportsAPageThatCannotBeWrittenWhole) {
    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(writeEmptyResultsPage(boxes, "/dev/full"));
    EXPECT_EQ(boxes.shown, std::vector<ShownMessage>{kCantWrite});
}
#endif

TEST(CreateResultsPageIfMissing, CreatesAMissingPageSilently) {
    ScratchDirectory dir;
    const std::string path = dir.file("results.htm");
    ScriptedMessageBoxes boxes;
    createResultsPageIfMissing(boxes, path);
    EXPECT_EQ(readBytes(path), expectedPage());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CreateResultsPageIfMissing, LeavesAnyExistingPageUntouched) {
    for (const std::string content : {"", "not even html", "<html>results</html>\r\n"}) {
        ScratchDirectory dir;
        const std::string path = dir.file("results.htm");
        writeBytes(path, content);
        ScriptedMessageBoxes boxes;
        createResultsPageIfMissing(boxes, path);
        EXPECT_EQ(readBytes(path), content);
        EXPECT_TRUE(boxes.shown.empty());
    }
}

TEST(CreateResultsPageIfMissing, ReportsAPageThatCannotBeCreated) {
    ScratchDirectory dir;
    ScriptedMessageBoxes boxes;
    createResultsPageIfMissing(boxes, dir.file("missing/results.htm"));
    EXPECT_EQ(boxes.shown, std::vector<ShownMessage>{kCantWrite});
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
        ScriptedMessageBoxes boxes;
        boxes.answers = {c.answer};
        clearResultsPage(boxes, path);
        EXPECT_EQ(readBytes(path), c.cleared ? expectedPage() : "<html>results</html>");
        const std::vector<ShownMessage> expected =
            c.cleared ? std::vector<ShownMessage>{kQuestion, kCleared}
                      : std::vector<ShownMessage>{kQuestion};
        EXPECT_EQ(boxes.shown, expected);
    }
}

TEST(ClearResultsPage, ReportsFailureInsteadOfSuccess) {
    ScratchDirectory dir;
    ScriptedMessageBoxes boxes;
    boxes.answers = {6};
    clearResultsPage(boxes, dir.file("missing/results.htm"));
    EXPECT_EQ(boxes.shown, (std::vector<ShownMessage>{kQuestion, kCantWrite}));
}

TEST(ViewResultsPage, StartsTheShellOnThePage) {
    RecordingLauncher launcher;
    viewResultsPage(launcher);
    viewResultsPage(launcher);  // a failed start changes nothing for the next one
    EXPECT_EQ(launcher.started,
              (std::vector<std::string>{"explorer results.htm", "explorer results.htm"}));
}
