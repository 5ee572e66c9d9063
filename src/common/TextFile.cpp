#include "common/TextFile.h"

#include <filesystem>

namespace {
constexpr int kCtrlZ = 26;

// The C library of Windows refuses to open a directory as a file; others open
// it and fail on the first read. Refuse everywhere, so every build agrees.
std::FILE* openForReading(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return nullptr;
    return std::fopen(path.c_str(), "rb");
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

TextWriter::TextWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

TextWriter::~TextWriter() { close(); }

void TextWriter::write(std::string_view text) {
    if (!file_) return;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > start && std::fwrite(text.data() + start, 1, end - start, file_) != end - start)
            failed_ = true;
        if (lf == std::string_view::npos) break;
        if (std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
        start = lf + 1;
    }
}

bool TextWriter::close() {
    if (!file_) return false;
    if (std::fflush(file_) != 0 || std::ferror(file_)) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

bool canOpenForReading(const std::string& path) {
    std::FILE* f = openForReading(path);
    if (!f) return false;
    std::fclose(f);
    return true;
}
