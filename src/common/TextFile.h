// Files with the Windows C runtime's text-mode rules, done by hand over binary
// streams so that every build reads and writes the same bytes and every write
// error is seen.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Ports.h"

// Reading: CR LF arrives as LF, and a byte 26 ends the file.
class TextReader {
   public:
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next byte (0 to 255), or -1 once the end, a byte 26 or an error is reached.
    int get();
    void close();

   private:
    std::FILE* file_ = nullptr;
    bool ended_ = false;
    int pending_ = -1;  // a byte read ahead after a CR
};

// Writing: every LF is stored as CR LF. Bytes are gathered in a buffer of our
// own and reach the file in large blocks.
class TextWriter {
   public:
    explicit TextWriter(const std::string& path);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view text);
    // Bytes stored as they are: text without LF, or text already with CR LF.
    void writeVerbatim(std::string_view bytes);
    // Closes the file; true when the open, every write and the close succeeded.
    bool close();
    // Why the first of them that failed did, as the C runtime told it then.
    const WriteCause& failure() const { return failure_; }

   private:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    void put(std::string_view bytes);
    void flush();
    void noteFailure(bool atWrite);

    std::FILE* file_ = nullptr;
    bool failed_ = false;
    WriteCause failure_;
    std::unique_ptr<char[]> buffer_;
    std::size_t buffered_ = 0;
};

// The text with every LF as CR LF, as TextWriter stores it.
std::string withCrLf(std::string_view text);

// True when the file opens for reading (the existence probe of the program).
bool canOpenForReading(const std::string& path);
