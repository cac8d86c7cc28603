#include "platform/text/font_size.h"

#include <algorithm>
#include <cmath>

namespace platform::text {
namespace {

int roundedRatio(double value, double numerator, double denominator) {
  return static_cast<int>(std::lround(value * numerator / denominator));
}

int cellUnits(const FaceUnits& face) { return std::max(1, face.ascent + face.descent); }

// The em a request asks for, before the legible and largest limits.
long long requestedEm(const FaceUnits& face, long long requestHeight) {
  if (requestHeight < 0) return -requestHeight;
  return roundedRatio(static_cast<double>(requestHeight), face.unitsPerEm, cellUnits(face));
}

int emWidthFor(const FaceUnits& face, int emHeight, int requestWidth) {
  if (requestWidth <= 0 || face.averageWidth <= 0) return emHeight;
  int width = std::min(requestWidth, kLargestCharHeight * 4);
  return std::clamp(roundedRatio(width, face.unitsPerEm, face.averageWidth), 1, kLargestCharHeight * 4);
}

// Splits the cell: a cell request that needed no clamping keeps its exact height.
void splitCell(const FaceUnits& face, long long requestHeight, bool clamped, FontSize& size) {
  if (requestHeight > 0 && !clamped) {
    int cell = static_cast<int>(requestHeight);
    size.ascent = roundedRatio(cell, face.ascent, cellUnits(face));
    size.descent = cell - size.ascent;
    return;
  }
  size.ascent = roundedRatio(size.emHeight, face.ascent, face.unitsPerEm);
  size.descent = roundedRatio(size.emHeight, face.descent, face.unitsPerEm);
}

}  // namespace

FontSize fontSize(const FaceUnits& face, int requestHeight, int requestWidth) {
  long long height = requestHeight == 0 ? kDefaultCellHeight : requestHeight;
  FontSize size;
  long long em = requestedEm(face, height);
  size.emHeight = static_cast<int>(std::clamp<long long>(em, kLegibleCharHeight, kLargestCharHeight));
  size.emWidth = emWidthFor(face, size.emHeight, requestWidth);
  splitCell(face, height, em != size.emHeight, size);
  int gap = face.lineGap - (face.ascent + face.descent - face.headerHeight);
  size.externalLeading = std::max(0, roundedRatio(size.emHeight, gap, face.unitsPerEm));
  size.averageCharWidth = std::max(1, roundedRatio(size.emWidth, face.averageWidth, face.unitsPerEm));
  size.maxCharWidth = std::max(size.averageCharWidth, roundedRatio(size.emWidth, face.maxAdvance, face.unitsPerEm));
  return size;
}

}  // namespace platform::text
