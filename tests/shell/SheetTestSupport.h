// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"
#include "shell/ChartView.h"
#include "shell/HandOver.h"
#include "shell/OperationsSheet.h"
#include "shell/ResultListPage.h"
#include "shell/SheetPage.h"
#include "shell/SheetResults.h"
#include "shell/ShellServices.h"
#include "shell/pages/SheetPages.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::test {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Clicks a button with the mouse, as a user does.
inline void ClickButton(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
}

// Acts on the modal widget of type T that is running once the event loop turns (after `delay` ms).
template <class T> void WhenModal(QObject& context, std::function<void(T&)> action, int delay = 0) {
    QTimer::singleShot(delay, &context, [action = std::move(action)] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr) << "no modal " << T::staticMetaObject.className();
        action(*modal);
    });
}

// A print dialog that prints into the PDF file `pdf`, recording the page counts it is offered.
inline auto PrintInto(std::filesystem::path pdf, std::vector<int>* offered = nullptr) {
    return [pdf = std::move(pdf), offered](QPrinter& printer, int pageCount, QWidget*) {
        if (offered != nullptr) {
            offered->push_back(pageCount);
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    };
}

// The text of a PDF as pdftotext reads it, `options` first; empty without pdftotext (poppler-utils).
inline QString PdfText(const std::filesystem::path& pdf, QStringList options = {}) {
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(reader, options << QString::fromStdString(pdf.string()) << QStringLiteral("-"));
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A clock that stands still until a test sets it.
class SettableClock final : public Clock {
public:
    explicit SettableClock(std::int64_t seconds) : seconds_(seconds) {}
    std::int64_t SecondsNow() const override { return seconds_; }
    void Set(std::int64_t seconds) { seconds_ = seconds; }

private:
    std::int64_t seconds_;
};

// One program run as the widget tests see it: a fresh working directory, an in-memory settings store
// holding the first-run values, a clock that stands still, and recorded messages, help requests and exit
// requests.
// Tests open the operations sheet on it and drive its pages by the widgets' object names.
class SheetTest : public ::testing::Test {
protected:
    SheetTest() : services(profile, clock, &BuildSheetPages), sinkInstalled_(messages) {
        for (const GameSettingRule& rule : kGameSettingRules) {
            profile.WriteString(kSettingsSection, rule.key, rule.firstRunValue);
        }
        services.showHelp = [this](int context, QWidget*) {
            helpContexts.push_back(context);
        };
        services.exitProgram = [this] {
            ++exitRequests;
        };
    }

    void WriteHistory(std::string_view content) { WriteFile("vtrmain.dat", content); }
    void UseSampleHistory() { WriteHistory(ReadFile(TestDataPath("shared/sample-vtrmain.dat"))); }

    // Builds the sheet and shows it on `startPage`, as the chart view does.
    OperationsSheet& OpenSheet(int startPage = 0) {
        sheet.reset();
        results.BeginRun();
        sheet = std::make_unique<OperationsSheet>(handOver, results, services);
        sheet->state().notConfigured = handOver.configWarningShown;
        sheet->state().startPage = startPage;
        sheet->SetActivePage(startPage);
        sheet->state().pageFlags = handOver.activeGame;
        sheet->show();
        return *sheet;
    }

    // A widget by object name, in the given page or (-1) anywhere in the sheet.
    template <class Widget = QWidget> Widget* Find(std::string_view name, int page = -1) const {
        QWidget* root = page < 0 ? static_cast<QWidget*>(sheet.get()) : sheet->page(page);
        auto* widget = root->findChild<Widget*>(ToQString(name));
        EXPECT_NE(widget, nullptr) << "no widget " << name;
        return widget;
    }

    // Shows the page and clicks one of its buttons.
    void Click(int page, std::string_view name) {
        if (sheet->activeIndex() != page) {
            sheet->SetActivePage(page);
        }
        ClickButton(Find<QAbstractButton>(name, page));
    }
    // The sheet's own buttons: okButton, cancelButton, applyButton, helpButton.
    void ClickSheetButton(std::string_view name) { ClickButton(Find<QAbstractButton>(name)); }

    // Types into an edit field of the page, after emptying it.
    void Type(int page, std::string_view name, std::string_view text) {
        auto* edit = Find<QLineEdit>(name, page);
        ASSERT_NE(edit, nullptr);
        edit->clear();
        QTest::keyClicks(edit, ToQString(text));
    }

    bool IsEnabled(int page, std::string_view name) const {
        const QWidget* widget = Find(name, page);
        return widget != nullptr && widget->isEnabled();
    }
    bool IsChecked(int page, std::string_view name) const {
        const auto* button = Find<QAbstractButton>(name, page);
        return button != nullptr && button->isChecked();
    }
    // The text of an edit field or a label.
    std::string Text(int page, std::string_view name) const {
        const QWidget* widget = Find(name, page);
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        return (edit != nullptr ? edit->text() : qobject_cast<const QLabel*>(widget)->text()).toStdString();
    }

    // A game page's data source buttons (named "dated" and "undated" + `sourceSuffix`) and operation radios
    // in words, e.g. "dated on checked, undated off, date searches on, others on".
    std::string ControlState(int game, std::string_view sourceSuffix) const {
        const auto source = [&](const std::string& name) {
            const std::string button = name + std::string(sourceSuffix);
            return name + (IsEnabled(game, button) ? " on" : " off") +
                   (IsChecked(game, button) ? " checked" : "");
        };
        std::set<bool> dateSearches;
        std::set<bool> others;
        for (const QRadioButton* radio : sheet->page(game)->findChildren<QRadioButton*>()) {
            const QString name = radio->objectName();
            if (name.startsWith(QStringLiteral("dated")) || name.startsWith(QStringLiteral("undated"))) {
                continue;
            }
            (name.startsWith(QStringLiteral("date")) ? dateSearches : others).insert(radio->isEnabled());
        }
        const auto radios = [](const std::set<bool>& states) {
            return states.size() > 1 ? "mixed" : *states.begin() ? "on" : "off";
        };
        return source("dated") + ", " + source("undated") + ", date searches " + radios(dateSearches) +
               ", others " + radios(others);
    }

    // A game page opened on a history file (none when empty): its controls as ControlState says, its
    // status text and the data source it chose.
    struct DataStateCase {
        std::string_view history;
        int game;
        std::string controls;
        std::string status;
        bool useDatedData;
    };
    void ExpectDataStates(const std::vector<DataStateCase>& cases, std::string_view sourceSuffix) {
        for (const DataStateCase& each : cases) {
            SCOPED_TRACE(each.status);
            std::filesystem::remove("vtrmain.dat");
            if (!each.history.empty()) {
                WriteHistory(each.history);
            }
            handOver = HandOver();
            handOver.useDatedData = true; // stays as it is when nothing is loaded
            OpenSheet(each.game);
            EXPECT_EQ(ControlState(each.game, sourceSuffix), each.controls);
            EXPECT_EQ(Text(each.game, "statusLabel"), each.status);
            EXPECT_EQ(handOver.useDatedData, each.useDatedData);
        }
    }

    // Adds a record of lines about `game` to the result log, as an operation that ran would.
    void LogLines(std::optional<GameType> game, std::string_view text) {
        results.log().Add(
            {game, std::nullopt, "test", false, FileReport{std::string(text)}, ReportLines::FromText(text)});
    }

    std::vector<std::string> ResultLines() const {
        return sheet->pageAs<ResultListPage>(kDejaViewPage)->lines();
    }
    bool ApplyEnabled() const { return Find<QAbstractButton>("applyButton")->isEnabled(); }
    bool OkEnabled() const { return sheet->IsOkEnabled(); }

    TempWorkingDir workDir;
    RecordingMessageSink messages;
    MemoryProfileStore profile;
    SettableClock clock{1000};
    ShellServices services;
    HandOver handOver;
    SheetResults results;
    std::vector<int> helpContexts;
    int exitRequests = 0;
    std::unique_ptr<OperationsSheet> sheet;

private:
    ScopedMessageSink sinkInstalled_;
};

// Double-clicks the view, which runs the sheet modally; `whileOpen` acts on the running sheet, which is
// cancelled afterwards unless `whileOpen` closed it.
inline void RunSheetFromView(ChartView& view, const std::function<void(OperationsSheet&)>& whileOpen) {
    bool ran = false;
    QTimer::singleShot(0, &view, [&] {
        const QPointer<OperationsSheet> running =
            qobject_cast<OperationsSheet*>(QApplication::activeModalWidget());
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

// Clicks a button of a page of the running sheet, after turning to the page when it is not shown.
inline void ClickOn(OperationsSheet& running, int page, const char* name) {
    if (running.activeIndex() != page) {
        running.SetActivePage(page);
    }
    ClickButton(running.page(page)->findChild<QAbstractButton*>(QString::fromLatin1(name)));
}

// Runs the sheet from the view, clicks the buttons named on the game page and closes the sheet with OK; the
// view collects what the page left after the sheet is gone.
inline void RunOnOk(ChartView& view, int game, const std::vector<const char*>& clicks) {
    RunSheetFromView(view, [&](OperationsSheet& running) {
        for (const char* name : clicks) {
            ClickOn(running, game, name);
        }
        ClickButton(running.findChild<QAbstractButton*>(QStringLiteral("okButton")));
    });
}

} // namespace vantorel::test
