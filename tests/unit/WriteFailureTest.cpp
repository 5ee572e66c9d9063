// A write that fails says why and what to do; a folder that takes no new files
// at start-up brings the offer to start again as administrator.
#include <gtest/gtest.h>

#include "app/AdministratorOffer.h"
#include "common/WriteFailureCause.h"
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
        bool canStart = true;        // Windows 2000 and later
        bool inProgramFiles = true;  // the platform's reading of the folder
    };
    const std::string file = kFile, folder = kFolder;
    const Cause causes[] = {
        {WriteFault::kAccessDenied, false,
         "Only administrators may change the folder\n" + folder +
             "\nStart the script generator as administrator, or install the demo in a folder "
             "of its own outside Program Files."},
        {WriteFault::kAccessDenied, true,
         "Only administrators may change the folder\n" + folder +
             "\nInstall the demo in a folder of its own outside Program Files."},
        {WriteFault::kAccessDenied, false,
         "Only administrators may change the folder\n" + folder +
             "\nInstall the demo in a folder of its own outside Program Files.",
         false},
        {WriteFault::kAccessDenied, false,
         "Your account may not change the folder\n" + folder +
             "\nStart the script generator as administrator, or ask the folder's owner to "
             "let you change it.",
         true, false},
        {WriteFault::kAccessDenied, true,
         "Your account may not change the folder\n" + folder +
             "\nAsk the folder's owner to let you change it, or install the demo in a folder "
             "that you may change.",
         true, false},
        {WriteFault::kHiddenFile, false,
         "The file\n" + file +
             "\nis hidden, and Windows lets no program replace a hidden file. Clear its "
             "Hidden attribute in its Properties, or choose another name."},
        {WriteFault::kSystemFile, false,
         "The file\n" + file +
             "\nis a system file, which Windows lets no program replace.\nClear its System "
             "attribute (attrib -s in a command prompt), or choose another name."},
        {WriteFault::kNetworkFolder, false,
         "The network folder\n" + folder +
             "\ntakes no files from you: its share does not allow it, and administrator "
             "rights do not change that. Ask the share's owner, or install the demo on a "
             "local disk."},
        {WriteFault::kWriteNotAllowed, false,
         "The folder\n" + folder +
             "\nor its drive does not allow writing. Copy the demo to a folder that does "
             "and start it there."},
        {WriteFault::kReadOnlyFile, false,
         "The file\n" + file + "\nis read-only. Clear its Read-only attribute in its Properties."},
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
            h.writeFailures.failure = {cause.fault, file, folder, "The device is not ready.",
                                       cause.inProgramFiles};
            h.rights.administrator = cause.administrator;
            h.rights.canStart = cause.canStart;
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

// The Windows error of the failing call, what stands at the path and where:
// the first cause that fits is the one told.
TEST(FailedWrite, TheFirstCauseThatFitsIsTold) {
    using W = WriteFault;
    const WriteCause denied{false, 13, winerror::kAccessDenied};
    const PathFacts none;
    PathFacts folder, readOnly, hidden, system, readOnlyHidden, cdRom, remote, hiddenRemote;
    folder.folder = folder.readOnly = true;
    readOnly.readOnly = readOnlyHidden.readOnly = true;
    hidden.hidden = readOnlyHidden.hidden = hiddenRemote.hidden = true;
    system.system = true;
    cdRom.drive = DriveKind::kCdRom;
    remote.drive = hiddenRemote.drive = DriveKind::kRemote;
    struct Row {
        const char* what;
        WriteFacts facts;
        WriteFault fault;
    };
    const Row rows[] = {
        {"denied", {denied, none, true}, W::kAccessDenied},
        {"a folder, read-only", {denied, folder, true}, W::kFolderInTheWay},
        {"read-only and hidden", {denied, readOnlyHidden, true}, W::kReadOnlyFile},
        {"hidden", {denied, hidden, true}, W::kHiddenFile},
        {"system", {denied, system, true}, W::kSystemFile},
        {"CD-ROM", {denied, cdRom, true}, W::kCdRom},
        {"network", {denied, remote, true}, W::kNetworkFolder},
        {"hidden on a network", {denied, hiddenRemote, true}, W::kHiddenFile},
        {"Windows 98", {denied, none, false}, W::kWriteNotAllowed},
        {"Windows 98, CD-ROM", {denied, cdRom, false}, W::kCdRom},
        {"write-protected", {{false, 13, winerror::kWriteProtect}, none, true}, W::kWriteProtected},
        {"sharing", {{false, 13, winerror::kSharingViolation}, remote, true}, W::kInUse},
        {"lock", {{true, 13, winerror::kLockViolation}, none, true}, W::kInUse},
        {"disk full", {{true, 28, winerror::kDiskFull}, none, true}, W::kDiskFull},
        {"handle disk full", {{true, 28, winerror::kHandleDiskFull}, none, true}, W::kDiskFull},
        // 95 to ME: a write that stored nothing, with no Windows error at all;
        // whatever error an earlier call left behind does not count.
        {"write without a Windows error", {{true, 28, 0}, hidden, false}, W::kDiskFull},
        {"open without a Windows error", {{false, 24, 0}, none, true}, W::kOther},
        {"not ready", {{false, 13, 21}, hidden, true}, W::kOther},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(classifyWriteFailure(row.facts), row.fault);
    }
    EXPECT_TRUE(pathFactsMatter(denied));
    EXPECT_FALSE(pathFactsMatter({true, 28, winerror::kDiskFull}));
    EXPECT_TRUE(probeShowsFolderTakesFiles(true, 0));
    EXPECT_TRUE(probeShowsFolderTakesFiles(false, winerror::kFileExists));
    EXPECT_FALSE(probeShowsFolderTakesFiles(false, winerror::kAccessDenied));
}

// Names that are no file on Windows are refused before anything is opened: an
// existing file of that name is neither asked about nor touched.
TEST(ScriptName, NamesThatAreNoFileAreRefusedBeforeAnythingOpens) {
    const std::string characters =
        "' is not allowed: a file name on Windows cannot hold ? * < > | \" or control "
        "characters, nor a : other than after a drive letter.";
    const std::string devices =
        " names a device on Windows, whatever its extension (so do CON, PRN, AUX, NUL, COM1 "
        "to COM9 and LPT1 to LPT9).";
    enum CodePage { k1252, k932, k1251 };
    struct Row {
        std::string typed;
        std::string refusal;  // empty: the script is written
        CodePage codePage = k1252;
        std::u16string unicode = u"";  // typed in the NT line's box, read as `typed`
    };
    const std::string longName = std::string(100, 'n') + "?";
    const Row rows[] = {
        {"NUL", "The name 'NUL.bat' is not allowed: NUL" + devices},
        {"aux.bat", "The name 'aux.bat' is not allowed: AUX" + devices},
        {"Con.txt", "The name 'Con.txt.bat' is not allowed: CON" + devices},
        {"sub\\lpt9 .bat", "The name 'sub\\lpt9 .bat' is not allowed: LPT9" + devices},
        {"com1", "The name 'com1.bat' is not allowed: COM1" + devices},
        {"a/nul.bat", "The name 'a/nul.bat' is not allowed: NUL" + devices},
        {"v1.1\\nul", "The name 'v1.1\\nul.bat' is not allowed: NUL" + devices},
        {"COM\xB9", "The name 'COM\xB9.bat' is not allowed: COM\xB9" + devices},  // superscript 1
        {"lpt\xB3.txt", "The name 'lpt\xB3.txt.bat' is not allowed: LPT\xB3" + devices},
        {"COM\xB9", "", k1251},  // No
        {"COM\xB9", "", k932},   // a one-byte katakana
        {"clock$.x", "The name 'clock$.x.bat' is not allowed: CLOCK$" + devices},
        {"1:x", "The name '1:x.bat" + characters},
        {"a?b", "The name 'a?b.bat" + characters},
        {"x|y", "The name 'x|y.bat" + characters},
        {"ab:c", "The name 'ab:c.bat" + characters},
        {"tab\there", "The name 'tab\there.bat" + characters},
        {"CONSOLE", ""},
        {"COM10", ""},
        {"LPT0", ""},
        {"nul-run", ""},
        {"\x83|\x83\\", "", k932},  // two-byte characters whose second bytes read | and backslash
        {"\x83|", "The name '\x83|.bat" + characters},  // the same bytes, but in code page 1252
        {longName, "The name '" + longName.substr(0, 30) + "\n...(45 characters left out)...\n" +
                       longName.substr(75) + ".bat" + characters},
        // Full-width ..\ becomes ..\ by best fit, ? in the fake: either way not the name typed.
        {"???fwup",
         "The script name holds characters that the Windows code page lacks: Windows would "
         "write the script as\n'???fwup.bat'\nChoose a name without them.",
         k1252, u"\uff0e\uff0e\uff3cfwup"},
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
        if (row.codePage != k1252 && !placeOldFiles) continue;
        DialogHarness h;
        if (row.codePage == k932) h.codePages = FakeCodePages::japanese();
        if (row.codePage == k1251) h.codePages = FakeCodePages::cyrillic();
        ASSERT_TRUE(h.start());
        const bool named = row.typed.size() > 4 && row.typed.substr(row.typed.size() - 4) == ".bat";
        const std::string file = named ? row.typed : row.typed + ".bat";
        const bool oldFile = placeOldFiles && !row.refusal.empty();
        if (oldFile) {
            std::filesystem::create_directories((h.installation.path() / file).parent_path());
            h.installation.write(file, "old");
        }
        if (row.unicode.empty()) {
            h.window.type(IDC_SCRIPT_NAME, row.typed);
        } else {
            h.window.type(IDC_SCRIPT_NAME, row.unicode, h.codePages);
        }
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
    enum Probe { kTakesFiles, kDenied, kCdRom, kNetwork };
    struct Row {
        const char* what;
        bool ntLine = true;
        Probe probe = kDenied;
        bool startedByOffer = false;
        bool canStart = true;
        bool administrator = false;
        int answer = msg::kYes;
        AdministratorStart::Outcome start = AdministratorStart::Outcome::kStarted;
        // What follows.
        int probes = 1;
        bool asked = true;
        bool ended = true;
        std::optional<std::string> localAppData = std::nullopt;
        bool userAccountControl = true;  // Vista on; 2000 and XP have Run As
        bool inProgramFiles = true;
    };
    constexpr auto kStarted = AdministratorStart::Outcome::kStarted;
    const Row rows[] = {
        {"denied, not administrator, Yes"},
        {"No", true, kDenied, false, true, false, msg::kNo, kStarted, 1, true, false},
        {"prompt declined", true, kDenied, false, true, false, msg::kYes,
         AdministratorStart::Outcome::kDeclined, 1, true, false},
        {"start failed", true, kDenied, false, true, false, msg::kYes,
         AdministratorStart::Outcome::kFailed, 1, true, false},
        {"folder takes files", true, kTakesFiles, false, true, false, msg::kYes, kStarted, 1, false,
         false},
        {"CD-ROM", true, kCdRom, false, true, false, msg::kYes, kStarted, 1, false, false},
        {"network folder", true, kNetwork, false, true, false, msg::kYes, kStarted, 1, false,
         false},
        {"started by the offer", true, kDenied, true, true, false, msg::kYes, kStarted, 1, false,
         false},
        {"already administrator", true, kDenied, false, true, true, msg::kYes, kStarted, 1, false,
         false},
        {"NT 4.0", true, kDenied, false, false, false, msg::kYes, kStarted, 1, false, false},
        {"Windows 9x", false, kDenied, false, false, false, msg::kYes, kStarted, 0, false, false},
        {"the user's store handed on", true, kDenied, false, true, false, msg::kYes, kStarted, 1,
         true, true, "C:\\Users\\bob\\AppData\\Local"},
        {"2000 and XP", true, kDenied, false, true, false, msg::kNo, kStarted, 1, true, false,
         std::nullopt, false},
        {"outside Program Files", true, kDenied, false, true, false, msg::kNo, kStarted, 1, true,
         false, std::nullopt, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DialogHarness h(row.startedByOffer);
        h.rights.filePermissions = row.ntLine;
        h.rights.canStart = row.canStart;
        h.rights.administrator = row.administrator;
        h.rights.userAccountControl = row.userAccountControl;
        h.virtualStore.appData = row.localAppData;
        if (row.probe != kTakesFiles)
            h.writeFailures.probeFinds =
                WriteFailure{row.probe == kDenied  ? WriteFault::kAccessDenied
                             : row.probe == kCdRom ? WriteFault::kCdRom
                                                   : WriteFault::kNetworkFolder,
                             kFolder, kFolder, "", row.inProgramFiles};
        h.window.answers = {row.answer};
        h.window.administratorStart = {row.start, "The specified service does not exist."};

        EXPECT_EQ(h.start(), !row.ended);

        EXPECT_EQ(h.writeFailures.probes, row.probes);
        const std::vector<ShownMessage> question{
            {std::string(row.inProgramFiles ? "Only administrators may change the folder\n"
                                            : "Your account may not change the folder\n") +
                 kFolder +
                 "\nwhere the demo is installed, so the script generator cannot write its "
                 "scripts or the results page there.\n\nStart the script generator again as "
                 "administrator?\n" +
                 (row.userAccountControl
                      ? "Yes: Windows asks for your consent or an administrator's password, "
                        "then the script generator starts again with administrator rights.\n"
                        "No: it goes on without."
                      : "Yes: Windows asks for an administrator's account and password, then "
                        "the script generator starts again as that account.\nNo: it goes on "
                        "without."),
             "Solanthra v1.1a", 52}};
        std::vector<ShownMessage> told = row.asked ? question : std::vector<ShownMessage>{};
        if (row.start == AdministratorStart::Outcome::kFailed)
            told.push_back(
                {"The script generator could not start again as administrator:\nThe "
                 "specified service does not exist.\n\nIt goes on without "
                 "administrator rights.",
                 "Solanthra v1.1a", 16});
        EXPECT_EQ(h.window.messages, told);
        const bool restarted = row.asked && row.answer == msg::kYes;
        const std::string handedOn =
            row.localAppData ? " \"" + *row.localAppData + "\\VirtualStore\"" : "";
        EXPECT_EQ(h.window.startedAsAdministrator,
                  restarted ? std::vector<std::string>{"/started-as-administrator" + handedOn}
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
    EXPECT_EQ(storeFolderHandedOn("/started-as-administrator \"C:\\A b\\VirtualStore\" x"),
              "C:\\A b\\VirtualStore");
    EXPECT_EQ(storeFolderHandedOn("\"C:\\VirtualStore\""), std::nullopt);
}
}  // namespace
