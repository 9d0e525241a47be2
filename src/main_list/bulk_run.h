#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "list/line_list.h"
#include "list/work_list.h"
#include "main_list/edit_transaction.h"

class QAction;
class QFrame;
class QTimer;
class QWidget;

namespace pendara {

class Dialogs;
class MainList;

// A whole-list edit as the window runs it.
struct BulkEdit {
    TransactionForm form = TransactionForm::Standard;
    // Whether the work list ends up holding the result, as in the edit transaction.
    bool throughWorkList = true;
    // Runs off the window's thread on the Main List's lines: it may use only what it holds.
    std::function<void(LineList&)> edit{};
    // On the window's thread once the result is in place.
    std::function<void()> done{};
    // On the window's thread when the edit failed, before the error box shows.
    std::function<void()> failed{};
    // The command line the step is recorded as when it completes, "" for none.
    std::string invocation{};
};

// Every long operation of one Main List goes through here: the text is taken on the window's
// thread, the work runs on a worker, and what it gives is put in place on the window's thread,
// so the window keeps answering. One operation runs at a time; a Cancel (or Esc) in the window
// drops it and leaves the list, the work list and the history as they were.
class BulkRun : public QObject {
    Q_OBJECT
public:
    // What a job does on the window's thread when its work is done; it may throw, which shows
    // the error box.
    using Finish = std::function<void()>;
    // Off the window's thread; `cancelled` turns true when the job was dropped.
    using Work = std::function<Finish(const std::atomic<bool>& cancelled)>;

    // Up to this many bytes a job runs on the window's thread: a worker would not pay for itself.
    static constexpr std::size_t kInlineBytes = std::size_t{1} << 20;

    BulkRun(MainList& mainList, WorkList& workList, QWidget& window, Dialogs& dialogs);
    ~BulkRun() override;

    bool running() const { return running_ != nullptr; }

    // Runs `edit` on the Main List's lines; `extraBytes` counts inputs beyond the list (files
    // a merge reads). Returns false, doing nothing, while another operation runs.
    bool start(BulkEdit edit, std::size_t extraBytes = 0);
    // The whole text becomes what `make` gives on a worker (its breaks made CR LF), about
    // `bytes` long, as one step without a command line, as Paste and Clear need; `done` runs
    // once it is in place.
    bool replaceText(std::function<std::string()> make, std::size_t bytes,
                     std::function<void()> done = {});
    // Runs any job; `bytes` is how much it works through.
    bool startJob(Work work, std::size_t bytes);
    // Work that follows an operation without holding up the window or the next operation, as
    // packing what an undo keeps for redo: on a worker unless short, its Finish then on the
    // window's thread; dropped, failure and all, when the window is gone or it fails.
    void startBackground(std::function<Finish()> work, std::size_t bytes);

    // Drops the running operation: nothing it computes reaches the window.
    void cancel();
    // Runs the event loop until no operation runs.
    void wait();

    // Disabled while an operation runs.
    void guard(QWidget* widget);
    void guard(QAction* action);

    void setInlineBytes(std::size_t bytes) { inlineBytes_ = bytes; }
    // Whether a job through `bytes` runs on the window's thread.
    bool runsInline(std::size_t bytes) const { return bytes <= inlineBytes_; }
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

Q_SIGNALS:
    void runningChanged(bool running);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Job;
    void begin();
    void end();
    void finish(const std::shared_ptr<Job>& job, Finish finish);
    void showProgress();

    MainList& mainList_;
    WorkList& workList_;
    QWidget& window_;
    Dialogs& dialogs_;
    std::shared_ptr<Job> running_;
    std::size_t inlineBytes_ = kInlineBytes;
    int progressDelay_ = 300;
    QTimer* progressTimer_ = nullptr;
    QPointer<QFrame> progress_;
    std::vector<QPointer<QWidget>> widgets_;
    std::vector<QPointer<QAction>> actions_;
    // What was enabled before the operation, to give back afterwards.
    std::vector<QPointer<QWidget>> disabledWidgets_;
    std::vector<QPointer<QAction>> disabledActions_;
    bool wasReadOnly_ = false;
};

// Frees on a worker: a list of millions of lines takes a while to free.
void FreeOffThread(LineList&& lines);
void FreeOffThread(std::string&& text);

}  // namespace pendara
