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
    Ui::frmMain& ui = window_.ui();
    state_.displays.picture2 = ui.Picture2->image();
    state_.displays.picture3 = ui.Picture3->image();
}

void DisplaySync::show() {
    showPictures();
    showCircle();
    showTexts();
}

void DisplaySync::showPictures() {
    Ui::frmMain& ui = window_.ui();
    LiveDisplays& d = state_.displays;
    if (!d.picture1.isNull())
        ui.Picture1->setImage(d.picture1);
    if (!d.picture2.isNull())
        ui.Picture2->setImage(d.picture2);
    if (!d.picture3.isNull())
        ui.Picture3->setImage(d.picture3);
    ui.Frame3->setTitle(d.frame3Caption);
    if (d.slider1Position) {
        setQuietly(*ui.Slider1, *d.slider1Position);
        d.slider1Position.reset();
    }
}

void DisplaySync::showCircle() {
    Ui::frmMain& ui = window_.ui();
    setQuietly(*ui.MirX, state_.circle.x);
    setQuietly(*ui.MirY, state_.circle.y);
    setQuietly(*ui.MirRad, state_.circle.radius);
}

void DisplaySync::showTexts() {
    Ui::frmMain& ui = window_.ui();
    showText(*ui.Text1, state_.outputs.Text1, shownText1_, !textsShown_);
    showText(*ui.Text2, state_.outputs.Text2, shownText2_, !textsShown_);
    textsShown_ = true;
}

} // namespace orvane
