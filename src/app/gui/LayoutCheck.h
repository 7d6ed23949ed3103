#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QWidget;

namespace orvane {

class MainWindow;

// A look over the whole window set for the screens script: with ORVANE_LAYOUT_CHECK set to a
// folder the program, once started, looks at the steps to begin a test, loads the first mirror
// of its list, then opens each dialog of the menus in turn. Every window is saved as NAME.png in
// that folder and measured: a text wider than its widget, a widget reaching out of its parent, or a
// window reaching past the screen goes into report.txt. The program then quits, with 1 when
// anything was found.
class LayoutCheck : public QObject {
    Q_OBJECT

  public:
    LayoutCheck(MainWindow& window, QString folder);
    // Starts the round after `delayMs`, once the start-up has settled.
    void start(int delayMs);

  private:
    void next();
    void inspect(QWidget& window);
    void checkInstructions();
    void finish();

    MainWindow& window_;
    QString folder_;
    QList<QAction*> pending_;
    QStringList problems_;
    QStringList seen_;
};

} // namespace orvane
