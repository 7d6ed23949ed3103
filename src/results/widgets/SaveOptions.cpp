#include "results/widgets/SaveOptions.h"

#include "results/SaveOptionsModel.h"
#include "ui_SaveOptions.h"

namespace orvane {

SaveOptions::SaveOptions(Settings& settings, FileChooser& chooser, MessageBoxes& boxes,
                         QString programFolder, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SaveOptions>()), settings_(settings),
      chooser_(chooser), boxes_(boxes), programFolder_(std::move(programFolder)) {
    ui_->setupUi(this);
    showValues();
    const auto browseInto = [this](QLineEdit* box, const ProgramBrowse& browse) {
        if (const auto folder = browseProgramFolder(browse, chooser_, boxes_))
            box->setText(*folder);
    };
    connect(ui_->Command1, &QPushButton::clicked, this,
            [=, this] { browseInto(ui_->Figure, figure45Browse()); });
    connect(ui_->Command2, &QPushButton::clicked, this,
            [=, this] { browseInto(ui_->SixTests, sixtestsBrowse()); });
    connect(ui_->Command3, &QPushButton::clicked, this, [this] {
        if (const auto folder = browseDataFolder(programFolder_, chooser_))
            ui_->textpath->setText(*folder);
    });
    connect(ui_->OKButton, &QPushButton::clicked, this, [this] {
        storeValues();
        accept();
    });
    connect(ui_->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

SaveOptions::~SaveOptions() = default;

void SaveOptions::showValues() {
    const SaveOptionsValues values = saveOptionsOf(settings_);
    ui_->Figure->setText(values.FigurePath);
    ui_->chkSaveFigure45->setChecked(values.Savefigure);
    ui_->chkLaunchFigure45->setChecked(values.LaunchFigure);
    ui_->SixTests->setText(values.Sixtestspath);
    ui_->chkSaveSixtests->setChecked(values.SaveSixtests);
    ui_->chkLaunchSixtests->setChecked(values.LaunchSixtests);
    ui_->ChkLaunch3d->setChecked(values.Launch3d);
    ui_->textpath->setText(values.textpath);
    ui_->chktext->setChecked(values.Savetext);
}

void SaveOptions::storeValues() {
    applySaveOptions({ui_->Figure->text(), ui_->chkSaveFigure45->isChecked(),
                      ui_->chkLaunchFigure45->isChecked(), ui_->SixTests->text(),
                      ui_->chkSaveSixtests->isChecked(), ui_->chkLaunchSixtests->isChecked(),
                      ui_->ChkLaunch3d->isChecked(), ui_->textpath->text(),
                      ui_->chktext->isChecked()},
                     settings_);
}

} // namespace orvane
