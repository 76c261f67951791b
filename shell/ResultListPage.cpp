#include "shell/ResultListPage.h"

#include "platform/MessageBox.h"
#include "shell/Artwork.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultListModel.h"
#include "shell/ResultListPrinting.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"

#include <QHBoxLayout>
#include <QListView>
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
    : SheetPage(sheet, kDejaViewPage), resultList_(new QListView(this)),
      model_(new ResultListModel(results().log(), this)) {
    setObjectName(QStringLiteral("dejaViewPage"));
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setModel(model_);
    resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
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

void ResultListPage::OnSetActive() {
    handOver().MarkSetupReturnPage(kDejaViewPage);
    ShowLog();
    sheet().EnableOk(false);
}

void ResultListPage::ShowLog() {
    model_->Refresh();
    resultList_->scrollToBottom();
}

std::vector<std::string> ResultListPage::lines() const {
    return results().log().ListedLines();
}

void ResultListPage::ClearList() {
    results().log().MarkEnd();
    model_->Refresh();
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
    const ResultLog& log = results().log();
    const std::vector<std::string> listLines = log.ListedLines();
    if (listLines.empty()) {
        MessageBox(kNothingToPrint);
        return;
    }
    // Lines about no game (the analysis of the whole file) are headed with the game page shown last.
    const std::optional<GameType> shownLast = GameOfPage(FirstMarked(handOver().activeGame));
    printedPages_ =
        SplitIntoPrintPages(listLines, log.GamesOfListedLines(), shownLast.value_or(kThreeNumber));
    const int pageCount = static_cast<int>(printedPages_.size());
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
    PrintPages(printer, painter, printedPages_, firstPage, lastPage);
    painter.end();
}

} // namespace vantorel
