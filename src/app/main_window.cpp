#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <exception>

#include "app/page_control.h"
#include "app/proportional_scale.h"
#include "app/status_texts.h"
#include "app/window_scale.h"
#include "batch/batch_panel.h"
#include "batch/list_builder_page.h"
#include "compare/comparer_page.h"
#include "extras/error_message_page.h"
#include "extras/shell_folder_page.h"
#include "main_list/bulk_run.h"
#include "main_list/main_list.h"
#include "main_list/recipe_window.h"
#include "merge/merger_page.h"
#include "platform/system_status.h"
#include "support/about_dialog.h"
#include "support/contributor_page.h"
#include "support/maker_info.h"
#include "support/more_page.h"
#include "support/startup_steps.h"
#include "support/support_page.h"
#include "ui_pd_main.h"
#include "version.h"
#include "window/accessible_names.h"
#include "window/button_keys.h"
#include "window/control_link.h"
#include "window/dialogs.h"
#include "window/glyphs.h"
#include "window/handler_guard.h"
#include "window/readable_colour.h"

namespace pendara {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// The status bar's words in the user's language.
StatusWords TranslatedStatusWords() {
    const auto word = [](const char* text) {
        return QCoreApplication::translate("pendara::TPDFrm", text).toStdString();
    };
    StatusWords words;
    words.day = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "Day(s)"));
    words.hour = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "Hour(s)"));
    words.minute = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "Minute(s)"));
    words.second = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "Second(s)"));
    words.memory = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "Memory Usage :"));
    words.power = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "Power :"));
    words.uptime = word(QT_TRANSLATE_NOOP("pendara::TPDFrm", "System Uptime :"));
    return words;
}

// Room for the title bar and borders the window manager adds, unknown before the first show.
constexpr PixelSize kFrameAllowance{12, 40};

}  // namespace

