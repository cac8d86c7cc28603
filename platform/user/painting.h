// Invalid regions and what paints them.
//
// Each window keeps the invalid part of its client area, whether it must be
// erased, and whether its frame must be drawn. Invalidating a window that
// does not clip its children invalidates the children under the area too,
// since the parent's painting covers them. A window needs painting when it
// is showing and has any of the three; the queue hands out WM_PAINT for the
// first such window, parents before their children.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/user/window.h"

namespace platform::user {

// Adds area (client coordinates) to a window's invalid region.
void invalidate(Window* window, const gdi::Region& area, bool erase);
// The whole window: frame, client area, and every descendant.
void invalidateEverything(Window* window);
// A child's old place (parent client coordinates) is uncovered: the parent
// and the siblings there are invalidated and erased.
void exposeInParent(Window* parent, const RECT& area);
// The frame of a top-level window changed and its client area moved within
// the window (from oldClient, screen coordinates) without the window moving
// or changing size: what the client area showed is kept, aligned at its
// top-left corner, as Windows keeps it, and only the rest is uncovered;
// the frame needs drawing. A class with CS_HREDRAW or CS_VREDRAW has
// everything redrawn when the client area's width or height changed.
void clientAreaMoved(Window* window, const RECT& oldClient);
void validate(Window* window, const gdi::Region* area);
// WM_NCPAINT for a frame that needs drawing. Its wParam is the window's
// update region (its whole frame and the invalid part of its client area)
// as a region in screen coordinates, deleted after the call, or 1 when
// that is the whole window.
void paintFrameNow(Window* window);
// What a window and its showing descendants need before their WM_PAINT, sent
// at once, as Windows does when it shows a top-level window or uncovers
// part of a parent: WM_NCPAINT for a frame to draw, WM_ERASEBKGND for an
// invalid part to erase. The invalid parts stay for WM_PAINT.
void eraseNow(Window* window);

bool needsPaint(const Window* window);
// The first window of the calling thread needing paint, or nullptr.
Window* windowToPaint();
// UpdateWindow for a window and its descendants.
void paintNow(Window* window);
// Hands surfaces with new pixels to the backend; whether there were any.
bool presentSurfaces();

// Where a DC of a window may draw, in surface coordinates.
gdi::Region visibleRegion(const Window* window, bool clientOnly);
// The client area (or whole window) in surface coordinates.
RECT surfaceRect(const Window* window, bool clientOnly);
// A DC over a window's client area (or whole window), or the screen.
gdi::DeviceContext* windowDeviceContext(Window* window, bool clientOnly);
// A DC over the part of a window's client area in update (client
// coordinates).
gdi::DeviceContext* updateDeviceContext(Window* window, const gdi::Region& update);

}  // namespace platform::user
