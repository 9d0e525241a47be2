#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class ErrorMessagePage;
}

namespace pendara {

class KeyValueModel;
class MessageSource;
class TPDFrm;

// The "Error Message" page of EXTRAS: the system's message texts for a range of error codes,
// one row per code, and the selected row's message in a box it can be copied from.
class ErrorMessagePage : public QWidget {
    Q_OBJECT
public:
    explicit ErrorMessagePage(TPDFrm& window, QWidget* parent = nullptr);
    ~ErrorMessagePage() override;

    KeyValueModel& rows() { return *model_; }

public Q_SLOTS:
    void btnShowClick();
    void EListClick();

private:
    MessageSource& messages();

    TPDFrm& window_;
    std::unique_ptr<Ui::ErrorMessagePage> ui_;
    KeyValueModel* model_ = nullptr;
    std::unique_ptr<MessageSource> ownMessages_;
    bool showing_ = false;
};

}  // namespace pendara
