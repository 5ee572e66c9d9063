// A write that fails says why and what to do; a folder that takes no new files
// at start-up brings the offer to start again as administrator.
#include <gtest/gtest.h>

#include "app/AdministratorOffer.h"
#include "fakes/DialogHarness.h"
#include "platform/Notifications.h"
#include "resource.h"
#include "results/ResultsPage.h"
#include "script/ScriptFileName.h"

namespace {
const char kScriptFirstLine[] = "Couldn't write to file.";
const char kPageFirstLine[] = "Can't open HTML file for writing.";
const char kFile[] = "C:\\Program Files\\Solanthra\\SLscript.bat";
const char kFolder[] = "C:\\Program Files\\Solanthra";

// Each write the program makes, failing for whatever cause the fake reports.
struct FailingWrite {
    const char* what;
    const char* firstLine;
    void (*run)(DialogHarness& h);
};
const FailingWrite kWrites[] = {
    {"Generate script", kScriptFirstLine,
     [](DialogHarness& h) {
         h.window.type(IDC_SCRIPT_NAME, "missing/run.bat");
         h.window.click(IDC_GENERATE_SCRIPT);
     }},
    {"Generate and run", kScriptFirstLine,
     [](DialogHarness& h) {
         h.window.type(IDC_SCRIPT_NAME, "missing/run.bat");
         h.window.click(command::kOk);
     }},
    {"Clear Results", kPageFirstLine,
     [](DialogHarness& h) {
         std::filesystem::remove(h.installation.path() / "results.htm");
         std::filesystem::create_directory(h.installation.path() / "results.htm");
         h.window.answers = {msg::kYes};
         h.window.click(IDC_CLEAR_RESULTS);
     }},
};

TEST(FailedWrite, EachCauseSaysWhyOnEveryWrite) {
    struct Cause {
        WriteFault fault;
        bool administrator;
        std::string reason;
    };
    const std::string file = kFile, folder = kFolder;
    const Cause causes[] = {
        {WriteFault::kAccessDenied, false,
         "Only administrators may change the folder\n" + folder +
             "\nStart the script generator as administrator, or install\nthe demo in a folder "
             "of its own outside Program Files."},
        {WriteFault::kAccessDenied, true,
         "Only administrators may change the folder\n" + folder +
             "\nInstall the demo in a folder of its own outside\nProgram Files."},
        {WriteFault::kReadOnlyFile, false,
         "The file\n" + file +
             "\nis read-only. Its Read-only attribute can be removed\nin its Properties."},
        {WriteFault::kFolderInTheWay, false,
         "A folder has the name of the file\n" + file + "\nRename or remove that folder."},
        {WriteFault::kCdRom, false,
         "The folder\n" + folder +
             "\nis on a CD-ROM, which takes no files.\nCopy the demo to a hard disk and start "
             "it there."},
        {WriteFault::kWriteProtected, false,
         "The folder\n" + folder +
             "\nis on a write-protected disk.\nCopy the demo to a hard disk and start it there."},
        {WriteFault::kInUse, false,
         "Another program has the file\n" + file +
             "\nopen: the demo, or a browser showing it.\nClose that program and try again."},
        {WriteFault::kDiskFull, false,
         "The disk that holds the folder\n" + folder + "\nis full. Make room on it and try again."},
        {WriteFault::kOther, false, file + "\nThe device is not ready."},
    };
    for (const FailingWrite& write : kWrites) {
        for (const Cause& cause : causes) {
            SCOPED_TRACE(std::string(write.what) + ": " + cause.reason);
            DialogHarness h;
            ASSERT_TRUE(h.start());
            h.writeFailures.failure = {cause.fault, file, folder, "The device is not ready."};
            h.rights.administrator = cause.administrator;
            write.run(h);
            const ShownMessage told{std::string(write.firstLine) + "\n\n" + cause.reason,
                                    "Solanthra v1.1a", 16};
            ASSERT_FALSE(h.window.messages.empty());
            EXPECT_EQ(h.window.messages.back(), told);
            EXPECT_TRUE(h.launcher.started.empty());
        }
    }
}

TEST(FailedWrite, AMissingPageThatCannotBeCreatedAtStartUpSaysWhy) {
    DialogHarness h;
    std::filesystem::create_directory(h.installation.path() / "results.htm");
    h.writeFailures.failure = {WriteFault::kFolderInTheWay, kFile, kFolder, ""};
    ASSERT_TRUE(h.start());
    ASSERT_EQ(h.window.messages.size(), 1u);
    EXPECT_EQ(h.window.messages[0].text, std::string(kPageFirstLine) +
                                             "\n\nA folder has the name of the file\n" + kFile +
                                             "\nRename or remove that folder.");
    EXPECT_EQ(h.writeFailures.asked, std::vector<std::string>{"results.htm"});
}

// Names that are no file on Windows are refused before anything is opened: an
// existing file of that name is neither asked about nor touched.
TEST(ScriptName, NamesThatAreNoFileAreRefusedBeforeAnythingOpens) {
    const std::string characters =
        "' is not allowed: a file name on\nWindows cannot hold ? * < > | \" or control "
        "characters,\nnor a : other than after a drive letter.";
    const std::string devices =
        " names a device\non Windows, whatever its extension (so do CON, PRN,\nAUX, NUL, COM1 "
        "to COM9 and LPT1 to LPT9).";
    struct Row {
        std::string typed;
        std::string refusal;  // empty: the script is written
        bool japanese = false;
    };
    const Row rows[] = {
        {"NUL", "The name 'NUL.bat' is not allowed: NUL" + devices},
        {"aux.bat", "The name 'aux.bat' is not allowed: AUX" + devices},
        {"Con.txt", "The name 'Con.txt.bat' is not allowed: CON" + devices},
        {"sub\\lpt9 .bat", "The name 'sub\\lpt9 .bat' is not allowed: LPT9" + devices},
        {"com1", "The name 'com1.bat' is not allowed: COM1" + devices},
        {"a?b", "The name 'a?b.bat" + characters},
        {"x|y", "The name 'x|y.bat" + characters},
        {"ab:c", "The name 'ab:c.bat" + characters},
        {"tab\there", "The name 'tab\there.bat" + characters},
        {"CONSOLE", ""},
        {"COM10", ""},
        {"LPT0", ""},
        {"nul-run", ""},
        {"\x83|\x83\\", "", true},  // two-byte characters whose second bytes read | and backslash
        {"\x83|", "The name '\x83|.bat" + characters},  // the same bytes, but in code page 1252
    };
#ifdef _WIN32
    // On Windows these names are the devices themselves, and Wine's file
    // system reads the two-byte names in code page 1252.
    const bool placeOldFiles = false;
#else
    const bool placeOldFiles = true;
#endif
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        if (row.japanese && !placeOldFiles) continue;
        DialogHarness h;
        if (row.japanese) h.codePages = FakeCodePages::japanese();
        ASSERT_TRUE(h.start());
        const bool named = row.typed.size() > 4 && row.typed.substr(row.typed.size() - 4) == ".bat";
        const std::string file = named ? row.typed : row.typed + ".bat";
        const bool oldFile = placeOldFiles && !row.refusal.empty();
        if (oldFile) h.installation.write(file, "old");
        h.window.type(IDC_SCRIPT_NAME, row.typed);
        h.window.click(IDC_GENERATE_SCRIPT);
        ASSERT_EQ(h.window.messages.size(), 1u);
        if (row.refusal.empty()) {
            EXPECT_EQ(h.window.messages[0].text, "Script file saved\nsuccessfully.");
        } else {
            EXPECT_EQ(h.window.messages[0].text,
                      std::string(kScriptFirstLine) + "\n\n" + row.refusal);
            if (oldFile) {
                EXPECT_EQ(h.installation.read(file), "old");
            }
        }
    }
}

