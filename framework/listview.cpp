// The list view class over the toolkit's tree widget in report mode: lines
// of texts in columns under a header, with one small image per line.
#include "framework/listview.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "framework/hwnd_p.h"
#include "framework/imagelist_p.h"

namespace {

Qt::Alignment AlignmentOf(int fmt)
{
    switch (fmt & 3) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

class AfxListView : public AfxWindowWidget<QTreeWidget> {
public:
    AfxListView(QWidget* parent, DWORD style) : AfxWindowWidget<QTreeWidget>(parent)
    {
        setRootIsDecorated(false);
        setUniformRowHeights(true);
        setItemsExpandable(false);
        setAllColumnsShowFocus(true);
        setColumnCount(0);
        header()->setStretchLastSection(false);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode((style & LVS_SINGLESEL) ? SingleSelection : ExtendedSelection);
        setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
        if (style & WS_BORDER)
            setFrameStyle(QFrame::Box | QFrame::Plain);
        else
            setFrameStyle(QFrame::NoFrame);
        // A line the user picks becomes the selection mark, as on the platform.
        QObject::connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
            const QList<QTreeWidgetItem*> selected = selectedItems();
            if (!selected.isEmpty())
                m_nSelectionMark = indexOfTopLevelItem(selected.front());
        });
    }

    bool ClassProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        switch (message) {
        case LVM_INSERTCOLUMNW:
            result = InsertColumn(int(wParam), reinterpret_cast<const LVCOLUMNW*>(lParam));
            return true;
        case LVM_SETIMAGELIST:
            result = SetImageList(int(wParam), reinterpret_cast<HIMAGELIST>(lParam));
            return true;
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            const DWORD mask = wParam ? DWORD(wParam) : ~DWORD(0);
            result = LRESULT(m_dwExStyle);
            m_dwExStyle = (m_dwExStyle & ~mask) | (DWORD(lParam) & mask);
            return true;
        }
        case LVM_DELETEALLITEMS:
            clear();
            m_nSelectionMark = -1;
            result = TRUE;
            return true;
        case LVM_INSERTITEMW:
            result = InsertItem(reinterpret_cast<const LVITEMW*>(lParam));
            return true;
        case LVM_GETITEMCOUNT:
            result = topLevelItemCount();
            return true;
        case LVM_GETSELECTIONMARK:
            result = m_nSelectionMark;
            return true;
        case LVM_SETSELECTIONMARK:
            result = std::exchange(m_nSelectionMark, int(lParam));
            return true;
        case LVM_GETITEMTEXTW:
            result = GetItemText(int(wParam), reinterpret_cast<LVITEMW*>(lParam));
            return true;
        case LVM_SETITEMSTATE:
            result = SetItemState(int(wParam), reinterpret_cast<const LVITEMW*>(lParam));
            return true;
        default:
            return false;
        }
    }

protected:
    // The toolkit paints the lines itself.
    void paintEvent(QPaintEvent* e) override { QTreeWidget::paintEvent(e); }

