#include "app/gui/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace orvane {

namespace {
// The manual's sections are its second-level headings, each with an id to land on.
const QRegularExpression SectionHeading(QStringLiteral("<h2 id=\"([^\"]+)\">(.*?)</h2>"));
} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent), search_(new QLineEdit), contents_(new QListWidget), text_(new QTextBrowser) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("ORVANE Help"));
    search_->setObjectName(QStringLiteral("helpSearch"));
    search_->setPlaceholderText(QStringLiteral("Search the manual"));
    search_->setClearButtonEnabled(true);
    contents_->setObjectName(QStringLiteral("helpContents"));
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setOpenExternalLinks(true);

    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes(
        {contents_->fontMetrics().horizontalAdvance(QStringLiteral("The simulated bench")) + 24,
         600});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(splitter);
    resize(760, 520);

    connect(search_, &QLineEdit::returnPressed, this, &HelpViewer::findNext);
    connect(contents_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            text_->scrollToAnchor(contents_->item(row)->data(Qt::UserRole).toString());
    });
}

bool HelpViewer::open(const QUrl& url) {
    const QUrl file = url.adjusted(QUrl::RemoveFragment);
    if (!QFileInfo::exists(file.toLocalFile()))
        return false;
    if (text_->source() != file) {
        text_->setSource(file);
        listSections();
    }
    show();
    raise();
    activateWindow();
    if (url.hasFragment())
        text_->scrollToAnchor(url.fragment());
    else
        text_->verticalScrollBar()->setValue(0);
    return true;
}

void HelpViewer::listSections() {
    contents_->clear();
    QFile file(text_->source().toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString html = QString::fromUtf8(file.readAll());
    for (const QRegularExpressionMatch& heading : SectionHeading.globalMatch(html)) {
        auto* item = new QListWidgetItem(heading.captured(2), contents_);
        item->setData(Qt::UserRole, heading.captured(1));
    }
}

void HelpViewer::findNext() {
    const QString wanted = search_->text();
    if (wanted.isEmpty() || text_->find(wanted))
        return;
    // From the top again once the end is passed.
    text_->moveCursor(QTextCursor::Start);
    text_->find(wanted);
}

} // namespace orvane
