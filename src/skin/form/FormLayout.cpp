#include "skin/form/FormLayout.h"

#include <algorithm>

namespace skin {

namespace {

constexpr WindowCommand rowCommands[] = {WindowCommand::cmClose, WindowCommand::cmMaximize,
                                         WindowCommand::cmMinimize, WindowCommand::cmRollUp,
                                         WindowCommand::cmMinimizeToTray};

// The frame-picture zones the corner pieces lie in, and how far each moves with the frame's size.
void moveWithZone(const FormFrameMetrics& m, const FrameGeometry& g, Rect& r) {
    const Rect leftTop{0, 0, m.leftTopPoint.x, m.leftTopPoint.y};
    const Rect rightTop{m.rightTopPoint.x, 0, m.pictureWidth, m.rightTopPoint.y};
    const Rect leftBottom{0, m.leftBottomPoint.y, m.leftBottomPoint.x, m.pictureHeight};
    const Rect rightBottom{m.rightBottomPoint.x, m.rightBottomPoint.y, m.pictureWidth, m.pictureHeight};
    const int32_t ddx = g.rightBottom.x - m.rightBottomPoint.x;
    const int32_t ddy = g.rightBottom.y - m.rightBottomPoint.y;
    const Point tl{r.left, r.top}, br{r.right, r.bottom};
    if (rectInsideRect(r, leftTop))
        return;
    if (rectInsideRect(r, rightTop)) {
        r = r.translated(ddx, 0);
    } else if (rectInsideRect(r, leftBottom)) {
        r = r.translated(0, ddy);
    } else if (rectInsideRect(r, rightBottom)) {
        r = r.translated(ddx, ddy);
    } else if (leftTop.contains(tl) && rightBottom.contains(br)) {
        r.right += ddx;
        r.bottom += ddy;
    } else if (leftTop.contains(tl) && rightTop.contains(br)) {
        r.right += ddx;
    } else if (leftBottom.contains(tl) && rightBottom.contains(br)) {
        r.right += ddx;
        r = r.translated(0, ddy);
    } else if (leftTop.contains(tl) && leftBottom.contains(br)) {
        r.bottom += ddy;
    } else if (rightTop.contains(tl) && rightBottom.contains(br)) {
        r = r.translated(ddx, 0);
        r.bottom += ddy;
    }
}

bool inRow(const FormObjectPlace& o) {
    return o.visible && o.skinRectInAPicture && o.hasCommand();
}

// The row's objects in placing order: the first of each window command, then every default-command one.
std::vector<FormObjectPlace*> rowObjects(std::vector<FormObjectPlace>& objects) {
    std::vector<FormObjectPlace*> row;
    for (WindowCommand command : rowCommands) {
        auto it = std::find_if(objects.begin(), objects.end(), [command](const FormObjectPlace& o) {
            return inRow(o) && o.command == command;
        });
        if (it != objects.end())
            row.push_back(&*it);
    }
    for (FormObjectPlace& o : objects)
        if (inRow(o) && o.command == WindowCommand::cmDefault)
            row.push_back(&o);
    return row;
}

FormObjectPlace* firstWith(std::vector<FormObjectPlace>& objects, WindowCommand command) {
    for (FormObjectPlace& o : objects)
        if (inRow(o) && o.command == command)
            return &o;
    return nullptr;
}

FormObjectPlace* captionObject(std::vector<FormObjectPlace>& objects) {
    for (FormObjectPlace& o : objects)
        if (o.kind == FormObjectKind::Caption)
            return &o;
    return nullptr;
}

} // namespace

void layoutFormObjects(const FormFrameMetrics& m, const FrameGeometry& g,
                       std::vector<FormObjectPlace>& objects, Point smallIconSize) {
    for (FormObjectPlace& o : objects) {
        o.objectRect = o.skinRect;
        if (!o.skinRectInAPicture)
            moveWithZone(m, g, o.objectRect);
    }
    Rect reference;
    if (!rectIsEmpty(g.buttonsRect))
        reference = g.buttonsRect;
    else if (!rectIsEmpty(g.captionRect))
        reference = g.captionRect;
    else
        return;
    const bool noButtonsRect = rectIsEmpty(g.buttonsRect);
    const int32_t offset = g.buttonsOffset;
    FormObjectPlace* caption = captionObject(objects);
    FormObjectPlace* sysMenu = firstWith(objects, WindowCommand::cmSysMenu);
    auto sysMenuSize = [&](const FormObjectPlace& o) {
        return smallIconSize == Point{} ? Point{o.skinRect.width(), o.skinRect.height()} : smallIconSize;
    };
    const int32_t y = reference.top;

    if (!g.buttonsInLeft) {
        int32_t x = reference.right;
        for (FormObjectPlace* o : rowObjects(objects)) {
            const int32_t w = o->skinRect.width(), h = o->skinRect.height();
            o->objectRect = {x - w, y, x, y + h};
            x -= offset + w;
        }
        if (noButtonsRect && caption)
            caption->objectRect.right = x + offset;
        if (sysMenu) {
            const Point size = sysMenuSize(*sysMenu);
            const Rect& cr = g.captionRect;
            int32_t sx = cr.left;
            const int32_t top = cr.top + cr.height() / 2 - size.y / 2;
            sysMenu->objectRect = {sx, top, sx + size.x, top + size.y};
            sx += size.x + offset;
            if (caption)
                caption->objectRect.left = sx - offset;
        }
        return;
    }
    int32_t x = reference.left;
    std::vector<FormObjectPlace*> row = rowObjects(objects);
    if (!noButtonsRect && sysMenu)
        row.push_back(sysMenu);
    for (FormObjectPlace* o : row) {
        const Point size = o == sysMenu ? sysMenuSize(*o) : Point{o->skinRect.width(), o->skinRect.height()};
        o->objectRect = {x, y, x + size.x, y + size.y};
        x += offset + size.x;
    }
    if (!noButtonsRect && caption)
        caption->objectRect.left = x + offset;
}

Rect layoutBuiltInObjects(const BuiltInFrameMetrics& metrics, int32_t width,
                          std::vector<FormObjectPlace>& objects, Point smallIconSize) {
    const int32_t b = BuiltInFrameMetrics::border, s = metrics.buttonSize,
                  top = BuiltInFrameMetrics::buttonTop;
    Rect caption{b, b, width - b, b + metrics.captionHeight};
    int32_t x = width - b;
    for (WindowCommand command : rowCommands) {
        auto it = std::find_if(objects.begin(), objects.end(), [command](const FormObjectPlace& o) {
            return o.visible && o.kind == FormObjectKind::StdButton && o.command == command;
        });
        if (it == objects.end())
            continue;
        it->objectRect = {x - s, top, x, top + s};
        x -= s;
    }
    caption.right = x;
    for (FormObjectPlace& o : objects)
        if (o.visible && o.kind == FormObjectKind::StdButton && o.command == WindowCommand::cmSysMenu) {
            const Point size = smallIconSize == Point{} ? Point{s, s} : smallIconSize;
            o.objectRect = {b, top, b + size.x, top + size.y};
            caption.left = b + size.x;
            break;
        }
    return caption;
}

namespace {

Rect uninverted(Rect r) {
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

} // namespace

Rect skinnedClientFromWindow(const FormFrameMetrics& m, const Rect& w) {
    const Rect& c = m.clientRect;
    return uninverted({clampCoordinate(int64_t(w.left) + c.left), clampCoordinate(int64_t(w.top) + c.top),
                       clampCoordinate(int64_t(w.right) + c.right - m.pictureWidth),
                       clampCoordinate(int64_t(w.bottom) + c.bottom - m.pictureHeight)});
}

Rect builtInClientFromWindow(const BuiltInFrameMetrics& metrics, const Rect& w) {
    const int32_t b = BuiltInFrameMetrics::border;
    return uninverted({w.left + b, w.top + metrics.captionHeight + b, w.right - b, w.bottom - b});
}

} // namespace skin
