#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/TextFile.h"
#include "fakes/FakeServices.h"

namespace fs = std::filesystem;

namespace {
std::vector<int> readAll(TextReader& reader) {
    std::vector<int> bytes;
    for (int byte = reader.get(); byte >= 0; byte = reader.get()) bytes.push_back(byte);
    return bytes;
}
}  // namespace

TEST(TextReader, DeliversBytesAsWindowsTextModeDoes) {
    struct Case {
        const char* what;
        std::string file;
        std::vector<int> delivered;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"CR LF becomes LF", "a\r\nb", {'a', '\n', 'b'}},
        {"lone CR stays", "a\rb", {'a', '\r', 'b'}},
        {"CR before CR LF stays", "\r\r\n", {'\r', '\n'}},
        {"CR at the very end stays", "a\r", {'a', '\r'}},
        {"LF alone stays", "\n\n", {'\n', '\n'}},
        {"byte 26 ends the file",
         std::string("ab\x1a"
                     "cd"),
         {'a', 'b'}},
        {"byte 26 after a CR ends the file",
         std::string("\r\x1a"
                     "x"),
         {'\r'}},
        {"byte 26 first delivers nothing",
         std::string("\x1a"
                     "abc"),
         {}},
        {"zero and high bytes are ordinary", std::string("\0\xff\x80x", 4), {0, 255, 128, 'x'}},
    };
    ScratchDirectory dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("in.txt");
        writeBytes(path, c.file);
        TextReader reader(path);
        ASSERT_TRUE(reader.isOpen());
        EXPECT_EQ(readAll(reader), c.delivered);
        EXPECT_EQ(reader.get(), -1) << "the end stays the end";
    }
}

TEST(TextReader, MissingFileIsNotOpenAndDeliversNothing) {
    ScratchDirectory dir;
    TextReader reader(dir.file("absent.cfg"));
    EXPECT_FALSE(reader.isOpen());
    EXPECT_EQ(reader.get(), -1);
}

TEST(TextReader, DeliversNothingAfterClose) {
    ScratchDirectory dir;
    writeBytes(dir.file("in.txt"), "abc");
    TextReader reader(dir.file("in.txt"));
    EXPECT_EQ(reader.get(), 'a');
    reader.close();
    EXPECT_FALSE(reader.isOpen());
    EXPECT_EQ(reader.get(), -1);
}

TEST(TextWriter, StoresEveryLineFeedAsCarriageReturnLineFeed) {
    struct Case {
        std::vector<std::string> writes;
        std::string stored;
    };
    const Case cases[] = {
        {{}, ""},
        {{"plain"}, "plain"},
        {{"a\nb\n\nc"}, "a\r\nb\r\n\r\nc"},
        {{"\n"}, "\r\n"},
        {{"end\n"}, "end\r\n"},
        {{"already\r\n"}, "already\r\r\n"},  // as the C runtime's text mode does
        {{"one\n", "", "two"}, "one\r\ntwo"},
        {{std::string("z\0z", 3)}, std::string("z\0z", 3)},
    };
    ScratchDirectory dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::string path = dir.file("out.txt");
        TextWriter writer(path);
        ASSERT_TRUE(writer.isOpen());
        for (const std::string& text : c.writes) writer.write(text);
        EXPECT_TRUE(writer.close());
        EXPECT_EQ(readBytes(path), c.stored);
    }
}

TEST(TextWriter, TruncatesAnExistingFile) {
    ScratchDirectory dir;
    writeBytes(dir.file("out.txt"), "a much longer old content");
    TextWriter writer(dir.file("out.txt"));
    writer.write("new");
    EXPECT_TRUE(writer.close());
    EXPECT_EQ(readBytes(dir.file("out.txt")), "new");
}

TEST(TextWriter, FileInMissingDirectoryDoesNotOpenAndCloseReportsFailure) {
    ScratchDirectory dir;
    TextWriter writer(dir.file("missing/out.txt"));
    EXPECT_FALSE(writer.isOpen());
    writer.write("ignored\n");
    EXPECT_FALSE(writer.close());
    EXPECT_FALSE(writer.failure().atWrite);
    EXPECT_EQ(writer.failure().errnoValue, ENOENT);
#ifdef _WIN32
    EXPECT_EQ(writer.failure().systemError, 3u);  // the path was not found
#endif
}

#ifndef _WIN32
TEST(TextWriter, CloseReportsAWriteThatFailed) {
    TextWriter writer("/dev/full");
    ASSERT_TRUE(writer.isOpen());
    writer.write("no room\n");
    EXPECT_FALSE(writer.close());
    EXPECT_TRUE(writer.failure().atWrite);
    EXPECT_EQ(writer.failure().errnoValue, ENOSPC);
}
#endif

TEST(CanOpenForReading, TellsWhetherTheFileOpens) {
    ScratchDirectory dir;
    writeBytes(dir.file("empty.htm"), "");
    EXPECT_TRUE(canOpenForReading(dir.file("empty.htm")));
    EXPECT_FALSE(canOpenForReading(dir.file("absent.htm")));
    EXPECT_FALSE(canOpenForReading(dir.file("missing/absent.htm")));
}

namespace {
TEST(TextReader, ADirectoryIsNoFileOnAnyBuild) {
    ScratchDirectory scratch;
    std::filesystem::create_directory(scratch.file("results.htm"));
    EXPECT_FALSE(canOpenForReading(scratch.file("results.htm")));
    EXPECT_FALSE(TextReader(scratch.file("results.htm")).isOpen());
}
}  // namespace
