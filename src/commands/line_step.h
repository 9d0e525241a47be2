#pragma once

#include <cassert>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pendara {

class LineStep;

// Where a step's result lines go: gathered as text, each followed by the line end, and handed
// to deliver() a block at a time. Lines that a step keeps exactly as they came, with the very
// line end the sink writes, are not copied one by one: they are remembered as runs of the
// input and copied a run at a time, which is most of the work when most lines stay. Nothing
// here is virtual but deliver(), as every line passes through.
class LineSink {
public:
    explicit LineSink(std::string_view lineEnd) : lineEnd_(lineEnd) {
        out_.reserve(kDeliverAt * 2);
    }
    virtual ~LineSink() = default;
    LineSink(const LineSink&) = delete;
    LineSink& operator=(const LineSink&) = delete;

    inline void put(std::string_view line);
    // `line` as the step was given it.
    void keep(std::string_view line) {
        if (next_ != nullptr) return put(line);
        // A break of two bytes is CR LF; one byte is CR or LF.
        const char* end = line.data() + line.size();
        if (line.data() == given_.data() && end == given_.data() + given_.size() &&
            static_cast<std::size_t>(givenNext_ - end) == lineEnd_.size() &&
            givenNext_[-1] == '\n') {
            if (line.data() != runEnd_) startRun(line.data());
            runEnd_ = givenNext_;
            return;
        }
        putKept(line);
    }
    // For a line made of pieces: append them to compose(), then commit() ends the line.
    std::string& compose() { return text(); }
    // The line end commit() appends, for a step that composes several lines at once.
    std::string_view lineEnd() const { return lineEnd_; }
    inline void commit();
    // For whole lines composed at once, each with the line end already: ends them. Not while
    // lines go straight on to another step.
    void commitLines() {
        assert(next_ == nullptr);
        if (out_.size() >= kDeliverAt) flush();
    }
    // Whole lines kept as they came, many at once: each ends in its break (CR LF, CR or LF, the
    // last one too), which becomes the line end. Not while lines go straight on to another step.
    void keepLines(std::string_view lines);

    // Every line goes straight on to `next`, which puts into `nextOut`, instead of being
    // gathered as text: between two steps on one thread, no text need be made and split again.
    void passTo(LineStep& next, LineSink& nextOut) {
        next_ = &next;
        nextOut_ = &nextOut;
    }

    // The input's line handed to the step next, and where the input after its break starts;
    // for a reader whose lines lie in its own block, until flush() is called before it reads.
    void given(std::string_view line, const char* next) {
        given_ = line;
        givenNext_ = next;
    }
    // Delivers everything. Runs point into the input, so this comes before it is read again.
    void flush();

protected:
    virtual void deliver(std::string_view text) = 0;

private:
    static constexpr std::size_t kDeliverAt = 128 * 1024;

    std::string& text() {
        if (runEnd_ != runStart_) closeRun();
        return out_;
    }
    void closeRun();
    void startRun(const char* start);
    void putKept(std::string_view line);  // put(), out of the way of keep()'s inlined path
    void passComposed();                  // commit() when lines go straight on

    std::string_view lineEnd_;
    std::string out_;
    const char* runStart_ = nullptr;  // kept lines not yet copied to out_, breaks included
    const char* runEnd_ = nullptr;
    std::string_view given_;
    const char* givenNext_ = nullptr;
    LineStep* next_ = nullptr;
    LineSink* nextOut_ = nullptr;
};

// One command's rule over a list that streams through it: line() for each line in order, then
// finish(). A rule that treats each line on its own puts its result as it goes; one that needs
// the whole list collects it and puts everything in finish().
class LineStep {
public:
    virtual ~LineStep() = default;

    virtual void line(std::string_view line, LineSink& out) = 0;
    virtual void finish(LineSink&) {}

    // The whole list at once, as one text by the list-file rule (breaks CR LF, lone CR or lone
    // LF, the text ends at a NUL). A step that holds the whole list anyway takes the text as it
    // is instead of collecting line by line; the others walk it.
    virtual void wholeText(std::string text, LineSink& out);

