#include "support/contributor_page.h"

#include "support/support_page.h"
#include "ui_contributor_page.h"
#include "window/control_link.h"
#include "window/dialogs.h"
#include "window/handler_guard.h"
#include "window/page_context.h"
#include "window/readable_colour.h"

namespace pendara {

namespace {

enum Column { kName, kWebsite, kFacebook, kTwitter, kGooglePlus, kContribution, kColumns };

enum class Visibility { Shown, Hidden };

// Every column of the contributor grid holds text and sorts as text.
TableGrid::Column TextColumn(const char* title, int width,
                             Visibility visibility = Visibility::Shown) {
    TableGrid::Column column;
    column.title = ContributorPage::tr(title);
    column.width = width;
    column.visible = visibility == Visibility::Shown;
    return column;
}

}  // namespace

ContributorPage::ContributorPage(const PageContext& context, QWidget* parent)
    : CatalogueGridPage(context, QStringLiteral(":/tables/contributors.tsv"), parent),
      ui_(std::make_unique<Ui::ContributorPage>()) {
    ui_->setupUi(this);
    SetTextColour(*ui_->lblCName, QColor(0, 0, 255));
    ui_->mContribution->setAccessibleName(tr("Contribution"));
    // Named without the caption's colon; the caption above the box still takes Alt to it.
    ui_->Label31->setBuddy(ui_->mContribution);
    ui_->nxContributor->setColumns(
        {TextColumn(QT_TR_NOOP("Name"), 150), TextColumn(QT_TR_NOOP("Website"), 135),
         TextColumn(QT_TR_NOOP("Facebook"), 135), TextColumn(QT_TR_NOOP("Twitter"), 135),
         TextColumn(QT_TR_NOOP("Google Plus"), 135),
         // Shown below the grid instead.
         TextColumn(QT_TR_NOOP("Contribution"), 110, Visibility::Hidden)});

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
