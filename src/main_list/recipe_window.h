#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace pendara {

class MainList;
class PageContext;

// The suffix recipe files carry, which a drop on the window is recognised by.
inline constexpr char kRecipeSuffix[] = "pendara-recipe";

bool IsRecipePath(const QString& path);

// The recorded steps as recipe lines the user reviews before saving: reorder them by moving
// lines, remove a step by deleting its line. Says when the steps do not explain the list.
class RecipeStepsDialog : public QDialog {
    Q_OBJECT
public:
    RecipeStepsDialog(const std::vector<std::string>& steps, bool complete, QWidget* parent);

    // The recipe text as the user left it, ending in LF.
    std::string recipe() const;
    QPlainTextEdit& lines() const { return *lines_; }
    QLabel& note() const { return *note_; }

private:
    QPlainTextEdit* lines_;
    QLabel* note_;
};

// Shows the steps since the list was loaded and saves them as a recipe file.
void SaveStepsAsRecipe(const PageContext& context, MainList& mainList);
// Asks for a recipe file and runs it.
void AskAndRunRecipe(const PageContext& context, MainList& mainList);
// Runs the recipe at `path` on the Main List as one undo step; a failing step changes nothing
// and its error names the recipe's line.
void RunRecipeFile(const PageContext& context, MainList& mainList, const QString& path);
// A recipe dropped on the window: asks whether to run it.
void OfferDroppedRecipe(const PageContext& context, MainList& mainList, const QString& path);

}  // namespace pendara
