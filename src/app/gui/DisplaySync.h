#pragma once

#include <QString>

namespace orvane {

class MainWindow;
struct MainState;

// Shows the state in the main window: the three pictures, the averaging frame and Slider1, the
// mirror sliders and the two text boxes. The analysis draws on the pictures the boxes hold, so
// their sizes follow the layout: takeBoxImages() before drawing, show() after.
class DisplaySync {
  public:
    DisplaySync(MainState& state, MainWindow& window);

    void takeBoxImages();
    void show();
    void showPictures();
    void showCircle();
    void showTexts();

  private:
    MainState& state_;
    MainWindow& window_;
    // What the text boxes were last given, so unchanged texts keep their scroll position.
    QString shownText1_;
    QString shownText2_;
    bool textsShown_ = false;
};

} // namespace orvane