private:
    LRESULT InsertColumn(int nPos, const LVCOLUMNW* pColumn)
    {
        if (!pColumn)
            return -1;
        const int nColumn = std::clamp(nPos, 0, columnCount());
        QTreeWidgetItem* head = headerItem();
        // The new column shifts the texts after it one to the right.
        setColumnCount(columnCount() + 1);
        for (int c = columnCount() - 1; c > nColumn; --c) {
            head->setText(c, head->text(c - 1));
            head->setTextAlignment(c, Qt::Alignment(head->textAlignment(c - 1)));
            setColumnWidth(c, columnWidth(c - 1));
            for (int i = 0; i < topLevelItemCount(); ++i)
                topLevelItem(i)->setText(c, topLevelItem(i)->text(c - 1));
        }
        for (int i = 0; i < topLevelItemCount(); ++i)
            topLevelItem(i)->setText(nColumn, QString());
        m_columnFormats.insert(m_columnFormats.begin() + nColumn, (pColumn->mask & LVCF_FMT) ? pColumn->fmt : 0);
        head->setText(nColumn,
            (pColumn->mask & LVCF_TEXT) && pColumn->pszText ? QString::fromUtf16(pColumn->pszText) : QString());
        head->setTextAlignment(nColumn, AlignmentOf(m_columnFormats[size_t(nColumn)]));
        if (pColumn->mask & LVCF_WIDTH)
            setColumnWidth(nColumn, pColumn->cx);
        return nColumn;
    }

    LRESULT SetImageList(int nKind, HIMAGELIST himl)
    {
        if (nKind != LVSIL_SMALL)
            return 0;
        const HIMAGELIST previous = std::exchange(m_himlSmall, himl);
        m_icons.clear();
        if (himl)
            setIconSize(QSize(himl->cx, himl->cy));
        return reinterpret_cast<LRESULT>(previous);
    }

    // The list's images as the toolkit's icons, made once each: lines share them.
    QIcon Icon(int nImage)
    {
        if (nImage < 0 || nImage >= ImageList_GetImageCount(m_himlSmall))
            return QIcon();
        if (size_t(nImage) >= m_icons.size())
            m_icons.resize(size_t(nImage) + 1);
        if (m_icons[size_t(nImage)].isNull())
            m_icons[size_t(nImage)] = AfxImageListIcon(m_himlSmall, nImage);
        return m_icons[size_t(nImage)];
    }

    LRESULT InsertItem(const LVITEMW* pItem)
    {
        if (!pItem || pItem->iSubItem != 0 || pItem->iItem < 0 || columnCount() == 0)
            return -1;
        auto* item = new QTreeWidgetItem;
        // Filled before it joins the view: no change is reported for it.
        if ((pItem->mask & LVIF_TEXT) && pItem->pszText)
            item->setText(0, QString::fromUtf16(pItem->pszText));
        if (pItem->mask & LVIF_IMAGE)
            item->setIcon(0, Icon(pItem->iImage));
        if ((m_columnFormats.front() & 3) != LVCFMT_LEFT)
            item->setTextAlignment(0, AlignmentOf(m_columnFormats.front()));
        const int nLine = std::min(pItem->iItem, topLevelItemCount());
        insertTopLevelItem(nLine, item);
        return nLine;
    }

    LRESULT GetItemText(int nLine, LVITEMW* pItem) const
    {
        if (!pItem || !pItem->pszText || pItem->cchTextMax <= 0)
            return 0;
        const QTreeWidgetItem* item = topLevelItem(nLine);
        const QString text = item && pItem->iSubItem >= 0 ? item->text(pItem->iSubItem) : QString();
        const int n = std::min(int(text.size()), pItem->cchTextMax - 1);
        std::copy_n(text.utf16(), n, pItem->pszText);
        pItem->pszText[n] = 0;
        return n;
    }

    LRESULT SetItemState(int nLine, const LVITEMW* pItem)
    {
        if (!pItem || nLine < -1 || nLine >= topLevelItemCount())
            return FALSE;
        const int first = nLine < 0 ? 0 : nLine;
        const int last = nLine < 0 ? topLevelItemCount() - 1 : nLine;
        for (int i = first; i <= last; ++i) {
            const QModelIndex index = indexFromItem(topLevelItem(i));
            if (pItem->stateMask & LVIS_SELECTED) {
                const bool single = selectionMode() == SingleSelection;
                const auto command = (pItem->state & LVIS_SELECTED)
                    ? (single ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Select)
                    : QItemSelectionModel::Deselect;
                selectionModel()->select(index, command | QItemSelectionModel::Rows);
            }
            if (pItem->stateMask & LVIS_FOCUSED) {
                if (pItem->state & LVIS_FOCUSED)
                    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
                else if (currentIndex().row() == i)
                    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            }
        }
        return TRUE;
    }

    int m_nSelectionMark = -1;
    DWORD m_dwExStyle = 0;
    HIMAGELIST m_himlSmall = nullptr;
    std::vector<QIcon> m_icons;
    std::vector<int> m_columnFormats;
};

} // namespace

AfxWindow* AfxNewListView(QWidget* parent, DWORD style)
{
    return new AfxListView(parent, style);
}