TPDFrm::TPDFrm(const Services& services, QWidget* owner)
    : QWidget(owner, Qt::Window),
      services_(services),
      programWindow_(owner == nullptr),
      ui_(std::make_unique<Ui::TPDFrm>()),
      context_(*this, services_, workList_, *this) {
    ui_->setupUi(this);
    setFixedSize(933, 588);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(ApplicationIcon());
    ui_->Icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    ui_->btnHome->setIcon(HomePageIcon());
    ui_->btnAbout->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    SetLinkTarget(*ui_->btnHome, QString::fromUtf8(maker::kHomePage));
    SetLinkTarget(*ui_->sBitBtn7, QString::fromUtf8(maker::kSupportPage));

    // Pages in page order, which is the order visible tabs appear in. The List Builder makes
    // the Main List the later pages work on.
    listBuilder_ = new ListBuilderPage(context_);
    context_.setMainList(listBuilder_->mainList());
    context_.setBulkRun(listBuilder_->bulkRun());
    errorMessage_ = new ErrorMessagePage(context_);
    shellFolder_ = new ShellFolderPage(context_);
    contributor_ = new ContributorPage(context_);
    support_ = new SupportPage(context_);
    more_ = new MorePage(context_);
    merger_ = new MergerPage(context_);
    comparer_ = new ComparerPage(context_);
    const std::pair<QWidget*, QString> pages[] = {
        {listBuilder_, tr("List Builder")}, {errorMessage_, tr("Error Message")},
        {shellFolder_, tr("Shell Folder")}, {contributor_, tr("Contributor List")},
        {support_, tr("Support Us!")},      {more_, tr("MORE Software")},
        {merger_, tr("List Merger")},       {comparer_, tr("List Comparer")}};
    for (const auto& [pageWidget, caption] : pages) ui_->Page->addPage(pageWidget, caption);
    // The other pages' buttons that change the Main List wait while an operation runs.
    for (const char* name :
         {"Button11", "btnFirst", "btnSecond", "btnSame", "btnDif", "Button7", "BtnAdd",
          "BtnRemove", "BtnRep", "BtnFilter", "RemELine", "btnTrim", "Button14"}) {
        if (auto* button = findChild<QWidget*>(QString::fromLatin1(name)))
            listBuilder_->bulkRun().guard(button);
    }

    for (QToolButton* button :
         {ui_->SpeedButton1, ui_->spdLM, ui_->spdLS, ui_->spdLE, ui_->spdTools, ui_->sbMore}) {
        // Exclusive buttons let Tab reach only the checked one; the menu keeps one checked
        // itself, so every button stays on the Tab path.
        button->setAutoExclusive(false);
        connect(button, &QToolButton::clicked, this, &TPDFrm::MenuSelection);
    }
    // The style's icons come in different native sizes; drawn square they line up the captions.
    const std::pair<QToolButton*, QStyle::StandardPixmap> menuIcons[] = {
        {ui_->SpeedButton1, QStyle::SP_DialogYesButton},
        {ui_->spdLM, QStyle::SP_FileDialogListView},
        {ui_->spdLS, QStyle::SP_ArrowRight},
        {ui_->spdLE, QStyle::SP_FileDialogContentsView},
        {ui_->spdTools, QStyle::SP_ComputerIcon},
        {ui_->sbMore, QStyle::SP_DesktopIcon}};
    for (const auto& [button, icon] : menuIcons) {
        button->setIcon(SquareIcon(style()->standardIcon(icon), button->iconSize().width()));
    }
    ui_->spdLM->setChecked(true);

    connect(ui_->btnHome, &QToolButton::clicked, this, &TPDFrm::btnHomeClick);
    connect(ui_->sBitBtn7, &QPushButton::clicked, this, &TPDFrm::btnHomeClick);
    connect(ui_->btnAbout, &QToolButton::clicked, this, &TPDFrm::AboutClick);
    auto* about = new QAction(this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(about);
    connect(about, &QAction::triggered, this, &TPDFrm::AboutClick);
    ui_->btnAbout->setToolTip(tr("About (F1)"));
    ui_->Icon->installEventFilter(this);
    ui_->Label6->installEventFilter(this);
    ui_->Label6->setText(QString::fromUtf8(kVersionLabel));

    // The status bar: three live readings and the home page address.
    auto* panels = new QWidget(ui_->SB);
    auto* row = new QHBoxLayout(panels);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const StatusWords words = TranslatedStatusWords();
    const std::pair<QString, int> designTexts[] = {{Text(MemoryPanelText(100, words)), 140},
                                                   {Text(PowerPanelText(100, words)), 85},
                                                   {Text(words.uptime + " -"), 400},
                                                   {QString::fromUtf8(maker::kHomePage), 0}};
    std::size_t index = 0;
    for (const auto& [text, width] : designTexts) {
        auto* panel = new QLabel(text, panels);
        panel->setObjectName(QStringLiteral("SBPanel%1").arg(index));
        statusPanels_[index++] = panel;
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        if (width > 0) panel->setFixedWidth(width);
        row->addWidget(panel, width > 0 ? 0 : 1);
    }
    ui_->SB->addWidget(panels, 1);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TPDFrm::Timer1Timer);
    timer1_->start();

    // Centred on the desktop when created, shrunk first where the screen is too small.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        if (services_.screenFit == ScreenFit::ShrinkToScreen) {
            ScaleWidgetTree(*this, FitWindowScale({width(), height()}, kFrameAllowance,
                                                  {available.width(), available.height()}));
        }
        move(available.center() - rect().center());
    }
    LetEnterPressButtons(*this);
    NameControlsForReaders(*this);
    FollowApplicationPalette();
    FormCreate();
}

TPDFrm::~TPDFrm() = default;

MainList& TPDFrm::mainList() { return context_.mainList(); }

PageControl& TPDFrm::page() { return *ui_->Page; }

void TPDFrm::FormCreate() {
    workList_.clear();
    std::exception_ptr early;
    try {
        showPage(listBuilder_);
    } catch (...) {
        early = std::current_exception();
    }
    // Runs whatever happened above; a failed path record skips the captions and the support check.
    bool recorded = false;
    RunGuarded(this, dialogs(), [&] {
        RecordExecutablePath(services_.settings);
        recorded = true;
    });
    if (recorded) {
        ui_->title->setText(QString::fromUtf8(maker::kProductName));
        ui_->cpr->setText(QString::fromUtf8(maker::kCopyright));
        RunGuarded(this, dialogs(), [&] { RunStartupSupportCheck(services_, this); });
    }
    if (early) RunGuarded(this, dialogs(), [&] { std::rethrow_exception(early); });
}

void TPDFrm::MenuSelection() {
    auto* button = qobject_cast<QAbstractButton*>(sender());
    if (button == nullptr) return;
    checkMenuButton(button);
    selectByTag(button->property("tag").toInt());
}

