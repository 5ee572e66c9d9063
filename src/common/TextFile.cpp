#include "common/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int kCtrlZ = 26;

// The C library of Windows refuses to open a directory as a file; others open
// it and fail on the first read. Refuse everywhere, so every build agrees: a
// file that cannot give its first byte does not count as open.
std::FILE* openForReading(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    const int first = std::fgetc(file);
    if (first == EOF && std::ferror(file)) {
        std::fclose(file);
        return nullptr;
    }
    if (first == EOF)
        std::clearerr(file);
    else
        std::ungetc(first, file);
    return file;
}

// The C runtime's record of the call that just failed. On Windows _doserrno
// is that call's own Windows error, and 0 when the runtime failed without one
// (a write that stored nothing on a full disk of Windows 95 to ME); errno alone
// makes one EACCES of a dozen causes.
WriteCause causeOfFailure(bool atWrite) {
#ifdef _WIN32
    return {atWrite, errno, static_cast<unsigned long>(_doserrno)};
#else
    return {atWrite, errno, 0};
#endif
}

std::FILE* openForWriting(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    // The writer buffers by itself; a second buffer would only copy again.
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}
}  // namespace

TextReader::TextReader(const std::string& path) : file_(openForReading(path)) {}

TextReader::~TextReader() { close(); }

int TextReader::get() {
    if (!file_ || ended_) return -1;
    int c = pending_ >= 0 ? pending_ : std::fgetc(file_);
    pending_ = -1;
    if (c == '\r') {
        int next = std::fgetc(file_);
        if (next == '\n') return '\n';
        pending_ = next;  // a lone CR stays a CR; EOF in next ends the file later
        if (pending_ == EOF) pending_ = -1, ended_ = true;
        return '\r';
    }
    if (c == EOF || c == kCtrlZ) {
        ended_ = true;
        return -1;
    }
    return c;
}

void TextReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

TextWriter::TextWriter(const std::string& path)
    : file_(openForWriting(path)), buffer_(file_ ? new char[kBufferSize] : nullptr) {
    if (!file_) failure_ = causeOfFailure(false);
}

TextWriter::~TextWriter() { close(); }

void TextWriter::write(std::string_view text) {
    if (!file_) return;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        put(text.substr(0, lf));
        if (lf == std::string_view::npos) break;
        put("\r\n");
        text.remove_prefix(lf + 1);
    }
}

void TextWriter::writeVerbatim(std::string_view bytes) {
    if (file_) put(bytes);
}

void TextWriter::put(std::string_view bytes) {
    if (bytes.size() <= kBufferSize - buffered_) {  // the usual case: it fits
        std::memcpy(buffer_.get() + buffered_, bytes.data(), bytes.size());
        buffered_ += bytes.size();
        return;
    }
    while (!bytes.empty()) {
        if (buffered_ == kBufferSize) flush();
        const std::size_t count = std::min(bytes.size(), kBufferSize - buffered_);
        std::memcpy(buffer_.get() + buffered_, bytes.data(), count);
        buffered_ += count;
        bytes.remove_prefix(count);
    }
}

void TextWriter::flush() {
    if (buffered_ > 0 && std::fwrite(buffer_.get(), 1, buffered_, file_) != buffered_)
        noteFailure(true);
    buffered_ = 0;
}

void TextWriter::noteFailure(bool atWrite) {
    if (!failed_) failure_ = causeOfFailure(atWrite);
    failed_ = true;
}

bool TextWriter::close() {
    if (!file_) return false;
    flush();
    if (std::ferror(file_)) noteFailure(true);
    if (std::fclose(file_) != 0) noteFailure(true);
    file_ = nullptr;
    return !failed_;
}

std::string withCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

bool canOpenForReading(const std::string& path) {
    std::FILE* f = openForReading(path);
    if (!f) return false;
    std::fclose(f);
    return true;
}
