// ObjectBrowser: pictures flowed into rows and pages, chosen with the mouse.
//
// [SECTION] Layout rules
// [SECTION] ObjectBrowser
#include "kwui/objectbrowser.h"

#include "kwui/console.h"
#include "kwui/core.h"
#include "kwui/draw.h"
#include "kwui/input.h"
#include "kwui/popupmenu.h"
#include "kwui/toolbar.h"
#include "kwui/tooltip.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <memory>

// [SECTION] Layout rules

int ObjectBrowserAreaTop(int lineHeight) { return lineHeight + 58; }

void ObjectBrowserLayoutItems(const std::vector<ObjectBrowserPlace>& sizes, int screenW, int screenH,
                              int lineHeight, std::vector<ObjectBrowserPlace>& positions,
                              std::vector<int>& pageStarts)
{
    const int rightLimit = screenW - 21;
    const int areaHeight = screenH - ObjectBrowserAreaTop(lineHeight);
    positions.assign(sizes.size(), ObjectBrowserPlace{});
    pageStarts.assign(1, 0);

    int x = 0, y = 0, rowHeight = 0;
    bool pageFull = false;  // set behind an item that fills a page alone
    for (size_t i = 0; i < sizes.size(); ++i) {
        const int w = sizes[i].x;
        const int h = sizes[i].y;
        if (rowHeight != 0 && x + w > rightLimit) {
            y += rowHeight + 1;
            x = 0;
            rowHeight = 0;
        }
        // A new page, unless this page is still empty (an item taller than
        // the area then stays alone here instead of leaving a blank page).
        const bool pageEmpty = pageStarts.back() == static_cast<int>(i);
        if (!pageEmpty && (pageFull || y + h > areaHeight)) {
            pageStarts.push_back(static_cast<int>(i));
            x = 0;
            y = 0;
            rowHeight = 0;
            pageFull = false;
        }
        positions[i] = {x, y};
        rowHeight = std::max(rowHeight, h);
        x += w + 1;
        if (y + h > areaHeight) pageFull = true;
    }
}

int ObjectBrowserPageOf(const std::vector<int>& pageStarts, int itemCount, int index)
{
    if (index < 0 || index >= itemCount || pageStarts.empty()) return 0;
    int page = 0;
    for (size_t p = 0; p < pageStarts.size(); ++p)
        if (pageStarts[p] <= index) page = static_cast<int>(p);
    return page;
}

int ObjectBrowserTurnPage(int page, int step, int pageCount)
{
    if (pageCount <= 0) return 0;
    const int turned = (page + step) % pageCount;
    return turned < 0 ? turned + pageCount : turned;
}

// [SECTION] ObjectBrowser

ObjectBrowserItem::ObjectBrowserItem() : outline(al_map_rgb(255, 0, 255)) {}

ObjectBrowser::ObjectBrowser() : pageStarts(1, 0) {}

namespace {

std::string CaptionOf(const char* format, va_list args)
{
    char caption[512];
    std::vsnprintf(caption, sizeof caption, format, args);
    return caption;
}

}  // namespace

void ObjectBrowser::AddItem(ALLEGRO_BITMAP* bitmap, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    ObjectBrowserItem item;
    item.caption = CaptionOf(format, args);
    va_end(args);
    // A picture that cannot be copied leaves the item without one.
    if (bitmap) item.picture = KW_MakeTexture(bitmap, item.caption.c_str());
    items.push_back(std::move(item));
}

void ObjectBrowser::AddBorrowedItem(ALLEGRO_BITMAP* bitmap, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    ObjectBrowserItem item;
    item.caption = CaptionOf(format, args);
    va_end(args);
    const char* caption = item.caption.c_str();
    item.picture.name = caption;
    if (bitmap) {
        item.source = bitmap;
        item.picture.width = al_get_bitmap_width(bitmap);
        item.picture.height = al_get_bitmap_height(bitmap);
        item.picture.halfWidth = item.picture.width / 2;
        item.picture.halfHeight = item.picture.height / 2;
    }
    items.push_back(std::move(item));
}

