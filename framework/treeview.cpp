// The tree view class over the toolkit's tree widget: items keep the
// platform's fields, the view shows the state picture and the item's own
// side by side, and expansions and taps go to the parent as notifications.
#include "framework/treeview.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <cstring>
#include <map>
#include <unordered_set>
#include <vector>

#include "framework/hwnd_p.h"
#include "framework/imagelist_p.h"
#include "platform/metrics.h"

namespace {

// Per level, on screens 320 pixels tall or less; about the button's width.
constexpr int kSmallIndentation = 12;

class AfxTreeView;

class AfxTreeItem : public QTreeWidgetItem {
public:
    QVariant data(int column, int role) const override;
    void Changed() { emitDataChanged(); }

    std::u16string text;
    int row = 0;    // where it last was among its siblings
    UINT state = 0; // the stored bits; selection and expansion are the view's
    int image = 0;
    int selectedImage = 0;
    LPARAM lParam = 0;
};

// The delegate that paints items, asked for the same layout by hit tests.
class AfxTreeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::initStyleOption;
    using QStyledItemDelegate::QStyledItemDelegate;
};

QString DisplayText(const std::u16string& text)
{
    // A lone surrogate stands for a byte of a name that is not UTF-8; it shows as U+FFFD.
    QString shown(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate())
            ++i;
        else if (shown[i].isSurrogate())
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

HTREEITEM HandleOf(QTreeWidgetItem* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}

class AfxTreeView : public AfxWindowWidget<QTreeWidget> {
public:
    explicit AfxTreeView(QWidget* parent, DWORD style)
        : AfxWindowWidget<QTreeWidget>(parent), m_delegate(new AfxTreeDelegate(this))
    {
        setItemDelegate(m_delegate);
        setHeaderHidden(true);
        setColumnCount(1);
        setUniformRowHeights(true);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setRootIsDecorated(style & TVS_LINESATROOT);
        // Deep trees stay readable: a narrow tree indents less, and the one
        // column is as wide as the widest row in view, which the view scrolls
        // sideways to show, never narrower than the view.
        if (!IsVgaScreen())
            setIndentation(kSmallIndentation);
        header()->setStretchLastSection(false);
        header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        setFrameShape((style & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
        setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { Toggled(item, TVE_EXPAND); });
        connect(
            this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { Toggled(item, TVE_COLLAPSE); });
    }

    QRect ClientArea() const override { return viewport()->geometry(); }

    // The state picture (with check boxes) and the item's own, side by side.
    QIcon Decoration(UINT stateIndex, int image) const
    {
        const bool slot = HasStateSlot();
        const std::pair<int, int> key(slot ? int(stateIndex) : 0, image);
        if (const auto it = m_icons.find(key); it != m_icons.end())
            return it->second;
        const QImage* own = Picture(m_normal, image);
        const QImage* check = slot ? Picture(m_state, int(stateIndex)) : nullptr;
        QIcon icon;
        if (own || slot) {
            QImage canvas(iconSize(), QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::transparent);
            QPainter p(&canvas);
            const int stateWidth = slot ? m_state.cx : 0;
            if (check)
                p.drawImage(0, 0, *check);
            if (own)
                p.drawImage(stateWidth, 0, *own);
            p.end();
            icon = QIcon(QPixmap::fromImage(canvas));
        }
        return m_icons[key] = icon;
    }

    bool ClassProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        switch (message) {
        case TVM_INSERTITEMW:
            result = reinterpret_cast<LRESULT>(Insert(reinterpret_cast<const TVINSERTSTRUCTW*>(lParam)));
            return true;
        case TVM_DELETEITEM:
            result = Delete(reinterpret_cast<HTREEITEM>(lParam));
            return true;
        case TVM_EXPAND:
            result = Expand(Item(reinterpret_cast<HTREEITEM>(lParam)), UINT(wParam));
            return true;
        case TVM_GETNEXTITEM:
            result = reinterpret_cast<LRESULT>(HandleOf(Next(reinterpret_cast<HTREEITEM>(lParam), UINT(wParam))));
            return true;
        case TVM_SELECTITEM:
            result = Select(reinterpret_cast<HTREEITEM>(lParam), UINT(wParam));
            return true;
        case TVM_ENSUREVISIBLE:
            if (AfxTreeItem* item = Item(reinterpret_cast<HTREEITEM>(lParam)))
                scrollTo(indexFromItem(item), EnsureVisible);
            result = Item(reinterpret_cast<HTREEITEM>(lParam)) != nullptr;
            return true;
        case TVM_GETITEMW:
            result = GetItem(reinterpret_cast<TVITEMW*>(lParam));
            return true;
        case TVM_SETITEMW:
            result = SetItem(reinterpret_cast<const TVITEMW*>(lParam));
            return true;
        case TVM_SETIMAGELIST:
            result = reinterpret_cast<LRESULT>(SetPictures(int(wParam), reinterpret_cast<HIMAGELIST>(lParam)));
            return true;
        case TVM_HITTEST: {
            auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
            if (info)
                info->hItem = HandleOf(HitTest(QPoint(info->pt.x, info->pt.y), info->flags));
            result = reinterpret_cast<LRESULT>(info ? info->hItem : nullptr);
            return true;
        }
        case TVM_GETITEMRECT:
            result = ItemRect(reinterpret_cast<RECT*>(lParam), wParam != 0);
            return true;
        default:
            return false;
        }
    }

    int sizeHintForColumn(int column) const override
    {
        return std::max(QTreeWidget::sizeHintForColumn(column), viewport()->width());
    }

    // Showing an item also scrolls sideways to its button, picture and name,
    // as far as they fit; the toolkit alone would go back to the column's start.
    void scrollTo(const QModelIndex& index, ScrollHint hint) override
    {
        QTreeWidget::scrollTo(index, hint);
        const QRect item = visualRect(index);
        if (!index.isValid() || item.isEmpty())
            return;
        QScrollBar* bar = horizontalScrollBar();
        const int start = bar->value() + item.left() - indentation();
        const int end = bar->value() + item.left() + ItemWidth(index);
        const int width = viewport()->width();
        if (end - bar->value() > width)
            bar->setValue(end - width);
        if (start < bar->value())
            bar->setValue(start);
    }

protected:
    // The toolkit paints the items itself.
    void paintEvent(QPaintEvent* e) override { QTreeWidget::paintEvent(e); }

    void keyPressEvent(QKeyEvent* e) override
    {
        // "*" would open everything below, and a tree that fills itself as
        // it opens (a file system with its links) may have no bottom.
        if (e->key() == Qt::Key_Asterisk) {
            e->ignore();
            return;
        }
        QTreeWidget::keyPressEvent(e);
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const QPointer<AfxTreeView> self(this);
        QTreeWidget::mouseReleaseEvent(e);
        if (!self || m_hwnd.destroyed || e->button() != Qt::LeftButton)
            return;
        UINT flags = 0;
        AfxTreeItem* hit = HitTest(e->position().toPoint(), flags);
        const HTREEITEM hHit = HandleOf(hit);
        AfxSetMessagePos(e->globalPosition().toPoint());
        NMHDR hdr{m_hwnd.hWnd, m_hwnd.id, NM_CLICK};
        const LRESULT handled = Notify(hdr);
        // A tap on a check box ticks or clears it, unless the parent took the tap.
        if (!self || m_hwnd.destroyed || handled || !(m_hwnd.style & TVS_CHECKBOXES) || !(flags & TVHT_ONITEMSTATEICON))
            return;
        if (AfxTreeItem* item = Item(hHit); item && (item->state >> 12) >= 1 && (item->state >> 12) <= 2) {
            item->state = (item->state & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(3 - (item->state >> 12));
            item->Changed();
        }
    }

private:
    struct Pictures {
        HIMAGELIST handle = nullptr;
        int cx = 0;
        int cy = 0;
        std::vector<QImage> images;
    };

    static const QImage* Picture(const Pictures& pictures, int i)
    {
        return i >= 0 && size_t(i) < pictures.images.size() ? &pictures.images[size_t(i)] : nullptr;
    }

    bool HasStateSlot() const { return (m_hwnd.style & TVS_CHECKBOXES) && !m_state.images.empty(); }

    AfxTreeItem* Item(HTREEITEM h) const
    {
        // Looked up as the handle was made (HandleOf): a stale or sentinel
        // handle is never cast to an item.
        auto* key = reinterpret_cast<QTreeWidgetItem*>(h);
        return m_live.count(key) ? static_cast<AfxTreeItem*>(key) : nullptr;
    }

    LRESULT Notify(NMHDR& hdr)
    {
        HWND parent = AfxHandleOf(parentWidget());
        return ::SendMessage(parent, WM_NOTIFY, WPARAM(m_hwnd.id), reinterpret_cast<LPARAM>(&hdr));
    }

    LRESULT NotifyExpand(UINT code, AfxTreeItem* item, UINT action)
    {
        NMTREEVIEWW nm{};
        nm.hdr = NMHDR{m_hwnd.hWnd, m_hwnd.id, code};
        nm.action = action;
        nm.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
        nm.itemNew.hItem = HandleOf(item);
        nm.itemNew.state = StateOf(item);
        nm.itemNew.stateMask = ~0u;
        nm.itemNew.lParam = item->lParam;
        return Notify(nm.hdr);
    }

    UINT StateOf(const AfxTreeItem* item) const
    {
        return item->state | (item->isExpanded() ? TVIS_EXPANDED : 0) | (item->isSelected() ? TVIS_SELECTED : 0);
    }

    // The parent of an item to be, from its handle: null for the top level.
    bool ParentOf(HTREEITEM h, QTreeWidgetItem*& parent) const
    {
        parent = (h && h != TVI_ROOT) ? Item(h) : nullptr;
        return !h || h == TVI_ROOT || parent;
    }

    AfxTreeItem* Insert(const TVINSERTSTRUCTW* tvis)
    {
        QTreeWidgetItem* parent = nullptr;
        if (!tvis || !ParentOf(tvis->hParent, parent))
            return nullptr;
        const int count = parent ? parent->childCount() : topLevelItemCount();
        int row = count;
        if (tvis->hInsertAfter == TVI_FIRST) {
            row = 0;
        } else if (AfxTreeItem* after = Item(tvis->hInsertAfter); after && after->parent() == parent) {
            row = RowOf(after) + 1;
        }
        auto* item = new AfxTreeItem;
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
        Apply(item, tvis->item);
        // With check boxes an item starts with an empty box unless it was given a state picture.
        const TVITEMW& tvi = tvis->item;
        if ((m_hwnd.style & TVS_CHECKBOXES) && !((tvi.mask & TVIF_STATE) && (tvi.stateMask & TVIS_STATEIMAGEMASK)))
            item->state |= INDEXTOSTATEIMAGEMASK(1);
        if (parent)
            parent->insertChild(row, item);
        else
            insertTopLevelItem(row, item);
        item->row = row;
        m_live.insert(item);
        return item;
    }

    void Apply(AfxTreeItem* item, const TVITEMW& tvi)
    {
        if ((tvi.mask & TVIF_TEXT) && tvi.pszText)
            item->text = tvi.pszText;
        if (tvi.mask & TVIF_IMAGE)
            item->image = tvi.iImage;
        if (tvi.mask & TVIF_SELECTEDIMAGE)
            item->selectedImage = tvi.iSelectedImage;
        if (tvi.mask & TVIF_PARAM)
            item->lParam = tvi.lParam;
        if (tvi.mask & TVIF_STATE) {
            const UINT kept = tvi.stateMask & ~(TVIS_SELECTED | TVIS_EXPANDED);
            item->state = (item->state & ~kept) | (tvi.state & kept);
        }
        if (tvi.mask & TVIF_CHILDREN)
            item->setChildIndicatorPolicy(
                tvi.cChildren ? QTreeWidgetItem::ShowIndicator : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }

    BOOL Delete(HTREEITEM h)
    {
        if (!h || h == TVI_ROOT) {
            m_live.clear();
            clear();
            return TRUE;
        }
        AfxTreeItem* item = Item(h);
        if (!item)
            return FALSE;
        std::vector<QTreeWidgetItem*> pending{item};
        while (!pending.empty()) {
            QTreeWidgetItem* next = pending.back();
            pending.pop_back();
            m_live.erase(next);
            for (int i = 0; i < next->childCount(); ++i)
                pending.push_back(next->child(i));
        }
        delete item;
        return TRUE;
    }

    // Qt opened or closed the item (a tap, a key): tell the parent, which
    // may fill it now, or undo it.
    void Toggled(QTreeWidgetItem* qItem, UINT action)
    {
        auto* item = static_cast<AfxTreeItem*>(qItem);
        if (m_bExpanding || !m_live.count(item))
            return;
        const QPointer<AfxTreeView> self(this);
        const bool refused = NotifyExpand(TVN_ITEMEXPANDINGW, item, action) != 0;
        if (!self || !m_live.count(item))
            return;
        SetExpanded(item, refused ? action != TVE_EXPAND : action == TVE_EXPAND);
        if (!refused)
            NotifyExpand(TVN_ITEMEXPANDEDW, item, action);
    }

    BOOL Expand(AfxTreeItem* item, UINT action)
    {
        if (!item || action < TVE_COLLAPSE || action > TVE_TOGGLE)
            return FALSE;
        const bool open = action == TVE_EXPAND || (action == TVE_TOGGLE && !item->isExpanded());
        const QPointer<AfxTreeView> self(this);
        if (NotifyExpand(TVN_ITEMEXPANDINGW, item, open ? TVE_EXPAND : TVE_COLLAPSE) != 0 || !self ||
            !m_live.count(item))
            return FALSE;
        SetExpanded(item, open);
        NotifyExpand(TVN_ITEMEXPANDEDW, item, open ? TVE_EXPAND : TVE_COLLAPSE);
        return TRUE;
    }

    void SetExpanded(AfxTreeItem* item, bool open)
    {
        // An item that turned out empty loses its button.
        if (open && item->childCount() == 0)
            item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
        m_bExpanding = true;
        item->setExpanded(open);
        m_bExpanding = false;
    }

    QTreeWidgetItem* Next(HTREEITEM h, UINT code) const
    {
        if (code == TVGN_ROOT || ((code == TVGN_CHILD) && (!h || h == TVI_ROOT)))
            return Sibling(nullptr, 0);
        if (code == TVGN_CARET) {
            const QModelIndexList selected = selectionModel()->selectedIndexes();
            return selected.isEmpty() ? nullptr : itemFromIndex(selected.first());
        }
        AfxTreeItem* item = Item(h);
        if (!item)
            return nullptr;
        switch (code) {
        case TVGN_CHILD:
            return Sibling(item, 0);
        case TVGN_PARENT:
            return item->parent();
        case TVGN_NEXT:
            return Sibling(item->parent(), RowOf(item) + 1);
        case TVGN_PREVIOUS:
            return Sibling(item->parent(), RowOf(item) - 1);
        default:
            return nullptr;
        }
    }

    // An item's place among its siblings. The toolkit searches for it, which
    // would make walking a large level take square time; each item keeps
    // where it was last seen instead.
    int RowOf(AfxTreeItem* item) const
    {
        QTreeWidgetItem* parent = item->parent() ? item->parent() : invisibleRootItem();
        if (parent->child(item->row) != item)
            item->row = parent->indexOfChild(item);
        return item->row;
    }

    AfxTreeItem* Sibling(QTreeWidgetItem* parent, int row) const
    {
        auto* item = static_cast<AfxTreeItem*>((parent ? parent : invisibleRootItem())->child(row));
        if (item)
            item->row = row;
        return item;
    }

    BOOL Select(HTREEITEM h, UINT code)
    {
        if (code != TVGN_CARET)
            return FALSE;
        AfxTreeItem* item = Item(h);
        if (!item) {
            clearSelection();
            return h == nullptr;
        }
        setCurrentItem(item);
        scrollTo(indexFromItem(item), EnsureVisible);
        return TRUE;
    }

    BOOL GetItem(TVITEMW* tvi) const
    {
        const AfxTreeItem* item = tvi ? Item(tvi->hItem) : nullptr;
        if (!item)
            return FALSE;
        if ((tvi->mask & TVIF_TEXT) && tvi->pszText && tvi->cchTextMax > 0) {
            const size_t n = std::min(item->text.size(), size_t(tvi->cchTextMax) - 1);
            std::copy_n(item->text.begin(), n, tvi->pszText);
            tvi->pszText[n] = 0;
        }
        if (tvi->mask & TVIF_IMAGE)
            tvi->iImage = item->image;
        if (tvi->mask & TVIF_SELECTEDIMAGE)
            tvi->iSelectedImage = item->selectedImage;
        if (tvi->mask & TVIF_PARAM)
            tvi->lParam = item->lParam;
        if (tvi->mask & TVIF_STATE)
            tvi->state = StateOf(item) & tvi->stateMask;
        if (tvi->mask & TVIF_CHILDREN)
            tvi->cChildren = item->childCount() > 0 || item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
        return TRUE;
    }

    BOOL SetItem(const TVITEMW* tvi)
    {
        AfxTreeItem* item = tvi ? Item(tvi->hItem) : nullptr;
        if (!item)
            return FALSE;
        Apply(item, *tvi);
        item->Changed();
        return TRUE;
    }

    HIMAGELIST SetPictures(int type, HIMAGELIST himl)
    {
        if (type != TVSIL_NORMAL && type != TVSIL_STATE)
            return nullptr;
        Pictures& pictures = type == TVSIL_STATE ? m_state : m_normal;
        const HIMAGELIST previous = pictures.handle;
        pictures = Pictures{
            himl, himl ? himl->cx : 0, himl ? himl->cy : 0, himl ? himl->images : std::vector<QImage>()};
        m_icons.clear();
        const int stateWidth = HasStateSlot() ? m_state.cx : 0;
        setIconSize(QSize(stateWidth + m_normal.cx, std::max(m_normal.cy, HasStateSlot() ? m_state.cy : 0)));
        viewport()->update();
        return previous;
    }

    // The width of the item's pictures and name, from its start.
    int ItemWidth(const QModelIndex& index) const
    {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        return m_delegate->sizeHint(option, index).width();
    }

    // The item's row, and its label within the row, in client coordinates.
    bool LabelRect(AfxTreeItem* item, QRect& icon, QRect& label) const
    {
        const QRect cell = visualItemRect(item);
        if (!cell.isValid())
            return false;
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = cell;
        m_delegate->initStyleOption(&option, indexFromItem(item));
        icon = (option.features & QStyleOptionViewItem::HasDecoration)
            ? style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this)
            : QRect(cell.left(), cell.top(), 0, cell.height());
        const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
        const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
        label = QRect(
            text.left(), cell.top(), option.fontMetrics.horizontalAdvance(option.text) + 2 * margin, cell.height());
        return true;
    }

    AfxTreeItem* HitTest(QPoint pos, UINT& flags) const
    {
        flags = 0;
        const QRect area = viewport()->rect();
        flags |= pos.x() < 0 ? TVHT_TOLEFT : pos.x() >= area.width() ? TVHT_TORIGHT : 0;
        flags |= pos.y() < 0 ? TVHT_ABOVE : pos.y() >= area.height() ? TVHT_BELOW : 0;
        if (flags)
            return nullptr;
        auto* item = static_cast<AfxTreeItem*>(itemAt(pos));
        QRect icon, label;
        if (!item || !LabelRect(item, icon, label)) {
            flags = TVHT_NOWHERE;
            return nullptr;
        }
        const bool button = item->childCount() > 0 || item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
        if (pos.x() < icon.left())
            flags = button && pos.x() >= visualItemRect(item).left() - indentation() ? TVHT_ONITEMBUTTON
                                                                                     : TVHT_ONITEMINDENT;
        else if (pos.x() <= icon.right())
            flags = HasStateSlot() && pos.x() < icon.left() + m_state.cx ? TVHT_ONITEMSTATEICON : TVHT_ONITEMICON;
        else
            flags = pos.x() <= label.right() ? TVHT_ONITEMLABEL : TVHT_ONITEMRIGHT;
        return item;
    }

    BOOL ItemRect(RECT* rect, bool textOnly) const
    {
        // On entry the rectangle holds the item's handle.
        HTREEITEM h = nullptr;
        if (rect)
            std::memcpy(&h, rect, sizeof h);
        AfxTreeItem* item = Item(h);
        QRect icon, label;
        if (!item || !LabelRect(item, icon, label))
            return FALSE;
        const QRect r = textOnly ? label : QRect(0, label.top(), viewport()->width(), label.height());
        *rect = RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
        return TRUE;
    }

    AfxTreeDelegate* m_delegate;
    std::unordered_set<const QTreeWidgetItem*> m_live;
    Pictures m_normal;
    Pictures m_state;
    mutable std::map<std::pair<int, int>, QIcon> m_icons;
    bool m_bExpanding = false;
};

QVariant AfxTreeItem::data(int column, int role) const
{
    if (role == Qt::DisplayRole)
        return DisplayText(text);
    if (role == Qt::DecorationRole)
        if (auto* view = static_cast<const AfxTreeView*>(treeWidget()))
            return view->Decoration(state >> 12, isSelected() ? selectedImage : image);
    return QTreeWidgetItem::data(column, role);
}

} // namespace

AfxWindow* AfxNewTreeView(QWidget* parent, DWORD style)
{
    return new AfxTreeView(parent, style);
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCTW* lpInsertStruct)
{
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    return BOOL(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
    return BOOL(SendMessage(TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    return reinterpret_cast<HTREEITEM>(::SendMessage(m_hWnd, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
    return BOOL(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
    return BOOL(SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)));
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    // Grows the buffer until the text fits with room to spare.
    for (size_t size = 256;; size *= 2) {
        std::u16string buffer(size, u'\0');
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = buffer.data();
        item.cchTextMax = int(size);
        if (!::SendMessage(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
            return CString();
        const size_t length = std::u16string_view(buffer.data()).size();
        if (length + 1 < size) {
            buffer.resize(length);
            return CString(std::move(buffer));
        }
    }
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    item.stateMask = nStateMask;
    ::SendMessage(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    TVITEMW item{};
    item.mask = TVIF_STATE;
    item.hItem = hItem;
    item.state = nState;
    item.stateMask = nStateMask;
    return BOOL(SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    const auto hList = pImageList ? pImageList->m_hImageList : nullptr;
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(TVM_SETIMAGELIST, WPARAM(nImageListType), reinterpret_cast<LPARAM>(hList)));
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    return reinterpret_cast<HTREEITEM>(::SendMessage(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    if (!lpRect)
        return FALSE;
    std::memcpy(lpRect, &hItem, sizeof hItem);
    return BOOL(::SendMessage(m_hWnd, TVM_GETITEMRECT, WPARAM(bTextOnly), reinterpret_cast<LPARAM>(lpRect)));
}
