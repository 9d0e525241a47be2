#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QDialog;
class QWidget;

namespace pendara {

// Clipboard text as Qt holds it. Converting a long list takes long, so a worker makes it (any
// thread may) and the window's thread only hands it over, or takes it from the clipboard.
//
//   auto ready = ClipboardText::From("a\r\nb\r\n");   // on a worker
//   dialogs.setClipboard(ready);                        // on the window's thread
//   std::string pasted = dialogs.clipboard().bytes();   // bytes() on a worker, too
//
// Limits: read from the clipboard it holds one of the two forms, `utf8` or, when another
// program offers only that, `text`.
struct ClipboardText {
    QByteArray utf8;
    QString text;
    // Whether only `text` is there, as another program may offer it.
    bool textOnly = false;
    static ClipboardText From(std::string_view bytes) {
        ClipboardText ready{QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), {}};
        ready.text = QString::fromUtf8(ready.utf8);
        return ready;
    }
    std::string bytes() const {
        const QByteArray made = textOnly ? text.toUtf8() : utf8;
        return std::string(made.constData(), static_cast<std::size_t>(made.size()));
    }
    // About how many bytes bytes() gives.
    std::size_t size() const {
        return static_cast<std::size_t>(textOnly ? text.size() : utf8.size());
    }
};

// Every modal interaction of the program, the clipboard and the shell go through this interface.
// The program passes the Qt implementation; widget tests pass a scripted one, so they can answer
// a file dialog and see what the program tried to show or open, and never wait for a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    struct FileDialog {
        QString title;          // empty: the platform's default title
        QString filter;         // Qt form: "Text File (*.txt);;All Files (*)"
        QString initialFolder;  // empty: the dialog's own choice
        QString defaultSuffix;  // without the dot; empty for none
        QString purpose = {};   // dialogs of one purpose share a start folder; empty: by kind
        QString fileName = {};  // the name the dialog starts with; empty for none
        QStringList recentFiles = {};  // newest first, offered in the dialog's history
    };
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* owner, const FileDialog& dialog) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<QString> saveFile(QWidget* owner, const FileDialog& dialog) = 0;

    // Caption "Pendara", error icon, OK. `text` is shown as given.
    virtual void error(QWidget* owner, const QString& text) = 0;
    // Caption "Pendara", no icon, OK.
    virtual void message(QWidget* owner, const QString& text) = 0;
    // Caption "Pendara", information icon, OK.
    virtual void information(QWidget* owner, const QString& text) = 0;
    // A small modal box with a prompt and a one-line box holding `text`, all of it selected;
    // OK and Cancel only close it.
    virtual void inputBox(QWidget* owner, const QString& title, const QString& prompt,
                          const QString& text) = 0;
    enum class SaveChoice { Save, Discard, Cancel };
    // Caption "Pendara", question icon, the buttons Save, Discard and Cancel.
    virtual SaveChoice askSaveChanges(QWidget* owner, const QString& text) = 0;
    // Caption "Pendara", warning icon, the buttons Yes and No; whether the user chose Yes.
    virtual bool askYesNo(QWidget* owner, const QString& text) = 0;

    struct Numbering {
        std::int64_t start = 1;
        int width = 0;  // digits, 0 to 100
        QString separator = QStringLiteral(". ");
    };
    // How to number lines, asked in one small box that starts from `proposal`; nothing when the
    // user cancelled.
    virtual std::optional<Numbering> askNumbering(QWidget* owner, const Numbering& proposal) = 0;

    // Runs a dialog of the program's own modally (support, About) and returns its result.
    virtual int runModal(QDialog& dialog) = 0;

    // The shell's default action on a web address or folder; failures are ignored.
    virtual void openWithShell(QWidget* owner, const QString& target) = 0;

    // Clipboard as text bytes. Both fail with "Cannot open clipboard" when it cannot be used.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(std::string_view text) = 0;
    // The clipboard as it holds the text, which a worker then turns into bytes.
    virtual ClipboardText clipboard() {
        const std::string bytes = clipboardText();
        return {QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), {}};
    }
    // The same with the text made ready elsewhere.
    virtual void setClipboard(const ClipboardText& ready) {
        setClipboardText(
            std::string_view(ready.utf8.constData(), static_cast<std::size_t>(ready.utf8.size())));
    }

    // The system beep for a refused key.
    virtual void beep() = 0;
};

}  // namespace pendara
