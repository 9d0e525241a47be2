#include "window/qt_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include "text/failure.h"
#include "window/numbering_dialog.h"

namespace pendara {

namespace {

// Raw bytes travel under this type too, so text that is not UTF-8 survives a copy and paste
// within the program; other programs read the ordinary text form.
const QString kUtf8Type = QStringLiteral("text/plain;charset=utf-8");

QString Caption() { return QApplication::applicationDisplayName(); }

std::optional<QString> RunFileDialog(QWidget* owner, const Dialogs::FileDialog& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, request.title, request.initialFolder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);  // an open dialog need not name an existing file
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (!request.recentFiles.isEmpty()) {
        // The dialog's history holds folders: those of the recent files, newest first.
        QStringList folders;
        for (const QString& file : request.recentFiles) {
            const QString folder = QFileInfo(file).absolutePath();
            if (!folders.contains(folder)) folders << folder;
        }
        dialog.setHistory(folders);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

}  // namespace

QtDialogs::QtDialogs() : dialogState_(std::make_unique<QTemporaryDir>()) {
    // Qt's file dialog writes its history and view state to QtProject.conf in the user's config
    // folder whenever one closes; the program keeps no such file, so that state goes to a folder
    // of this run, removed at exit. The program itself stores nothing through QSettings.
    if (dialogState_->isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dialogState_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dialogState_->path());
    }
}

QtDialogs::~QtDialogs() = default;

std::optional<QString> QtDialogs::openFile(QWidget* owner, const FileDialog& dialog) {
    return RunFileDialog(owner, dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(QWidget* owner, const FileDialog& dialog) {
    return RunFileDialog(owner, dialog, QFileDialog::AcceptSave);
}

void QtDialogs::error(QWidget* owner, const QString& text) {
    QMessageBox::critical(owner, Caption(), text, QMessageBox::Ok);
}

void QtDialogs::message(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Caption(), text, QMessageBox::Ok, owner);
    box.exec();
}

void QtDialogs::information(QWidget* owner, const QString& text) {
    QMessageBox::information(owner, Caption(), text, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Warning, Caption(), text, QMessageBox::Yes | QMessageBox::No,
                    owner);
    box.setObjectName(QStringLiteral("YesNo"));
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("pendara::QtDialogs", "&Yes"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("pendara::QtDialogs", "&No"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

Dialogs::SaveChoice QtDialogs::askSaveChanges(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, Caption(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setObjectName(QStringLiteral("SaveChanges"));
    // Not every platform theme gives the standard buttons mnemonics.
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("pendara::QtDialogs", "&Save"));
    box.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("pendara::QtDialogs", "&Discard"));
    box.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("pendara::QtDialogs", "&Cancel"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Save)) return SaveChoice::Save;
    if (box.clickedButton() == box.button(QMessageBox::Discard)) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

std::optional<Dialogs::Numbering> QtDialogs::askNumbering(QWidget* owner,
                                                          const Numbering& proposal) {
    NumberingDialog dialog(proposal, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.numbering();
}

void QtDialogs::inputBox(QWidget* owner, const QString& title, const QString& prompt,
                         const QString& text) {
    QInputDialog dialog(owner);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.exec();
}

int QtDialogs::runModal(QDialog& dialog) { return dialog.exec(); }

void QtDialogs::openWithShell(QWidget*, const QString& target) {
    if (target.isEmpty()) return;
    const QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    QDesktopServices::openUrl(url);  // a target that cannot be opened is ignored
}

std::string QtDialogs::clipboardText() { return clipboard().bytes(); }

ClipboardText QtDialogs::clipboard() {
    const QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        throw Failure(QT_TRANSLATE_NOOP("pendara::Failure", "Cannot open clipboard"));
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr) return {};
    // Both share what the clipboard holds; the bytes are made from them later.
    if (data->hasFormat(kUtf8Type)) return {data->data(kUtf8Type), {}};
    if (!data->hasText()) return {};
    return {{}, data->text(), true};
}

void QtDialogs::setClipboardText(std::string_view text) { setClipboard(ClipboardText::From(text)); }

void QtDialogs::setClipboard(const ClipboardText& ready) {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        throw Failure(QT_TRANSLATE_NOOP("pendara::Failure", "Cannot open clipboard"));
    auto* data = new QMimeData;
    // Both share the bytes already made.
    data->setText(ready.text);
    data->setData(kUtf8Type, ready.utf8);
    clipboard->setMimeData(data);
}

void QtDialogs::beep() { QApplication::beep(); }

}  // namespace pendara
