#include "main_list/command_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QThreadPool>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <new>

#include "commands/apply.h"
#include "window/accessible_names.h"
#include "window/handler_guard.h"

namespace pendara {

namespace {

// The options last applied, per command, for as long as the program runs.
std::map<std::string, Invocation>& LastApplied() {
    static std::map<std::string, Invocation> last;
    return last;
}

bool FitsSpinBox(const ValueRange& range) {
    return range.minimum >= std::numeric_limits<int>::min() &&
           range.maximum <= std::numeric_limits<int>::max();
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The catalogue's words for people (summaries, option help, value names) in the user's
// language; command and option names are the command line's own and stay as they are.
QString Told(const std::string& text) {
    return QCoreApplication::translate("pendara::Catalogue", text.c_str());
}

}  // namespace

PreviewResult Preview(const Invocation& invocation, const LineList& list, std::size_t shown) {
    PreviewResult result;
    result.before = static_cast<std::size_t>(list.count());
    LineList after = list;
    try {
        ApplyInvocation(invocation, after);
    } catch (const std::bad_alloc&) {
        result.error = QT_TRANSLATE_NOOP("pendara::Failure", "Out of memory");
        return result;
    } catch (const std::exception& error) {
        result.error = error.what();
        return result;
    }
    result.after = static_cast<std::size_t>(after.count());
    // A result line is unchanged when the list held it (as many times); the rest are new, and
    // the list's lines left over are gone. Lines are compared by their hashes, sorted, which at
    // a million lines costs a fraction of a table of the lines themselves.
    const auto hashes = [](const std::vector<std::string>& lines) {
        std::vector<std::size_t> out;
        out.reserve(lines.size());
        for (const std::string& line : lines) out.push_back(std::hash<std::string_view>{}(line));
        std::sort(out.begin(), out.end());
        return out;
    };
    const std::vector<std::size_t> was = hashes(list.lines());
    const std::vector<std::size_t> is = hashes(after.lines());
    std::size_t kept = 0;
    for (std::size_t i = 0, j = 0; i < was.size() && j < is.size();) {
        if (was[i] < is[j]) {
            ++i;
        } else if (is[j] < was[i]) {
            ++j;
        } else {
            ++kept, ++i, ++j;
        }
    }
    result.changed = (was.size() - kept) + (is.size() - kept);
    for (std::size_t i = 0; i < after.lines().size() && result.first.size() < shown; ++i) {
        const std::string& line = after.lines()[i];
        const bool changed =
            !std::binary_search(was.begin(), was.end(), std::hash<std::string_view>{}(line));
        result.first.emplace_back(line, changed);
    }
    result.reordered = result.changed == 0 && after.lines() != list.lines();
    return result;
}

struct CommandDialog::Control {
    const OptionSpec* option = nullptr;
    std::size_t argument = 0;  // when option is null
    QCheckBox* check = nullptr;
    QLineEdit* line = nullptr;
    QSpinBox* spin = nullptr;
    QComboBox* combo = nullptr;
    QPlainTextEdit* values = nullptr;  // a repeated option: one value a line
};

CommandDialog::CommandDialog(std::function<LineList()> lines, std::function<std::uint64_t()> state,
                             std::function<void(const Invocation&)> apply, QWidget* parent)
    : QDialog(parent),
      lines_(std::move(lines)),
      state_(std::move(state)),
      apply_(std::move(apply)),
      filter_(new QLineEdit(this)),
      commands_(new QListWidget(this)),
      summary_(new QLabel(this)),
      options_(new QWidget(this)),
      form_(new QFormLayout),
      status_(new QLabel(this)),
      preview_(new QPlainTextEdit(this)),
      applyButton_(new QPushButton(tr("&Apply"), this)),
      alive_(std::make_shared<bool>(true)),
      latest_(std::make_shared<std::atomic<std::uint64_t>>(0)) {
    setObjectName(QStringLiteral("CommandDialog"));
    setWindowTitle(tr("Commands"));
    filter_->setObjectName(QStringLiteral("commandFilter"));
    filter_->setPlaceholderText(tr("Find a command by name or what it does"));
    filter_->setClearButtonEnabled(true);
    commands_->setObjectName(QStringLiteral("commandList"));
    for (const CommandEntry& entry : Catalogue()) {
        auto* item = new QListWidgetItem(Q(entry.name), commands_);
        item->setToolTip(Told(entry.summary));
        item->setData(Qt::UserRole, Told(entry.summary));
    }
    commands_->setMinimumWidth(150);
    commands_->setAccessibleName(tr("Commands"));
    filter_->setAccessibleName(filter_->placeholderText());
    summary_->setObjectName(QStringLiteral("commandSummary"));
    summary_->setWordWrap(true);
    status_->setObjectName(QStringLiteral("previewStatus"));
    status_->setWordWrap(true);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setReadOnly(true);
    preview_->setAccessibleName(tr("Preview"));
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::Monospace);
    preview_->setFont(mono);
    applyButton_->setObjectName(QStringLiteral("applyCommand"));
    applyButton_->setEnabled(false);

