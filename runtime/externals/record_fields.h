// Where the fields of the platform's records lie on this platform, taken
// from the records themselves: handles, WPARAM, LPARAM and pointers are a
// machine word wide, so no 32-bit offset carries over. Write a field of a
// word's width (size 8) with UCExtSetFieldPointer, which fills all of it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

struct ovField {
  uint32_t offset;
  uint32_t size;
};

#define OV_RECORD_FIELD(Record, member) \
  ovField { static_cast<uint32_t>(offsetof(Record, member)), static_cast<uint32_t>(sizeof(Record::member)) }

namespace ovFields {

inline constexpr ovField kPointX = OV_RECORD_FIELD(POINT, x);
inline constexpr ovField kPointY = OV_RECORD_FIELD(POINT, y);

inline constexpr ovField kRectLeft = OV_RECORD_FIELD(RECT, left);
inline constexpr ovField kRectTop = OV_RECORD_FIELD(RECT, top);
inline constexpr ovField kRectRight = OV_RECORD_FIELD(RECT, right);
inline constexpr ovField kRectBottom = OV_RECORD_FIELD(RECT, bottom);

inline constexpr ovField kMsgHwnd = OV_RECORD_FIELD(MSG, hwnd);
inline constexpr ovField kMsgMessage = OV_RECORD_FIELD(MSG, message);
inline constexpr ovField kMsgWParam = OV_RECORD_FIELD(MSG, wParam);
inline constexpr ovField kMsgLParam = OV_RECORD_FIELD(MSG, lParam);
inline constexpr ovField kMsgTime = OV_RECORD_FIELD(MSG, time);
inline constexpr ovField kMsgPt = OV_RECORD_FIELD(MSG, pt);

inline constexpr ovField kPaintHdc = OV_RECORD_FIELD(PAINTSTRUCT, hdc);
inline constexpr ovField kPaintErase = OV_RECORD_FIELD(PAINTSTRUCT, fErase);
inline constexpr ovField kPaintRect = OV_RECORD_FIELD(PAINTSTRUCT, rcPaint);

inline constexpr ovField kWndClassStyle = OV_RECORD_FIELD(WNDCLASSA, style);
inline constexpr ovField kWndClassProc = OV_RECORD_FIELD(WNDCLASSA, lpfnWndProc);
inline constexpr ovField kWndClassClassExtra = OV_RECORD_FIELD(WNDCLASSA, cbClsExtra);
inline constexpr ovField kWndClassWindowExtra = OV_RECORD_FIELD(WNDCLASSA, cbWndExtra);
inline constexpr ovField kWndClassInstance = OV_RECORD_FIELD(WNDCLASSA, hInstance);
inline constexpr ovField kWndClassIcon = OV_RECORD_FIELD(WNDCLASSA, hIcon);
inline constexpr ovField kWndClassCursor = OV_RECORD_FIELD(WNDCLASSA, hCursor);
inline constexpr ovField kWndClassBackground = OV_RECORD_FIELD(WNDCLASSA, hbrBackground);
inline constexpr ovField kWndClassMenuName = OV_RECORD_FIELD(WNDCLASSA, lpszMenuName);
inline constexpr ovField kWndClassClassName = OV_RECORD_FIELD(WNDCLASSA, lpszClassName);

inline constexpr ovField kAccelFlags = OV_RECORD_FIELD(ACCEL, fVirt);
inline constexpr ovField kAccelKey = OV_RECORD_FIELD(ACCEL, key);
inline constexpr ovField kAccelCommand = OV_RECORD_FIELD(ACCEL, cmd);

}  // namespace ovFields

#undef OV_RECORD_FIELD
