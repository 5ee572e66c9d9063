#include "expected/ExpectedTexts.h"

namespace expected {

std::string shownName(const std::string& name, std::size_t characterBytes) {
    if (name.size() <= 64) return name;
    const std::size_t end = 30 / characterBytes * characterBytes;
    return name.substr(0, end) + "\n...(" +
           std::to_string((name.size() - 2 * end) / characterBytes) + " characters left out)...\n" +
           name.substr(name.size() - end);
}

std::string overwriteQuestion(const std::string& scriptName) {
    return "Warning: '" + shownName(scriptName) +
           "'\nfile already exists.\nOverwrite existing file?";
}

std::string failedWrite(const std::string& firstLine, const std::string& reason) {
    return firstLine + "\n\n" + reason;
}

std::string accessDeniedReason(const std::string& folder, bool inProgramFiles,
                               bool administratorWouldHelp) {
    if (inProgramFiles)
        return "Only administrators may change the folder\n" + shownName(folder) +
               (administratorWouldHelp ? "\nStart the script generator as administrator, or "
                                         "install the demo in a folder of its own outside "
                                         "Program Files."
                                       : "\nInstall the demo in a folder of its own outside "
                                         "Program Files.");
    return "Your account may not change the folder\n" + shownName(folder) +
           (administratorWouldHelp
                ? "\nStart the script generator as administrator, or ask the folder's owner to "
                  "let you change it."
                : "\nAsk the folder's owner to let you change it, or install the demo in a "
                  "folder that you may change.");
}

std::string administratorOffer(const std::string& folder, bool inProgramFiles) {
    return (inProgramFiles ? "Only administrators may change the folder\n"
                           : "Your account may not change the folder\n") +
           shownName(folder) +
           "\nwhere the demo is installed, so the script generator cannot write its scripts "
           "or the results page there.\n\nStart the script generator again as administrator?\n"
           "Yes: Windows asks for your consent or an administrator's password, then the script "
           "generator starts again with administrator rights.\nNo: it goes on without.";
}

std::string writeNotAllowedReason(const std::string& folder) {
    return "The folder\n" + shownName(folder) +
           "\nor its drive does not allow writing. Copy the demo to a folder that does and "
           "start it there.";
}

std::string readOnlyReason(const std::string& file) {
    return "The file\n" + shownName(file) +
           "\nis read-only. Clear its Read-only attribute in its Properties.";
}

std::string inUseReason(const std::string& file) {
    return "Another program has the file\n" + shownName(file) +
           "\nopen: the demo, or a browser showing it.\nClose that program and try again.";
}

std::string folderInTheWayReason(const std::string& file) {
    return "A folder has the name of the file\n" + shownName(file) +
           "\nRename or remove that folder.";
}

std::string forbiddenCharactersReason(const std::string& scriptName) {
    return "The name '" + shownName(scriptName) +
           "' is not allowed: a file name on Windows cannot hold ? * < > | \" or control "
           "characters, nor a : other than after a drive letter.";
}

std::string deviceNameReason(const std::string& scriptName, const std::string& device) {
    return "The name '" + shownName(scriptName) + "' is not allowed: " + device +
           " names a device on Windows, whatever its extension (so do CON, PRN, AUX, NUL, "
           "COM1 to COM9 and LPT1 to LPT9).";
}

std::string codePageRefusal(const std::string& written) {
    return "The script name holds characters that the Windows code page lacks: Windows would "
           "write the script as\n'" +
           shownName(written) + "'\nChoose a name without them.";
}

std::string commandComQuestion(bool blanksForRedirections, int keptCharacters,
                               const std::string& demoGets) {
    std::string text;
    if (blanksForRedirections)
        text +=
            "Windows 95, 98 and ME cannot pass | < > to the demo: the script writes them as "
            "blanks.\n";
    if (keptCharacters >= 0)
        text +=
            "Windows 95, 98 and ME read at most 127 characters of a script line: the script "
            "keeps the first " +
            std::to_string(keptCharacters) + " characters of the project name.\n";
    return text + "The demo will get the project name\n'" + demoGets + "'\nProceed?";
}

std::string lengthQuestion(int keptCharacters, const std::string& demoGets) {
    return "The demo takes at most 999 bytes of a project name: the script keeps its first " +
           std::to_string(keptCharacters) + " characters.\nThe demo will get the project name\n'" +
           demoGets + "'\nProceed?";
}

std::string codePagesQuestion(const std::string& demoGets) {
    return "Windows passes the project name to the demo in its code pages, which lack some of "
           "its characters: the demo gets others in their place.\nThe demo will get the "
           "project name\n'" +
           demoGets + "'\nProceed?";
}

std::string resultsPage() {
    const std::string site = product::kSiteAddress;
    std::string page =
        "<html><head><title>Solanthra - The OpenGL Demo</title><meta http-equiv=Content-Type "
        "content=text/html; charset=iso-8859-1>"
        "<STYLE type=text/css>A:link {TEXT-DECORATION: none; color:#888888}A:visited "
        "{TEXT-DECORATION: none; color:#888888}A:hover {TEXT-DECORATION: none; "
        "color=#ffffff}.h0 {FONT-FAMILY: Verdana; FONT-SIZE: 13px}.h1 {FONT-FAMILY: Verdana; "
        "FONT-SIZE: 9px}.h2 {FONT-FAMILY: Arial; FONT-SIZE: 18px}.h3 {FONT-FAMILY: Arial; "
        "FONT-SIZE: 10px;}.link {COLOR: #ff6633; CURSOR: hand; TEXT-DECORATION: none; "
        "FONT-WEIGTH: BOLD}</STYLE></head>"
        "<body bgcolor=#000000 background='img/back.jpg'><div align=left>"
        "<table width=870 border=0 cellspacing=0 cellpadding=0><tr>"
        "<td width=414><div align=left><img src='img/logo.gif' width=414 height=153></div></td>"
        "<td width=456 valign=bottom><div align=right><font color=#FFFFFF><span "
        "class=h2><b>SLMark Results Page</b></span><span class=h3><br>Refresh this page to view "
        "latest results<br><br></span></font>"
        "<table width=300 cellspacing=2 cellpadding=2>"
        "<tr bgcolor=#444444><td><div align=right><font color=white><span "
        "class=h0><b>Legend</b></span></font></div></td></tr>"
        "<tr bgcolor=#ffFF88><td><div align=right><span class=h1>FILL RATE "
        "Tests</span></div></td></tr>"
        "<tr bgcolor=#88FF88><td><div align=right><span class=h1>POLYGON COUNT "
        "Tests</span></div></td></tr>"
        "<tr bgcolor=#aaaaFF><td><div align=right><span class=h1>VRAM "
        "Tests</span></div></td></tr>"
        "<tr bgcolor=#FF9999><td><div align=right><span class=h1>CPU/FPU "
        "Tests</span></div></td></tr>"
        "</table></div></td></tr><tr><td colspan=2>&nbsp;</td></tr></table></div>"
        "<table width=870 border=0 cellspacing=0 cellpadding=0><tr>";
    for (int n = 1; n <= 12; ++n) {
        page += "<td><div align=center><font color=#FFFFFF><span class=h1>Scene " +
                std::to_string(n) + "</span></font></div></td>";
    }
    page += "</tr><tr>";
    for (int n = 1; n <= 12; ++n) {
        const std::string scene = std::to_string(n);
        page += "<td><div align=center><a href='" + site + "/shots.htm?" + scene +
                "'><img src='img/sc" + scene +
                "th.jpg' width=70 height=70 border=0></a></div></td>";
    }
    page += "</tr><tr>";
    page +=
        "</tr><tr><td colspan=12><hr size=1 color=white width=868></tr><tr><td colspan=6><div "
        "align=left><font color=#FFFFFF><span class=h2><a href='results.htm'>Click here to "
        "refresh this page</a></span></font></div></td><td colspan=6>";
    page += "<div align=right><font color=#FFFFFF><span class=h2><a href='" + site + "'>" +
            product::kSiteHost + "</a></span></font></div></td></tr></table>";
    page += "<!--end--></body></html>";
    return page;
}

std::string disclaimer() {
    return std::string(
               "THIS SOFTWARE IS PROVIDED AS IS WITHOUT WARRANTY OF ANY KIND, WHETHER EXPRESS OR "
               "IMPLIED, INCLUDING WARRANTIES OF MERCHANTABILITY AND FITNESS FOR A PARTICULAR "
               "PURPOSE WHICH ARE HEREBY DISCLAIMED. IN NO EVENT WILL THE AUTHOR BE LIABLE FOR "
               "ANY SPECIAL, INCIDENTAL, OR CONSEQUENTIAL DAMAGES RESULTING FROM POSSESSION, USE, "
               "OR MALFUNCTION OF THIS SOFTWARE PRODUCT.") +
           std::string(7, '\t') + std::string(8, ' ') +
           "If you plan to put this program on your web page or a CD-ROM of any sort, please "
           "let me know via email, I'm curious to see where it ends up :)" +
           std::string(7, '\t') + product::kContactEmail;
}

std::string tokenOf(const std::string& listEntry) {
    std::string token = listEntry.substr(0, listEntry.size() - 4);  // drops " bit"
    const std::string pixels = " pixels - ";
    const auto at = token.find(pixels);
    if (at != std::string::npos) token.replace(at, pixels.size(), "@");
    return token;
}

int grayLevelFor(int brightness) { return brightness * brightness / 384; }

namespace {
const char kSeparator[] = "echo\"\n\"\n";

std::string header(std::size_t testCount) {
    std::string text = std::string("@echo off\n") + kSeparator +
                       "echo  *******************\n"
                       "echo  * Solanthra v1.1a *\n"
                       "echo  *******************\n" +
                       kSeparator +
                       "echo  Automated Benchmark Script\n"
                       "echo  --------------------------\n" +
                       kSeparator + "echo  This script will run " + std::to_string(testCount) +
                       " benchmark tests at\n"
                       "echo  the following resolutions and bit depths:\n" +
                       kSeparator;
    return text;
}

std::string testBlock(const ScriptRun& run, std::size_t test) {
    const std::string& token = run.tokens[test];
    std::string text = std::string(kSeparator) +
                       "echo ----------------------------------\n"
                       "echo - STARTING TEST AT " +
                       token +
                       "...\n"
                       "echo ----------------------------------\n" +
                       kSeparator;
    if (!run.automatic) text += "pause\n";
    text += "start /w rumo1.1a.exe " + demoArguments(run, test) + "\n";
    return text;
}

std::string closing(const ScriptRun& run) {
    std::string text = std::string(kSeparator) + "echo  SHOWING ALL RESULTS...\n" + kSeparator;
    if (!run.resultsAfterEach) {
        if (!run.automatic) text += "pause\n";
        text += "explorer results.htm";
    }
    const std::string site = product::kSiteAddress;
    text += std::string("\n") + kSeparator +
            "echo  *************\n"
            "echo  * ALL DONE! *\n"
            "echo  *************\n" +
            kSeparator + "echo  Thank you for using Solanthra" +
            "\necho  -----------------------------" +
            "\necho  - Visit Solanthra official site at: " + site +
            "\necho  - Upload and compare your results at: " + site + "/slmark" +
            "\necho  - Contact the author at: " + product::kContactEmail + "\necho\"\n\"";
    return text;
}

std::string withCrLf(const std::string& text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}
}  // namespace

std::string demoArguments(const ScriptRun& run, std::size_t test) {
    const std::size_t count = run.tokens.size();
    const char* role = count == 1 ? "-b" : test == 0 ? "-i" : test + 1 == count ? "-f" : "-n";
    std::string scenes;
    for (int scene : run.scenes) scenes += (scenes.empty() ? "" : ",") + std::to_string(scene);
    const std::string& token = run.tokens[test];
    return std::string(role) + " -r " + token + " -f " + (run.fullscreen ? "1" : "0") + " -g " +
           std::to_string(run.brightness) + " -s " + scenes + " -d " +
           (run.resultsAfterEach ? "1" : "0") + " -n " + run.projectName + "-" + token;
}

std::string script(const ScriptRun& run) {
    std::string text = header(run.tokens.size());
    for (const std::string& token : run.tokens) text += "echo      * " + token + "\n";
    text += std::string(kSeparator) + "echo  Press CTRL+C at any time to stop the process.\n" +
            kSeparator;
    for (std::size_t test = 0; test < run.tokens.size(); ++test) text += testBlock(run, test);
    text += closing(run);
    return withCrLf(text);
}

}  // namespace expected
