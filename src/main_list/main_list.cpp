#include "main_list/main_list.h"

#include "main_list/scintilla.h"
#include "text/line_breaks.h"

#include <QFont>
#include <cstring>
#include <limits>
#include <new>

#include "main_list/file_form_menu.h"
#include "text/cancel_point.h"
#include "text/failure.h"
#include "window/busy_cursor.h"

// The loader the editor hands out for filling a document on another thread, as the editor
// declares it: the same name in the global namespace, so that the object's type is this one.
class ILoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

protected:
    ~ILoader() = default;
};

namespace pendara {

namespace {

constexpr const char* kTooLong =
    QT_TRANSLATE_NOOP("pendara::Failure", "Text exceeds memo capacity");

// Up to this many hunks a step is applied edit by edit, which keeps the view where it was;
// more are applied by setting the whole text, which takes the same time however many there are.
constexpr std::size_t kHunksInPlace = 64;

// Above this many changed bytes a step goes in as a document of its own.
constexpr std::size_t kBytesInPlace = std::size_t{1} << 20;

// Sets a flag for as long as it lives.
struct Raised {
    bool& flag;
    explicit Raised(bool& f) : flag(f) { flag = true; }
    ~Raised() { flag = false; }
};

// While the program changes the text itself, the editor reports no modifications: the history
// records the step as a whole, and the editor would otherwise turn the inserted text into a string
// for its accessibility events, a copy of the whole list on each bulk change.
class TextEventsMuted {
public:
    explicit TextEventsMuted(QsciScintilla& editor)
        : editor_(editor),
          mask_(static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK))) {
        editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
    }
    ~TextEventsMuted() {
        editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                              static_cast<unsigned long>(mask_));
    }
    TextEventsMuted(const TextEventsMuted&) = delete;
    TextEventsMuted& operator=(const TextEventsMuted&) = delete;

private:
    QsciScintilla& editor_;
    int mask_;
};

// Repainted once, after the whole change is in, whatever happens on the way.
struct Suspended {
    MainList& list;
    explicit Suspended(MainList& l) : list(l) { list.suspendUpdates(); }
    ~Suspended() { list.resumeUpdates(); }
};

}  // namespace

LoadedText::~LoadedText() {
    if (loader_ != nullptr) static_cast<ILoader*>(loader_)->Release();
}

bool LoadedText::append(std::string_view text) {
    if (loader_ == nullptr || filled_) return false;
    auto* loader = static_cast<ILoader*>(loader_);
    // In pieces: the length is an int in some of the editor's versions, and a dropped job
    // stops between two.
    constexpr std::size_t kPiece = std::size_t{4} << 20;
    for (std::size_t at = 0; at < text.size(); at += kPiece) {
        CancelPoint();
        const std::string_view piece = text.substr(at, kPiece);
        if (loader->AddData(piece.data(), static_cast<std::ptrdiff_t>(piece.size())) !=
            QsciScintillaBase::SC_STATUS_OK) {
            return false;
        }
    }
    size_ += text.size();
    return true;
}

bool LoadedText::fill(std::string_view text) {
    if (!append(text)) return false;
    filled_ = true;
    return true;
}

std::vector<std::string> SplitListText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++breaks;
    }
    lines.reserve(breaks + 1);
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t brk = text.find("\r\n", from);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(from));
            break;
        }
        lines.emplace_back(text.substr(from, brk - from));
        from = brk + 2;
    }
    return lines;
}

int CountListLines(std::string_view text) {
    int breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++breaks;
    }
    return breaks + (text.empty() || text.ends_with("\r\n") ? 0 : 1);
}

void ListLineCounter::add(std::string_view piece) {
    if (piece.empty()) return;
    const bool joined = afterCr_ && piece.front() == '\n';
    breaks_ += (joined ? 1 : 0) + CountListLines(piece) - (piece.ends_with("\r\n") ? 0 : 1);
    endsInBreak_ = piece.ends_with("\r\n") || (joined && piece.size() == 1);
    afterCr_ = piece.back() == '\r';
    any_ = true;
}

