#include "runtime/values/packing.h"

void ovPackPoint(ovPoint* p, int32_t h, int32_t v) { *p = {h, v}; }

void ovPackRect(ovRect* r, int32_t a, int32_t b, int32_t c, int32_t d) { *r = {a, b, c, d}; }

void ovPackRGB(ovRGB* c, uint32_t red, uint32_t green, uint32_t blue) {
  *c = (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

void ovUnpackPoint(const ovPoint* p, int32_t* h, int32_t* v) {
  *h = p->h;
  *v = p->v;
}

void ovUnpackRect(const ovRect* r, int32_t* a, int32_t* b, int32_t* c, int32_t* d) {
  *a = r->left;
  *b = r->top;
  *c = r->right;
  *d = r->bottom;
}

void ovUnpackRGB(const ovRGB* c, uint32_t* red, uint32_t* green, uint32_t* blue) {
  *red = *c & 0xFF;
  *green = (*c >> 8) & 0xFF;
  *blue = (*c >> 16) & 0xFF;
}
