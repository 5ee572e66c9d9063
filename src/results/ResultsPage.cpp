#include "results/ResultsPage.h"

#include "common/FormatDecimal.h"
#include "common/Product.h"
#include "common/TextFile.h"
#include "settings/BenchmarkSettings.h"
#include "settings/SceneCategories.h"

namespace {
constexpr char kCantWriteMessage[] = "Can't open HTML file for writing.";
constexpr char kClearQuestion[] = "All data in results\npage will be erased.\nProceed?";
constexpr char kClearedMessage[] = "Results page cleared.";
constexpr char kPageName[] = "results.htm";

constexpr char kTableStart[] = "<table width=870 border=0 cellspacing=0 cellpadding=0><tr>";

// Pages already out there look exactly like this, quirks included ("FONT-WEIGTH",
// "color=#ffffff" in the hover rule); a cleared page must not differ from them.
std::string pageHeadAndHeading() {
    return std::string(
               "<html><head><title>Solanthra - The OpenGL Demo</title><meta "
               "http-equiv=Content-Type content=text/html; charset=iso-8859-1>"
               "<STYLE type=text/css>A:link {TEXT-DECORATION: none; color:#888888}A:visited "
               "{TEXT-DECORATION: none; color:#888888}A:hover {TEXT-DECORATION: none; "
               "color=#ffffff}.h0 {FONT-FAMILY: Verdana; FONT-SIZE: 13px}.h1 {FONT-FAMILY: "
               "Verdana; FONT-SIZE: 9px}.h2 {FONT-FAMILY: Arial; FONT-SIZE: 18px}.h3 "
               "{FONT-FAMILY: Arial; FONT-SIZE: 10px;}.link {COLOR: #ff6633; CURSOR: hand; "
               "TEXT-DECORATION: none; FONT-WEIGTH: BOLD}</STYLE></head>"
               "<body bgcolor=#000000 background='img/back.jpg'><div align=left>") +
           kTableStart +
           "<td width=414><div align=left><img src='img/logo.gif' width=414 "
           "height=153></div></td>"
           "<td width=456 valign=bottom><div align=right><font color=#FFFFFF><span "
           "class=h2><b>SLMark Results Page</b></span><span class=h3><br>Refresh this page to "
           "view latest results<br><br></span></font>";
}

std::string legendTable() {
    std::string text =
        "<table width=300 cellspacing=2 cellpadding=2>"
        "<tr bgcolor=#444444><td><div align=right><font color=white><span "
        "class=h0><b>Legend</b></span></font></div></td></tr>";
    for (const SceneCategory& category : kSceneCategories) {
        text += std::string("<tr bgcolor=") + category.legendColor +
                "><td><div align=right><span class=h1>" + category.legendCaption +
                "</span></div></td></tr>";
    }
    return text + "</table></div></td></tr><tr><td colspan=2>&nbsp;</td></tr></table></div>";
}

std::string sceneCaptionRow() {
    std::string text;
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n) {
        text += "<td><div align=center><font color=#FFFFFF><span class=h1>Scene " +
                formatDecimal(static_cast<unsigned>(n)) + "</span></font></div></td>";
    }
    return text;
}

std::string sceneThumbnailRow() {
    std::string text;
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n) {
        const std::string scene = formatDecimal(static_cast<unsigned>(n));
        text += std::string("<td><div align=center><a href='") + product::kSiteAddress +
                "/shots.htm?" + scene + "'><img src='img/sc" + scene +
                "th.jpg' width=70 height=70 border=0></a></div></td>";
    }
    return text;
}

// The empty row and the rule cell without "</td>" are kept as in every earlier page.
std::string pageFooter() {
    return std::string(
               "</tr><tr></tr><tr><td colspan=12><hr size=1 color=white width=868></tr><tr><td "
               "colspan=6><div align=left><font color=#FFFFFF><span class=h2><a "
               "href='results.htm'>Click here to refresh this page</a></span></font></div></"
               "td><td colspan=6>"
               "<div align=right><font color=#FFFFFF><span class=h2><a href='") +
           product::kSiteAddress + "'>" + product::kSiteHost +
           "</a></span></font></div></td></tr></table>"
           "<!--end--></body></html>";
}
}  // namespace

std::string emptyResultsPageText() {
    return pageHeadAndHeading() + legendTable() + kTableStart + sceneCaptionRow() + "</tr><tr>" +
           sceneThumbnailRow() + pageFooter();
}

bool writeEmptyResultsPage(WriteReporter& reporter, const std::string& path) {
    TextWriter page(path);
    if (page.isOpen()) {
        page.write(emptyResultsPageText());
        if (page.close()) return true;
    }
    // A page that could not be written whole is as useless as one never opened.
    reporter.tellFailed(kCantWriteMessage, path, page.failure());
    return false;
}

void createResultsPageIfMissing(WriteReporter& reporter, const std::string& path) {
    if (!canOpenForReading(path)) writeEmptyResultsPage(reporter, path);
}

void clearResultsPage(WriteReporter& reporter, const std::vector<std::string>& pages) {
    if (reporter.boxes().tell(kClearQuestion, msg::kQuestion) != msg::kYes) return;
    // A page that failed keeps no one from clearing the others.
    bool cleared = true;
    for (const std::string& page : pages)
        cleared = writeEmptyResultsPage(reporter, page) && cleared;
    if (cleared) reporter.boxes().tell(kClearedMessage, msg::kInfo);
}

void viewResultsPage(ProcessLauncher& launcher, const std::string& page) {
    launcher.start(page == kPageName ? "explorer " + page : "explorer \"" + page + "\"");
}
