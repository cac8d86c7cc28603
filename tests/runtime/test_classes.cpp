#include "test_classes.h"

#include <string>

#include "runtime/methods/kit.h"
#include "runtime/methods/persistent.h"
#include "runtime/startup/entry.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"

ovC_object* gTestCounter = nullptr;
int gTestApplicationRuns = 0;
int gTestExitStatus = 0;
ovPersistent gTestLevel("Test Level");

namespace {

ovRef text(const char* s) { return ovRef::adopt(ovMakeText(s)); }

// Answers the text T.
template <ov::NameText T>
ovStatus answer(const ov::Args& a) {
  a.put(0, text(T.chars));
  return ovSuccess;
}

// Reaches the superclass's version by naming the class.
ovStatus describeSquare(const ov::Args& a) {
  auto inherited = ov::sendAs("Polygon"_cls, "Describe"_sel, a.receiver());
  if (inherited.failed()) return ovFailure;
  ovRef description = inherited.take();
  ovStringJoin(description.get(), text(" square").get());
  a.put(0, std::move(description));
  return ovSuccess;
}

ovStatus areaOfSquare(const ov::Args& a) {
  ovRef side = ov::get("Side"_attr, a.receiver());
  if (!ovIsNumber(side.get())) return ovFailure;
  int32_t s = ovGetInteger(side.get());
  a.put(0, ovRef::adopt(ovMakeInteger(s * s)));
  return ovSuccess;
}

// Counts instances made in the class attribute Made, and passes the new
// instance on.
ovStatus initCounted(const ov::Args& a) {
  ovRef made = ov::get("Made"_attr, a.receiver());
  ov::set("Made"_attr, a.receiver(), ovRef::adopt(ovMakeInteger(ovGetInteger(made.get()) + 1)));
  a.put(0, a.receiver());
  return ovSuccess;
}

// A get-method: outputs the object and ten times its Level.
ovStatus readingOf(const ov::Args& a) {
  ovRef level = ov::get("Level"_attr, a.receiver());
  a.put(0, a.receiver());
  a.put(1, ovRef::adopt(ovMakeInteger(10 * ovGetInteger(level.get()))));
  return ovSuccess;
}

ovStatus doubleIt(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeInteger(2 * ovGetInteger(a[0]))));
  return ovSuccess;
}

// Shape's universal namesake: a shape in general has no known area.
ovStatus areaUnknown(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeInteger(-1)));
  return ovSuccess;
}

// A class method: no receiver, the side as its one input.
ovStatus makeSquare(const ov::Args& a) {
  auto made = ov::make("Square"_cls);
  ov::set("Side"_attr, made.get(), a[0]);
  a.put(0, made.take());
  return ovSuccess;
}

ovStatus perimeterOf(const ov::Args& a) {
  ovRef side = ov::get("Side"_attr, a.receiver());
  ovRef sides = ov::get("Sides"_attr, a.receiver());
  a.put(0, ovRef::adopt(ovMakeInteger(ovGetInteger(side.get()) * ovGetInteger(sides.get()))));
  return ovSuccess;
}

// Asks its input the message it was sent as, and answers what it answers.
ovStatus askInput(const ovMethodSelector& method, const ov::Args& a) {
  auto answer = ov::send(method, a[1]);
  a.put(0, answer.take());
  return answer.status;
}

// What the entry point calls: counts its runs and asks for an exit status.
ovStatus testApplication(const ov::Args&) {
  ++gTestApplicationRuns;
  ovSetExitStatus(gTestExitStatus);
  return ovSuccess;
}

// Answers its input as its status.
ovStatus statusOf(const ov::Args& a) { return static_cast<ovStatus>(ovGetInteger(a[0])); }

ovStatus testAdd(const ov::Args& a) {
  a.put(0, ovRef::adopt(ovMakeInteger(ovGetInteger(a[0]) + ovGetInteger(a[1]))));
  return ovSuccess;
}

const ovClassDeclaration kShapeClass({
    .name = "Shape",
    .attributes = {"Name", "Sides"},
    .classAttributes = {"Made"},
    .methods = ov::methods({{"Describe", ov::routine<answer<"shape">>},
                            {"Area", ov::failing},  // a shape in general has no area
                            {"Sides Of", ov::reader<"Sides"_attr>}},
                           ov::getters<"Name">(), ov::setters<"Name">()),
});

// Methods of Shape declared apart from the class.
const ovClassMethods kMoreShapeMethods("Shape", {{"Perimeter", ov::routine<perimeterOf>}});

const ovClassDeclaration kPolygonClass({
    .name = "Polygon",
    .superclass = "Shape",
    .attributes = {"Points"},
    .methods = {{"Describe", ov::routine<answer<"polygon">>}},
});

const ovClassDeclaration kSquareClass({
    .name = "Square",
    .superclass = "Polygon",
    .attributes = {"Side"},
    .methods = {{"Describe", ov::routine<describeSquare>},
                {"Area", ov::routine<areaOfSquare>},
                {"Make Square", ov::routine<makeSquare>}},
});

const ovClassDeclaration kCountedClass({
    .name = "Counted",
    .superclass = "Shape",
    .initMethod = ov::routine<initCounted>,
});

const ovClassDeclaration kGaugeClass({
    .name = "Gauge",
    .attributes = {"Level"},
    .methods = ov::forwarding<askInput, "Describe", "Area">(),
    .getMethods = {{"Reading", ov::routine<readingOf>}},
});

const ovUniversalDeclaration kDoubleIt("Double It", ov::routine<doubleIt>);
const ovUniversalDeclaration kAreaUnknown("Area", ov::routine<areaUnknown>);
const ovUniversalDeclaration kStatusOf("Status Of", ov::routine<statusOf>);
const ovUniversalDeclaration kTestApplication("Application", ov::routine<testApplication>);
const ovPrimitiveDeclaration kTestAdd("test-add", ov::routine<testAdd>, true);
const ovPersistentDeclaration kTestCounterPersistent("Test Counter", &gTestCounter);
const ovExternalDeclaration kTestRect("Test RECT", 16);

}  // namespace