    auto* left = new QVBoxLayout;
    left->addWidget(filter_);
    left->addWidget(commands_, 1);
    // The rows keep their height at the top; the space left stays below them.
    auto* rows = new QVBoxLayout(options_);
    rows->addLayout(form_);
    rows->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(options_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* right = new QVBoxLayout;
    right->addWidget(summary_);
    right->addWidget(scroll, 3);
    right->addWidget(status_);
    right->addWidget(preview_, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(applyButton_, QDialogButtonBox::ApplyRole);
    // Enter in a box applies, as in the window's other boxes; Esc closes.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    applyButton_->setDefault(true);
    right->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 2);
    // 800 by 640 at the forms' font; a desktop's larger font needs as much more room for the
    // options' help to show whole, as far as the screen allows.
    QSize room(fontMetrics().averageCharWidth() * 133, fontMetrics().lineSpacing() * 53);
    if (const QScreen* here = screen()) room = room.boundedTo(here->availableGeometry().size());
    resize(room);

    debounce_.setSingleShot(true);
    debounce_.setInterval(150);
    connect(&debounce_, &QTimer::timeout, this, &CommandDialog::startPreview);
    connect(filter_, &QLineEdit::textChanged, this, &CommandDialog::filterCommands);
    connect(commands_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) choose(commands_->item(row)->text().toStdString());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(applyButton_, &QPushButton::clicked, this, &CommandDialog::applyClicked);
    refresh();
}

CommandDialog::~CommandDialog() { *alive_ = false; }

void CommandDialog::changeEvent(QEvent* event) {
    // Back from the Main List, where the user may have changed the list.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        state_() != snapshotState_) {
        refresh();
    }
    QDialog::changeEvent(event);
}

void CommandDialog::filterCommands(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < commands_->count(); ++row) {
        QListWidgetItem* item = commands_->item(row);
        const bool shown = item->text().contains(text, Qt::CaseInsensitive) ||
                           item->data(Qt::UserRole).toString().contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && first == nullptr) first = item;
    }
    // The best match is the one a name starts with.
    for (int row = 0; row < commands_->count(); ++row) {
        QListWidgetItem* item = commands_->item(row);
        if (!item->isHidden() && item->text().startsWith(text, Qt::CaseInsensitive)) {
            first = item;
            break;
        }
    }
    if (first != nullptr &&
        (commands_->currentItem() == nullptr || commands_->currentItem()->isHidden())) {
        commands_->setCurrentItem(first);
    } else if (first != nullptr && !text.isEmpty()) {
        commands_->setCurrentItem(first);
    }
}

void CommandDialog::choose(const std::string& command) {
    const CommandEntry* entry = FindCommand(command);
    if (entry == nullptr || entry == entry_) return;
    entry_ = entry;
    for (int row = 0; row < commands_->count(); ++row) {
        if (commands_->item(row)->text().toStdString() == command) {
            const QSignalBlocker blocker(commands_);
            commands_->setCurrentRow(row);
        }
    }
    summary_->setText(
        QStringLiteral("<b>%1</b>: %2")
            .arg(Q(entry->name).toHtmlEscaped(), Told(entry->summary).toHtmlEscaped()));
    buildControls();
    optionsChanged();
}