namespace {

void DestroySharedBitmap(ALLEGRO_BITMAP* bitmap)
{
    if (bitmap && al_is_system_installed()) al_destroy_bitmap(bitmap);
}

// One bitmap holding the rectangle (x, y, w, h) of source, pixels copied
// exactly and magenta made transparent, as KW_MakeTexture makes them: one
// read of the source and one upload however many pictures it holds.
ALLEGRO_BITMAP* CopyMasked(ALLEGRO_BITMAP* source, int x, int y, int w, int h)
{
    ALLEGRO_BITMAP* copy = al_create_bitmap(w, h);
    if (!copy) return nullptr;
    ALLEGRO_LOCKED_REGION* from =
        al_lock_bitmap_region(source, x, y, w, h, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    if (!from) {
        al_destroy_bitmap(copy);
        return nullptr;
    }
    ALLEGRO_LOCKED_REGION* to = al_lock_bitmap(copy, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    if (!to) {
        al_unlock_bitmap(source);
        al_destroy_bitmap(copy);
        return nullptr;
    }
    const uint32_t magenta = 0xFFFF00FFu;  // bytes R G B A = 255 0 255 255
    for (int row = 0; row < h; ++row) {
        const auto* in = reinterpret_cast<const uint32_t*>(static_cast<const char*>(from->data) + row * from->pitch);
        auto* out = reinterpret_cast<uint32_t*>(static_cast<char*>(to->data) + row * to->pitch);
        for (int column = 0; column < w; ++column) out[column] = in[column] == magenta ? 0u : in[column];
    }
    al_unlock_bitmap(copy);
    al_unlock_bitmap(source);
    return copy;
}

}  // namespace

void ObjectBrowser::PreparePage(int page)
{
    int first = 0, end = 0;
    PageRange(page, first, end);
    std::vector<bool> done(static_cast<size_t>(std::max(0, end - first)), false);
    for (int i = first; i < end; ++i) {
        ObjectBrowserItem& lead = items[static_cast<size_t>(i)];
        if (done[static_cast<size_t>(i - first)] || !lead.source) continue;
        ALLEGRO_BITMAP* parent = al_get_parent_bitmap(lead.source) ? al_get_parent_bitmap(lead.source) : lead.source;
        // The rectangle of the parent that every still uncopied picture of it on this page covers.
        int left = INT32_MAX, top = INT32_MAX, right = 0, bottom = 0;
        std::vector<int> group;
        for (int j = i; j < end; ++j) {
            ObjectBrowserItem& item = items[static_cast<size_t>(j)];
            if (done[static_cast<size_t>(j - first)] || !item.source) continue;
            ALLEGRO_BITMAP* itemParent = al_get_parent_bitmap(item.source) ? al_get_parent_bitmap(item.source) : item.source;
            if (itemParent != parent) continue;
            const int x = item.source == parent ? 0 : al_get_bitmap_x(item.source);
            const int y = item.source == parent ? 0 : al_get_bitmap_y(item.source);
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x + item.picture.width);
            bottom = std::max(bottom, y + item.picture.height);
            group.push_back(j);
            done[static_cast<size_t>(j - first)] = true;
        }
        ALLEGRO_BITMAP* copy = right > left && bottom > top ? CopyMasked(parent, left, top, right - left, bottom - top) : nullptr;
        std::shared_ptr<ALLEGRO_BITMAP> shared(copy, DestroySharedBitmap);
        for (int j : group) {
            ObjectBrowserItem& item = items[static_cast<size_t>(j)];
            const int x = item.source == parent ? 0 : al_get_bitmap_x(item.source);
            const int y = item.source == parent ? 0 : al_get_bitmap_y(item.source);
            item.source = nullptr;
            // A picture that cannot be copied leaves the item without one.
            ALLEGRO_BITMAP* part =
                copy ? al_create_sub_bitmap(copy, x - left, y - top, item.picture.width, item.picture.height) : nullptr;
            if (!part) {
                item.picture.lastError = "Unable to create bitmap";
                continue;
            }
            // Each part keeps the shared copy alive and goes before it.
            item.picture.bitmap = std::shared_ptr<ALLEGRO_BITMAP>(part, [shared](ALLEGRO_BITMAP* b) {
                DestroySharedBitmap(b);
            });
            item.picture.hasBitmap = true;
        }
    }
}

int ObjectBrowser::DrawPage(int page, int mouseX, int mouseY)
{
    PreparePage(page);
    const int top = ObjectBrowserAreaTop(KW_LineHeight());
    const ALLEGRO_COLOR noOutline = al_map_rgb(255, 0, 255);
    int first = 0, end = 0;
    PageRange(page, first, end);
    int hovered = -1;
    for (int i = first; i < end; ++i) {
        const ObjectBrowserItem& item = items[static_cast<size_t>(i)];
        const int w = item.picture.width, h = item.picture.height;
        KW_DrawTexture(item.x + 1, top + item.y, 0, 255, item.picture);
        if (!KW_SameColour(item.outline, noOutline))
            KW_DrawRect(item.x, top - 1 + item.y, item.x + w + 1, top + item.y + h, false, item.outline, 255);
        if (mouseX >= item.x + 1 && mouseX <= item.x + w + 1 && mouseY >= top + item.y && mouseY <= top + item.y + h)
            hovered = i;
    }
    if (hovered >= 0) {
        const ObjectBrowserItem& item = items[static_cast<size_t>(hovered)];
        KW_DrawRect(item.x, top - 1 + item.y, item.x + item.picture.width + 1, top + item.y + item.picture.height,
                    false, al_map_rgb(255, 255, 0), 255);
    }
    return hovered;
}

void ObjectBrowser::Layout()
{
    const int lh = KW_LineHeight();
    std::vector<ObjectBrowserPlace> sizes;
    sizes.reserve(items.size());
    for (const ObjectBrowserItem& item : items) sizes.push_back({item.picture.width, item.picture.height});
    std::vector<ObjectBrowserPlace> positions;
    ObjectBrowserLayoutItems(sizes, kwScreenW, kwScreenH, lh, positions, pageStarts);
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].x = positions[i].x;
        items[i].y = positions[i].y;
    }

    hasSlider = PageCount() > 1;
    if (hasSlider) {
        slider = SliderClass{};
        slider.x = kwScreenW - 11;
        slider.y = ObjectBrowserAreaTop(lh);
        slider.w = 32;
        slider.h = kwScreenH - ObjectBrowserAreaTop(lh);
        slider.min = 0;
        slider.max = PageCount() - 1;
        slider.value = &currentPage;
        slider.vertical = true;
        slider.thumbLength = -1;
        slider.pageSize = 1;
        slider.levelColours = false;
    }
}

