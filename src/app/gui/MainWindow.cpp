#include "app/gui/MainWindow.h"

#include "app/gui/PictureBox.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QShortcut>

namespace orvane {

namespace {

constexpr int SpeedCaptionPoints = 8;

int helpContextOf(const QObject* menu) {
    return menu ? menu->property("helpContext").toInt() : 0;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(new Ui::frmMain) {
    ui_->setupUi(this);
    ui_->mnuLine1->setSeparator(true);
    ui_->mnuspace->setSeparator(true);
    designedTitle_ = windowTitle();
    // A plain status bar item: a passing message may cover it, but nothing else removes it.
    simulatedBenchStatus_ = new QLabel(ui_->StatusBar);
    simulatedBenchStatus_->setObjectName(QStringLiteral("simulatedBenchStatus"));
    ui_->StatusBar->addWidget(simulatedBenchStatus_);
    simulatedBenchStatus_->hide();

    // The designed places the layout starts from.
    designed_.text1 = ui_->Text1->geometry();
    designed_.mirX = ui_->MirX->geometry();
    designed_.mirY = ui_->MirY->geometry();
    designed_.mirRad = ui_->MirRad->geometry();
    designed_.savePicture = ui_->Save_picture->size();
    designed_.column = {ui_->Chk_trak->geometry(), ui_->Command3->geometry(),
                        ui_->abort->geometry(),    ui_->Command5->geometry(),
                        ui_->Command1->geometry(), ui_->Frame3->geometry()};

    ui_->centralwidget->installEventFilter(this);
    ui_->Picture1->installEventFilter(this);
    for (QMenu* menu : {ui_->mnuFile, ui_->mnuControl, ui_->mnuWizard2, ui_->mnuRecent,
                        ui_->mnutest, ui_->mnuWindow})
        menu->installEventFilter(this);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { emit helpRequested(focusedMenuContext()); });
}

MainWindow::~MainWindow() = default;

void MainWindow::setLayoutFlags(bool debugDisplay, bool moreText) {
    debugDisplay_ = debugDisplay;
    moreText_ = moreText;
    layOut();
}

void MainWindow::showSimulatedBench(const SimulatedBenchUse& use) {
    setWindowTitle(titleWithSimulatedBench(designedTitle_, use));
    simulatedBenchStatus_->setText(simulatedBenchText(use));
    simulatedBenchStatus_->setVisible(use.active());
}

QAction* MainWindow::mirrorListItem(int i) const {
    return findChild<QAction*>(QStringLiteral("Mnu_%1").arg(i));
}

void MainWindow::layOut() {
    applyLayout(computeMainLayout(layoutInput()));
}

MainLayoutInput MainWindow::layoutInput() const {
    MainLayoutInput in = designed_;
    in.inner = ui_->centralwidget->size();
    in.debugDisplay = debugDisplay_;
    in.moreText = moreText_;
    in.picture1 = ui_->Picture1->geometry();
    return in;
}

void MainWindow::applyLayout(const MainLayout& layout) {
    Ui::frmMain& ui = *ui_;
    for (QWidget* w : {static_cast<QWidget*>(ui.Text1), static_cast<QWidget*>(ui.Save_picture),
                       static_cast<QWidget*>(ui.MirX), static_cast<QWidget*>(ui.MirY),
                       static_cast<QWidget*>(ui.MirRad)})
        w->setVisible(layout.debugControlsVisible);
    const std::pair<QWidget*, std::optional<QRect>> optional[] = {
        {ui.Text1, layout.text1},
        {ui.MirX, layout.mirX},
        {ui.MirY, layout.mirY},
        {ui.MirRad, layout.mirRad},
        {ui.Save_picture, layout.savePicture}};
    for (const auto& [widget, rect] : optional) {
        if (rect)
            widget->setGeometry(*rect);
    }
    if (layout.mirXMax)
        ui.MirX->setMaximum(*layout.mirXMax);
    if (layout.mirRadMax)
        ui.MirRad->setMaximum(*layout.mirRadMax);
    if (layout.mirYMax)
        ui.MirY->setMaximum(*layout.mirYMax);

    ui.Text2->setGeometry(layout.text2);
    ui.Picture2->setGeometry(layout.picture2);
    ui.Picture3->setGeometry(layout.picture3);
    QWidget* column[ColumnSize] = {ui.Chk_trak, ui.Command3, ui.abort,
                                   ui.Command5, ui.Command1, ui.Frame3};
    for (int i = 0; i < ColumnSize; ++i)
        column[i]->setGeometry(layout.column[i]);
    ui.cmdpause->setGeometry(layout.cmdpause);
    printSpeedCaption(*ui.Picture3, layout.speedCaption);
}

void MainWindow::printSpeedCaption(PictureBox& box, QPoint at) {
    box.clear();
    QPainter painter(&box.image());
    QFont font = painter.font();
    font.setPointSize(SpeedCaptionPoints);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(at, QSize(box.width() + 40, painter.fontMetrics().height())),
                     Qt::AlignLeft | Qt::AlignTop, QStringLiteral("% Spd"));
    box.update();
}

int MainWindow::focusedMenuContext() const {
    if (const QAction* active = ui_->menubar->activeAction())
        return helpContextOf(active->menu());
    return 0;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeHandler_)
        closeHandler_();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize &&
        (watched == ui_->centralwidget || watched == ui_->Picture1)) {
        layOut();
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched) &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        emit helpRequested(helpContextOf(watched));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace orvane