    // A step that drops every line not holding some text may let the reader pass over those
    // lines unseen: search(text, continues) is the offset in `text` (lines not yet given) of
    // the first place a line it may keep holds, or npos when there is none. `continues` says
    // that `text` is a tail of the text searched last, in the same memory and unchanged since,
    // so that what the step found past the place it gave still holds.
    virtual bool searches() const { return false; }
    virtual std::size_t search(std::string_view, bool /*continues*/) const { return 0; }

    // A step that may map many lines at once, faster than one by one: wholeLines(text,
    // continues, out) is given lines that each end in LF and puts the results of the first of
    // them, as whole lines through compose() and commitLines() or by keepLines(), and returns the
    // bytes of `text` it took (0 for none). The lines after those come to line() as usual.
    // `continues` is as for search(). Only for an `out` that gathers text.
    virtual bool takesWholeLines() const { return false; }
    virtual std::size_t wholeLines(std::string_view, bool /*continues*/, LineSink&) { return 0; }
};

inline void LineSink::put(std::string_view line) {
    if (next_ != nullptr) return next_->line(line, *nextOut_);
    text().append(line);
    commit();
}

inline void LineSink::commit() {
    if (next_ != nullptr) return passComposed();
    out_.append(lineEnd_);
    if (out_.size() >= kDeliverAt) flush();
}

// A list a step reads besides the one streaming through it (merge's right list, compare's
// second).
class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line, or false at the end. The view holds until the next call.
    virtual bool next(std::string_view& line) = 0;
};

// How a step reaches a list it names: a file, or "-" for standard input.
class ListOpener {
public:
    virtual ~ListOpener() = default;
    virtual std::unique_ptr<LineSource> open(const std::string& name) = 0;
    // The whole list as one text, for steps that hold it all.
    virtual std::string readText(const std::string& name) = 0;
};

// Lists read whole from files or standard input by the list-file rule, in `encoding` as
// ReadListInput takes it.
class FileLists : public ListOpener {
public:
    explicit FileLists(std::string encoding = {}) : encoding_(std::move(encoding)) {}
    std::unique_ptr<LineSource> open(const std::string& name) override;
    std::string readText(const std::string& name) override;

private:
    std::string encoding_;
};

// The text of `path`, or of standard input for "" or "-", by the list-file reading rule: a file
// without a byte-order mark is decoded from `encoding` (empty: kept as bytes; kGuessEncoding:
// guessed as the window does). `found`, when given, receives the code page it was read in, or ""
// for none.
std::string ReadListInput(const std::string& path, const std::string& encoding = {},
                          std::string* found = nullptr);

// A step that needs its whole list before it puts a line: the list is held as one text, not a
// string per line, and given to done() at the end to split as it likes (TextLines, LineCursor).
// Lines hold no break and no NUL, so collected lines split again as they came.
class WholeListStep : public LineStep {
public:
    void line(std::string_view line, LineSink&) final;
    void finish(LineSink& out) final;
    void wholeText(std::string text, LineSink& out) final;

protected:
    virtual void done(std::string text, LineSink& out) = 0;

private:
    std::string text_;
};

// A step that treats each line on its own by `edit(line, out)`.
template <typename Edit>
class EachLineStep final : public LineStep {
public:
    explicit EachLineStep(Edit edit) : edit_(std::move(edit)) {}
    void line(std::string_view line, LineSink& out) override { edit_(line, out); }

private:
    Edit edit_;
};

template <typename Edit>
std::unique_ptr<LineStep> EachLine(Edit edit) {
    return std::make_unique<EachLineStep<Edit>>(std::move(edit));
}

// Collects what a step puts, as strings.
class LinesSink final : public LineSink {
public:
    LinesSink() : LineSink("\n") {}
    std::vector<std::string> lines;

protected:
    void deliver(std::string_view text) override;

private:
    std::string unfinished_;  // a line flushed before its end, as a long joined line is
};

}  // namespace pendara
