#pragma once

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/invocation.h"
#include "list/line_list.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace pendara {

// What a preview found: the counts and the first lines of the result, the changed ones marked.
struct PreviewResult {
    std::size_t before = 0;
    std::size_t after = 0;
    std::size_t changed = 0;  // result lines not in the list, and list lines not in the result
    bool reordered = false;   // the same lines, another order
    std::vector<std::pair<std::string, bool>> first;  // a line and whether it is changed
    std::string error;                                // why the command failed on the list, or ""
};

// The invocation's result on `list`, described. Runs on any thread.
PreviewResult Preview(const Invocation& invocation, const LineList& list, std::size_t shown);

// Every catalogue command in one window: find it by name or summary, set its options with
// controls built from its entry, see what it would do, and apply it.
class CommandDialog : public QDialog {
    Q_OBJECT
public:
    // `lines` gives a snapshot of the Main List, `state` names the state it is in (equal
    // states, equal text); `apply` runs an invocation on it.
    CommandDialog(std::function<LineList()> lines, std::function<std::uint64_t()> state,
                  std::function<void(const Invocation&)> apply, QWidget* parent);
    ~CommandDialog() override;

    // Shows `command` with the options it had when last applied.
    void choose(const std::string& command);
    const CommandEntry* chosen() const { return entry_; }
    // The invocation the controls give, or why they give none.
    std::optional<Invocation> invocation(std::string* error = nullptr) const;
    // Takes a new snapshot of the list and previews again.
    void refresh();

    // The preview shown last and its generation, for the window's tests.
    std::uint64_t shownGeneration() const { return shown_; }
    std::uint64_t generation() const { return generation_; }

Q_SIGNALS:
    void previewShown();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Control;
    void filterCommands(const QString& text);
    void buildControls();
    void optionsChanged();
    void startPreview();
    void showPreview(std::uint64_t generation, const PreviewResult& result);
    void applyClicked();

    std::function<LineList()> lines_;
    std::function<std::uint64_t()> state_;
    std::uint64_t snapshotState_ = 0;
    std::function<void(const Invocation&)> apply_;
    std::shared_ptr<const LineList> snapshot_;
    const CommandEntry* entry_ = nullptr;
    QLineEdit* filter_;
    QListWidget* commands_;
    QLabel* summary_;
    QWidget* options_;
    QFormLayout* form_;
    QLabel* status_;
    QPlainTextEdit* preview_;
    QPushButton* applyButton_;
    QTimer debounce_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::uint64_t generation_ = 0;
    std::uint64_t shown_ = 0;
    std::shared_ptr<bool> alive_;
    // The newest generation, for previews still queued: a stale one is not worked out at all.
    std::shared_ptr<std::atomic<std::uint64_t>> latest_;
};

}  // namespace pendara
