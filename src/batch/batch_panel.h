#pragma once

// The batch folder: the text primitives and batch rules, and in the window layer the number boxes
// and the panel whose buttons run the rules on the Main List.

#include <QWidget>
#include <functional>
#include <memory>

#include "batch/batch_invocations.h"
#include "main_list/edit_transaction.h"

class QAbstractButton;

namespace Ui {
class BatchPanel;
}

namespace pendara {

class PageContext;

// The List Builder's " Batch Processing " box (GroupBox1) and the room around it that the scroll
// box scrolls over. Each button's handler reads its controls at the moment it runs and applies its
// rule to the window's work list inside an edit transaction; nothing is remembered between runs.
class BatchPanel : public QWidget {
    Q_OBJECT
public:
    explicit BatchPanel(const PageContext& context, QWidget* parent = nullptr);
    ~BatchPanel() override;

    // What the controls hold now, as the buttons read them.
    BatchControls controls() const;

public Q_SLOTS:
    // Add: inserts a text into every line.
    void BtnAddClick();
    // Remove: removes characters from every line.
    void BtnRemoveClick();
    // Replace: replaces a text in every line.
    void BtnRepClick();
    // Filter: keeps and drops lines by keywords.
    void BtnFilterClick();
    // Remove Empty Lines.
    void RemELineClick();
    // Trim Lines: strips blanks from the lines' ends.
    void btnTrimClick();
    // Remove Lines with Length.
    void Button14Click();
    // Shared by the three filter toggles: after a click has toggled the button, "A" and "O"
    // swap so that "A" (And) shows on a button that is down; "MC" stays.
    void IncMethodClick();

private:
    void runEdit(QAbstractButton* button, TransactionForm form,
                 const std::function<std::function<void(LineList&)>()>& makeEdit);

    const PageContext& context_;
    std::unique_ptr<Ui::BatchPanel> ui_;
};

}  // namespace pendara
