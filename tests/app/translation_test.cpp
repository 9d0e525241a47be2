#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>

#include "app/every_window.h"
#include "app/translations.h"
#include "window/handler_guard.h"

using namespace pendara;
using pendara::testing::VisitEveryWindow;
using pendara::testing::WindowFixture;

namespace {

const QString kMark = QStringLiteral("\u2039");

// Marks every text of the program's own catalogue contexts; Qt's contexts (QShortcut,
// QDialogButtonBox, ...) keep their texts, so key names still parse.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (context == nullptr || context[0] == 'Q' || source == nullptr || source[0] == '\0')
            return {};
        return kMark + QString::fromUtf8(source);
    }
};

// Data rather than words: no word of two letters or more, the product's name, copyright and
// addresses, and the command line's own words (option names) the command dialog shows, with
// or without a mnemonic.
bool IsData(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    static const QRegularExpression data(QStringLiteral(
        "^(Pendara|Copyright .*|Pendara developers, \\d+|[\\w./:-]*example\\.org[\\w./?=&-]*|"
        "--[a-z&-]+:?|[A-Z&]+:)$"));
    const QString plain = text.trimmed();
    return !word.match(plain).hasMatch() || data.match(plain).hasMatch();
}

QString PlainText(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// Every text a person can see or hear on `top`: captions, tool tips, placeholders, titles,
// tab captions, column headers and action texts.
QStringList UntranslatedTexts(QWidget& top) {
    QStringList found;
    const auto check = [&](const QObject& owner, const QString& what, const QString& text) {
        const QString plain = PlainText(text);
        if (plain.isEmpty() || plain.contains(kMark) || IsData(plain)) return;
        found << QStringLiteral("%1 %2: \"%3\"").arg(owner.objectName(), what, plain);
    };
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* w : widgets) {
        // Qt names the parts of its tab bars itself.
        if (qobject_cast<QTabBar*>(w->parentWidget()) != nullptr) continue;
        if (!testing::ShowsOnSomePage(*w, top)) continue;
        if (w->isWindow()) check(*w, QStringLiteral("title"), w->windowTitle());
        check(*w, QStringLiteral("tool tip"), w->toolTip());
        check(*w, QStringLiteral("accessible name"), w->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(w))
            check(*w, QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            auto* box = qobject_cast<QDialogButtonBox*>(w->parentWidget());
            // Qt names its standard buttons itself.
            if (box == nullptr || box->standardButton(button) == QDialogButtonBox::NoButton)
                check(*w, QStringLiteral("caption"), button->text());
        }
        if (auto* group = qobject_cast<QGroupBox*>(w))
            check(*w, QStringLiteral("title"), group->title());
        if (auto* line = qobject_cast<QLineEdit*>(w))
            check(*w, QStringLiteral("placeholder"), line->placeholderText());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            check(*w, QStringLiteral("placeholder"), edit->placeholderText());
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(*w, QStringLiteral("tab"), tabs->tabText(i));
        }
        if (auto* header = qobject_cast<QHeaderView*>(w); header != nullptr && header->model()) {
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i)) continue;
                check(*w, QStringLiteral("column"),
                      header->model()->headerData(i, header->orientation()).toString());
            }
        }
        for (QAction* action : w->actions()) {
            if (!action->isVisible() || action->isSeparator()) continue;
            check(*action, QStringLiteral("action"), action->text());
        }
        if (auto* menu = qobject_cast<QMenu*>(w)) check(*w, QStringLiteral("menu"), menu->title());
    }
    return found;
}

