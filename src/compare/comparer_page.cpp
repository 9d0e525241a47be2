#include "compare/comparer_page.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QToolTip>
#include <algorithm>
#include <exception>
#include <memory>

#include "commands/invocation.h"
#include "compare/compare_lists.h"
#include "compare/line_list_model.h"
#include "files/list_file.h"
#include "list/line_compare.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "ui_comparer_page.h"
#include "window/browse_for_list_file.h"
#include "window/dialogs.h"
#include "window/handler_guard.h"
#include "window/line_box_filter.h"
#include "window/page_context.h"

namespace pendara {

namespace {

QString LinesText(int count) {
    return count == 1 ? ComparerPage::tr("1 line") : ComparerPage::tr("%1 lines").arg(count);
}

}  // namespace

ComparerPage::ComparerPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::ComparerPage>()) {
    ui_->setupUi(this);
    // The browse buttons show only "...".
    ui_->Button1->setAccessibleName(tr("Browse for the 1st list"));
    ui_->Button3->setAccessibleName(tr("Browse for the 2nd list"));
    setObjectName(QStringLiteral("shtLComp"));

    QListView* const views[] = {ui_->lstFirst, ui_->lstSecond, ui_->lstSame, ui_->lstDif};
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i] = new LineListModel(this);
        views[i]->setModel(results_[i]);
    }

    connect(ui_->Button7, &QPushButton::clicked, this, &ComparerPage::Button7Click);
    for (QPushButton* browse : {ui_->Button1, ui_->Button3}) {
        connect(browse, &QPushButton::clicked, this, [this, browse] { Button1Click(browse); });
    }
    for (QRadioButton* source : {ui_->RadioButton1, ui_->RadioButton2, ui_->RadioButton3}) {
        connect(source, &QRadioButton::toggled, this, &ComparerPage::RadioButton1Click);
    }
    for (QRadioButton* source : {ui_->RadioButton4, ui_->RadioButton5, ui_->RadioButton6}) {
        connect(source, &QRadioButton::toggled, this, &ComparerPage::RadioButton4Click);
    }
    for (QPushButton* button : {ui_->btnFirst, ui_->btnSecond, ui_->btnSame, ui_->btnDif}) {
        connect(button, &QPushButton::clicked, this, [this, button] { btnFirstClick(button); });
    }
    for (QPushButton* button : {ui_->clpFirst, ui_->clpSecond, ui_->clpSame, ui_->clpDif}) {
        connect(button, &QPushButton::clicked, this, [this, button] { clpClipboard(button); });
    }
    for (QLineEdit* box : {ui_->txtFirst, ui_->txtSecond}) {
        LineBoxFilter::install(*box, LineBoxFilter::EscClears | LineBoxFilter::FileDropFills);
        connect(box, &QLineEdit::returnPressed, ui_->Button7, &QAbstractButton::click);
    }
}

ComparerPage::~ComparerPage() = default;

const LineList& ComparerPage::result(int tag) const {
    static const LineList kNone;
    return tag >= 1 && tag <= 4 ? results_[static_cast<std::size_t>(tag - 1)]->lines() : kNone;
}

ComparerPage::ListSource ComparerPage::sourceOf(const QRadioButton& fromFile,
                                                const QRadioButton& fromClipboard) {
    if (fromFile.isChecked()) return ListSource::FromFile;
    if (fromClipboard.isChecked()) return ListSource::FromClipboard;
    return ListSource::FromMainList;
}

ComparerPage::Side ComparerPage::takeSide(ListSource source, const QLineEdit& fileBox) {
    switch (source) {
        case ListSource::FromFile:
            return {source, QFile::encodeName(fileBox.text()).toStdString()};
        case ListSource::FromClipboard:
            try {
                return {source, context_.dialogs().clipboardText()};
            } catch (...) {
                return {source, {}, std::current_exception()};
            }
        case ListSource::FromMainList:
            return {source, context_.mainList().text()};
    }
    return {source, {}};
}

LineList ComparerPage::readSide(const Side& side) {
    if (side.failure != nullptr) std::rethrow_exception(side.failure);
    switch (side.source) {
        case ListSource::FromFile:
            // Read as the Main List reads a file, so a 1252 list matches its UTF-8 twin.
            return LineList(
                SplitLines(ReadListFile(side.taken, {.encoding = std::string(kGuessEncoding)})));
        case ListSource::FromClipboard:
            return LineList(SplitLines(side.taken));
        case ListSource::FromMainList:
            return LineList(SplitListText(side.taken));
    }
    return {};
}

void ComparerPage::showSizes() {
    // Each result's size, also when the comparison failed and left them empty.
    QListView* const views[] = {ui_->lstFirst, ui_->lstSecond, ui_->lstSame, ui_->lstDif};
    for (std::size_t i = 0; i < results_.size(); ++i)
        views[i]->setToolTip(LinesText(results_[i]->lines().count()));
}

