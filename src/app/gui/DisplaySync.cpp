#include "app/gui/DisplaySync.h"

#include "app/gui/MainState.h"
#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "ui_MainWindow.h"

#include <QSignalBlocker>

namespace orvane {

namespace {

// The program's texts end lines with CR LF; the text boxes want plain line feeds.
QString forTextBox(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void showText(QPlainTextEdit& box, const QString& text, QString& shown, bool force) {
    if (!force && text == shown)
        return;
    shown = text;
    box.setPlainText(forTextBox(text));
}

void setQuietly(QSlider& slider, int value) {
    const QSignalBlocker quiet(&slider);
    slider.setValue(value);
}

} // namespace

DisplaySync::DisplaySync(MainState& state, MainWindow& window) : state_(state), window_(window) {}

void DisplaySync::takeBoxImages() {
    const MainControls& controls = window_.controls();
    state_.displays.zoneBars = controls.zoneBars->image();
    state_.displays.speedGauge = controls.speedGauge->image();
    state_.displays.devicePixelRatio = controls.liveView->devicePixelRatioF();
}

void DisplaySync::show() {
    showPictures();
    showCircle();
    showTexts();
}

void DisplaySync::showPictures() {
    const MainControls& controls = window_.controls();
    LiveDisplays& d = state_.displays;
    if (!d.liveView.isNull())
        controls.liveView->setImage(d.liveView);
    if (!d.zoneBars.isNull())
        controls.zoneBars->setImage(d.zoneBars);
    if (!d.speedGauge.isNull())
        controls.speedGauge->setImage(d.speedGauge);
    controls.averagingFrame->setTitle(d.averagingCaption);
    if (d.averagingSliderPosition) {
        setQuietly(*controls.averagingSlider, *d.averagingSliderPosition);
        d.averagingSliderPosition.reset();
    }
}

void DisplaySync::showCircle() {
    const MainControls& controls = window_.controls();
    setQuietly(*controls.mirrorX, state_.circle.x);
    setQuietly(*controls.mirrorY, state_.circle.y);
    setQuietly(*controls.mirrorRadius, state_.circle.radius);
}

void DisplaySync::showTexts() {
    const MainControls& controls = window_.controls();
    showText(*controls.debugLog, state_.outputs.debugLog, shownText1_, !textsShown_);
    showText(*controls.readingsTable, state_.outputs.readingsTable, shownText2_, !textsShown_);
    textsShown_ = true;
}

} // namespace orvane
