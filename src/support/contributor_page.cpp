#include "support/contributor_page.h"

#include <QFile>

#include "app/dialogs.h"
#include "app/handler_guard.h"
#include "app/main_window.h"
#include "app/services.h"
#include "list/failure.h"
#include "list/line_list.h"
#include "platform/temp_folder.h"
#include "support/support_page.h"
#include "support/support_resources.h"
#include "support/table_text.h"
#include "ui_contributor_page.h"

namespace pendara {

namespace {

const char* const kHelpKeyword = "helpKeyword";
enum Column { kName, kWebsite, kFacebook, kTwitter, kGooglePlus, kContribution, kColumns };

}  // namespace

ContributorPage::ContributorPage(TPDFrm& window, QWidget* parent)
    : QWidget(parent), window_(window), ui_(std::make_unique<Ui::ContributorPage>()) {
    LoadSupportResources();
    ui_->setupUi(this);
    using Sort = TableGrid::SortType;
    ui_->nxContributor->setColumns({{QStringLiteral("Name"), 150, true, Sort::Text, {}},
                                    {QStringLiteral("Website"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Facebook"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Twitter"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Google Plus"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Contribution"), 110, false, Sort::Text, {}}});
    QFile source(QStringLiteral(":/tables/contributors.tsv"));
    if (source.open(QIODevice::ReadOnly))
        mContributor_ = SplitLines(source.readAll().toStdString());

    for (QAbstractButton* button : {ui_->cHome, ui_->cFB, ui_->cTwitter, ui_->cGPlus}) {
        button->setProperty(kHelpKeyword, QStringLiteral("-"));
        connect(button, &QAbstractButton::clicked, this, &ContributorPage::VisitURL2);
    }
    connect(ui_->nxContributor, &TableGrid::selectCell, this,
            &ContributorPage::nxContributorSelectCell);
    connect(ui_->btnHTSU, &QAbstractButton::clicked, this, &ContributorPage::btnHTSUClick);
}

ContributorPage::~ContributorPage() = default;

void ContributorPage::guard(const std::function<void()>& handler) {
    RunGuarded(this, window_.dialogs(), handler);
}

void ContributorPage::loadContributors() {
    if (ui_->nxContributor->rowCount() > 0) return;
    TempFolder* folder = window_.services().tempFolder;
    if (folder == nullptr) throw Failure("No temporary folder");
    folder->writeFile("Contributor.txt", Utf16TableFileBytes(mContributor_));
    ui_->nxContributor->setRows(ParseTableText(folder->readFile("Contributor.txt"),
                                               TableTextFormat{kColumns, '\t', 0, '|'}));
}

void ContributorPage::nxContributorSelectCell() {
    guard([&] {
        struct Link {
            QAbstractButton* button;
            int column;
        };
        const Link links[] = {{ui_->cHome, kWebsite},
                              {ui_->cFB, kFacebook},
                              {ui_->cTwitter, kTwitter},
                              {ui_->cGPlus, kGooglePlus}};
        ui_->lblCName->clear();
        ui_->mContribution->clear();
        for (const Link& link : links) link.button->setProperty(kHelpKeyword, QStringLiteral("-"));

        const TableGrid& grid = *ui_->nxContributor;
        if (const int row = grid.selectedRow(); row >= 0) {
            ui_->lblCName->setText(grid.cell(kName, row));
            for (const Link& link : links)
                link.button->setProperty(kHelpKeyword, grid.cell(link.column, row));
            ui_->mContribution->setPlainText(grid.cell(kContribution, row));
        }
        for (const Link& link : links) {
            link.button->setEnabled(link.button->property(kHelpKeyword).toString() !=
                                    QStringLiteral("-"));
        }
    });
}

void ContributorPage::btnHTSUClick() {
    guard([&] { window_.showPage(&window_.supportPage()); });
}

void ContributorPage::VisitURL2() {
    const QObject* control = sender();
    if (control == nullptr) return;
    const QString target = control->property(kHelpKeyword).toString();
    guard([&] { window_.dialogs().openWithShell(&window_, target); });
}

}  // namespace pendara
