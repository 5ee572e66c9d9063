// The brightness slider and the gray swatch that follows it.
#include "common/FormatDecimal.h"
#include "dialog/ScriptGenDialog.h"
#include "display/Brightness.h"
#include "resource.h"

void ScriptGenDialog::setUpBrightnessSlider() {
    window_->trackbarSetRangeMin(IDC_BRIGHTNESS_SLIDER, 0, false);
    window_->trackbarSetRangeMax(IDC_BRIGHTNESS_SLIDER, 255, false);
    window_->trackbarSetPosition(IDC_BRIGHTNESS_SLIDER, settings_.brightness, true);
}

void ScriptGenDialog::showGrayLevel(int brightness) {
    const int gray = grayLevelFor(brightness);
    graySwatch_.setBackgroundColor(grayColorValue(gray));
    grayLevelText_ = formatDecimal(static_cast<unsigned long long>(gray));
}

void ScriptGenDialog::onHScroll(int requestCode, int thumbPosition) {
    // Line and page steps start from the stored brightness, never the slider.
    std::optional<int> brightness =
        brightnessAfterScroll(requestCode, settings_.brightness, thumbPosition);
    if (!brightness) return;
    settings_.brightness = *brightness;
    showGrayLevel(*brightness);
}