// How many pixels the caption of each hand-placed control below `top` lacks, by the control's
// name, for those that lack any (a layout gives its controls the room they ask for).
QMap<QString, int> CutCaptions(QWidget& top) {
    QMap<QString, int> cut;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (w->parentWidget() == nullptr || w->parentWidget()->layout() != nullptr) continue;
        int needed = 0;
        int room = w->width();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
                continue;
            needed = label->fontMetrics().horizontalAdvance(
                QString(label->text()).remove(QLatin1Char('&')));
            room = label->contentsRect().width() - 2 * label->margin();
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            if (push->text().isEmpty()) continue;
            needed = push->fontMetrics().horizontalAdvance(
                         QString(push->text()).remove(QLatin1Char('&'))) +
                     6 + (push->icon().isNull() ? 0 : push->iconSize().width() + 4);
        } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
            if (tool->text().isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            const int text = tool->fontMetrics().horizontalAdvance(
                QString(tool->text()).remove(QLatin1Char('&')).trimmed());
            needed = (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon
                          ? tool->iconSize().width() + 4 + text
                          : std::max(text, tool->iconSize().width())) +
                     6;
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // An option button that wraps its caption takes two lines instead.
            if (button->text().isEmpty() || w->inherits("pendara::WrapRadioButton")) continue;
            const QStyle& style = *button->style();
            needed = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                     style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button) +
                     button->fontMetrics().horizontalAdvance(
                         QString(button->text()).remove(QLatin1Char('&')));
        } else {
            continue;
        }
        if (needed <= room) continue;
        cut.insert(w->objectName(), needed - room);
    }
    return cut;
}

// Takes the translators InstallTranslations gave the application away again, however the
// test ends.
struct InstalledTranslations {
    ~InstalledTranslations() {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
    }
};

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noVisibleTextEscapesTranslation() {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QStringList untranslated;
        VisitEveryWindow([&](QWidget& top, const QString& where) {
            for (const QString& text : UntranslatedTexts(top))
                untranslated << where + QStringLiteral(", ") + text;
        });
        QCoreApplication::removeTranslator(&marking);
        untranslated.removeDuplicates();
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

    void germanLocaleShowsGermanTextsAndQtButtons() {
        const InstalledTranslations installed;
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany),
                                    {QStringLiteral(PENDARA_TRANSLATIONS_DIR)}));
        {
            WindowFixture f;
            TPDFrm& window = f.make();
            QCOMPARE(testing::Child<QLabel>(window, "Label1")->text().remove(QLatin1Char('&')),
                     QStringLiteral("Hauptliste :"));
            // A message with data keeps the data and translates the rest.
            QCOMPARE(
                TranslatedFailure("Cannot open file \"/a %s.txt\". No such file"),
                QStringLiteral("Die Datei \"/a %s.txt\" kann nicht geöffnet werden. No such file"));
            QDialogButtonBox buttons(QDialogButtonBox::Cancel);
            QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        }
        // An unfinished message would not be shipped and would show in English.
        QFile source(QStringLiteral(PENDARA_TRANSLATION_SOURCES "/pendara_de.ts"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(!source.readAll().contains("unfinished"));
    }

    void germanCaptionsFitWhereTheEnglishOnesDo() {
        // The English captions are the specified ones in the specified places; German must not
        // cut one that English shows whole.
        const auto cutCaptions = [] {
            QMap<QString, int> cut;
            VisitEveryWindow([&](QWidget& top, const QString& where) {
                const QMap<QString, int> here = CutCaptions(top);
                for (auto i = here.begin(); i != here.end(); ++i)
                    cut.insert(where + QStringLiteral(": ") + i.key(), i.value());
            });
            return cut;
        };
        const QMap<QString, int> english = cutCaptions();
        const InstalledTranslations installed;
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany),
                                    {QStringLiteral(PENDARA_TRANSLATIONS_DIR)}));
        QStringList cut;
        const QMap<QString, int> german = cutCaptions();
        for (auto i = german.begin(); i != german.end(); ++i) {
            // The metrics are approximate: English may seem a few pixels short already.
            if (i.value() > english.value(i.key(), 0) + 2)
                cut << QStringLiteral("%1 lacks %2 px").arg(i.key()).arg(i.value());
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void englishNeedsNoCatalogue() {
        const InstalledTranslations installed;
        QVERIFY(!InstallTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates),
                                     {QStringLiteral(PENDARA_TRANSLATIONS_DIR)}));
        WindowFixture f;
        TPDFrm& window = f.make();
        QCOMPARE(testing::Child<QLabel>(window, "Label1")->text().remove(QLatin1Char('&')),
                 QStringLiteral("Main List :"));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
