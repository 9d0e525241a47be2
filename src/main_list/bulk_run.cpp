#include "main_list/bulk_run.h"

#include <malloc.h>
#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <exception>

#include "main_list/main_list.h"
#include "main_list/scintilla.h"
#include "main_list/text_delta.h"
#include "text/cancel_point.h"
#include "text/failure.h"
#include "window/handler_guard.h"

namespace pendara {

namespace {

// A pool of its own: a dropped job runs out in the background and must not hold up the next.
QThreadPool& Workers() {
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
        return true;
    }();
    (void)sized;
    return pool;
}

}  // namespace

struct BulkRun::Job {
    std::atomic<bool> cancelled{false};
};

namespace {

// Millions of freed lines stay with the allocator, counted against the process, unless it is
// asked to give them back.
void GiveBackFreedMemory() { malloc_trim(0); }

}  // namespace

void FreeOffThread(LineList&& lines) {
    if (lines.empty()) return;
    auto held = std::make_shared<LineList>(std::move(lines));
    Workers().start([held]() mutable {
        held.reset();
        GiveBackFreedMemory();
    });
}

void FreeOffThread(std::string&& text) {
    if (text.empty()) return;
    auto held = std::make_shared<std::string>(std::move(text));
    Workers().start([held]() mutable {
        held.reset();
        GiveBackFreedMemory();
    });
}

BulkRun::BulkRun(MainList& mainList, WorkList& workList, QWidget& window, Dialogs& dialogs)
    : QObject(&window),
      mainList_(mainList),
      workList_(workList),
      window_(window),
      dialogs_(dialogs),
      progressTimer_(new QTimer(this)) {
    progressTimer_->setSingleShot(true);
    connect(progressTimer_, &QTimer::timeout, this, &BulkRun::showProgress);
}

BulkRun::~BulkRun() {
    if (running_) running_->cancelled = true;
}

void BulkRun::guard(QWidget* widget) { widgets_.emplace_back(widget); }
void BulkRun::guard(QAction* action) { actions_.emplace_back(action); }

bool BulkRun::start(BulkEdit bulk, std::size_t extraBytes) {
    if (running()) return false;
    // The snapshot: the worker splits it into lines and works out what changed.
    auto before = std::make_shared<std::string>(mainList_.text());
    const std::uint64_t state = mainList_.history().state();
    auto edit = std::make_shared<BulkEdit>(std::move(bulk));
    MainList& list = mainList_;
    WorkList& workList = workList_;
    const std::size_t bytes = before->size() + extraBytes;
    // A long result goes into a document of its own on the worker.
    std::shared_ptr<LoadedText> loaded;
    if (!runsInline(bytes)) loaded = mainList_.prepareText(before->size());
    return startJob(
        [before, state, edit, loaded, &list,
         &workList](const std::atomic<bool>& cancelled) mutable -> Finish {
            auto lines = std::make_shared<LineList>(SplitListText(*before));
            if (cancelled) return {};
            std::exception_ptr failure;
            try {
                edit->edit(*lines);
            } catch (...) {
                failure = std::current_exception();
            }
            if (cancelled) return {};
            const bool hand = failure == nullptr || edit->form == TransactionForm::Standard;
            auto after = std::make_shared<std::string>();
            auto delta = std::make_shared<TextDelta>();
            if (hand) {
                try {
                    *after = JoinLines(lines->lines());
                    *delta = TextDelta::Between(*before, *after);
                    // Kept for undo, where a long list's step would cost a copy of itself.
                    delta->pack();
                } catch (const std::bad_alloc&) {
                    if (failure == nullptr) failure = std::current_exception();
                    after.reset();
                }
            }
            std::string().swap(*before);
            // The work list keeps only its count: the lines are freed off the window, beside
            // the rest of this work.
            const int count = lines->count();
            FreeOffThread(std::move(*lines));
            lines.reset();
            if (loaded != nullptr &&
                (after == nullptr || !MainList::WorthLoading(*delta) || !loaded->fill(*after))) {
                loaded.reset();
            }
            return [=, &list, &workList] {
                if (failure != nullptr && edit->failed) edit->failed();
                if (hand && edit->throughWorkList) workList.keepCount(count);
                if (hand && after != nullptr) {
                    // A step that failed part way is no step of the command it ran.
                    std::string recorded = failure == nullptr ? edit->invocation : std::string();
                    // Changed meanwhile (it should not): the delta no longer fits the text.
                    if (list.history().state() != state) {
                        list.putInPlace(*after, TextDelta::Between(list.text(), *after),
                                        std::move(recorded));
                    } else if (loaded != nullptr) {
                        list.putInPlace(*loaded, std::move(*delta), std::move(recorded));
                    } else {
                        list.putInPlace(*after, std::move(*delta), std::move(recorded));
                    }
                    FreeOffThread(std::move(*after));
                }
                if (failure != nullptr) std::rethrow_exception(failure);
                if (edit->done) edit->done();
            };
        },
        bytes);
}