void TPDFrm::selectByTag(int tag) {
    PageControl& pages = *ui_->Page;
    pages.hide();
    RunGuarded(this, dialogs(), [&] {
        struct Reshow {
            PageControl& pages;
            ~Reshow() { pages.show(); }
        } reshow{pages};
        pages.hideAllTabs();
        if (tag == 4) {
            // EXTRAS alone shows its two pages as tabs.
            pages.setTabVisible(errorMessage_, true);
            pages.setTabVisible(shellFolder_, true);
            pages.setActivePage(errorMessage_);
            shellFolder_->loadOnFirstVisit();
            return;
        }
        const std::pair<int, QWidget*> pageOfTag[] = {
            {1, listBuilder_}, {2, merger_}, {3, comparer_}, {6, support_}, {11, more_}};
        for (const auto& [pageTag, page] : pageOfTag) {
            if (pageTag == tag) pages.setActivePage(page);
        }
    });
    // Hiding the pages sent the focus on to the window's next button.
    if (QWidget* shown = pages.activePage(); shown != nullptr && isVisible())
        FocusFirstControl(*shown);
}

void TPDFrm::checkMenuButton(QAbstractButton* down) {
    for (QToolButton* button :
         {ui_->SpeedButton1, ui_->spdLM, ui_->spdLS, ui_->spdLE, ui_->spdTools, ui_->sbMore}) {
        button->setChecked(button == down);
    }
}

void TPDFrm::showListBuilder() {
    checkMenuButton(ui_->spdLM);
    selectByTag(1);
}

void TPDFrm::showSupportPage() { showPage(support_); }

void TPDFrm::showContributorPage() {
    showPage(contributor_);
    contributor_->loadContributors();
}

void TPDFrm::showPage(QWidget* pageWidget) {
    ui_->Page->hideAllTabs();
    ui_->Page->setActivePage(pageWidget);
}

void TPDFrm::btnHomeClick() { OpenLinkOf(dialogs(), this, sender()); }

void TPDFrm::Label6DblClick() {
    // The folder that holds the running executable, up to and including the last separator.
    dialogs().openWithShell(
        this, QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/')));
}

void TPDFrm::IconDblClick() {
    RunGuarded(this, dialogs(), [this] { openWindow(); });
}

TPDFrm& TPDFrm::openWindow() {
    auto* window = new TPDFrm(services_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return *window;
}

void TPDFrm::loadList(const QString& path) {
    // A recipe opened with the program is a recipe to run, not a list.
    if (IsRecipePath(path)) {
        OfferDroppedRecipe(context_, mainList(), path);
        return;
    }
    listBuilder_->loadListFile(path);
}

void TPDFrm::AboutClick() {
    RunGuarded(this, dialogs(), [this] {
        TfrmPDAbout about(dialogs(), this);
        dialogs().runModal(about);
    });
}

void TPDFrm::Timer1Timer() {
    if (services_.systemStatus == nullptr) return;
    RunGuarded(this, dialogs(), [this] {
        SystemStatus& status = *services_.systemStatus;
        const int battery = status.batteryPercent();
        const int memory = status.memoryLoad();
        const StatusWords words = TranslatedStatusWords();
        statusPanels_[0]->setText(Text(MemoryPanelText(memory, words)));
        statusPanels_[1]->setText(Text(PowerPanelText(battery, words)));
        statusPanels_[2]->setText(Text(UptimePanelText(status.millisecondsSinceBoot(), words)));
    });
}

bool TPDFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == ui_->Icon) {
            IconDblClick();
            return true;
        }
        if (watched == ui_->Label6) {
            Label6DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TPDFrm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TPDFrm::FormActivate() {
    ui_->sBitBtn7->setToolTip(tr("Click here if you want to \"Support Us\"\n") +
                              QString(15, QLatin1Char(' ')) + tr("with a \"Donation\""));
    RunGuarded(this, dialogs(), [this] { more_->reloadCatalogue(); });
}

bool TPDFrm::mayClose() {
    // An operation still running is dropped: the list is as it was before it.
    listBuilder_->bulkRun().cancel();
    MainList& list = mainList();
    if (!list.isModified() || list.count() == 0) return true;
    switch (dialogs().askSaveChanges(this, tr("Save changes to the Main List?"))) {
        case Dialogs::SaveChoice::Save:
            return listBuilder_->saveList();
        case Dialogs::SaveChoice::Discard:
            return true;
        case Dialogs::SaveChoice::Cancel:
            return false;
    }
    return false;
}

void TPDFrm::closeEvent(QCloseEvent* event) {
    if (!mayClose()) {
        event->ignore();
        return;
    }
    if (programWindow_) {
        // The other windows end with the program: each asks about its own list first.
        for (TPDFrm* window : findChildren<TPDFrm*>(Qt::FindDirectChildrenOnly)) {
            if (window->isVisible() && !window->close()) {
                event->ignore();
                return;
            }
        }
    }
    workList_.clear();
    event->accept();
    // Closing the program's main window ends the program, additional windows included.
    if (programWindow_) QCoreApplication::quit();
}

}  // namespace pendara
