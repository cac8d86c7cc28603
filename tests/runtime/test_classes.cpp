#include "test_classes.h"

#include <string>

#include "runtime/methods/kit.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"

ovC_object* gTestCounter = nullptr;

namespace {

const ovMethodSelector kDescribe("Describe");
const ovAttributeSelector kSides("Sides");
const ovAttributeSelector kSide("Side");
const ovAttributeSelector kMade("Made");
const ovClassName kPolygon("Polygon");

ovRef text(const char* s) { return ovRef::adopt(ovMakeText(s)); }

ovStatus describeShape(const ov::Args& a) {
  a.put(0, text("shape"));
  return ovSuccess;
}

ovStatus describePolygon(const ov::Args& a) {
  a.put(0, text("polygon"));
  return ovSuccess;
}

// Reaches the superclass's version by naming the class.
ovStatus describeSquare(const ov::Args& a) {
  auto inherited = ov::sendAs(kPolygon, kDescribe, a.receiver());
  if (inherited.failed()) return ovFailure;
  ovRef description = inherited.take();
  ovStringJoin(description.get(), text(" square").get());
  a.put(0, std::move(description));
  return ovSuccess;
}

// A shape in general has no area.
ovStatus areaOfShape(const ov::Args&) { return ovFailure; }

ovStatus areaOfSquare(const ov::Args& a) {
  ovRef side = ov::get(kSide, a.receiver());
  if (!ovIsNumber(side.get())) return ovFailure;
  int32_t s = ovGetInteger(side.get());
  a.put(0, ovRef::adopt(ovMakeInteger(s * s)));
  return ovSuccess;
}

ovStatus sidesOf(const ov::Args& a) {
  a.put(0, ov::get(kSides, a.receiver()));
  return ovSuccess;
}

// Counts instances made in the class attribute Made, and passes the new
// instance on.
ovStatus initCounted(const ov::Args& a) {
  ovRef made = ov::get(kMade, a.receiver());
  ov::set(kMade, a.receiver(), ovRef::adopt(ovMakeInteger(ovGetInteger(made.get()) + 1)));
  a.put(0, a.receiver());
  return ovSuccess;
}

// A get-method: outputs the object and ten times its Level.
const ovAttributeSelector kLevel("Level");
ovStatus readingOf(const ov::Args& a) {
  ovRef level = ov::get(kLevel, a.receiver());
  a.put(0, a.receiver());
  a.put(1, ovRef::adopt(ovMakeInteger(10 * ovGetInteger(level.get()))));
  return ovSuccess;
}

ovStatus doubleIt(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeInteger(2 * ovGetInteger(a[0]))));
  return ovSuccess;
}

ovStatus testAdd(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeInteger(ovGetInteger(a[0]) + ovGetInteger(a[1]))));
  return ovSuccess;
}

const ovClassDeclaration kShapeClass({
    .name = "Shape",
    .attributes = {"Name", "Sides"},
    .classAttributes = {"Made"},
    .methods = {{"Describe", ov::routine<describeShape>},
                {"Area", ov::routine<areaOfShape>},
                {"Sides Of", ov::routine<sidesOf>}},
});

const ovClassDeclaration kPolygonClass({
    .name = "Polygon",
    .superclass = "Shape",
    .attributes = {"Points"},
    .methods = {{"Describe", ov::routine<describePolygon>}},
});

const ovClassDeclaration kSquareClass({
    .name = "Square",
    .superclass = "Polygon",
    .attributes = {"Side"},
    .methods = {{"Describe", ov::routine<describeSquare>}, {"Area", ov::routine<areaOfSquare>}},
});

const ovClassDeclaration kCountedClass({
    .name = "Counted",
    .superclass = "Shape",
    .initMethod = ov::routine<initCounted>,
});

const ovClassDeclaration kGaugeClass({
    .name = "Gauge",
    .attributes = {"Level"},
    .getMethods = {{"Reading", ov::routine<readingOf>}},
});

const ovUniversalDeclaration kDoubleIt("Double It", ov::routine<doubleIt>);
const ovPrimitiveDeclaration kTestAdd("test-add", ov::routine<testAdd>, true);
const ovPersistentDeclaration kTestCounterPersistent("Test Counter", &gTestCounter);
const ovExternalDeclaration kTestRect("Test RECT", 16);

}  // namespace