bool BulkRun::replaceText(std::function<std::string()> make, std::size_t newBytes,
                          std::function<void()> done) {
    if (running()) return false;
    auto before = std::make_shared<std::string>(mainList_.text());
    const std::uint64_t state = mainList_.history().state();
    const std::size_t bytes = before->size() + newBytes;
    std::shared_ptr<LoadedText> loaded;
    if (!runsInline(bytes)) loaded = mainList_.prepareText(newBytes);
    MainList& list = mainList_;
    return startJob(
        [before, make = std::move(make), state, loaded, done = std::move(done),
         &list](const std::atomic<bool>& cancelled) mutable -> Finish {
            auto after = std::make_shared<std::string>();
            try {
                *after = NormalizeBreaks(make());
            } catch (const std::bad_alloc&) {
                throw Failure("Text exceeds memo capacity");
            }
            if (cancelled) return {};
            auto delta = std::make_shared<TextDelta>(TextDelta::Between(*before, *after));
            delta->pack();
            std::string().swap(*before);
            if (loaded != nullptr && (!MainList::WorthLoading(*delta) || !loaded->fill(*after)))
                loaded.reset();
            return [=, &list] {
                if (list.history().state() != state)
                    list.putInPlace(*after, TextDelta::Between(list.text(), *after));
                else if (loaded != nullptr)
                    list.putInPlace(*loaded, std::move(*delta));
                else
                    list.putInPlace(*after, std::move(*delta));
                FreeOffThread(std::move(*after));
                if (done) done();
            };
        },
        bytes);
}

namespace {

// What a job's work gives, or what throws its failure on the window's thread.
BulkRun::Finish Finished(const BulkRun::Work& work, const std::atomic<bool>& cancelled) {
    try {
        return work(cancelled);
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        return [failure] { std::rethrow_exception(failure); };
    }
}

}  // namespace

