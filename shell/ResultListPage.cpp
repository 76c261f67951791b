// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ResultListPage.h"

#include "formats/ResultDocument.h"
#include "platform/GameCatalogue.h"
#include "platform/MessageBox.h"
#include "shell/Artwork.h"
#include "shell/NamedControls.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultListModel.h"
#include "shell/ResultListPrinting.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListView>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::string_view kNothingToPrint = "There is nothing to print.";
constexpr std::string_view kNothingToExport = "There is nothing to export.";

// The section of one kept result: titled with what ran, on which game and history, holding its lines.
ResultTable SectionOf(const ResultRecord& record) {
    std::string title = record.what;
    if (record.game) {
        title.append(" - ")
            .append(GameOf(*record.game).name)
            .append(record.dated ? " - Dated" : " - Undated");
    }
    ResultTable table{std::move(title), {"line"}, {}};
    for (const std::string_view line : record.lines) {
        table.AddRow({line});
    }
    return table;
}

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
    // Shift, Ctrl and Ctrl+A select lines; Ctrl+C copies them.
    resultList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The list's own Ctrl+C copies only the current line: the page copies the selection instead.
    resultList_->installEventFilter(this);

    auto* clearList = MakeNamed<QPushButton>("clearListButton", "Clear List", this);
    previousPageButton_ = MakeNamed<QPushButton>("previousPageButton", "Previous Page", this);
    auto* exitProgram = MakeNamed<QPushButton>("exitButton", "Exit Vantorel", this);
    auto* printList = MakeNamed<QPushButton>("printListButton", "Print List", this);
    auto* exportList = MakeNamed<QPushButton>("exportListButton", "Export...", this);
    exportList->setToolTip(QStringLiteral("Save the kept results as CSV, one section per operation"));
    connect(clearList, &QPushButton::clicked, this, &ResultListPage::ClearList);
    connect(previousPageButton_, &QPushButton::clicked, this, &ResultListPage::ReturnToPreviousPage);
    connect(exitProgram, &QPushButton::clicked, this, &ResultListPage::ExitProgram);
    connect(printList, &QPushButton::clicked, this, &ResultListPage::PrintResultList);
    connect(exportList, &QPushButton::clicked, this, &ResultListPage::ExportResultLog);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearList);
    buttons->addWidget(previousPageButton_);
    buttons->addStretch();
    buttons->addWidget(exportList);
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

namespace vantorel {

bool ResultListPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == resultList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopySelectedLines();
        return true;
    }
    return SheetPage::eventFilter(watched, event);
}

void ResultListPage::CopySelectedLines() {
    QModelIndexList selected = resultList_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return;
    }
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList texts;
    for (const QModelIndex& index : selected) {
        texts.append(index.data(Qt::DisplayRole).toString());
    }
    QGuiApplication::clipboard()->setText(texts.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void ResultListPage::ExportResultLog() {
    const std::vector<ResultRecord>& records = results().log().records();
    if (records.empty()) {
        MessageBox(kNothingToExport);
        return;
    }
    const QString file = services().chooseFileToSave(QStringLiteral("Export Results"),
                                                     QStringLiteral("CSV files (*.csv);;All files (*)"),
                                                     QStringLiteral("results.csv"), this);
    if (file.isEmpty()) {
        return;
    }
    std::vector<ResultTable> sections;
    sections.reserve(records.size());
    for (const ResultRecord& record : records) {
        sections.push_back(SectionOf(record));
    }
    const std::string csv = CsvOfSections(sections);
    // Written whole or not at all: an existing file is replaced only once the new one is complete.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !out.commit()) {
        const std::string message = "The results could not be saved to " + file.toStdString() + ":\n" +
                                    out.errorString().toStdString();
        MessageBox(message, MessageIcon::Exclamation);
    }
}

} // namespace vantorel
