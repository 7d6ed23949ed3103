#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace orvane {

// The manual inside the program: its sections listed on the left, the text on the right and a
// search field above that finds the next match (Enter again for the one after).
class HelpViewer : public QDialog {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Loads the manual of `url` if it is not loaded yet and goes to the url's section.
    bool open(const QUrl& url);

  private:
    void listSections();
    void findNext();

    QLineEdit* search_;
    QListWidget* contents_;
    QTextBrowser* text_;
};

} // namespace orvane
