#include "display/DisplayModeFormat.h"

#include <cstdint>

#include "common/FormatDecimal.h"

namespace {
// The bounds are the single-precision values nearest 1.24 and 1.34, 10401874 / 2^23
// (1.2400000095367432) and 11240735 / 2^23 (1.3400000333786011): this keeps 1340x1000
// (ratio 1.34) and drops 1240x1000 (ratio 1.24). The ratio is compared with them exactly, in
// integers: in floating point the answer would depend on the compiler, since on the x87 GCC 13
// and later keep 1.34f at long-double precision even through a cast to double, and the bound
// becomes 1.34 itself.
constexpr std::uint64_t kBoundDenominator = std::uint64_t{1} << 23;
constexpr std::uint64_t kLowestRatioNumerator = 10401874;
constexpr std::uint64_t kHighestRatioNumerator = 11240735;
constexpr float kLowestRatio = 1.24f;
constexpr float kHighestRatio = 1.34f;
static_assert(static_cast<double>(kLowestRatio) * kBoundDenominator == kLowestRatioNumerator);
static_assert(static_cast<double>(kHighestRatio) * kBoundDenominator == kHighestRatioNumerator);

constexpr char kEntryMiddle[] = " pixels - ";
constexpr char kEntrySuffix[] = " bit";
constexpr std::size_t kEntrySuffixLength = sizeof(kEntrySuffix) - 1;
}  // namespace

bool isUsableDisplayMode(const DisplayMode& mode) {
    if (mode.bitsPerPel != 16 && mode.bitsPerPel != 24 && mode.bitsPerPel != 32) return false;
    // width / height > n / 2^23 exactly when width * 2^23 > height * n (no height of 0 passes).
    const std::uint64_t scaledWidth = std::uint64_t{mode.width} * kBoundDenominator;
    return scaledWidth > mode.height * kLowestRatioNumerator &&
           scaledWidth < mode.height * kHighestRatioNumerator;
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
