#include "main_list/find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <limits>

#include "main_list/main_list.h"
#include "main_list/scintilla.h"
#include "window/busy_cursor.h"
#include "window/dialogs.h"

namespace pendara {

namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, const QIcon& icon, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

FindBar::FindBar(MainList& list, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), list_(list), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(3);

    findBox_ = new QLineEdit(this);
    findBox_->setObjectName(QStringLiteral("FindText"));
    findBox_->setPlaceholderText(tr("Find"));
    findBox_->setToolTip(tr("Enter: next match, Shift+Enter: previous match"));
    findBox_->setClearButtonEnabled(true);
    QStyle* look = style();
    previous_ = MakeButton(this, "FindPrevious", look->standardIcon(QStyle::SP_ArrowUp),
                           tr("Previous match (Shift+F3)"));
    next_ = MakeButton(this, "FindNext", look->standardIcon(QStyle::SP_ArrowDown),
                       tr("Next match (F3)"));
    matchCase_ = new QCheckBox(tr("Match case"), this);
    matchCase_->setObjectName(QStringLiteral("FindMatchCase"));
    wholeWord_ = new QCheckBox(tr("Whole word"), this);
    wholeWord_->setObjectName(QStringLiteral("FindWholeWord"));
    lineBox_ = new QLineEdit(this);
    lineBox_->setObjectName(QStringLiteral("GoToLine"));
    lineBox_->setPlaceholderText(tr("Go to line"));
    lineBox_->setToolTip(tr("Go to Line (Ctrl+G)"));
    lineBox_->setValidator(new QIntValidator(1, std::numeric_limits<int>::max(), lineBox_));
    lineBox_->setFixedWidth(80);
    close_ = MakeButton(this, "FindClose", look->standardIcon(QStyle::SP_TitleBarCloseButton),
                        tr("Close (Esc)"));

    row->addWidget(findBox_, 1);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addWidget(matchCase_);
    row->addWidget(wholeWord_);
    row->addWidget(lineBox_);
    row->addWidget(close_);
    setFixedHeight(sizeHint().height());

    connect(previous_, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next_, &QToolButton::clicked, this, &FindBar::findNext);
    connect(close_, &QToolButton::clicked, this, &FindBar::close);
    for (QWidget* box : {static_cast<QWidget*>(findBox_), static_cast<QWidget*>(lineBox_),
                         static_cast<QWidget*>(matchCase_), static_cast<QWidget*>(wholeWord_)}) {
        box->installEventFilter(this);
    }
    hide();
}

void FindBar::reveal(QWidget* focus) {
    if (isHidden()) {
        show();
        raise();
        Q_EMIT shownChanged(true);
    }
    focus->setFocus(Qt::ShortcutFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(focus)) box->selectAll();
}

void FindBar::showFind() {
    QsciScintilla& editor = list_.editor();
    const long start = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long end = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    // Only a short selection within one line is worth searching for; a large one is not copied.
    constexpr long kLongestSelection = 1000;
    const auto lineOf = [&editor](long position) {
        return editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                    static_cast<unsigned long>(position));
    };
    if (end > start && end - start <= kLongestSelection && lineOf(start) == lineOf(end))
        findBox_->setText(editor.selectedText());
    reveal(findBox_);
}

void FindBar::showGoTo() { reveal(lineBox_); }

bool FindBar::findNext() { return find(true); }

bool FindBar::findPrevious() { return find(false); }

bool FindBar::find(bool forwards) {
    if (findBox_->text().isEmpty()) {
        showFind();
        return false;
    }
    // A search without a match reads the whole list, which takes a moment on a long one.
    const BusyCursor busy;
    QsciScintilla& editor = list_.editor();
    const QByteArray what = findBox_->text().toUtf8();
    int flags = 0;
    if (matchCase_->isChecked()) flags |= QsciScintillaBase::SCFIND_MATCHCASE;
    if (wholeWord_->isChecked()) flags |= QsciScintillaBase::SCFIND_WHOLEWORD;
    editor.SendScintilla(QsciScintillaBase::SCI_SETSEARCHFLAGS, flags);
    const long length = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const long selectionStart = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
    const long selectionEnd = editor.SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND);
    // The editor searches its target range, backwards when the range runs from end to start.
    auto searchIn = [&](long from, long to) {
        editor.SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE,
                             static_cast<unsigned long>(from), to);
        return editor.SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET,
                                    static_cast<unsigned long>(what.size()), what.constData());
    };
    const long size = static_cast<long>(what.size());
    long found = forwards ? searchIn(selectionEnd, length) : searchIn(selectionStart, 0);
    // Round the end, up to where this search began.
    if (found < 0)
        found = forwards ? searchIn(0, std::min(length, selectionEnd + size - 1))
                         : searchIn(length, std::max(0L, selectionStart - size + 1));
    if (found < 0) {
        dialogs_.beep();
        return false;
    }
    const long end = editor.SendScintilla(QsciScintillaBase::SCI_GETTARGETEND);
    editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(found), end);
    editor.SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, static_cast<unsigned long>(end),
                         found);
    return true;
}

void FindBar::goToLine(int line) {
    QsciScintilla& editor = list_.editor();
    const long lines = editor.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    const long target = std::clamp<long>(line, 1, std::max(1L, lines)) - 1;
    editor.SendScintilla(QsciScintillaBase::SCI_ENSUREVISIBLEENFORCEPOLICY,
                         static_cast<unsigned long>(target));
    editor.SendScintilla(QsciScintillaBase::SCI_GOTOLINE, static_cast<unsigned long>(target));
    editor.setFocus(Qt::OtherFocusReason);
}

void FindBar::goToTyped() {
    bool number = false;
    const int line = lineBox_->text().toInt(&number);
    if (!number) {
        dialogs_.beep();
        return;
    }
    goToLine(line);
}

void FindBar::close() {
    const bool wasShown = !isHidden();
    hide();
    list_.editor().setFocus(Qt::OtherFocusReason);
    if (wasShown) Q_EMIT shownChanged(false);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (watched == lineBox_) {
        goToTyped();
    } else if (key.modifiers() & Qt::ShiftModifier) {
        findPrevious();
    } else {
        findNext();
    }
    return true;
}

}  // namespace pendara