std::string NormalizeBreaks(std::string text) {
    const BreakCounts breaks = CountBreaks(text);
    if (breaks.cr + breaks.lf == 0) return text;
    std::string out;
    out.reserve(text.size() + breaks.cr + breaks.lf);
    std::size_t from = 0;
    std::size_t turn = 0;
    for (std::size_t at = FindBreak(text); at < text.size(); at = FindBreak(text, from)) {
        CancelPointEvery(++turn);
        out.append(text, from, at - from).append("\r\n");
        from = at + BreakSize(text, at);
    }
    out.append(text, from, std::string::npos);
    return out;
}

MainList::MainList(QsciScintilla& editor) : editor_(editor) {
    // A document without style bytes: the list is never coloured, and on a long list the styles
    // would cost as much memory as the text itself.
    const long document =
        editor_.SendScintilla(QsciScintillaBase::SCI_CREATEDOCUMENT, 0UL,
                              static_cast<long>(QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE));
    editor_.SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0UL, document);
    editor_.SendScintilla(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0UL, document);
    setUpDocument();
    editor_.setWrapMode(QsciScintilla::WrapNone);
    editor_.setMarginWidth(0, 0);
    editor_.setMarginWidth(1, 0);
    editor_.setFolding(QsciScintilla::NoFoldStyle);
    editor_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(11);
    editor_.setFont(font);
    editor_.SendScintilla(QsciScintillaBase::SCI_STYLESETFONT, QsciScintillaBase::STYLE_DEFAULT,
                          font.family().toUtf8().constData());
    editor_.SendScintilla(QsciScintillaBase::SCI_STYLESETSIZEFRACTIONAL,
                          QsciScintillaBase::STYLE_DEFAULT, 825);  // 11 px at 96 dpi
    // Black on white whatever the palette: the editor would take the palette's background but
    // keep its black text, which reads on no dark theme.
    editor_.setPaper(Qt::white);
    editor_.setColor(Qt::black);
    editor_.SendScintilla(QsciScintillaBase::SCI_STYLECLEARALL);
    // Let the horizontal scroll bar reach the longest line as the user scrolls.
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
    QObject::connect(
        &editor_, &QsciScintillaBase::SCN_MODIFIED, &editor_,
        [this](int position, int modification, const char* text, int length, int, int, int, int,
               int, int) { noteEdit(position, modification, text, length); });
    setOrigin(ListOrigin());
}

void MainList::setUpDocument() {
    editor_.setUtf8(true);
    editor_.setEolMode(QsciScintilla::EolWindows);
    // The list keeps its own history, which holds only what a step changed.
    editor_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
    editor_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
}

std::unique_ptr<LoadedText> MainList::prepareText(std::size_t bytes) {
    void* loader = reinterpret_cast<void*>(editor_.SendScintilla(
        QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(bytes),
        static_cast<long>(QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE)));
    return std::unique_ptr<LoadedText>(new LoadedText(loader));
}

bool MainList::WorthLoading(const TextDelta& delta) {
    if (delta.hunks().size() > kHunksInPlace) return true;
    std::size_t changed = 0;
    for (const TextHunk& hunk : delta.hunks()) changed += hunk.oldLength + hunk.newLength;
    return changed > kBytesInPlace;
}

void MainList::putInPlace(LoadedText& loaded, TextDelta delta, std::string invocation) {
    Q_ASSERT(loaded.filled());
    if (loaded.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw Failure(kTooLong);
    }
    if (delta.empty()) return;
    const Suspended suspended(*this);
    swapIn(loaded);
    history_.record(std::move(delta), EditKind::Bulk, loaded.size(), std::move(invocation));
}

void MainList::swapIn(LoadedText& loaded) {
    {
        const Raised applying(applying_);
        const bool readOnly = editor_.isReadOnly();
        auto* loader = static_cast<ILoader*>(loaded.loader_);
        loaded.loader_ = nullptr;
        const long document = reinterpret_cast<long>(loader->ConvertToDocument());
        // The editor holds the document now; the old one goes with its last holder.
        editor_.SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0UL, document);
        editor_.SendScintilla(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0UL, document);
        setUpDocument();
        editor_.setReadOnly(readOnly);
        editor_.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
    }
}

