#pragma once

// The merge folder: the merge rule, the List Merger page and the file and folder browsers both
// the merger and the comparer use.

#include <QWidget>
#include <memory>

namespace Ui {
class MergerPage;
}

namespace pendara {

class PageContext;

// The List Merger page: joins two list files into the Main List, line by line ("Left + Right")
// or one after the other ("Top + Bottom"), with optional texts before, between and after.
class MergerPage : public QWidget {
    Q_OBJECT
public:
    explicit MergerPage(const PageContext& context, QWidget* parent = nullptr);
    ~MergerPage() override;

public Q_SLOTS:
    // MERGE: reads both files, merges them into the Main List and shows the List Builder.
    void Button11Click();
    // The two "..." buttons; the sender's Tag picks the box (0 first file, 1 second file).
    void Button8Click(QObject* sender);
    // Exchanges the two file boxes.
    void Button10Click();
    // Relabels the rows for the mode whose button (Tag 0 or 1) was selected.
    void RadioButton7Click(QObject* sender);

private:
    const PageContext& context_;
    std::unique_ptr<Ui::MergerPage> ui_;
};

}  // namespace pendara
