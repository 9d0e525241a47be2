#include "merge/merger_page.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <memory>

#include "commands/invocation.h"
#include "files/list_file.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "merge/merge_lists.h"
#include "ui_merger_page.h"
#include "window/accessible_names.h"
#include "window/browse_for_list_file.h"
#include "window/handler_guard.h"
#include "window/line_box_filter.h"
#include "window/page_context.h"

namespace pendara {

namespace {

// Read as the Main List reads a file, so a legacy code page compares as its letters.
LineList ReadLines(const std::string& path) {
    return LineList(SplitLines(ReadListFile(path, {.encoding = std::string(kGuessEncoding)})));
}

}  // namespace

MergerPage::MergerPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::MergerPage>()) {
    ui_->setupUi(this);
    // The browse buttons show only "...".
    ui_->Button8->setAccessibleName(tr("Browse for the first list"));
    ui_->Button9->setAccessibleName(tr("Browse for the second list"));
    setObjectName(QStringLiteral("shtLMerge"));

    connect(ui_->Button11, &QPushButton::clicked, this, &MergerPage::Button11Click);
    connect(ui_->Button8, &QPushButton::clicked, this, [this] { Button8Click(ui_->Button8); });
    connect(ui_->Button9, &QPushButton::clicked, this, [this] { Button8Click(ui_->Button9); });
    connect(ui_->Button10, &QPushButton::clicked, this, &MergerPage::Button10Click);
    for (QRadioButton* mode : {ui_->RadioButton7, ui_->RadioButton8}) {
        // Selected by mouse, keyboard or program alike.
        connect(mode, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on) RadioButton7Click(mode);
        });
    }
    for (QLineEdit* box : {ui_->txtLeftUp, ui_->txtRightDown}) {
        LineBoxFilter::install(*box, LineBoxFilter::EscClears | LineBoxFilter::FileDropFills);
    }
    for (QLineEdit* box : {ui_->txtSeparator, ui_->before, ui_->after}) {
        LineBoxFilter::install(*box, LineBoxFilter::EscClears);
    }
    for (QLineEdit* box :
         {ui_->txtLeftUp, ui_->txtRightDown, ui_->txtSeparator, ui_->before, ui_->after}) {
        connect(box, &QLineEdit::returnPressed, ui_->Button11, &QAbstractButton::click);
    }
}

MergerPage::~MergerPage() = default;

void MergerPage::Button11Click() {
    const QString first = ui_->txtLeftUp->text();
    const QString second = ui_->txtRightDown->text();
    // A merge that cannot run leaves the Main List as it is.
    if (first.isEmpty() || second.isEmpty()) return;
    const MergeMode mode =
        ui_->RadioButton7->isChecked() ? MergeMode::LeftRight : MergeMode::TopBottom;
    // Recorded as the recipe step that reads both files and leaves the list so far out.
    const auto path = [](const QString& name) {
        return QFile::encodeName(QFileInfo(name).absoluteFilePath()).toStdString();
    };
    Invocation merge(*FindCommand("merge"));
    if (mode == MergeMode::TopBottom) merge.set("--top-bottom");
    const std::pair<const char*, QLineEdit*> texts[] = {
        {"--before", ui_->before}, {"--separator", ui_->txtSeparator}, {"--after", ui_->after}};
    for (const auto& [option, box] : texts) {
        if (!box->text().isEmpty()) merge.set(option, {box->text().toStdString()});
    }
    merge.setInput(path(first)).add(path(second));
    auto unread = std::make_shared<std::atomic<bool>>(false);
    const std::size_t bytes = static_cast<std::size_t>(
        std::max<qint64>(0, QFileInfo(first).size() + QFileInfo(second).size()));
    context_.bulkRun().start({.form = TransactionForm::SuccessOnly,
                              .edit =
                                  [unread, mode, first = QFile::encodeName(first).toStdString(),
                                   second = QFile::encodeName(second).toStdString(),
                                   before = ui_->before->text().toStdString(),
                                   separator = ui_->txtSeparator->text().toStdString(),
                                   after = ui_->after->text().toStdString()](LineList& lines) {
                                      LineList left;
                                      LineList right;
                                      try {
                                          left = ReadLines(first);
                                          right = ReadLines(second);
                                      } catch (...) {
                                          *unread = true;
                                          throw;
                                      }
                                      lines =
                                          MergeLists(mode, left, right, before, separator, after);
                                  },
                              .done =
                                  [this] {
                                      context_.mainList().setOrigin(ListOrigin());
                                      context_.navigator().showListBuilder();
                                  },
                              .failed =
                                  [this, unread] {
                                      if (*unread) context_.navigator().showListBuilder();
                                  },
                              .invocation = WriteInvocation(merge)},
                             bytes);
}

void MergerPage::Button8Click(QObject* sender) {
    BrowseForTaggedBox(sender, {{0, ui_->txtLeftUp}, {1, ui_->txtRightDown}}, context_.dialogs(),
                       this);
}

void MergerPage::Button10Click() {
    const QString first = ui_->txtLeftUp->text();
    ui_->txtLeftUp->setText(ui_->txtRightDown->text());
    ui_->txtRightDown->setText(first);
}

void MergerPage::RadioButton7Click(QObject* sender) {
    const bool topBottom = sender != nullptr && sender->property("tag").toInt() == 1;
    SetCaptionText(*ui_->Label32, topBottom ? tr("Top") : tr("Left"));
    SetCaptionText(*ui_->Label38, topBottom ? tr("Bottom") : tr("Right"));
    ui_->Button10->setText(topBottom ? tr("Top <=> Bottom") : tr("Left <=> Right"));
}

}  // namespace pendara
