#include "main_list/file_form_menu.h"

#include <QActionGroup>

#include "files/code_page.h"
#include "main_list/main_list.h"
#include "text/failure.h"

namespace pendara {

namespace {

constexpr FileForm::Encoding kEncodings[] = {
    FileForm::Encoding::Plain, FileForm::Encoding::Utf8Mark, FileForm::Encoding::Utf16Le,
    FileForm::Encoding::Utf16Be};
constexpr FileForm::LineEnd kLineEnds[] = {FileForm::LineEnd::CrLf, FileForm::LineEnd::Lf,
                                           FileForm::LineEnd::Cr};

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The words DescribeEncoding and DescribeLineEnd give, listed for the catalogue.
[[maybe_unused]] constexpr const char* kFormWords[] = {
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "Plain bytes"),
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "UTF-8 with mark"),
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "UTF-16 LE"),
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "UTF-16 BE"),
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "CR LF"),
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "LF"),
    QT_TRANSLATE_NOOP("pendara::FileFormMenu", "CR")};

QString Word(const std::string& text) { return FileFormMenu::tr(text.c_str()); }

}  // namespace

QString FileFormCaption(const FileForm& form) {
    QString text = Word(DescribeEncoding(form.encoding, form.codePage)) + FileFormMenu::tr(", ") +
                   Word(DescribeLineEnd(form.lineEnd));
    if (form.finalBreak == FileForm::FinalBreak::No) text += FileFormMenu::tr(", no final break");
    return text;
}

namespace {}  // namespace

FileFormMenu::FileFormMenu(MainList& list, QWidget* parent)
    : QMenu(tr("File Form"), parent),
      list_(list),
      encodings_(new QActionGroup(this)),
      lineEnds_(new QActionGroup(this)),
      guard_([](const std::function<void()>& handler) {
          try {
              handler();
          } catch (const Failure&) {}
      }) {
    setObjectName(QStringLiteral("fileFormMenu"));
    for (const FileForm::Encoding encoding : kEncodings) {
        addChoice(*encodings_, DescribeEncoding(encoding), [encoding](FileForm& form) {
            form.encoding = encoding;
            form.codePage.clear();
        });
    }
    // Choosing it again keeps the code page the list has.
    codePage_ = addChoice(*encodings_, {}, [](FileForm&) {});
    addSeparator();
    for (const FileForm::LineEnd lineEnd : kLineEnds) {
        addChoice(*lineEnds_, DescribeLineEnd(lineEnd),
                  [lineEnd](FileForm& form) { form.lineEnd = lineEnd; });
    }
    addSeparator();
    reopen_ = addMenu(tr("Reopen with &Encoding"));
    reopen_->setObjectName(QStringLiteral("reopenMenu"));
    addReopenItem(*reopen_, "UTF-8");
    for (const std::string& page : CommonCodePages()) addReopenItem(*reopen_, page);
    reopen_->addSeparator();
    QMenu* all = reopen_->addMenu(tr("&All Encodings"));
    // Some two hundred converters: listed the first time the user looks.
    connect(all, &QMenu::aboutToShow, this, [this, all] {
        if (!all->isEmpty()) return;
        for (const std::string& name : AllEncodings()) addReopenItem(*all, name);
    });
    connect(this, &QMenu::aboutToShow, this, &FileFormMenu::showForm);
    showForm();
}

void FileFormMenu::showForm() {
    const FileForm form = list_.origin().form();
    for (std::size_t i = 0; i < std::size(kEncodings); ++i) {
        encodings_->actions().at(static_cast<int>(i))->setChecked(kEncodings[i] == form.encoding);
    }
    const bool codePage = form.encoding == FileForm::Encoding::CodePage;
    codePage_->setVisible(codePage);
    codePage_->setText(Text(form.codePage));
    codePage_->setChecked(codePage);
    for (std::size_t i = 0; i < std::size(kLineEnds); ++i) {
        lineEnds_->actions().at(static_cast<int>(i))->setChecked(kLineEnds[i] == form.lineEnd);
    }
    // Only a file's bytes can be read again.
    reopen_->setEnabled(!list_.origin().path().empty());
    setTitle(tr("File Form: ") + FileFormCaption(form));
}

void FileFormMenu::reopen(const std::string& encoding) {
    guard_([&] {
        const ListOrigin& current = list_.origin();
        std::string text;
        ListOrigin origin = ListOrigin::FromFile(current.fileBytes(list_.text()), text, encoding);
        origin.setPath(current.path());
        list_.reopen(std::move(text), std::move(origin));
    });
    showForm();
}

void FileFormMenu::addReopenItem(QMenu& menu, const std::string& encoding) {
    QAction* item = menu.addAction(Text(encoding));
    connect(item, &QAction::triggered, this, [this, encoding] { reopen(encoding); });
}

QAction* FileFormMenu::addChoice(QActionGroup& group, const std::string& text,
                                 std::function<void(FileForm&)> change) {
    QAction* item = addAction(Word(text));
    item->setCheckable(true);
    group.addAction(item);
    connect(item, &QAction::triggered, this, [this, change = std::move(change)] {
        ListOrigin origin = list_.origin();
        FileForm form = origin.form();
        change(form);
        origin.setForm(form);
        list_.setOrigin(std::move(origin));
        showForm();
    });
    return item;
}

}  // namespace pendara
