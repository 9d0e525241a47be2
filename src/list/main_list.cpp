#include "list/main_list.h"

#include "list/scintilla.h"

#include <QFont>
#include <cstring>
#include <limits>
#include <new>

#include "list/failure.h"

namespace pendara {

namespace {

// Lines of the editor's text: split at CR LF only, a final CR LF starting no extra line.
std::vector<std::string> SplitAtCrLf(std::string_view text) {
    std::vector<std::string> lines;
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

}  // namespace

std::string NormalizeBreaks(std::string text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos) text.resize(nul);
    std::size_t loneBreaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            ++loneBreaks;
        }
    }
    if (loneBreaks == 0) return text;
    std::string out;
    out.reserve(text.size() + loneBreaks);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
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
    editor_.setUtf8(true);
    editor_.setEolMode(QsciScintilla::EolWindows);
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
    editor_.SendScintilla(QsciScintillaBase::SCI_STYLECLEARALL);
    // Let the horizontal scroll bar reach the longest line as the user scrolls.
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
    setOrigin(ListOrigin());
}

void MainList::setOrigin(ListOrigin origin) {
    origin_ = std::move(origin);
    editor_.setToolTip(QString::fromStdString(DescribeFileForm(origin_.form())));
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

int MainList::count() const {
    const auto length =
        static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    if (length == 0) return 0;
    const auto* data = reinterpret_cast<const char*>(
        editor_.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const std::string_view text(data, length);
    int breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++breaks;
    }
    return breaks + (text.ends_with("\r\n") ? 0 : 1);
}

LineList MainList::lines() const {
    const auto length =
        static_cast<std::size_t>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    if (length == 0) return {};
    const auto* data = reinterpret_cast<const char*>(
        editor_.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return LineList(SplitAtCrLf(std::string_view(data, length)));
}

void MainList::replaceText(const std::string& text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw Failure("Text exceeds memo capacity");
    }
    // Repainted once, after the whole text is in, whatever happens on the way.
    struct Suspension {
        MainList& list;
        explicit Suspension(MainList& l) : list(l) { list.suspendUpdates(); }
        ~Suspension() { list.resumeUpdates(); }
    } suspension(*this);
    editor_.SendScintilla(QsciScintillaBase::SCI_SETSTATUS, 0);
    // A whole-list replacement is not kept for undo: on a long list the undo history would hold
    // two more copies of the text.
    editor_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
    editor_.SendScintilla(QsciScintillaBase::SCI_SETTEXT, text.c_str());
    editor_.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1UL);
    editor_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    if (editor_.SendScintilla(QsciScintillaBase::SCI_GETSTATUS) ==
        QsciScintillaBase::SC_STATUS_BADALLOC) {
        editor_.SendScintilla(QsciScintillaBase::SCI_SETSTATUS, 0);
        throw Failure("Text exceeds memo capacity");
    }
}

void MainList::setText(std::string text) {
    std::string normalized;
    try {
        normalized = NormalizeBreaks(std::move(text));
    } catch (const std::bad_alloc&) {
        throw Failure("Text exceeds memo capacity");
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

void MainList::assign(const LineList& lines) {
    std::string text;
    try {
        text = JoinLines(lines.lines());
    } catch (const std::bad_alloc&) {
        throw Failure("Text exceeds memo capacity");
    }
    replaceText(text);
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
