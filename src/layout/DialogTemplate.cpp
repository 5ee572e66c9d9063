#include "layout/DialogTemplate.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kSetFont = 0x40;  // DS_SETFONT, which DS_SHELLFONT holds

// Reads a template's little-endian words; any read past the end spoils it.
class TemplateReader {
   public:
    TemplateReader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t at() const { return at_; }

    unsigned word() {
        if (at_ + 2 > size_) return fail();
        const unsigned value = bytes_[at_] | (unsigned(bytes_[at_ + 1]) << 8);
        at_ += 2;
        return value;
    }
    std::uint32_t dword() {
        const std::uint32_t low = word();
        return low | (std::uint32_t(word()) << 16);
    }
    int coordinate() { return static_cast<std::int16_t>(word()); }
    unsigned byte() {
        if (at_ + 1 > size_) return fail();
        return bytes_[at_++];
    }
    TemplateRect rect() {
        TemplateRect r;
        r.x = coordinate();
        r.y = coordinate();
        r.cx = coordinate();
        r.cy = coordinate();
        return r;
    }
    // A zero-ended UTF-16 string, kept (when asked) in its characters below 0x80
    // and as much as the room holds, with its zero.
    void text(char* kept = nullptr, std::size_t room = 0) {
        std::size_t length = 0;
        while (ok_) {
            const unsigned c = word();
            if (c == 0) break;
            if (length + 1 < room) kept[length++] = c < 0x80 ? static_cast<char>(c) : '?';
        }
        if (room > 0) kept[length] = '\0';
    }
    // A class, menu or title: nothing (0), an ordinal (0xFFFF and a word) or a string.
    void nameOrOrdinal() {
        const std::size_t start = at_;
        const unsigned first = word();
        if (first == 0xFFFF) {
            word();
        } else if (first != 0) {
            at_ = start;
            text();
        }
    }
    void skip(std::size_t count) {
        if (at_ + count > size_) fail();
        at_ += count;
    }
    void alignToDword() { at_ = (at_ + 3) & ~std::size_t(3); }

   private:
    unsigned fail() {
        ok_ = false;
        at_ = size_;
        return 0;
    }

    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace

DialogTemplate readDialogTemplate(const unsigned char* bytes, std::size_t size) {
    DialogTemplate dialog;
    TemplateReader in(bytes, size);
    const bool extended = size >= 4 && in.word() == 1 && in.word() == 0xFFFF;
    std::uint32_t style = 0;
    if (extended) {
        in.skip(8);  // help id, extended style
        style = in.dword();
    } else {
        in = TemplateReader(bytes, size);
        style = in.dword();
        in.skip(4);  // extended style
    }
    const unsigned count = in.word();
    dialog.dialog = in.rect();
    in.nameOrOrdinal();  // menu
    in.nameOrOrdinal();  // class
    in.text();           // caption
    if ((style & kSetFont) != 0) {
        dialog.pointSizeOffset = in.at();
        dialog.pointSize = static_cast<int>(in.word());
        if (extended) {
            dialog.weight = static_cast<int>(in.word());
            dialog.italic = in.byte() != 0;
            in.byte();  // character set
        }
        in.text(dialog.faceName, sizeof dialog.faceName);
    }
    // Each control takes at least 24 bytes: a count beyond that is no template.
    if (count > size / 24) return dialog;
    dialog.controls = std::vector<TemplateRect>(count);
    for (TemplateRect& control : dialog.controls) {
        in.alignToDword();
        in.skip(extended ? 12 : 8);  // help id, extended style and style; or style and extended
        control = in.rect();
        in.skip(extended ? 4 : 2);  // id
        in.nameOrOrdinal();         // class
        in.nameOrOrdinal();         // title
        in.skip(in.word());         // creation data
    }
    dialog.valid = in.ok();
    return dialog;
}

int mulDiv(int a, int b, int c) {
    if (c <= 0) return -1;  // a layout divides by 4, 8, 72 or a DPI only
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product < 0 ? product - c / 2 : product + c / 2) / c);
}

BaseUnits baseUnitsOf(int alphabetWidth, int height) {
    return {(alphabetWidth / 26 + 1) / 2, height};
}

Box controlBox(const TemplateRect& rect, BaseUnits units) {
    const int left = mulDiv(rect.x, units.x, 4);
    const int top = mulDiv(rect.y, units.y, 8);
    return {left, top, left + mulDiv(rect.cx, units.x, 4), top + mulDiv(rect.cy, units.y, 8)};
}

Box mappedRect(const TemplateRect& rect, BaseUnits units) {
    return {mulDiv(rect.x, units.x, 4), mulDiv(rect.y, units.y, 8),
            mulDiv(rect.x + rect.cx, units.x, 4), mulDiv(rect.y + rect.cy, units.y, 8)};
}

Size clientSize(const DialogTemplate& dialog, BaseUnits units) {
    return {mulDiv(dialog.dialog.cx, units.x, 4), mulDiv(dialog.dialog.cy, units.y, 8)};
}

int fontHeightAt(int pointSize, int dpi) { return -mulDiv(pointSize, dpi, 72); }
