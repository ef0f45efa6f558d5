// The tests of windows: their dialogs answered from a script (no test ever
// waits for a click), and a fixture for tests that drive main windows, each
// made with those dialogs and private settings.
#pragma once

#include "common/ui/DialogSeam.h"
#include "printing/ui/PrintActions.h"
#include "testing/PrivateSettings.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace vorlan::test {

class ScriptedDialogs : public DialogSeam, public PrintOptionsSeam {
public:
    // Every message box, in order; answered by `answer` when set, else with
    // `reply` (an OK box with OK).
    QStringList messages;
    std::vector<MessageRequest> requests;
    MessageResult reply = MessageResult::No;
    std::function<MessageResult(const MessageRequest&)> answer;
    // The open dialogs take these in turn; none left: cancelled.
    QStringList openPaths;
    // Save As: what was asked; an empty path cancels.
    std::vector<SaveDialogRequest> saveRequests;
    QString savePath;
    int saveType = 1;
    // Export and report names (the first filter chosen); empty cancels.
    QString saveName;
    // The print options, from the saved ones; none set: cancelled.
    std::function<std::optional<PrintChoices>(const PrintChoices& saved)> printOptions;
    // Help opened, as "path#section".
    QStringList helpOpened;

    MessageResult ShowMessage(const MessageRequest& request) override {
        messages << request.text;
        requests.push_back(request);
        if (answer) {
            return answer(request);
        }
        return request.buttons == MessageButtons::Ok ? MessageResult::Ok : reply;
    }
    std::optional<QString> AskOpenPath(QWidget*, const QString&) override {
        if (openPaths.isEmpty()) {
            return std::nullopt;
        }
        return openPaths.takeFirst();
    }
    std::optional<SaveDialogAnswer> AskSavePath(QWidget*, const SaveDialogRequest& r) override {
        saveRequests.push_back(r);
        if (savePath.isEmpty()) {
            return std::nullopt;
        }
        return SaveDialogAnswer{savePath, saveType};
    }
    std::optional<SaveNameAnswer> AskSaveName(QWidget*, const SaveNameRequest& r) override {
        if (saveName.isEmpty()) {
            return std::nullopt;
        }
        return SaveNameAnswer{saveName, r.filters.section(QStringLiteral(";;"), 0, 0)};
    }
    void ShowHelp(QWidget*, const QString& path, const QString& section) override {
        helpOpened << (section.isEmpty() ? path : path + QLatin1Char('#') + section);
    }
    std::optional<PrintChoices> AskPrintOptions(QWidget*, LegendOptionsDialog::Purpose,
                                                const PrintChoices& saved) override {
        return printOptions ? printOptions(saved) : std::nullopt;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        UsePrivateSettings(::testing::UnitTest::GetInstance()->current_test_suite()->name());
    }
    void TearDown() override { DropPrivateSettings(); }

    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    QStringList& messages = dialogs->messages;
};

} // namespace vorlan::test
