#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace orvane {

class MessageBoxes;

inline constexpr char HelpFileName[] = "ORVANE.html";
// The manual's pictures, in this folder beside it.
inline constexpr char HelpPicturesFolderName[] = "manual";

// The manual in the program folder.
QString helpFilePath(const QString& programFolder);
// The manual, at the section of a help context number (0: its beginning).
QUrl helpUrl(const QString& helpFile, int context);

// The program's help: a manual in the program folder, opened in the browser at the section of
// the menu in focus.
class HelpSystem {
  public:
    using Opener = std::function<bool(const QUrl&)>;
    explicit HelpSystem(MessageBoxes& messages, Opener opener = {});

    // HelpInit: the owner window and the program folder whose manual is used.
    void init(QObject* owner, const QString& programFolder);
    // HelpQuit: the program no longer asks for help.
    void quit();
    // F1: false when help is not registered or the manual cannot be opened (then a message
    // tells why).
    bool show(int context);

    QObject* owner() const { return owner_; }
    const QString& helpFile() const { return helpFile_; }

  private:
    MessageBoxes& messages_;
    Opener opener_;
    QObject* owner_ = nullptr;
    QString helpFile_;
};

} // namespace orvane
