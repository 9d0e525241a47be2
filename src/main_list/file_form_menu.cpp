#include "main_list/file_form_menu.h"

#include <QActionGroup>

#include "main_list/main_list.h"

namespace pendara {

namespace {

constexpr FileForm::Encoding kEncodings[] = {
    FileForm::Encoding::Plain, FileForm::Encoding::Utf8Mark, FileForm::Encoding::Utf16Le,
    FileForm::Encoding::Utf16Be};
constexpr FileForm::LineEnd kLineEnds[] = {FileForm::LineEnd::CrLf, FileForm::LineEnd::Lf,
                                           FileForm::LineEnd::Cr};

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

FileFormMenu::FileFormMenu(MainList& list, QWidget* parent)
    : QMenu(QStringLiteral("File Form"), parent),
      list_(list),
      encodings_(new QActionGroup(this)),
      lineEnds_(new QActionGroup(this)) {
    setObjectName(QStringLiteral("fileFormMenu"));
    for (const FileForm::Encoding encoding : kEncodings) {
        addChoice(*encodings_, DescribeEncoding(encoding),
                  [encoding](FileForm& form) { form.encoding = encoding; });
    }
    addSeparator();
    for (const FileForm::LineEnd lineEnd : kLineEnds) {
        addChoice(*lineEnds_, DescribeLineEnd(lineEnd),
                  [lineEnd](FileForm& form) { form.lineEnd = lineEnd; });
    }
    connect(this, &QMenu::aboutToShow, this, &FileFormMenu::showForm);
    showForm();
}

void FileFormMenu::showForm() {
    const FileForm form = list_.origin().form();
    for (std::size_t i = 0; i < std::size(kEncodings); ++i) {
        encodings_->actions().at(static_cast<int>(i))->setChecked(kEncodings[i] == form.encoding);
    }
    for (std::size_t i = 0; i < std::size(kLineEnds); ++i) {
        lineEnds_->actions().at(static_cast<int>(i))->setChecked(kLineEnds[i] == form.lineEnd);
    }
    setTitle(QStringLiteral("File Form: ") + Text(DescribeFileForm(form)));
}

void FileFormMenu::addChoice(QActionGroup& group, const std::string& text,
                             std::function<void(FileForm&)> change) {
    QAction* item = addAction(Text(text));
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
}

}  // namespace pendara
