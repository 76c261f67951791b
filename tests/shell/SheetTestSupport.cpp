#include "tests/shell/SheetTestSupport.h"

#include "platform/GameSettings.h"
#include "shell/CVantorelView.h"
#include "shell/CViewPP.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <regex>

namespace vantorel::test {

SheetTest::SheetTest() : services(profile, clock), sinkInstalled_(messages) {
    for (std::size_t i = 0; i < kGameSettingKeys.size(); ++i) {
        constexpr std::array<std::string_view, 5> kFirstRunValues = {"26", "49", "49", "42", "5"};
        profile.WriteString(kSettingsSection, kGameSettingKeys[i], kFirstRunValues[i]);
    }
    services.showHelp = [this](int context, QWidget*) {
        helpContexts.push_back(context);
    };
    services.exitProgram = [this] {
        ++exitRequests;
    };
    printerChoice = [this](QPrinter& printer, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString((workDir() / "print.pdf").string()));
        return true;
    };
    services.choosePrinter = [this](QPrinter& printer, int pageCount, QWidget*) {
        printDialogPageCounts.push_back(pageCount);
        return printerChoice(printer, pageCount);
    };
}

SheetTest::~SheetTest() {
    sheet.reset();
}

void SheetTest::WriteHistory(std::string_view content) {
    WriteFile("vtrmain.dat", content);
}

void SheetTest::UseSampleHistory() {
    WriteHistory(ReadFile(TestDataPath("shared/sample-vtrmain.dat")));
}

CPsheet& SheetTest::OpenSheet(int startPage) {
    sheet = std::make_unique<CPsheet>(handOver, services);
    sheet->state().notConfigured = handOver.configWarningShown;
    sheet->state().startPage = startPage;
    handOver.activeSheet = sheet.get();
    sheet->SetActivePage(startPage);
    sheet->state().pageFlags = handOver.activeGame;
    sheet->show();
    return *sheet;
}

void SheetTest::CloseSheet() {
    handOver.savedStartPage = sheet->state().startPage;
    if (sheet->state().notConfigured) {
        handOver.configWarningShown = true;
    }
    sheet.reset();
}

QWidget* SheetTest::Root(int page) const {
    return page < 0 ? static_cast<QWidget*>(sheet.get()) : static_cast<QWidget*>(sheet->page(page));
}

void SheetTest::Click(int page, std::string_view name) {
    if (sheet->activeIndex() != page) {
        sheet->SetActivePage(page);
    }
    auto* button = Find<QAbstractButton>(name, page);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
}

void SheetTest::ClickSheetButton(std::string_view name) {
    auto* button = Find<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void SheetTest::Type(int page, std::string_view name, std::string_view text) {
    auto* edit = Find<QLineEdit>(name, page);
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool SheetTest::IsEnabled(int page, std::string_view name) const {
    const auto* widget = Find<QWidget>(name, page);
    return widget != nullptr && widget->isEnabled();
}

bool SheetTest::IsChecked(int page, std::string_view name) const {
    const auto* button = Find<QAbstractButton>(name, page);
    return button != nullptr && button->isChecked();
}

std::string SheetTest::Text(int page, std::string_view name) const {
    if (const auto* edit = Root(page)->findChild<QLineEdit*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))) {
        return edit->text().toStdString();
    }
    const auto* label = Find<QLabel>(name, page);
    return label != nullptr ? label->text().toStdString() : std::string();
}

std::vector<std::string> SheetTest::ResultLines() const {
    return sheet->resultListPage().lines();
}

bool SheetTest::ApplyEnabled() const {
    return Find<QAbstractButton>("applyButton")->isEnabled();
}

bool SheetTest::OkEnabled() const {
    return sheet->IsOkEnabled();
}

void RunSheetFromView(CVantorelView& view, const std::function<void(CPsheet&)>& whileOpen) {
    bool ran = false;
    QTimer::singleShot(0, &view, [&] {
        QPointer<CPsheet> running = qobject_cast<CPsheet*>(QApplication::activeModalWidget());
        ASSERT_FALSE(running.isNull()) << "the sheet is not running";
        ran = true;
        whileOpen(*running);
        if (!running.isNull() && running->isVisible()) {
            running->reject();
        }
    });
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
    EXPECT_TRUE(ran);
}

int PdfPageCount(const std::filesystem::path& pdf) {
    const std::string content = ReadFile(pdf);
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(content.begin(), content.end(), page), std::sregex_iterator()));
}

} // namespace vantorel::test