std::string_view MainList::view() const {
    const auto length =
        static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    if (length == 0) return {};
    return {reinterpret_cast<const char*>(
                editor_.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER)),
            length};
}

void MainList::noteEdit(int position, int modification, const char* text, int length) {
    if (applying_ || length <= 0) return;
    const auto at = static_cast<std::size_t>(position);
    if (modification & QsciScintillaBase::SC_MOD_BEFOREDELETE) {
        // The editor reports a deletion without its text when it keeps no history of its own.
        const auto* bytes = reinterpret_cast<const char*>(
            editor_.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                  static_cast<unsigned long>(position), static_cast<long>(length)));
        deleting_.assign(bytes, static_cast<std::size_t>(length));
    } else if (modification & QsciScintillaBase::SC_MOD_DELETETEXT) {
        history_.record(TextDelta::Replacement(at, deleting_, {}), EditKind::Typing, view().size());
        deleting_.clear();
    } else if (modification & QsciScintillaBase::SC_MOD_INSERTTEXT) {
        history_.record(
            TextDelta::Replacement(at, {}, view().substr(at, static_cast<std::size_t>(length))),
            EditKind::Typing, view().size());
    }
    (void)text;
}

void MainList::apply(const UndoHistory::Step& step, bool backwards, const std::string* result) {
    TextDelta plain;
    if (step.delta.packed()) plain = step.delta.unpacked();
    const TextDelta& delta = step.delta.packed() ? plain : step.delta;
    const Raised applying(applying_);
    const TextEventsMuted muted(editor_);
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSTATUS, 0);
    const auto& hunks = delta.hunks();
    if (hunks.size() <= kHunksInPlace) {
        // From the last hunk to the first, so the positions of those before stay right.
        std::size_t removedEnd = delta.removed().size();
        std::size_t insertedEnd = delta.inserted().size();
        for (auto hunk = hunks.rbegin(); hunk != hunks.rend(); ++hunk) {
            removedEnd -= hunk->oldLength;
            insertedEnd -= hunk->newLength;
            const std::size_t at = backwards ? hunk->newAt : hunk->oldAt;
            const std::size_t length = backwards ? hunk->newLength : hunk->oldLength;
            std::string_view by;
            if (backwards)
                by = std::string_view(delta.removed()).substr(removedEnd, hunk->oldLength);
            else if (result != nullptr)
                by = std::string_view(*result).substr(hunk->newAt, hunk->newLength);
            else
                by = std::string_view(delta.inserted()).substr(insertedEnd, hunk->newLength);
            editor_.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE,
                                  static_cast<unsigned long>(at), static_cast<long>(at + length));
            editor_.SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                                  static_cast<unsigned long>(by.size()), by.data());
        }
        std::size_t caret = 0;
        if (step.kind == EditKind::Typing && !hunks.empty()) {
            const TextHunk& first = hunks.front();
            caret = backwards ? first.oldAt + first.oldLength : first.newAt + first.newLength;
        }
        editor_.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(caret));
    } else {
        std::string made;
        if (result == nullptr) {
            made = backwards ? delta.before(view()) : delta.after(view());
            result = &made;
        }
        // Not SCI_SETTEXT: it would stop at a NUL, which is a character of the list.
        editor_.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
        editor_.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT,
                              static_cast<unsigned long>(result->size()), result->data());
    }
    if (editor_.SendScintilla(QsciScintillaBase::SCI_GETSTATUS) ==
        QsciScintillaBase::SC_STATUS_BADALLOC) {
        editor_.SendScintilla(QsciScintillaBase::SCI_SETSTATUS, 0);
        // What the editor holds now is not known, so no step may be applied to it.
        history_ = UndoHistory();
        savedState_ = ~std::uint64_t{0};
        throw Failure(kTooLong);
    }
}

void MainList::setOrigin(ListOrigin origin) {
    origin_ = std::move(origin);
    editor_.setToolTip(FileFormCaption(origin_.form()));
}

void MainList::reopen(std::string text, ListOrigin origin) {
    const std::uint64_t before = history_.state();
    setText(std::move(text));
    if (history_.state() != before) reopened_[history_.state()] = {origin_, origin};
    setOrigin(std::move(origin));
}

