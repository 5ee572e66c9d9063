// Which of the folder's file and the user's VirtualStore copy the program
// reads, shows and clears.
#include <gtest/gtest.h>

#include "app/UserCopies.h"
#include "fakes/FakeServices.h"

namespace {
const std::string kLocal = "C:\\Users\\me\\AppData\\Local";
const std::string kStore = kLocal + "\\VirtualStore";
const std::string kCopy = kStore + "\\Program Files (x86)\\Solanthra\\results.htm";
const std::string kLongFolder = "C:\\Program Files (x86)\\Solanthra";
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
    };
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeVirtualStore files;
        files.appData = c.localAppData;
        files.drive = c.drive;
        files.folder = c.folder;
        files.longForms["C:\\PROGRA~2\\SOLANT~1"] = kLongFolder;
        if (c.folderWritten) files.times["results.htm"] = *c.folderWritten;
        if (c.copyWritten) files.times[c.copy] = *c.copyWritten;
        EXPECT_EQ(latestCopyOf(files, "results.htm"), c.copyIsLatest ? c.copy : "results.htm");
        const std::vector<std::string> cleared =
            c.copyCleared ? std::vector<std::string>{"results.htm", c.copy}
                          : std::vector<std::string>{"results.htm"};
        EXPECT_EQ(everyCopyOf(files, "results.htm"), cleared);
    }
}
