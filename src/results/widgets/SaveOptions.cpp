#include "results/widgets/SaveOptions.h"

#include "results/SaveOptionsModel.h"
#include "ui_SaveOptions.h"

namespace orvane {

SaveOptions::SaveOptions(Settings& settings, FileChooser& chooser, MessageBoxes& boxes,
                         QString programFolder, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SaveOptions>()), settings_(settings),
      chooser_(chooser), boxes_(boxes), programFolder_(std::move(programFolder)) {
    ui_->setupUi(this);
    controls_ = {.figure45FolderText = ui_->Figure,
                 .figure45BrowseButton = ui_->Command1,
                 .saveFigure45Check = ui_->chkSaveFigure45,
                 .launchFigure45Check = ui_->chkLaunchFigure45,
                 .sixtestsFolderText = ui_->SixTests,
                 .sixtestsBrowseButton = ui_->Command2,
                 .saveSixtestsCheck = ui_->chkSaveSixtests,
                 .launchSixtestsCheck = ui_->chkLaunchSixtests,
                 .launch3dCheck = ui_->ChkLaunch3d,
                 .dataFolderText = ui_->textpath,
                 .dataFolderBrowseButton = ui_->Command3,
                 .saveTextCheck = ui_->chktext};
    showValues();
    const auto browseInto = [this](QLineEdit* box, const ProgramBrowse& browse) {
        if (const auto folder = browseProgramFolder(browse, chooser_, boxes_))
            box->setText(*folder);
    };
    connect(controls_.figure45BrowseButton, &QPushButton::clicked, this,
            [=, this] { browseInto(controls_.figure45FolderText, figure45Browse()); });
    connect(controls_.sixtestsBrowseButton, &QPushButton::clicked, this,
            [=, this] { browseInto(controls_.sixtestsFolderText, sixtestsBrowse()); });
    connect(controls_.dataFolderBrowseButton, &QPushButton::clicked, this, [this] {
        if (const auto folder = browseDataFolder(programFolder_, chooser_))
            controls_.dataFolderText->setText(*folder);
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
    controls_.figure45FolderText->setText(values.FigurePath);
    controls_.saveFigure45Check->setChecked(values.Savefigure);
    controls_.launchFigure45Check->setChecked(values.LaunchFigure);
    controls_.sixtestsFolderText->setText(values.Sixtestspath);
    controls_.saveSixtestsCheck->setChecked(values.SaveSixtests);
    controls_.launchSixtestsCheck->setChecked(values.LaunchSixtests);
    controls_.launch3dCheck->setChecked(values.Launch3d);
    controls_.dataFolderText->setText(values.textpath);
    controls_.saveTextCheck->setChecked(values.Savetext);
}

void SaveOptions::storeValues() {
    applySaveOptions(
        {controls_.figure45FolderText->text(), controls_.saveFigure45Check->isChecked(),
         controls_.launchFigure45Check->isChecked(), controls_.sixtestsFolderText->text(),
         controls_.saveSixtestsCheck->isChecked(), controls_.launchSixtestsCheck->isChecked(),
         controls_.launch3dCheck->isChecked(), controls_.dataFolderText->text(),
         controls_.saveTextCheck->isChecked()},
        settings_);
}

} // namespace orvane