void ObjectBrowser::Clear()
{
    items.clear();
    pageStarts.clear();
    hasSlider = false;
    currentPage = 0;
}

int ObjectBrowser::PageOf(int index) const { return ObjectBrowserPageOf(pageStarts, ItemCount(), index); }

void ObjectBrowser::PageRange(int page, int& first, int& end) const
{
    if (page < 0 || page >= PageCount()) {
        first = end = 0;
        return;
    }
    first = pageStarts[static_cast<size_t>(page)];
    end = page + 1 < PageCount() ? pageStarts[static_cast<size_t>(page) + 1] : ItemCount();
}

int ObjectBrowser::Run(int start, bool allowEdit)
{
    const int lh = KW_LineHeight();
    enum { ToolCancel = 0, ToolPrevPage = 2, ToolNextPage = 3 };

    KW_Toolbar toolbar;
    KW_InitToolbar(toolbar);
    KW_AddToolbarButton(toolbar, "cancel", "Cancel", ALLEGRO_KEY_ESCAPE);
    KW_AddToolbarButton(toolbar, "seperator", "", -1);
    KW_AddToolbarButton(toolbar, "pageup", "Prev Page", ALLEGRO_KEY_PGUP);
    KW_AddToolbarButton(toolbar, "pagedown", "Next Page", ALLEGRO_KEY_PGDN);

    PopupMenuClass menu;
    menu.AddItem("Select", "yes");
    if (allowEdit) menu.AddItem("Edit", "edit");
    menu.AddItem("Cancel", "cancel");
    const int menuSelect = 0;
    const int menuEdit = allowEdit ? 1 : -2;

    // Like the dialogs: the key that opened the browser does not act inside it.
    KW_ModalScope modal;
    editRequested = false;
    if (start >= 0 && start < ItemCount()) items[static_cast<size_t>(start)].outline = al_map_rgb(0, 255, 0);
    currentPage = PageOf(start);
    int wheel = KW_GetMouseZ();

    int result = -1;
    bool decided = false;
    while (!decided) {
        const int pages = std::max(1, PageCount());
        if (currentPage < 0 || currentPage >= pages) currentPage = 0;
        KW_SetToolbarTitle(toolbar, "%s (%d objects) - Page %d of %d", title.c_str(), ItemCount(),
                           static_cast<int>(currentPage) + 1, pages);
        al_clear_to_color(KW_Colour(KWC_LightBlue));
        KW_DrawConsoleUnderDialog();

        // the pictures of this page, then the one under the pointer
        const int hovered = DrawPage(currentPage, KW_GetMouseX(), KW_GetMouseY());
        if (hovered >= 0) {
            const ObjectBrowserItem& item = items[static_cast<size_t>(hovered)];
            const int h = item.picture.height;
            KW_QueueToolTip(item.x + 21, lh + item.y + h + 78, "%s (%d of %d)", item.caption.c_str(), hovered + 1,
                            ItemCount());
            if (KW_MouseLeftDown()) {
                KW_WaitMouseRelease();
                result = hovered;
                decided = true;
            } else if (KW_MouseRightDown()) {
                KW_WaitMouseRelease();
                // (the key that closes the menu stays with the menu)
                const int choice = menu.Run(KW_GetMouseX(), KW_GetMouseY());
                if (choice == menuSelect || choice == menuEdit) {
                    result = hovered;
                    editRequested = choice == menuEdit;
                    decided = true;
                }
            }
        }

        if (hasSlider) SliderClass::Update(slider);

        const int tool = KW_DoToolbar(toolbar);
        KW_PresentFrame();
        if (decided) break;

        // page turning by toolbar and wheel, wrapping at both ends
        if (tool == ToolCancel) {
            result = -1;
            decided = true;
        } else if (tool == ToolPrevPage) {
            currentPage = ObjectBrowserTurnPage(currentPage, -1, pages);
        } else if (tool == ToolNextPage) {
            currentPage = ObjectBrowserTurnPage(currentPage, 1, pages);
        }
        const int z = KW_GetMouseZ();
        if (z != wheel) {
            currentPage = ObjectBrowserTurnPage(currentPage, z > wheel ? -1 : 1, pages);
            wheel = z;
        }
    }
    return result;
}
