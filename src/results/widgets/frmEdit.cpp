#include "results/widgets/frmEdit.h"

#include "ui_frmEdit.h"

namespace orvane {

frmEdit::frmEdit(MirrorEditorContext context, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmEdit>()), session_(std::move(context)),
      chooser_(chooser) {
    ui_->setupUi(this);
    controls_ = {.nameText = ui_->NName,
                 .diameterText = ui_->Ndiam,
                 .rocText = ui_->NRoc,
                 .conicText = ui_->NCC,
                 .obstructionText = ui_->Nobst,
                 .zonesText = ui_->NNZ,
                 .testsRunText = ui_->NSeries,
                 .openFileButton = ui_->Command1,
                 .okButton = ui_->Command2,
                 .applyButton = ui_->Apply,
                 .cancelButton = ui_->CancelButton};
    connect(controls_.openFileButton, &QPushButton::clicked, this, &frmEdit::openExistingFile);
    connect(controls_.applyButton, &QPushButton::clicked, this, [this] { session_.save(texts()); });
    connect(controls_.okButton, &QPushButton::clicked, this, [this] {
        session_.save(texts());
        accept();
    });
    connect(controls_.cancelButton, &QPushButton::clicked, this, [this] {
        session_.cancel(texts());
        reject();
    });
}

frmEdit::~frmEdit() = default;

MirrorEntryTexts frmEdit::texts() const {
    return {controls_.nameText->text(),        controls_.diameterText->text(),
            controls_.rocText->text(),         controls_.conicText->text(),
            controls_.obstructionText->text(), controls_.zonesText->text(),
            controls_.testsRunText->text()};
}

void frmEdit::setTexts(const MirrorEntryTexts& texts) {
    controls_.nameText->setText(texts.name);
    controls_.diameterText->setText(texts.diameter);
    controls_.rocText->setText(texts.roc);
    controls_.conicText->setText(texts.cc);
    controls_.obstructionText->setText(texts.obstruction);
    controls_.zonesText->setText(texts.zones);
    controls_.testsRunText->setText(texts.testsRun);
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
