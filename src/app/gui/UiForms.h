#pragma once

// The generated form classes (Ui::frmMain, Ui::frmSplash, Ui::frmText), for code outside this
// library that reaches controls through MainWindow::ui() and its like.
#include "ui_FloatingTextWindow.h"
#include "ui_MainWindow.h"
#include "ui_SplashWindow.h"
