#include "shell/ResultListPage.h"

#include "platform/MessageBox.h"
#include "shell/Artwork.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultListPrinting.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::string_view kNothingToPrint = "There is nothing to print.";

} // namespace

ResultListPage::ResultListPage(OperationsSheet& sheet)
    : SheetPage(sheet, kDejaViewPage), resultList_(new QListWidget(this)) {
    setObjectName(QStringLiteral("dejaViewPage"));
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setSortingEnabled(false);
    resultList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultList_->setUniformItemSizes(true);

    auto* clearList = MakeNamed<QPushButton>("clearListButton", "Clear List", this);
    previousPageButton_ = MakeNamed<QPushButton>("previousPageButton", "Previous Page", this);
    auto* exitProgram = MakeNamed<QPushButton>("exitButton", "Exit Vantorel", this);
    auto* printList = MakeNamed<QPushButton>("printListButton", "Print List", this);
    connect(clearList, &QPushButton::clicked, this, &ResultListPage::ClearList);
    connect(previousPageButton_, &QPushButton::clicked, this, &ResultListPage::ReturnToPreviousPage);
    connect(exitProgram, &QPushButton::clicked, this, &ResultListPage::ExitProgram);
    connect(printList, &QPushButton::clicked, this, &ResultListPage::PrintResultList);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearList);
    buttons->addWidget(previousPageButton_);
    buttons->addStretch();
    buttons->addWidget(printList);
    buttons->addWidget(exitProgram);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new LogoBanner(this, 40));
    layout->addWidget(resultList_, 1);
    layout->addLayout(buttons);
}

void ResultListPage::FillResultList() {
    handOver().MarkSetupReturnPage(kDejaViewPage);
    if (results().fileReportPending()) {
        AddLines(results().TakeFileReportLines()); // the OK button stays as it is
        return;
    }
    const int highest = handOver().HighestChosenOperation();
    if (highest >= 0) {
        handOver().currentOperation = highest;
    }
    const int op = handOver().currentOperation;
    if (op >= 0 && op < kOperationCount) {
        if (GamePage* game = sheet().gamePage(handOver().ActiveGame())) {
            AddLines(game->ResultListLines());
        }
    }
    sheet().EnableOk(false);
}

void ResultListPage::AddLines(const ReportLines& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string_view line : lines) {
        items.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    }
    resultList_->addItems(items);
    if (!lines.empty()) {
        resultList_->scrollToBottom();
    }
}

std::vector<std::string> ResultListPage::lines() const {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(resultList_->count()));
    for (int row = 0; row < resultList_->count(); ++row) {
        result.push_back(resultList_->item(row)->text().toStdString());
    }
    return result;
}

void ResultListPage::ClearList() {
    resultList_->clear();
}

void ResultListPage::ReturnToPreviousPage() {
    const int page = FirstMarked(handOver().returnPageFromList);
    if (page >= 0) {
        sheet().SetActivePage(page);
    }
}

void ResultListPage::ExitProgram() {
    services().exitProgram();
}

void ResultListPage::PrintResultList() {
    const std::vector<std::string> listLines = lines();
    if (listLines.empty()) {
        MessageBox(kNothingToPrint);
        return;
    }
    pageTexts_ = SplitIntoPrintPages(listLines);
    const int pageCount = static_cast<int>(pageTexts_.size());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("VanTorel"));
    if (!services().choosePrinter(printer, pageCount, this)) {
        return;
    }
    const int firstPage = printer.fromPage() == 0 ? 1 : std::clamp(printer.fromPage(), 1, pageCount);
    const int lastPage =
        printer.toPage() == 0 ? pageCount : std::clamp(printer.toPage(), firstPage, pageCount);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    PrintPages(printer, painter, pageTexts_, handOver().printGame, firstPage, lastPage);
    painter.end();
}

} // namespace vantorel
