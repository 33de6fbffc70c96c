#include "ui/types.h"

namespace ui {

namespace {
// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
  return static_cast<int>(q);
}
}  // namespace

int Font::Size() const { return -MulDiv(height, 72, kPixelsPerInch); }

void Font::SetSize(int points) { height = -MulDiv(points, kPixelsPerInch, 72); }

}  // namespace ui
