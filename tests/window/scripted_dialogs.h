#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "text/failure.h"
#include "window/dialogs.h"

namespace pendara::testing {

// Dialogs for widget tests: file dialogs answer from a queue (nothing queued: cancelled),
// everything shown or opened is recorded, modal dialogs are handed to a callback and closed.
class ScriptedDialogs : public Dialogs {
public:
    // Answers of the file dialogs in turn; a null QString (or none left) is a cancel.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::vector<FileDialog> openRequests;
    std::vector<FileDialog> saveRequests;
    QStringList errors;
    QStringList messages;
    QStringList informations;
    QStringList inputBoxes;  // "title|prompt|text"
    QStringList opened;
    QStringList modalDialogs;               // objectName of each dialog run
    std::function<void(QDialog&)> onModal;  // runs while the dialog "shows"; may click in it
    std::deque<SaveChoice> saveChoices;     // none left: Cancel
    QStringList yesNoQuestions;
    std::deque<bool> yesNoAnswers;  // none left: No
    QStringList saveQuestions;
    std::deque<std::optional<Numbering>> numberings;  // none left: cancelled
    std::string clipboard;
    bool clipboardBusy = false;
    int beeps = 0;

    std::optional<QString> openFile(QWidget*, const FileDialog& dialog) override {
        openRequests.push_back(dialog);
        return take(openAnswers);
    }
    std::optional<QString> saveFile(QWidget*, const FileDialog& dialog) override {
        saveRequests.push_back(dialog);
        return take(saveAnswers);
    }
    void error(QWidget*, const QString& text) override { errors << text; }
    void message(QWidget*, const QString& text) override { messages << text; }
    void information(QWidget*, const QString& text) override { informations << text; }
    void inputBox(QWidget*, const QString& title, const QString& prompt,
                  const QString& text) override {
        inputBoxes << title + QLatin1Char('|') + prompt + QLatin1Char('|') + text;
    }
    SaveChoice askSaveChanges(QWidget*, const QString& text) override {
        saveQuestions << text;
        if (saveChoices.empty()) return SaveChoice::Cancel;
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }
    bool askYesNo(QWidget*, const QString& text) override {
        yesNoQuestions << text;
        if (yesNoAnswers.empty()) return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<Numbering> askNumbering(QWidget*, const Numbering&) override {
        if (numberings.empty()) return std::nullopt;
        const bool answered = numberings.front().has_value();
        const Numbering answer = answered ? *numberings.front() : Numbering();
        numberings.pop_front();
        if (!answered) return std::nullopt;
        return answer;
    }
    int runModal(QDialog& dialog) override {
        modalDialogs << dialog.objectName();
        dialog.show();
        if (onModal) onModal(dialog);
        if (dialog.isVisible()) dialog.close();
        return dialog.result();
    }
    void openWithShell(QWidget*, const QString& target) override { opened << target; }
    std::string clipboardText() override {
        if (clipboardBusy) throw Failure("Cannot open clipboard");
        return clipboard;
    }
    void setClipboardText(std::string_view text) override {
        if (clipboardBusy) throw Failure("Cannot open clipboard");
        clipboard = std::string(text);
    }
    void beep() override { ++beeps; }

private:
    static std::optional<QString> take(std::deque<QString>& answers) {
        if (answers.empty()) return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isNull()) return std::nullopt;
        return answer;
    }
};

}  // namespace pendara::testing
