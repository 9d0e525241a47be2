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

    void reopeningInAnotherEncodingIsOneUndoStepThatKeepsTheBytes() {
        QsciScintilla editor;
        MainList list(editor);
        // Polish in Windows-1250, taken for Windows-1252 by a German user.
        const std::string bytes =
            "\x9Cwiat\n\xB3\xF3"
            "d\x9F\n";
        std::string text;
        ListOrigin origin = ListOrigin::FromFile(bytes, text, "windows-1252");
        origin.setPath("list.txt");
        list.setText(text);
        list.setOrigin(origin);
        FileFormMenu menu(list);

        menu.reopen("windows-1250");
        QCOMPARE(list.text(), std::string("świat\r\nłódź\r\n"));
        QCOMPARE(menu.title(), QStringLiteral("File Form: windows-1250, LF"));
        QCOMPARE(Checked(menu),
                 QStringList({QStringLiteral("windows-1250"), QStringLiteral("LF")}));
        QCOMPARE(list.origin().fileBytes(list.text()), bytes);
        QCOMPARE(list.origin().path(), std::string("list.txt"));

        list.undo();
        QCOMPARE(list.text(), text);
        QCOMPARE(list.origin().form().codePage, std::string("windows-1252"));
        QCOMPARE(list.origin().fileBytes(list.text()), bytes);
        list.redo();
        QCOMPARE(list.origin().form().codePage, std::string("windows-1250"));
        QCOMPARE(list.origin().fileBytes(list.text()), bytes);

        // A list that came from no file has no bytes to read again.
        list.setOrigin(ListOrigin());
        menu.showForm();
        QVERIFY(!menu.findChild<QMenu*>(QStringLiteral("reopenMenu"))->isEnabled());
    }
};

QTEST_MAIN(FileFormMenuTest)
#include "file_form_menu_test.moc"
