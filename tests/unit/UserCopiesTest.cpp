// Which of the folder's file and the user's VirtualStore copy the program
// reads, shows and clears.
#include <gtest/gtest.h>

#include "app/UserCopies.h"
#include "fakes/FakeCodePages.h"
#include "fakes/FakeServices.h"

namespace {
const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kStore = kLocal + "\\VirtualStore";
const std::string kCopy = kStore + "\\Program Files (x86)\\Solanthra\\results.htm";
const std::string kLongFolder = "C:\\Program Files (x86)\\Solanthra";
const std::string kInFolder = "\\Program Files (x86)\\Solanthra\\results.htm";
}  // namespace

TEST(UserCopies, TheNewerFileIsReadAndShownAndEveryCopyCleared) {
    struct Case {
        const char* what;
        std::optional<std::string> localAppData;
        std::string folder;
        std::optional<FileTime> folderWritten;
        std::string copy;
        std::optional<FileTime> copyWritten;
        bool copyIsLatest;
        bool copyCleared;
        std::string drive = "C:";
        // By the user's own copy to the one it started as administrator.
        std::optional<std::string> handedOn = std::nullopt;
        std::string junction = "";
        // This account's, where %LOCALAPPDATA% has no form in the code page.
        std::string profile = "C:\\Users\\me", localText = "";
    };
    // A store folder handed on, with the copy in it, taken or ignored.
    const auto handed = [](const char* what, const std::string& folder, bool taken,
                           const std::string& junction = "") {
        return Case{what,  kLocal, kLongFolder, 100,     folder + kInFolder, 101, taken,
                    taken, "C:",   folder,      junction};
    };
    const std::string kBob = "C:\\Users\\bob\\AppData\\Local\\VirtualStore";
    const Case cases[] = {
        {"no copy", kLocal, kLongFolder, 100, kCopy, std::nullopt, false, false},
        {"older copy", kLocal, kLongFolder, 100, kCopy, 99, false, true},
        {"newer copy", kLocal, kLongFolder, 100, kCopy, 101, true, true},
        {"equal times", kLocal, kLongFolder, 100, kCopy, 100, false, true},
        {"only the copy", kLocal, kLongFolder, std::nullopt, kCopy, 1, true, true},
        {"no LOCALAPPDATA", std::nullopt, kLongFolder, 100, kCopy, 101, false, false},
        {"short path", kLocal, "C:\\PROGRA~2\\SOLANT~1", 100, kCopy, 101, true, true},
        {"drive in lower case", kLocal, "c:\\Program Files (x86)\\Solanthra", 100,
         kStore + "\\Program Files (x86)\\Solanthra\\results.htm", 101, true, true},
        {"root of the drive", kLocal, "C:\\", 100, kStore + "\\results.htm", 101, true, true},
        {"another drive", kLocal, "D:\\Program Files (x86)\\Solanthra", 100, kCopy, 101, false,
         false},
        {"network folder", kLocal, "\\\\server\\games\\Solanthra", 100,
         kStore + "\\server\\games\\Solanthra\\results.htm", 101, false, false},
        {"system drive Z:", kLocal, "z:\\Games\\Solanthra", 100,
         kStore + "\\Games\\Solanthra\\results.htm", 101, true, true, "Z:"},
        handed("handed on by the same account", kStore, true),
        handed("handed on by another account", kBob, true),
        handed("handed on, not a store", "C:\\Users\\bob\\AppData\\Local\\Temp", false),
        handed("handed on, ..", "C:\\Users\\..\\AppData\\Local\\VirtualStore", false),
        handed("handed on, empty part", "C:\\Users\\\\AppData\\Local\\VirtualStore", false),
        handed("handed on, wildcard", "C:\\Users\\b?b\\AppData\\Local\\VirtualStore", false),
        handed("handed on, not a profile", "C:\\Windows\\bob\\AppData\\Local\\VirtualStore", false),
        handed("handed on, deeper", "C:\\Users\\bob\\AppData\\Local\\x\\VirtualStore", false),
        {"handed on, off the system drive", kLocal, "D:\\Program Files (x86)\\Solanthra", 100,
         kBob + kInFolder, 101, false, false, "D:", kBob},
        {"handed on, LOCALAPPDATA not in the profile", "C:\\Data\\me\\Local", kLongFolder, 100,
         "C:\\Data\\bob\\Local\\VirtualStore" + kInFolder, 101, false, false,
         "C:", "C:\\Data\\bob\\Local\\VirtualStore"},
        // 8F 5C: a character whose second byte alone reads as a backslash
        handed("handed on, Japanese name", "C:\\Users\\\x8F\\\\AppData\\Local\\VirtualStore", true),
        handed("handed on, All Users", "C:\\Users\\All Users\\AppData\\Local\\VirtualStore", false),
        handed("handed on, Public", "C:\\Users\\PUBLIC\\AppData\\Local\\VirtualStore", false),
        handed("handed on, Default", "C:\\Users\\default\\AppData\\Local\\VirtualStore", false),
        handed("handed on, Default User", "C:\\Users\\Default User\\AppData\\Local\\VirtualStore",
               false),
        handed("handed on, through a junction", kBob, false, "C:\\Users\\bob\\AppData"),
        handed("handed on, a junction below it", kBob, false, kBob + "\\Program Files (x86)"),
        {"handed on, LOCALAPPDATA outside the code page", std::nullopt, kLongFolder, 100,
         kBob + kInFolder, 101, true, true, "C:", kBob, "", "C:\\Users\\?ukasz",
         "C:\\Users\\?ukasz\\AppData\\Local"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeVirtualStore files;
        files.appData = c.localAppData;
        files.appDataText = c.localText;
        files.profile = c.profile;
        files.reparsePoints = {c.junction};
        files.drive = c.drive;
        files.folder = c.folder;
        files.longForms["C:\\PROGRA~2\\SOLANT~1"] = kLongFolder;
        if (c.folderWritten) files.times["results.htm"] = *c.folderWritten;
        if (c.copyWritten) files.times[c.copy] = *c.copyWritten;
        // ASCII paths read alike in every code page; this one's second bytes may be a backslash.
        const std::optional<std::string> store =
            userStoreFolder(files, FakeCodePages::japanese(), c.handedOn);
        EXPECT_EQ(latestCopyOf(files, store, "results.htm"),
                  c.copyIsLatest ? c.copy : "results.htm");
        const std::vector<std::string> cleared =
            c.copyCleared ? std::vector<std::string>{"results.htm", c.copy}
                          : std::vector<std::string>{"results.htm"};
        EXPECT_EQ(everyCopyOf(files, store, "results.htm"), cleared);
    }
}
