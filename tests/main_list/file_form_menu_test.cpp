#include <QAction>
#include <QTest>

#include "main_list/file_form_menu.h"
#include "main_list/main_list.h"
#include "main_list/scintilla.h"

using namespace pendara;

namespace {

QAction* Item(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) return action;
    }
    qFatal("no item %s", qPrintable(text));
}

QStringList Checked(const QMenu& menu) {
    QStringList checked;
    for (const QAction* action : menu.actions()) {
        if (action->isChecked()) checked << action->text();
    }
    return checked;
}

}  // namespace

class FileFormMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsAndChangesTheFormTheListIsSavedIn() {
        QsciScintilla editor;
        MainList list(editor);
        std::string text;
        list.setOrigin(ListOrigin::FromFile(std::string("\xFF\xFEx\0\n\0y\0", 8), text));
        list.setText(text);
        FileFormMenu menu(list);
        QCOMPARE(menu.title(), QStringLiteral("File Form: UTF-16 LE, LF, no final break"));
        QCOMPARE(Checked(menu), QStringList({QStringLiteral("UTF-16 LE"), QStringLiteral("LF")}));

        Item(menu, QStringLiteral("UTF-8 with mark"))->trigger();
        Item(menu, QStringLiteral("CR LF"))->trigger();
        QCOMPARE(Checked(menu),
                 QStringList({QStringLiteral("UTF-8 with mark"), QStringLiteral("CR LF")}));
        QCOMPARE(editor.toolTip(), QStringLiteral("UTF-8 with mark, CR LF, no final break"));
        QCOMPARE(list.origin().fileBytes(list.text()), std::string("\xEF\xBB\xBFx\r\ny"));

        // A list that came from no file shows its own form the next time the menu opens.
        list.setOrigin(ListOrigin());
        Q_EMIT menu.aboutToShow();
        QCOMPARE(Checked(menu),
                 QStringList({QStringLiteral("Plain bytes"), QStringLiteral("CR LF")}));
        QCOMPARE(menu.title(), QStringLiteral("File Form: Plain bytes, CR LF"));
    }
};

QTEST_MAIN(FileFormMenuTest)
#include "file_form_menu_test.moc"
