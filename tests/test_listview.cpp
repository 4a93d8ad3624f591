// The list view's messages as the task list uses them: columns, lines at
// positions, texts into short buffers, and the selection mark a tap sets.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTreeWidget>

#include "framework/listview.h"
#include "gui_helpers.h"

namespace {

class ListView : public testing::Test {
protected:
    ListView()
    {
        m_parent.CreateEx(0, AFX_WNDCLASS_GENERIC, u"parent", WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, 0);
        m_list.CreateEx(0, AFX_WNDCLASS_LISTVIEW, u"List1",
            WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, RECT{0, 0, 280, 180},
            &m_parent, 1025);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, const void* lParam = nullptr)
    {
        return m_list.SendMessage(message, wParam, reinterpret_cast<LPARAM>(lParam));
    }
    int InsertColumn(int nPos, const char16_t* text, int cx)
    {
        LVCOLUMNW column{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, LVCFMT_LEFT, cx, const_cast<LPWSTR>(text), 0, 0};
        return int(Send(LVM_INSERTCOLUMNW, WPARAM(nPos), &column));
    }
    int InsertLine(int nAt, const char16_t* text)
    {
        LVITEMW item{LVIF_TEXT | LVIF_IMAGE, nAt, 0, 0, 0, const_cast<LPWSTR>(text), 0, 0, 0};
        return int(Send(LVM_INSERTITEMW, 0, &item));
    }
    std::u16string Text(int nLine, int nColumn = 0, int cchMax = 64)
    {
        std::u16string buffer(size_t(cchMax), u'#');
        LVITEMW item{};
        item.iSubItem = nColumn;
        item.pszText = buffer.data();
        item.cchTextMax = cchMax;
        const int n = int(Send(LVM_GETITEMTEXTW, WPARAM(nLine), &item));
        return buffer.substr(0, size_t(n));
    }
    QTreeWidget* Widget() { return static_cast<QTreeWidget*>(AfxWidget(m_list.m_hWnd)); }

    CWnd m_parent;
    CWnd m_list;
};

TEST_F(ListView, ColumnsAndLinesAtTheirPositions)
{
    EXPECT_EQ(InsertLine(0, u"no column yet"), -1);
    EXPECT_EQ(InsertColumn(1, u"Процессы", 400), 0) << "past the end goes last";
    EXPECT_EQ(InsertColumn(2, u"", 50), 1);
    EXPECT_EQ(Widget()->headerItem()->text(0), QStringLiteral("Процессы"));
    EXPECT_EQ(Widget()->columnWidth(0), 400);

    EXPECT_EQ(InsertLine(0, u"b"), 0);
    EXPECT_EQ(InsertLine(99, u"c"), 1) << "past the end goes last";
    EXPECT_EQ(InsertLine(0, u"a"), 0);
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 3);
    EXPECT_EQ(Text(0) + Text(1) + Text(2), u"abc");
    EXPECT_EQ(Text(1, 1), u"") << "the second column is empty";
    EXPECT_EQ(Text(7), u"") << "no such line";

    EXPECT_EQ(InsertLine(3, u"a-long-program-name"), 3);
    EXPECT_EQ(Text(3, 0, 7), u"a-long") << "cut to the buffer, terminator included";
}

TEST_F(ListView, SelectionMarkFollowsTapsAndRequests)
{
    InsertColumn(0, u"Name", 100);
    for (const char16_t* name : {u"one", u"two", u"three"})
        InsertLine(int(Send(LVM_GETITEMCOUNT)), name);
    ASSERT_TRUE(PumpUntil([&] { return Widget()->visualItemRect(Widget()->topLevelItem(2)).isValid(); }));
    EXPECT_EQ(Send(LVM_GETSELECTIONMARK), -1) << "nothing picked yet";

    const QPoint at = Widget()->visualItemRect(Widget()->topLevelItem(2)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent tap(
            type, at, Widget()->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Widget()->viewport(), &tap);
    }
    EXPECT_EQ(Send(LVM_GETSELECTIONMARK), 2) << "a tapped line";

    LVITEMW state{};
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    EXPECT_EQ(Send(LVM_SETITEMSTATE, 0, &state), TRUE);
    EXPECT_TRUE(Widget()->topLevelItem(0)->isSelected());
    EXPECT_FALSE(Widget()->topLevelItem(2)->isSelected()) << "one line at a time";
    EXPECT_EQ(Widget()->currentIndex().row(), 0);
    EXPECT_EQ(m_list.SendMessage(LVM_SETSELECTIONMARK, 0, 1), 0);
    EXPECT_EQ(Send(LVM_GETSELECTIONMARK), 1);

    EXPECT_EQ(Send(LVM_DELETEALLITEMS), TRUE);
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 0);
    EXPECT_EQ(Send(LVM_GETSELECTIONMARK), -1) << "no mark on an empty list";
    EXPECT_EQ(Send(LVM_SETITEMSTATE, 0, &state), FALSE);
}

} // namespace
