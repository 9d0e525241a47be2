#pragma once

// The compare folder: the comparison rule and the List Comparer page with its result models.

#include <QWidget>
#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <utility>

#include "list/line_list.h"

class QLineEdit;
class QRadioButton;

namespace Ui {
class ComparerPage;
}

namespace pendara {

class LineListModel;
class PageContext;

// The List Comparer page: compares two lists, each from a file, the clipboard or the Main List,
// into four result boxes (first only, second only, same, different) that can be exported to the
// Main List or copied to the clipboard.
class ComparerPage : public QWidget {
    Q_OBJECT
public:
    explicit ComparerPage(const PageContext& context, QWidget* parent = nullptr);
    ~ComparerPage() override;

    // The result shown in a box, by Tag: 1 first only, 2 second only, 3 same, 4 different.
    const LineList& result(int tag) const;

public Q_SLOTS:
    // COMPARE: empties the four boxes, reads both sides, compares them and fills the boxes.
    void Button7Click();
    // The two "..." buttons; the sender's Tag picks the box (2 first side, 3 second side).
    void Button1Click(QObject* sender);
    // Enables each side's file box and "..." button only while its "From File" is selected.
    void RadioButton1Click();
    // The same for the second side.
    void RadioButton4Click();
    // "Export to Main List": the box picked by the sender's Tag replaces this window's Main List.
    void btnFirstClick(QObject* sender);
    // "Copy to Clipboard": the box picked by the sender's Tag, every line followed by CR LF.
    void clpClipboard(QObject* sender);

private:
    enum class ListSource { FromFile, FromClipboard, FromMainList };

    // What a side is read from, taken on the window's thread: a file's path, the clipboard's
    // text or the Main List's text.
    struct Side {
        ListSource source;
        std::string taken;
        // A clipboard that could not be read fails only when its side's turn comes.
        std::exception_ptr failure = nullptr;
    };
    // The recipe step an export of each result is recorded as, "" for none; one that reads the
    // Main List holds only while the list is in the state it was compared in.
    struct Recorded {
        std::array<std::string, 4> invocations;
        bool readsMainList = false;
        std::uint64_t listState = 0;
    };
    Side takeSide(ListSource source, const QLineEdit& fileBox);
    // The side's lines; off the window's thread.
    static LineList readSide(const Side& side);
    void showSizes();
    // What exporting each result of comparing `sides` is recorded as.
    Recorded recordedFor(const std::pair<Side, Side>& sides) const;
    static ListSource sourceOf(const QRadioButton& fromFile, const QRadioButton& fromClipboard);
    LineListModel* modelByTag(QObject* sender) const;

    const PageContext& context_;
    std::unique_ptr<Ui::ComparerPage> ui_;
    // By Tag - 1: lstFirst, lstSecond, lstSame, lstDif.
    std::array<LineListModel*, 4> results_{};
    Recorded recorded_;
};

}  // namespace pendara
