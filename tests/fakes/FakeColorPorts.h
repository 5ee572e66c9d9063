// A list box window and a GDI in memory for the colour list box: they record
// what the control asks for and count the GDI objects it leaves alive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/ColorPorts.h"

// Kept by the test, since the control owns the window port itself.
struct FakeColorWindowState {
    bool exists = true;
    bool timersFail = false;
    int erasingInvalidations = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> timersSet;  // event id, interval
    std::vector<std::uint32_t> timersKilled;
    std::set<std::uint32_t> runningTimers;
};

class FakeColorWindow : public ColorControlWindow {
   public:
    explicit FakeColorWindow(std::shared_ptr<FakeColorWindowState> state)
        : state_(std::move(state)) {}

    bool exists() const override { return state_->exists; }
    void invalidateWithErase() override { ++state_->erasingInvalidations; }
    std::uint32_t setTimer(std::uint32_t eventId, std::uint32_t intervalMs) override {
        state_->timersSet.emplace_back(eventId, intervalMs);
        if (state_->timersFail) return 0;
        state_->runningTimers.insert(eventId);
        return eventId;  // a window timer's id is the event id it was given
    }
    void killTimer(std::uint32_t eventId) override {
        state_->timersKilled.push_back(eventId);
        state_->runningTimers.erase(eventId);
    }

   private:
    std::shared_ptr<FakeColorWindowState> state_;
};

class FakeColorGdi : public ColorGdi {
   public:
    struct DeviceContext {
        std::optional<BackgroundMode> mode;
        std::optional<ColorRef> text;
        std::optional<ColorRef> background;
    };
    struct Brush {
        bool pattern = false;
        ColorRef color = 0;    // of a solid brush
        GdiHandle bitmap = 0;  // of a pattern brush
    };

    // A system colour unlike any RGB value the tests use, unless overridden.
    static ColorRef defaultSysColor(int index) {
        return 0x00C00000u | static_cast<ColorRef>(index);
    }
    // The colour the fake device shows for c: always a different one, so mapping shows.
    static ColorRef nearestOf(ColorRef color) { return color ^ 0x00010101u; }

    std::map<int, ColorRef> sysColors;  // overrides of defaultSysColor
    std::map<GdiHandle, DeviceContext> deviceContexts;
    std::map<GdiHandle, Brush> liveBrushes;
    std::set<GdiHandle> liveBitmaps;
    std::vector<GdiHandle> deleted;
    std::size_t mostLiveBrushes = 0;
    std::vector<std::string> calls;  // names of the calls, in order
    bool brushesFail = false;

    GdiHandle newBitmap() {
        GdiHandle bitmap = nextHandle_++;
        liveBitmaps.insert(bitmap);
        return bitmap;
    }

    ColorRef sysColor(int index) override {
        calls.push_back("sysColor");
        auto found = sysColors.find(index);
        return found != sysColors.end() ? found->second : defaultSysColor(index);
    }
    ColorRef nearestColor(GdiHandle, ColorRef color) override {
        calls.push_back("nearestColor");
        return nearestOf(color);
    }
    void setBackgroundMode(GdiHandle dc, BackgroundMode mode) override {
        calls.push_back("setBackgroundMode");
        deviceContexts[dc].mode = mode;
    }
    void setTextColor(GdiHandle dc, ColorRef color) override {
        calls.push_back("setTextColor");
        deviceContexts[dc].text = color;
    }
    void setBackgroundColor(GdiHandle dc, ColorRef color) override {
        calls.push_back("setBackgroundColor");
        deviceContexts[dc].background = color;
    }
    GdiHandle createSolidBrush(ColorRef color) override {
        calls.push_back("createSolidBrush");
        return addBrush({false, color, 0});
    }
    GdiHandle createPatternBrush(GdiHandle bitmap) override {
        calls.push_back("createPatternBrush");
        return addBrush({true, 0, bitmap});
    }
    void deleteObject(GdiHandle object) override {
        calls.push_back("deleteObject");
        deleted.push_back(object);
        liveBrushes.erase(object);
        liveBitmaps.erase(object);
    }

   private:
    GdiHandle addBrush(const Brush& brush) {
        if (brushesFail) return 0;
        GdiHandle handle = nextHandle_++;
        liveBrushes[handle] = brush;
        if (liveBrushes.size() > mostLiveBrushes) mostLiveBrushes = liveBrushes.size();
        return handle;
    }

    GdiHandle nextHandle_ = 0x1000;
};