void ComparerPage::Button7Click() {
    BulkRun& run = context_.bulkRun();
    if (run.running()) return;
    for (LineListModel* model : results_) model->clear();
    recorded_ = {};
    auto sides = std::make_shared<std::pair<Side, Side>>();
    bool go = false;
    RunGuarded(this, context_.dialogs(), [&] {
        const ListSource first = sourceOf(*ui_->RadioButton1, *ui_->RadioButton2);
        const ListSource second = sourceOf(*ui_->RadioButton4, *ui_->RadioButton5);
        if (first == ListSource::FromFile && ui_->txtFirst->text().isEmpty()) return;
        if (second == ListSource::FromFile && ui_->txtSecond->text().isEmpty()) return;
        sides->first = takeSide(first, *ui_->txtFirst);
        // Both sides from the Main List get the same lines; no need to read it twice.
        const bool same = first == ListSource::FromMainList && second == ListSource::FromMainList;
        sides->second = same ? Side{second, {}} : takeSide(second, *ui_->txtSecond);
        go = true;
    });
    if (!go) {
        showSizes();
        return;
    }
    const auto recorded = std::make_shared<Recorded>(recordedFor(*sides));
    std::size_t bytes = sides->first.taken.size() + sides->second.taken.size();
    for (const Side* side : {&sides->first, &sides->second}) {
        if (side->source == ListSource::FromFile)
            bytes += static_cast<std::size_t>(
                std::max<qint64>(0, QFileInfo(QFile::decodeName(side->taken.c_str())).size()));
    }
    QPointer<ComparerPage> page(this);
    run.startJob(
        [sides, page, recorded](const std::atomic<bool>& cancelled) -> BulkRun::Finish {
            auto comparison = std::make_shared<Comparison>();
            std::exception_ptr failure;
            try {
                LineList firstLines = readSide(sides->first);
                LineList secondLines = sides->second.source == ListSource::FromMainList &&
                                               sides->first.source == ListSource::FromMainList
                                           ? firstLines
                                           : readSide(sides->second);
                if (cancelled) return {};
                *comparison = CompareLists(std::move(firstLines), std::move(secondLines),
                                           LineCollator::forUserLocale());
            } catch (...) {
                failure = std::current_exception();
            }
            return [page, comparison, failure, recorded] {
                if (page == nullptr) return;
                if (failure == nullptr) {
                    page->recorded_ = *recorded;
                    page->results_[0]->setLines(std::move(comparison->firstOnly));
                    page->results_[1]->setLines(std::move(comparison->secondOnly));
                    page->results_[2]->setLines(std::move(comparison->same));
                    page->results_[3]->setLines(std::move(comparison->different));
                }
                page->showSizes();
                if (failure != nullptr) std::rethrow_exception(failure);
            };
        },
        bytes);
}

ComparerPage::Recorded ComparerPage::recordedFor(const std::pair<Side, Side>& sides) const {
    // A file side is named by its full path; the Main List can only be the list so far, and
    // only as the first side: the comparison is not the same the other way round.
    Recorded recorded;
    const bool firstFile = sides.first.source == ListSource::FromFile;
    const bool firstList = sides.first.source == ListSource::FromMainList;
    if ((!firstFile && !firstList) || sides.second.source != ListSource::FromFile) return recorded;
    const auto path = [](const std::string& name) {
        return QFile::encodeName(QFileInfo(QFile::decodeName(name.c_str())).absoluteFilePath())
            .toStdString();
    };
    const char* const results[] = {"first-only", "second-only", "same", "different"};
    for (std::size_t i = 0; i < recorded.invocations.size(); ++i) {
        Invocation compare(*FindCommand("compare"));
        compare.set("--result", {results[i]});
        if (firstFile) compare.setInput(path(sides.first.taken));
        compare.add(path(sides.second.taken));
        recorded.invocations[i] = WriteInvocation(compare);
    }
    recorded.readsMainList = firstList;
    recorded.listState = context_.mainList().history().state();
    return recorded;
}

void ComparerPage::Button1Click(QObject* sender) {
    BrowseForTaggedBox(sender, {{2, ui_->txtFirst}, {3, ui_->txtSecond}}, context_.dialogs(), this);
}

void ComparerPage::RadioButton1Click() {
    const bool fromFile = ui_->RadioButton1->isChecked();
    ui_->txtFirst->setEnabled(fromFile);
    ui_->Button1->setEnabled(fromFile);
}

void ComparerPage::RadioButton4Click() {
    const bool fromFile = ui_->RadioButton4->isChecked();
    ui_->txtSecond->setEnabled(fromFile);
    ui_->Button3->setEnabled(fromFile);
}

LineListModel* ComparerPage::modelByTag(QObject* sender) const {
    const int tag = sender != nullptr ? sender->property("tag").toInt() : 0;
    return tag >= 1 && tag <= 4 ? results_[static_cast<std::size_t>(tag - 1)] : nullptr;
}

void ComparerPage::btnFirstClick(QObject* sender) {
    LineListModel* model = modelByTag(sender);
    if (model == nullptr) return;
    // Into the Main List of the window this page belongs to, whichever window that is.
    // The results stay as they are while an operation runs: the button that would change them
    // waits for it.
    const std::shared_ptr<const LineList> lines = model->shared();
    QPointer<QWidget> button = qobject_cast<QWidget*>(sender);
    const auto index = static_cast<std::size_t>(std::find(results_.begin(), results_.end(), model) -
                                                results_.begin());
    const bool listAsCompared =
        !recorded_.readsMainList || context_.mainList().history().state() == recorded_.listState;
    std::string invocation = listAsCompared ? recorded_.invocations[index] : std::string();
    context_.bulkRun().start(
        {.form = TransactionForm::SuccessOnly,
         .throughWorkList = false,
         .edit = [lines](LineList& into) { into = *lines; },
         .done =
             [this, button, count = lines->count()] {
                 context_.mainList().setOrigin(ListOrigin());
                 // The page does not change, so the button says what happened.
                 if (button == nullptr) return;
                 const QString done = tr("%1 went to the Main List").arg(LinesText(count));
                 button->setToolTip(done);
                 QToolTip::showText(button->mapToGlobal(button->rect().center()), done, button);
             },
         .invocation = std::move(invocation)},
        lines->lines().size() * 16);
}

void ComparerPage::clpClipboard(QObject* sender) {
    LineListModel* model = modelByTag(sender);
    if (model == nullptr) return;
    RunGuarded(this, context_.dialogs(), [&] {
        context_.dialogs().setClipboardText(JoinLines(model->lines().lines(), "\r\n"));
    });
}

}  // namespace pendara
