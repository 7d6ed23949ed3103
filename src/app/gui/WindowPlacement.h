#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace orvane {

// Every named window and dialog of the program comes back where it was left: the size and
// place are kept in orvane-window.ini in the program folder (beside the settings file, which
// keeps its layout), and a window that would reach past its screen (a smaller screen, or a
// dialog taller than it) is fitted to it, its contents scrolling where they must.
class WindowPlacement : public QObject {
    Q_OBJECT

  public:
    explicit WindowPlacement(const QString& programFolder, QObject* parent = nullptr);

    static QString fileName() { return QStringLiteral("orvane-window.ini"); }
    // Puts `window` inside its screen's free area, shrinking it (with scroll bars) if it must.
    static void fitOnScreen(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void restore(QWidget& window) const;
    void save(const QWidget& window) const;

    QString path_;
};

} // namespace orvane
