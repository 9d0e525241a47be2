#include "main_list/recipe_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/recipe.h"
#include "files/list_file.h"
#include "main_list/bulk_run.h"
#include "main_list/edit_transaction.h"
#include "main_list/main_list.h"
#include "window/dialogs.h"
#include "window/page_context.h"

namespace pendara {

namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString RecipeFilter() {
    return RecipeStepsDialog::tr("Recipe (*.%1);;All Files (*)").arg(QLatin1String(kRecipeSuffix));
}

}  // namespace

bool IsRecipePath(const QString& path) {
    return path.endsWith(QLatin1Char('.') + QLatin1String(kRecipeSuffix), Qt::CaseInsensitive);
}

RecipeStepsDialog::RecipeStepsDialog(const std::vector<std::string>& steps, bool complete,
                                     QWidget* parent)
    : QDialog(parent), lines_(new QPlainTextEdit(this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("RecipeStepsDialog"));
    setWindowTitle(tr("Save Steps as Recipe"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(tr("The steps since the list was loaded, one a line. Move lines to reorder "
                      "the steps, delete a line to leave its step out."),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    QString text;
    for (const std::string& step : steps) text += QString::fromStdString(step) + QLatin1Char('\n');
    lines_->setObjectName(QStringLiteral("recipeLines"));
    lines_->setAccessibleName(tr("Steps"));
    lines_->setPlainText(text);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setMinimumSize(480, 200);
    layout->addWidget(lines_);
    note_->setObjectName(QStringLiteral("recipeNote"));
    note_->setWordWrap(true);
    if (!complete) {
        note_->setText(
            tr("Some changes since the list was loaded (typing, Paste, Clear, or a step without a "
               "command line) are not among these steps: the recipe does not give the list as it "
               "is now."));
    } else if (steps.empty()) {
        note_->setText(tr("No steps were recorded since the list was loaded."));
    }
    note_->setVisible(!note_->text().isEmpty());
    layout->addWidget(note_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string RecipeStepsDialog::recipe() const {
    std::string text = lines_->toPlainText().toStdString();
    if (!text.empty() && !text.ends_with('\n')) text += '\n';
    return text;
}

void SaveStepsAsRecipe(const PageContext& context, MainList& mainList) {
    const MainList::Recording recording = mainList.recording();
    RecipeStepsDialog dialog(recording.steps, recording.complete, &context.window());
    while (context.dialogs().runModal(dialog) == QDialog::Accepted) {
        const std::string text = dialog.recipe();
        bool saved = false;
        context.runGuarded([&] {
            // A recipe that would not run is not saved: the user fixes the line first.
            ParseRecipe(text, "recipe");
            const auto path = context.dialogs().saveFile(
                &context.window(), {RecipeStepsDialog::tr("Save Recipe"), RecipeFilter(), QString(),
                                    QLatin1String(kRecipeSuffix), QStringLiteral("recipe")});
            if (!path) return;
            WriteListFile(LocalPath(*path), text);
            saved = true;
        });
        if (saved) return;
    }
}

void AskAndRunRecipe(const PageContext& context, MainList& mainList) {
    std::optional<QString> path;
    context.runGuarded([&] {
        path = context.dialogs().openFile(
            &context.window(), {RecipeStepsDialog::tr("Run Recipe"), RecipeFilter(), QString(),
                                QString(), QStringLiteral("recipe")});
    });
    if (path) RunRecipeFile(context, mainList, *path);
}

void RunRecipeFile(const PageContext& context, MainList& mainList, const QString& path) {
    // The context's bulk run is the one of its Main List.
    Q_ASSERT(&mainList == &context.mainList());
    context.runGuarded([&] {
        const QFileInfo file(path);
        const std::string name = file.fileName().toStdString();
        const std::vector<RecipeStep> steps =
            ParseRecipe(ReadListFileBytes(LocalPath(path)), name, LocalPath(file.absolutePath()));
        std::vector<Invocation> invocations;
        for (const RecipeStep& step : steps) invocations.push_back(step.invocation);
        std::string recorded = WriteRecipe(invocations);
        if (!recorded.empty()) recorded.pop_back();
        context.bulkRun().start({.form = TransactionForm::SuccessOnly,
                                 .edit =
                                     [steps, name](LineList& lines) {
                                         // Lists the steps name are read as the window reads any
                                         // list.
                                         FileLists lists{std::string(kGuessEncoding)};
                                         ApplyRecipe(steps, name, lines, lists);
                                     },
                                 .invocation = std::move(recorded)});
    });
}

void OfferDroppedRecipe(const PageContext& context, MainList& mainList, const QString& path) {
    QMessageBox box(QMessageBox::Question, RecipeStepsDialog::tr("Run Recipe"),
                    RecipeStepsDialog::tr("Run the recipe %1 on the Main List?")
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::Yes | QMessageBox::No, &context.window());
    box.setObjectName(QStringLiteral("RunDroppedRecipe"));
    box.setDefaultButton(QMessageBox::Yes);
    if (context.dialogs().runModal(box) == QMessageBox::Yes) RunRecipeFile(context, mainList, path);
}

}  // namespace pendara
