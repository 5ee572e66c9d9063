#include "fakes/FakeServices.h"

#include <fstream>
#include <iterator>
#include <random>

ScratchDirectory::ScratchDirectory() : previous_(std::filesystem::current_path()) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("scriptgen-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    std::filesystem::remove_all(path_, error);
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScratchDirectory::write(const std::string& name, const std::string& bytes) const {
    writeBytes(file(name), bytes);
}

std::string ScratchDirectory::read(const std::string& name) const { return readBytes(file(name)); }

bool ScratchDirectory::exists(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}
