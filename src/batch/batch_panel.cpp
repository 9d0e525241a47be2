#include "batch/batch_panel.h"

#include <QApplication>
#include <algorithm>
#include <string>
#include <vector>

#include "batch/add_text.h"
#include "batch/keyword_filter.h"
#include "batch/line_cleanup.h"
#include "batch/remove_chars.h"
#include "batch/replace_text.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "main_list/scintilla.h"
#include "ui_batch_panel.h"
#include "window/dialogs.h"
#include "window/page_context.h"

namespace pendara {

namespace {

constexpr std::int32_t kMaximum = 10000000;

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

// Where the Add or Remove group puts its edit.
LinePlace PlaceOf(bool atPosition, std::int64_t position, std::string_view search, bool backwards) {
    const Direction direction = backwards ? Direction::Backwards : Direction::Forwards;
    return atPosition ? LinePlace::At(position, direction) : LinePlace::NextTo(search, direction);
}

// A checked match toggle means all keywords.
KeywordMatch MatchOf(const QAbstractButton* toggle) {
    return toggle->isChecked() ? KeywordMatch::All : KeywordMatch::Any;
}

}  // namespace

BatchPanel::BatchPanel(const PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), ui_(std::make_unique<Ui::BatchPanel>()) {
    ui_->setupUi(this);

    const struct {
        NumberBox* box;
        std::int32_t minimum;
    } boxes[] = {{ui_->AAI, 1}, {ui_->MRem, 1}, {ui_->RAI, 1},  {ui_->RL1, 0},
                 {ui_->RL2, 1}, {ui_->RL3, 0},  {ui_->RLB1, 0}, {ui_->RLB2, 0}};
    for (const auto& [box, minimum] : boxes) {
        box->setRange(minimum, kMaximum);
        box->setValue(1);
        box->setDialogs(&context_.dialogs());
    }

    // The captions were laid out for a narrower font than the one that may stand in for it here:
    // a label grows to its text rather than cutting it off ("to" would show as "t").
    for (QLabel* label : {ui_->Label4, ui_->Label14, ui_->Label15, ui_->Label16}) {
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    }

    connect(ui_->BtnAdd, &QPushButton::clicked, this, &BatchPanel::BtnAddClick);
    connect(ui_->BtnRemove, &QPushButton::clicked, this, &BatchPanel::BtnRemoveClick);
    connect(ui_->BtnRep, &QPushButton::clicked, this, &BatchPanel::BtnRepClick);
    connect(ui_->BtnFilter, &QPushButton::clicked, this, &BatchPanel::BtnFilterClick);
    connect(ui_->RemELine, &QPushButton::clicked, this, &BatchPanel::RemELineClick);
    connect(ui_->btnTrim, &QPushButton::clicked, this, &BatchPanel::btnTrimClick);
    connect(ui_->Button14, &QPushButton::clicked, this, &BatchPanel::Button14Click);
    // Enter in an operation's text box presses that operation's button.
    const std::pair<QLineEdit*, QAbstractButton*> enterPresses[] = {
        {ui_->MAdd, ui_->BtnAdd},      {ui_->TxtAddPos, ui_->BtnAdd},
        {ui_->TxtPos, ui_->BtnRemove}, {ui_->MRep, ui_->BtnRep},
        {ui_->RWith, ui_->BtnRep},     {ui_->IncText, ui_->BtnFilter},
        {ui_->ExcText, ui_->BtnFilter}};
    for (const auto& [box, button] : enterPresses)
        connect(box, &QLineEdit::returnPressed, button, &QAbstractButton::click);
    const std::pair<NumberBox*, QAbstractButton*> enterPressesNumber[] = {
        {ui_->AAI, ui_->BtnAdd},    {ui_->MRem, ui_->BtnRemove}, {ui_->RAI, ui_->BtnRemove},
        {ui_->RL1, ui_->Button14},  {ui_->RL2, ui_->Button14},   {ui_->RL3, ui_->Button14},
        {ui_->RLB1, ui_->Button14}, {ui_->RLB2, ui_->Button14}};
    for (const auto& [box, button] : enterPressesNumber)
        connect(box, &NumberBox::enterPressed, button, &QAbstractButton::click);
    for (QToolButton* toggle : {ui_->IncMethod, ui_->ExcMethod, ui_->MCase}) {
        connect(toggle, &QToolButton::clicked, this, &BatchPanel::IncMethodClick);
    }
}

BatchPanel::~BatchPanel() = default;

BatchControls BatchPanel::controls() const {
    std::optional<LengthOption> length;
    const std::pair<const QRadioButton*, LengthOption> lengths[] = {
        {ui_->RLO1, LengthOption::Equal},
        {ui_->RLO2, LengthOption::Less},
        {ui_->RLO3, LengthOption::More},
        {ui_->RLO4, LengthOption::Range}};
    for (const auto& [radio, option] : lengths) {
        if (radio->isChecked()) length = option;
    }
    return {.addText = Text(ui_->MAdd),
            .addAtPosition = ui_->AR1->isChecked(),
            .addPosition = ui_->AAI->value(),
            .addNextTo = Text(ui_->TxtAddPos),
            .addBackwards = ui_->CBackA->isChecked(),
            .removeCount = ui_->MRem->value(),
            .removeAtPosition = ui_->R1->isChecked(),
            .removePosition = ui_->RAI->value(),
            .removeNextTo = Text(ui_->TxtPos),
            .removeBackwards = ui_->CBackR->isChecked(),
            .find = Text(ui_->MRep),
            .with = Text(ui_->RWith),
            .include = Text(ui_->IncText),
            .includeAll = ui_->IncMethod->isChecked(),
            .exclude = Text(ui_->ExcText),
            .excludeAll = ui_->ExcMethod->isChecked(),
            .matchCase = ui_->MCase->isChecked(),
            .ignoreSpace = ui_->IgnSpace->isChecked(),
            .trimStart = ui_->LeftTrim->isChecked(),
            .trimEnd = ui_->RightTrim->isChecked(),
            .length = length,
            .equal = ui_->RL1->value(),
            .less = ui_->RL2->value(),
            .more = ui_->RL3->value(),
            .rangeLow = ui_->RLB1->value(),
            .rangeHigh = ui_->RLB2->value()};
}

void BatchPanel::runEdit(QAbstractButton* button, TransactionForm form,
                         const std::function<std::function<void(LineList&)>()>& makeEdit) {
    // Taking the focus makes a number box that is being edited bring its text into range
    // before the edit reads it, also when the button is pressed from the keyboard or in code.
    QWidget* typing = QApplication::focusWidget();
    button->setFocus(Qt::OtherFocusReason);
    // The step is recorded as the command line that gives what the button gives.
    const std::pair<QAbstractButton*, BatchButton> buttons[] = {
        {ui_->BtnAdd, BatchButton::Add},           {ui_->BtnRemove, BatchButton::Remove},
        {ui_->BtnRep, BatchButton::Replace},       {ui_->BtnFilter, BatchButton::Filter},
        {ui_->RemELine, BatchButton::RemoveEmpty}, {ui_->btnTrim, BatchButton::Trim},
        {ui_->Button14, BatchButton::RemoveLength}};
    std::string recorded;
    for (const auto& [known, which] : buttons) {
        if (known != button) continue;
        if (const std::optional<Invocation> invocation = BatchInvocation(controls(), which)) {
            recorded = WriteInvocation(*invocation);
        }
    }
    // The edit takes the boxes' values with it: it runs off the window's thread.
    context_.bulkRun().start({.form = form, .edit = makeEdit(), .invocation = recorded});
    // Pressed by Enter in a box: the user goes on typing there.
    const bool box =
        qobject_cast<QLineEdit*>(typing) != nullptr || qobject_cast<NumberBox*>(typing) != nullptr;
    if (box && isAncestorOf(typing)) typing->setFocus(Qt::OtherFocusReason);
}

void BatchPanel::BtnAddClick() {
    runEdit(ui_->BtnAdd, TransactionForm::Standard, [this] {
        // The place holds a view of the search text, so it is made where the text lives.
        return [text = Text(ui_->MAdd), atPosition = ui_->AR1->isChecked(),
                position = ui_->AAI->value(), search = Text(ui_->TxtAddPos),
                backwards = ui_->CBackA->isChecked()](LineList& lines) {
            AddText(lines, text, PlaceOf(atPosition, position, search, backwards));
        };
    });
}

void BatchPanel::BtnRemoveClick() {
    runEdit(ui_->BtnRemove, TransactionForm::Standard, [this] {
        return [count = ui_->MRem->value(), atPosition = ui_->R1->isChecked(),
                position = ui_->RAI->value(), search = Text(ui_->TxtPos),
                backwards = ui_->CBackR->isChecked()](LineList& lines) {
            RemoveChars(lines, count, PlaceOf(atPosition, position, search, backwards));
        };
    });
}

void BatchPanel::BtnRepClick() {
    runEdit(ui_->BtnRep, TransactionForm::SuccessOnly, [this] {
        return [find = Text(ui_->MRep), with = Text(ui_->RWith)](LineList& lines) {
            ReplaceText(lines, find, with);
        };
    });
}

void BatchPanel::BtnFilterClick() {
    runEdit(ui_->BtnFilter, TransactionForm::Standard, [this] {
        return [include = Text(ui_->IncText), includeMatch = MatchOf(ui_->IncMethod),
                exclude = Text(ui_->ExcText), excludeMatch = MatchOf(ui_->ExcMethod),
                letterCase = ui_->MCase->isChecked() ? LetterCase::Match
                                                     : LetterCase::Ignore](LineList& lines) {
            FilterByKeywords(lines, {include, includeMatch, exclude, excludeMatch, letterCase});
        };
    });
}

void BatchPanel::RemELineClick() {
    runEdit(ui_->RemELine, TransactionForm::Standard, [this] {
        return
            [empty = ui_->IgnSpace->isChecked() ? EmptyLines::BlanksOnly : EmptyLines::NoCharacter](
                LineList& lines) { RemoveEmptyLines(lines, empty); };
    });
}

void BatchPanel::btnTrimClick() {
    runEdit(ui_->btnTrim, TransactionForm::Standard, [this] {
        return [ends = EndsOf(ui_->LeftTrim->isChecked(), ui_->RightTrim->isChecked())](
                   LineList& lines) { TrimLines(lines, ends); };
    });
}

void BatchPanel::Button14Click() {
    runEdit(ui_->Button14, TransactionForm::Standard, [this]() -> std::function<void(LineList&)> {
        // An empty list leaves the range boxes as they are, too.
        if (context_.mainList().editor().length() == 0) return [](LineList&) {};
        std::vector<LengthCondition> rules;
        if (ui_->RLO1->isChecked())
            rules.push_back({LengthOption::Equal, ui_->RL1->value()});
        else if (ui_->RLO2->isChecked())
            rules.push_back({LengthOption::Less, ui_->RL2->value()});
        else if (ui_->RLO3->isChecked())
            rules.push_back({LengthOption::More, ui_->RL3->value()});
        // Whatever the option, the range boxes end up in order.
        const std::int32_t low = ui_->RLB1->value();
        const std::int32_t high = ui_->RLB2->value();
        if (low > high) {
            ui_->RLB1->setValue(high);
            ui_->RLB2->setValue(low);
        }
        if (ui_->RLO4->isChecked()) {
            rules.push_back({LengthOption::Range, ui_->RLB1->value(), ui_->RLB2->value()});
        }
        return [rules = std::move(rules)](LineList& lines) {
            for (const LengthCondition& rule : rules) RemoveLinesByLength(lines, rule);
        };
    });
}

void BatchPanel::IncMethodClick() {
    auto* toggle = qobject_cast<QAbstractButton*>(sender());
    if (toggle == nullptr) return;
    if (toggle->text() == QStringLiteral("A")) {
        toggle->setText(QStringLiteral("O"));
    } else if (toggle->text() == QStringLiteral("O")) {
        toggle->setText(QStringLiteral("A"));
    }
}

}  // namespace pendara