void CommandDialog::buildControls() {
    while (form_->rowCount() > 0) form_->removeRow(0);
    controls_.clear();
    const auto last = LastApplied().find(entry_->name);
    const Invocation* was = last != LastApplied().end() ? &last->second : nullptr;
    const auto changed = [this] { optionsChanged(); };
    for (std::size_t i = 0; i < entry_->arguments.size(); ++i) {
        const ArgumentSpec& argumentSpec = entry_->arguments[i];
        auto control = std::make_unique<Control>();
        control->argument = i;
        control->line = new QLineEdit(options_);
        control->line->setObjectName(QStringLiteral("argument%1").arg(i));
        if (argumentSpec.kind == ArgumentKind::List) {
            control->line->setPlaceholderText(tr("a list file"));
        } else if (!argumentSpec.unless.empty()) {
            control->line->setPlaceholderText(tr("or give %1").arg(Q(argumentSpec.unless)));
        } else if (argumentSpec.optional) {
            control->line->setPlaceholderText(tr("optional"));
        }
        if (was != nullptr) control->line->setText(Q(was->argument(i)));
        connect(control->line, &QLineEdit::textChanged, this, changed);
        form_->addRow(Q(argumentSpec.name) + QLatin1Char(':'), control->line);
        controls_.push_back(std::move(control));
    }
    for (const OptionSpec& option : entry_->options) {
        auto control = std::make_unique<Control>();
        control->option = &option;
        const std::vector<std::string>* values = nullptr;
        if (was != nullptr && was->has(option.name)) values = &was->options().at(option.name);
        QWidget* widget = nullptr;
        if (option.kind == ValueKind::Flag) {
            control->check = new QCheckBox(Told(option.help), options_);
            control->check->setChecked(values != nullptr);
            connect(control->check, &QCheckBox::toggled, this, changed);
            widget = control->check;
        } else if (option.repeats) {
            control->values = new QPlainTextEdit(options_);
            control->values->setPlaceholderText(tr("one %1 a line").arg(Told(option.valueName)));
            control->values->setFixedHeight(control->values->fontMetrics().lineSpacing() * 4 + 10);
            QString text;
            if (values != nullptr) {
                for (const std::string& value : *values) text += Q(value) + QLatin1Char('\n');
            }
            control->values->setPlainText(text);
            connect(control->values, &QPlainTextEdit::textChanged, this, changed);
            widget = control->values;
        } else if (option.kind == ValueKind::Choice) {
            control->combo = new QComboBox(options_);
            if (option.byDefault.empty()) control->combo->addItem(QString());
            for (const std::string& choice : option.choices) control->combo->addItem(Q(choice));
            const std::string current = values != nullptr ? values->front() : option.byDefault;
            control->combo->setCurrentText(Q(current));
            connect(control->combo, &QComboBox::currentTextChanged, this, changed);
            widget = control->combo;
        } else if (option.kind == ValueKind::Number && !option.byDefault.empty() &&
                   FitsSpinBox(option.range)) {
            control->spin = new QSpinBox(options_);
            control->spin->setRange(static_cast<int>(option.range.minimum),
                                    static_cast<int>(option.range.maximum));
            control->spin->setValue(
                Q(values != nullptr ? values->front() : option.byDefault).toInt());
            connect(control->spin, &QSpinBox::valueChanged, this, changed);
            widget = control->spin;
        } else {
            control->line = new QLineEdit(options_);
            if (values != nullptr) {
                QStringList words;
                for (const std::string& value : *values) words << Q(value);
                control->line->setText(words.join(QLatin1Char(' ')));
            }
            if (option.kind == ValueKind::Number || option.kind == ValueKind::NumberPair) {
                control->line->setPlaceholderText(tr("%1 (%2 to %3)")
                                                      .arg(Told(option.valueName))
                                                      .arg(option.range.minimum)
                                                      .arg(option.range.maximum));
            } else {
                control->line->setPlaceholderText(Told(option.valueName));
            }
            connect(control->line, &QLineEdit::textChanged, this, changed);
            widget = control->line;
        }
        widget->setObjectName(Q(option.name));
        widget->setToolTip(Told(option.help));
        auto* caption = new QLabel(Q(option.name) + QLatin1Char(':'), options_);
        // The caption is the box's, not the cell's that holds it with its help; a reader finds
        // a buddy's name only beside it, so the box carries the name as well.
        caption->setBuddy(widget);
        if (option.kind != ValueKind::Flag) widget->setAccessibleName(Q(option.name));
        if (option.kind == ValueKind::Flag) {
            form_->addRow(caption, widget);
        } else {
            // The value's meaning under its box, as the check boxes carry theirs, and in the
            // same colour: greyed out as a disabled label it would not read.
            auto* cell = new QWidget(options_);
            auto* stack = new QVBoxLayout(cell);
            stack->setContentsMargins(0, 0, 0, 0);
            stack->setSpacing(1);
            widget->setParent(cell);
            stack->addWidget(widget);
            auto* help = new QLabel(Told(option.help), cell);
            help->setWordWrap(true);
            help->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
            stack->addWidget(help);
            cell->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
            form_->addRow(caption, cell);
        }
        controls_.push_back(std::move(control));
    }
    NameControlsForReaders(*this);
}

