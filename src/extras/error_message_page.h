#pragma once

// The extras folder: the error message and shell folder pages with their row sources and grids.

#include <QWidget>
#include <memory>

namespace Ui {
class ErrorMessagePage;
}

namespace pendara {

class KeyValueModel;
class MessageSource;
class PageContext;

// The "Error Message" page of EXTRAS: the system's message texts for a range of error codes,
// one row per code, and the selected row's message in a box it can be copied from.
class ErrorMessagePage : public QWidget {
    Q_OBJECT
public:
    explicit ErrorMessagePage(const PageContext& context, QWidget* parent = nullptr);
    ~ErrorMessagePage() override;

public Q_SLOTS:
    // Show: fills the grid with the messages of the chosen range.
    void btnShowClick();
    // A row chosen in the grid: its message goes to the box below.
    void EListClick();

private:
    void showRange();
    MessageSource& messages();

    const PageContext& context_;
    std::unique_ptr<Ui::ErrorMessagePage> ui_;
    KeyValueModel* model_ = nullptr;
    std::unique_ptr<MessageSource> ownMessages_;
    bool showing_ = false;
};

}  // namespace pendara