TEST(AdministratorOffer, AskedOnlyWhenStartingAgainCouldHelp) {
    enum Probe { kTakesFiles, kDenied, kCdRom };
    struct Row {
        const char* what;
        bool ntLine = true;
        Probe probe = kDenied;
        bool startedByOffer = false;
        bool canStart = true;
        bool administrator = false;
        int answer = msg::kYes;
        bool startSucceeds = true;
        // What follows.
        int probes = 1;
        bool asked = true;
        bool ended = true;
    };
    const Row rows[] = {
        {"denied, not administrator, Yes"},
        {"No", true, kDenied, false, true, false, msg::kNo, true, 1, true, false},
        {"prompt declined", true, kDenied, false, true, false, msg::kYes, false, 1, true, false},
        {"folder takes files", true, kTakesFiles, false, true, false, msg::kYes, true, 1, false,
         false},
        {"CD-ROM", true, kCdRom, false, true, false, msg::kYes, true, 1, false, false},
        {"started by the offer", true, kDenied, true, true, false, msg::kYes, true, 1, false,
         false},
        {"already administrator", true, kDenied, false, true, true, msg::kYes, true, 1, false,
         false},
        {"NT 4.0", true, kDenied, false, false, false, msg::kYes, true, 1, false, false},
        {"Windows 9x", false, kDenied, false, false, false, msg::kYes, true, 0, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DialogHarness h(row.startedByOffer);
        h.rights.filePermissions = row.ntLine;
        h.rights.canStart = row.canStart;
        h.rights.administrator = row.administrator;
        if (row.probe != kTakesFiles)
            h.writeFailures.probeFinds =
                WriteFailure{row.probe == kDenied ? WriteFault::kAccessDenied : WriteFault::kCdRom,
                             kFolder, kFolder, ""};
        h.window.answers = {row.answer};
        h.window.administratorStartSucceeds = row.startSucceeds;

        EXPECT_EQ(h.start(), !row.ended);

        EXPECT_EQ(h.writeFailures.probes, row.probes);
        const std::vector<ShownMessage> question{
            {std::string("Only administrators may change the folder\n") + kFolder +
                 "\nwhere the demo is installed, so the script generator\ncannot write its "
                 "scripts or the results page there.\n\nStart the script generator again as "
                 "administrator?\nYes: Windows asks for your permission, then it starts\nagain "
                 "with administrator rights. No: it goes on without.",
             "Solanthra v1.1a", 52}};
        EXPECT_EQ(h.window.messages, row.asked ? question : std::vector<ShownMessage>{});
        const bool restarted = row.asked && row.answer == msg::kYes;
        EXPECT_EQ(h.window.startedAsAdministrator,
                  restarted ? std::vector<std::string>{"/started-as-administrator"}
                            : std::vector<std::string>{});
        EXPECT_EQ(h.window.endResult.has_value(), row.ended);
        EXPECT_EQ(h.window.controls.empty(), row.ended);
    }
}

TEST(AdministratorOffer, TheMarkerCountsAsAWordOfItsOwn) {
    EXPECT_TRUE(startedByAdministratorOffer("/started-as-administrator"));
    EXPECT_TRUE(startedByAdministratorOffer("x /started-as-administrator\t"));
    EXPECT_FALSE(startedByAdministratorOffer(""));
    EXPECT_FALSE(startedByAdministratorOffer("/started-as-administrators"));
    EXPECT_FALSE(startedByAdministratorOffer("x/started-as-administrator"));
}
}  // namespace
