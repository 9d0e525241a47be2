#include "list/file_form_menu.h"

#include <QActionGroup>

#include "list/main_list.h"

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
        QAction* item = addAction(Text(DescribeEncoding(encoding)));
        item->setCheckable(true);
        encodings_->addAction(item);
        connect(item, &QAction::triggered, this, [this, encoding] {
            FileForm form = list_.origin().form();
            form.encoding = encoding;
            choose(form);
        });
    }
    addSeparator();
    for (const FileForm::LineEnd lineEnd : kLineEnds) {
        QAction* item = addAction(Text(DescribeLineEnd(lineEnd)));
        item->setCheckable(true);
        lineEnds_->addAction(item);
        connect(item, &QAction::triggered, this, [this, lineEnd] {
            FileForm form = list_.origin().form();
            form.lineEnd = lineEnd;
            choose(form);
        });
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

void FileFormMenu::choose(const FileForm& form) {
    ListOrigin origin = list_.origin();
    origin.setForm(form);
    list_.setOrigin(std::move(origin));
    showForm();
}

}  // namespace pendara