std::optional<Invocation> CommandDialog::invocation(std::string* error) const {
    if (entry_ == nullptr) {
        if (error != nullptr) *error = QT_TRANSLATE_NOOP("pendara::Failure", "Choose a command.");
        return std::nullopt;
    }
    std::vector<std::string> words{entry_->name};
    std::vector<std::string> arguments;
    for (const auto& control : controls_) {
        const OptionSpec* option = control->option;
        if (option == nullptr) {
            const std::string text = control->line->text().toStdString();
            if (!text.empty()) arguments.push_back(text);
            continue;
        }
        if (control->check != nullptr) {
            if (control->check->isChecked()) words.push_back(option->name);
        } else if (control->values != nullptr) {
            for (const QString& value :
                 control->values->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                words.push_back(option->name);
                words.push_back(value.toStdString());
            }
        } else if (control->combo != nullptr) {
            const std::string choice = control->combo->currentText().toStdString();
            if (!choice.empty() && choice != option->byDefault) {
                words.push_back(option->name);
                words.push_back(choice);
            }
        } else if (control->spin != nullptr) {
            const std::string value = std::to_string(control->spin->value());
            if (value != option->byDefault) {
                words.push_back(option->name);
                words.push_back(value);
            }
        } else {
            const QString text = control->line->text();
            if (text.isEmpty()) continue;
            words.push_back(option->name);
            if (option->kind == ValueKind::NumberPair) {
                for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    words.push_back(part.toStdString());
                }
            } else {
                words.push_back(text.toStdString());
            }
        }
    }
    if (!arguments.empty()) {
        words.emplace_back("--");
        words.insert(words.end(), arguments.begin(), arguments.end());
    }
    try {
        return ParseInvocation(words);
    } catch (const std::exception& failure) {
        if (error != nullptr) *error = failure.what();
        return std::nullopt;
    }
}

void CommandDialog::refresh() {
    snapshot_ = std::make_shared<const LineList>(lines_());
    snapshotState_ = state_();
    optionsChanged();
}

void CommandDialog::optionsChanged() {
    // A newer request makes every preview still on its way stale.
    latest_->store(++generation_);
    std::string error;
    if (!invocation(&error)) {
        debounce_.stop();
        applyButton_->setEnabled(false);
        status_->setText(TranslatedFailure(error));
        preview_->clear();
        shown_ = generation_;
        return;
    }
    applyButton_->setEnabled(true);
    status_->setText(tr("Working out the preview..."));
    debounce_.start();
}

void CommandDialog::startPreview() {
    std::optional<Invocation> command = invocation();
    if (!command) return;
    const std::uint64_t generation = generation_;
    // The list is the snapshot taken when the dialog opened or last applied: the preview
    // never reads the editor from another thread.
    QThreadPool::globalInstance()->start(
        [command = *command, list = snapshot_, alive = alive_, latest = latest_, this, generation] {
            if (latest->load() != generation) return;
            PreviewResult result = Preview(command, *list, 200);
            QMetaObject::invokeMethod(
                qApp,
                [alive, this, generation, result = std::move(result)] {
                    if (*alive) showPreview(generation, result);
                },
                Qt::QueuedConnection);
        });
}

void CommandDialog::showPreview(std::uint64_t generation, const PreviewResult& result) {
    if (generation != generation_) return;  // the options changed since it was asked for
    shown_ = generation;
    if (!result.error.empty()) {
        status_->setText(TranslatedFailure(result.error));
        preview_->clear();
        applyButton_->setEnabled(false);
        Q_EMIT previewShown();
        return;
    }
    QString counts = tr("%1 lines before, %2 after, %3 changed")
                         .arg(result.before)
                         .arg(result.after)
                         .arg(result.changed);
    if (result.reordered) counts += tr(", the order changes");
    status_->setText(counts + tr(". Changed lines are marked with *."));
    QString text;
    for (const auto& [line, changed] : result.first) {
        text +=
            (changed ? QStringLiteral("* ") : QStringLiteral("  ")) + Q(line) + QLatin1Char('\n');
    }
    preview_->setPlainText(text);
    applyButton_->setEnabled(true);
    Q_EMIT previewShown();
}

void CommandDialog::applyClicked() {
    std::optional<Invocation> command = invocation();
    if (!command) return;
    LastApplied().insert_or_assign(command->command(), *command);
    apply_(*command);
    refresh();
}

}  // namespace pendara
