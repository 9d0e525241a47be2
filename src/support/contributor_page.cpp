#include "support/contributor_page.h"

#include "app/control_link.h"
#include "app/dialogs.h"
#include "app/handler_guard.h"
#include "app/page_context.h"
#include "support/support_page.h"
#include "ui_contributor_page.h"

namespace pendara {

namespace {

enum Column { kName, kWebsite, kFacebook, kTwitter, kGooglePlus, kContribution, kColumns };

}  // namespace

ContributorPage::ContributorPage(const PageContext& context, QWidget* parent)
    : CatalogueGridPage(context, QStringLiteral(":/tables/contributors.tsv"), parent),
      ui_(std::make_unique<Ui::ContributorPage>()) {
    ui_->setupUi(this);
    using Sort = TableGrid::SortType;
    ui_->nxContributor->setColumns({{QStringLiteral("Name"), 150, true, Sort::Text, {}},
                                    {QStringLiteral("Website"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Facebook"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Twitter"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Google Plus"), 135, true, Sort::Text, {}},
                                    {QStringLiteral("Contribution"), 110, false, Sort::Text, {}}});

    for (QAbstractButton* button : {ui_->cHome, ui_->cFB, ui_->cTwitter, ui_->cGPlus}) {
        SetLinkTarget(*button, QStringLiteral("-"));
        connect(button, &QAbstractButton::clicked, this, &ContributorPage::VisitURL2);
    }
    connect(ui_->nxContributor, &TableGrid::selectCell, this,
            &ContributorPage::nxContributorSelectCell);
    connect(ui_->btnHTSU, &QAbstractButton::clicked, this, &ContributorPage::btnHTSUClick);
}

ContributorPage::~ContributorPage() = default;

void ContributorPage::loadContributors() {
    if (ui_->nxContributor->rowCount() > 0) return;
    ui_->nxContributor->setRows(rowsThroughFile("Contributor.txt", &Utf16TableFileBytes, kColumns));
}

void ContributorPage::nxContributorSelectCell() {
    RunGuarded(this, context_.dialogs(), [&] {
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
        for (const Link& link : links) SetLinkTarget(*link.button, QStringLiteral("-"));

        const TableGrid& grid = *ui_->nxContributor;
        if (const int row = grid.selectedRow(); row >= 0) {
            ui_->lblCName->setText(grid.cell(kName, row));
            for (const Link& link : links) SetLinkTarget(*link.button, grid.cell(link.column, row));
            ui_->mContribution->setPlainText(grid.cell(kContribution, row));
        }
        for (const Link& link : links) {
            link.button->setEnabled(LinkTarget(*link.button) != QStringLiteral("-"));
        }
    });
}

void ContributorPage::btnHTSUClick() {
    RunGuarded(this, context_.dialogs(), [&] { context_.navigator().showSupportPage(); });
}

void ContributorPage::VisitURL2() {
    const QObject* control = sender();
    RunGuarded(this, context_.dialogs(),
               [&] { OpenLinkOf(context_.dialogs(), &context_.window(), control); });
}

}  // namespace pendara