bool BulkRun::startJob(Work work, std::size_t bytes) {
    if (running()) return false;
    auto job = std::make_shared<Job>();
    if (bytes <= inlineBytes_) {
        // Short work: on this thread, in the same order of events.
        if (Finish done = Finished(work, job->cancelled)) RunGuarded(&window_, dialogs_, done);
        return true;
    }
    running_ = job;
    begin();
    QPointer<BulkRun> self(this);
    Workers().start([job, work = std::move(work), self] {
        // The rules' cancel points stop the work soon after a cancel, which drops the job.
        const CancelScope scope(&job->cancelled);
        Finish done = Finished(work, job->cancelled);
        if (job->cancelled) return;
        // Queued to the runner's thread; dropped with the runner when the window is gone.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [job, self, done = std::move(done)] {
                if (self != nullptr) self->finish(job, done);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void BulkRun::startBackground(std::function<Finish()> work, std::size_t bytes) {
    const auto run = [](const std::function<Finish()>& work) -> Finish {
        try {
            return work();
        } catch (...) {
            return {};
        }
    };
    if (bytes <= inlineBytes_) {
        if (Finish done = run(work)) done();
        return;
    }
    QPointer<BulkRun> self(this);
    Workers().start([run, work = std::move(work), self] {
        Finish done = run(work);
        if (!done) return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, done = std::move(done)] {
                if (self != nullptr) done();
            },
            Qt::QueuedConnection);
    });
}

void BulkRun::finish(const std::shared_ptr<Job>& job, Finish done) {
    if (job != running_ || job->cancelled) return;
    running_.reset();
    end();
    if (done) RunGuarded(&window_, dialogs_, done);
}

void BulkRun::cancel() {
    if (!running_) return;
    running_->cancelled = true;
    running_.reset();
    end();
}

void BulkRun::wait() {
    while (running()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

void BulkRun::begin() {
    QsciScintilla& editor = mainList_.editor();
    wasReadOnly_ = editor.isReadOnly();
    // Typing now would be lost when the result comes.
    editor.setReadOnly(true);
    disabledWidgets_.clear();
    disabledActions_.clear();
    for (const QPointer<QWidget>& widget : widgets_) {
        if (widget != nullptr && widget->isEnabled()) {
            widget->setEnabled(false);
            disabledWidgets_.push_back(widget);
        }
    }
    for (const QPointer<QAction>& action : actions_) {
        if (action != nullptr && action->isEnabled()) {
            action->setEnabled(false);
            disabledActions_.push_back(action);
        }
    }
    progressTimer_->start(progressDelay_);
    // Esc reaches Cancel wherever the focus is in the window, the editor included, which would
    // take the key for itself.
    QCoreApplication::instance()->installEventFilter(this);
    Q_EMIT runningChanged(true);
}

bool BulkRun::eventFilter(QObject* watched, QEvent* event) {
    if (running() && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier && widget != nullptr &&
            widget->window() == window_.window()) {
            cancel();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void BulkRun::end() {
    QCoreApplication::instance()->removeEventFilter(this);
    progressTimer_->stop();
    if (progress_ != nullptr) progress_->hide();
    mainList_.editor().setReadOnly(wasReadOnly_);
    for (const QPointer<QWidget>& widget : disabledWidgets_) {
        if (widget != nullptr) widget->setEnabled(true);
    }
    for (const QPointer<QAction>& action : disabledActions_) {
        if (action != nullptr) action->setEnabled(true);
    }
    disabledWidgets_.clear();
    disabledActions_.clear();
    Q_EMIT runningChanged(false);
}

void BulkRun::showProgress() {
    if (!running()) return;
    if (progress_ == nullptr) {
        // In the window, over its lower edge: no dialog takes the focus from where the user is.
        progress_ = new QFrame(&window_);
        progress_->setObjectName(QStringLiteral("BulkProgress"));
        progress_->setFrameShape(QFrame::StyledPanel);
        progress_->setAutoFillBackground(true);
        auto* layout = new QHBoxLayout(progress_);
        layout->addWidget(new QLabel(tr("Working..."), progress_));
        auto* bar = new QProgressBar(progress_);
        bar->setRange(0, 0);  // how far it got is not known
        bar->setTextVisible(false);
        layout->addWidget(bar);
        auto* stop = new QPushButton(tr("Cancel"), progress_);
        stop->setObjectName(QStringLiteral("BulkCancel"));
        stop->setFocusPolicy(Qt::NoFocus);
        connect(stop, &QPushButton::clicked, this, &BulkRun::cancel);
        layout->addWidget(stop);
    }
    progress_->adjustSize();
    progress_->move((window_.width() - progress_->width()) / 2,
                    window_.height() - progress_->height() - 32);
    progress_->raise();
    progress_->show();
}

}  // namespace pendara
