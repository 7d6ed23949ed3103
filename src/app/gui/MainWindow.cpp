#include "app/gui/MainWindow.h"

#include "app/gui/PictureBox.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QShortcut>

namespace orvane {

namespace {

constexpr int SpeedCaptionPoints = 8;
// The manual's section on the keys, after the menus' sections 210 to 260.
constexpr int KeysHelpContext = 270;
constexpr QSize MinimumClientSize(720, 440);

int helpContextOf(const QObject* menu) {
    return menu ? menu->property("helpContext").toInt() : 0;
}

int captionWidth(const QGroupBox& box, const QString& caption) {
    constexpr int CaptionMargins = 16;
    return box.fontMetrics().horizontalAdvance(caption) + CaptionMargins;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(new Ui::frmMain) {
    ui_->setupUi(this);
    controls_ = mainControls(*ui_);
    ui_->mnuLine1->setSeparator(true);
    ui_->mnuspace->setSeparator(true);
    designedTitle_ = windowTitle();
    // A plain status bar item: a passing message may cover it, but nothing else removes it.
    simulatedBenchStatus_ = new QLabel(ui_->StatusBar);
    simulatedBenchStatus_->setObjectName(QStringLiteral("simulatedBenchStatus"));
    ui_->StatusBar->addWidget(simulatedBenchStatus_);
    simulatedBenchStatus_->hide();
    testProgress_ = new QLabel(ui_->StatusBar);
    testProgress_->setObjectName(QStringLiteral("testProgress"));
    ui_->StatusBar->addPermanentWidget(testProgress_);
    testProgress_->hide();

    // The designed places the layout starts from.
    designed_.debugLog = controls_.debugLog->geometry();
    designed_.mirX = controls_.mirrorX->geometry();
    designed_.mirY = controls_.mirrorY->geometry();
    designed_.mirRad = controls_.mirrorRadius->geometry();
    designed_.savePicture = controls_.savePicturesCheck->size();
    designed_.column = {controls_.trackCheck->geometry(),  controls_.startTestButton->geometry(),
                        controls_.abortCheck->geometry(),  controls_.saveDataButton->geometry(),
                        controls_.resetButton->geometry(), controls_.averagingFrame->geometry()};
    // The designed widths were measured with another font: the group captions take what they
    // need in this one (Frame3's caption counts up to three digits of frames).
    designed_.frame3MinWidth =
        captionWidth(*controls_.averagingFrame, QStringLiteral("Averaging 100 Frames"));
    QGroupBox& speedFrame = *controls_.speedFrame;
    const int roomBesidePicture = controls_.liveView->x() - speedFrame.x() - 2;
    speedFrame.resize(std::clamp(captionWidth(speedFrame, speedFrame.title()), speedFrame.width(),
                                 roomBesidePicture),
                      speedFrame.height());
    for (QFont font = speedFrame.font();
         captionWidth(speedFrame, speedFrame.title()) > speedFrame.width() && font.pointSize() > 6;
         speedFrame.setFont(font))
        font.setPointSize(font.pointSize() - 1);

    // Small enough for an 800 x 600 screen, large enough for the picture, the column and a strip
    // of bars; the instructions and the text boxes wrap or scroll inside.
    ui_->centralwidget->setMinimumSize(MinimumClientSize);

    ui_->centralwidget->installEventFilter(this);
    controls_.liveView->installEventFilter(this);
    for (QMenu* menu : {ui_->mnuFile, ui_->mnuControl, ui_->mnuWizard2, ui_->mnuRecent,
                        ui_->mnutest, ui_->mnuWindow})
        menu->installEventFilter(this);
    addHelpMenu();
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

void MainWindow::showTestProgress(const QString& line) {
    testProgress_->setText(line);
    testProgress_->setVisible(!line.isEmpty());
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
    in.liveView = controls_.liveView->geometry();
    return in;
}

void MainWindow::applyLayout(const MainLayout& layout) {
    const MainControls& controls = controls_;
    for (QWidget* w :
         {static_cast<QWidget*>(controls.debugLog),
          static_cast<QWidget*>(controls.savePicturesCheck),
          static_cast<QWidget*>(controls.mirrorX), static_cast<QWidget*>(controls.mirrorY),
          static_cast<QWidget*>(controls.mirrorRadius)})
        w->setVisible(layout.debugControlsVisible);
    const std::pair<QWidget*, std::optional<QRect>> optional[] = {
        {controls.debugLog, layout.debugLog},
        {controls.mirrorX, layout.mirX},
        {controls.mirrorY, layout.mirY},
        {controls.mirrorRadius, layout.mirRad},
        {controls.savePicturesCheck, layout.savePicture}};
    for (const auto& [widget, rect] : optional) {
        if (rect)
            widget->setGeometry(*rect);
    }
    if (layout.mirXMax)
        controls.mirrorX->setMaximum(*layout.mirXMax);
    if (layout.mirRadMax)
        controls.mirrorRadius->setMaximum(*layout.mirRadMax);
    if (layout.mirYMax)
        controls.mirrorY->setMaximum(*layout.mirYMax);

    controls.readingsTable->setGeometry(layout.readingsTable);
    controls.zoneBars->setGeometry(layout.zoneBars);
    controls.speedGauge->setGeometry(layout.speedGauge);
    QWidget* column[ColumnSize] = {controls.trackCheck,  controls.startTestButton,
                                   controls.abortCheck,  controls.saveDataButton,
                                   controls.resetButton, controls.averagingFrame};
    for (int i = 0; i < ColumnSize; ++i)
        column[i]->setGeometry(layout.column[i]);
    controls.pauseButton->setGeometry(layout.cmdpause);
    printSpeedCaption(*controls.speedGauge, layout.speedCaption);
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

void MainWindow::addHelpMenu() {
    QMenu* help = ui_->menubar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents =
        help->addAction(QStringLiteral("&Contents"), this, [this] { emit helpRequested(0); });
    contents->setObjectName(QStringLiteral("mnuHelpContents"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    contents->setShortcutContext(Qt::WidgetShortcut); // shown only: the window's F1 asks for it
    QAction* keys = help->addAction(QStringLiteral("&Keyboard Shortcuts"), this,
                                    [this] { emit helpRequested(KeysHelpContext); });
    keys->setObjectName(QStringLiteral("mnuHelpKeys"));
    help->addSeparator();
    QAction* about =
        help->addAction(QStringLiteral("&About ORVANE"), this, &MainWindow::aboutRequested);
    about->setObjectName(QStringLiteral("mnuAbout"));
}

int MainWindow::focusedMenuContext() const {
    if (const QAction* active = ui_->menubar->activeAction())
        return helpContextOf(active->menu());
    return 0;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeHandler_ && !closeHandler_()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize &&
        (watched == ui_->centralwidget || watched == controls_.liveView)) {
        layOut();
    } else if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched) &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        emit helpRequested(helpContextOf(watched));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace orvane
