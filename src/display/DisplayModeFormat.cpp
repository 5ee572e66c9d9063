#include "display/DisplayModeFormat.h"

#include "common/FormatDecimal.h"

namespace {
// The bounds were single-precision constants, so compare against exactly those values:
// this keeps 1340x1000 (ratio 1.34) and drops 1240x1000 (ratio 1.24).
constexpr double kLowestRatio = static_cast<double>(1.24f);
constexpr double kHighestRatio = static_cast<double>(1.34f);

constexpr char kEntryMiddle[] = " pixels - ";
constexpr char kEntrySuffix[] = " bit";
constexpr std::size_t kEntrySuffixLength = sizeof(kEntrySuffix) - 1;
}  // namespace

bool isUsableDisplayMode(const DisplayMode& mode) {
    if (mode.bitsPerPel != 16 && mode.bitsPerPel != 24 && mode.bitsPerPel != 32) return false;
    if (mode.height == 0) return false;
    const double ratio = static_cast<double>(mode.width) / static_cast<double>(mode.height);
    return ratio > kLowestRatio && ratio < kHighestRatio;
}

std::string displayModeEntryText(const DisplayMode& mode) {
    return formatDecimal(mode.width) + "x" + formatDecimal(mode.height) + kEntryMiddle +
           formatDecimal(mode.bitsPerPel) + kEntrySuffix;
}

std::string toResolutionToken(const std::string& entryText) {
    const std::string trimmed = entryText.size() > kEntrySuffixLength
                                    ? entryText.substr(0, entryText.size() - kEntrySuffixLength)
                                    : std::string();
    const std::string middle = kEntryMiddle;
    std::string token;
    std::size_t start = 0;
    for (std::size_t hit = trimmed.find(middle); hit != std::string::npos;
         hit = trimmed.find(middle, start)) {
        token.append(trimmed, start, hit - start).append("@");
        start = hit + middle.size();
    }
    return token.append(trimmed, start, std::string::npos);
}
