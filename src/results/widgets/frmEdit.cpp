#include "results/widgets/frmEdit.h"

#include "ui_frmEdit.h"

namespace orvane {

frmEdit::frmEdit(MirrorEditorContext context, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmEdit>()), session_(std::move(context)),
      chooser_(chooser) {
    ui_->setupUi(this);
    connect(ui_->Command1, &QPushButton::clicked, this, &frmEdit::openExistingFile);
    connect(ui_->Apply, &QPushButton::clicked, this, [this] { session_.save(texts()); });
    connect(ui_->Command2, &QPushButton::clicked, this, [this] {
        session_.save(texts());
        accept();
    });
    connect(ui_->CancelButton, &QPushButton::clicked, this, [this] {
        session_.cancel(texts());
        reject();
    });
}

frmEdit::~frmEdit() = default;

MirrorEntryTexts frmEdit::texts() const {
    return {ui_->NName->text(), ui_->Ndiam->text(), ui_->NRoc->text(),   ui_->NCC->text(),
            ui_->Nobst->text(), ui_->NNZ->text(),   ui_->NSeries->text()};
}

void frmEdit::setTexts(const MirrorEntryTexts& texts) {
    ui_->NName->setText(texts.name);
    ui_->Ndiam->setText(texts.diameter);
    ui_->NRoc->setText(texts.roc);
    ui_->NCC->setText(texts.cc);
    ui_->Nobst->setText(texts.obstruction);
    ui_->NNZ->setText(texts.zones);
    ui_->NSeries->setText(texts.testsRun);
}

void frmEdit::openExistingFile() {
    const auto path =
        chooser_.chooseFileToOpen({QStringLiteral("Which File to Edit?"), session_.mirrorsFolder(),
                                   QStringLiteral("*.ini"), QStringLiteral("ini")});
    if (!path)
        return;
    MirrorEntryTexts filled = texts();
    session_.openExisting(*path, filled);
    setTexts(filled);
}

} // namespace orvane