std::string MainList::text() const {
    const auto length =
        static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    if (length == 0) return {};
    // The character pointer gives the whole text without a copy inside the editor.
    const auto* data = reinterpret_cast<const char*>(
        editor_.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return std::string(data, length);
}

int MainList::count() const { return CountListLines(view()); }

LineList MainList::lines() const {
    const auto length =
        static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    if (length == 0) return {};
    const auto* data = reinterpret_cast<const char*>(
        editor_.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return LineList(SplitListText(std::string_view(data, length)));
}

void MainList::replaceText(const std::string& text, std::string invocation) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw Failure(kTooLong);
    }
    const BusyCursor busy;
    putInPlace(text, TextDelta::Between(view(), text), std::move(invocation));
}

void MainList::putInPlace(const std::string& text, TextDelta delta, std::string invocation) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw Failure(kTooLong);
    }
    if (delta.empty()) return;
    const Suspended suspended(*this);
    UndoHistory::Step step{std::move(delta), EditKind::Bulk, 0};
    apply(step, false, &text);
    history_.record(std::move(step.delta), EditKind::Bulk, text.size(), std::move(invocation));
}

std::optional<EditKind> MainList::undo(LoadedText* made,
                                       std::shared_ptr<const std::string> textNow) {
    return takeStep(textNow != nullptr ? history_.undo(std::move(textNow)) : history_.undo(view()),
                    made, true);
}

std::optional<EditKind> MainList::redo(LoadedText* made) {
    std::shared_ptr<const std::string> ledTo;
    const UndoHistory::Step* step = history_.redo(&ledTo);
    return takeStep(step, made, false, ledTo.get());
}

std::optional<EditKind> MainList::takeStep(const UndoHistory::Step* step, LoadedText* made,
                                           bool undoing, const std::string* result) {
    if (step == nullptr) return std::nullopt;
    const BusyCursor busy;
    const Suspended suspended(*this);
    if (made != nullptr && made->filled())
        swapIn(*made);
    else
        apply(*step, undoing, result);
    // A reopening in another encoding goes back and forth with its form.
    if (const auto found = reopened_.find(step->id); found != reopened_.end()) {
        setOrigin(undoing ? found->second.first : found->second.second);
    }
    return step->kind;
}

void MainList::markSaved() {
    history_.seal();
    savedState_ = history_.state();
}

void MainList::setText(std::string text) {
    std::string normalized;
    try {
        normalized = NormalizeBreaks(std::move(text));
    } catch (const std::bad_alloc&) {
        throw Failure(kTooLong);
    }
    const auto length =
        static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    if (length == normalized.size()) {
        if (length == 0) return;
        const auto* data = reinterpret_cast<const char*>(
            editor_.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
        if (std::memcmp(data, normalized.data(), length) == 0) return;
    }
    replaceText(normalized);
}

void MainList::assign(const LineList& lines, std::string invocation) {
    std::string text;
    try {
        text = JoinLines(lines.lines());
    } catch (const std::bad_alloc&) {
        throw Failure(kTooLong);
    }
    replaceText(text, std::move(invocation));
}

MainList::Recording MainList::recording() const {
    const UndoHistory::Since since = history_.since(recordFrom_);
    Recording recording{.steps = {}, .complete = since.complete};
    for (const UndoHistory::Step* step : since.steps) {
        if (step->invocation.empty()) {
            recording.complete = false;
            continue;
        }
        // A recipe run is recorded as its steps, a line each.
        std::string_view lines = step->invocation;
        for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos;
             lines.remove_prefix(end + 1)) {
            recording.steps.emplace_back(lines.substr(0, end));
        }
        recording.steps.emplace_back(lines);
    }
    return recording;
}

void MainList::clear() { replaceText(std::string()); }

void MainList::suspendUpdates() {
    if (suspended_++ == 0) editor_.setUpdatesEnabled(false);
}

void MainList::resumeUpdates() {
    // A resume without its suspension would repaint in the middle of someone else's edit.
    Q_ASSERT(suspended_ > 0);
    if (suspended_ == 0) return;
    if (--suspended_ == 0) {
        editor_.setUpdatesEnabled(true);
        editor_.viewport()->update();
    }
}

}  // namespace pendara
