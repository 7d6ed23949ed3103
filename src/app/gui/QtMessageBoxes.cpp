#include "app/gui/QtMessageBoxes.h"

#include <QMessageBox>

namespace orvane {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> QtMessageBoxes::build(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(message.title);
    box->setText(message.text);
    box->setIcon(iconOf(message.icon));
    if (message.buttons == MessageButtons::OkCancel) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(message.defaultAnswer == MessageAnswer::Cancel ? QMessageBox::Cancel
                                                                             : QMessageBox::Ok);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    box->setEscapeButton(message.buttons == MessageButtons::OkCancel ? QMessageBox::Cancel
                                                                     : QMessageBox::Ok);
    return box;
}

MessageAnswer QtMessageBoxes::show(const Message& message) {
    const std::unique_ptr<QMessageBox> box = build(message, parent_);
    return box->exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

} // namespace orvane
