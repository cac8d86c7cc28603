#include <gtest/gtest.h>

#include <string>

#include "runtime/dispatch/dispatch.h"
#include "runtime/methods/kit.h"
#include "runtime/tables/header.h"
#include "runtime/tables/method_cache.h"
#include "runtime/values/instance.h"
#include "runtime/values/list.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime/values/text.h"
#include "runtime_fixture.h"
#include "test_classes.h"

namespace {

const ovMethodSelector kDescribe("Describe");
const ovMethodSelector kArea("Area");
const ovMethodSelector kSidesOf("Sides Of");
const ovMethodSelector kDoubleIt("Double It");
const ovMethodSelector kTestAdd("test-add");
const ovMethodSelector kNeverDefined("Never Defined Anywhere");
const ovAttributeSelector kName("Name");
const ovAttributeSelector kSides("Sides");
const ovAttributeSelector kSide("Side");
const ovAttributeSelector kMade("Made");
const ovAttributeSelector kNotAnAttribute("Not An Attribute");
const ovAttributeSelector kPoints("Points");
const ovAttributeSelector kLevel("Level");
const ovClassName kShape("Shape");
const ovClassName kSquare("Square");
const ovClassName kCounted("Counted");
const ovClassName kGauge("Gauge");


std::string str(const ovRef& t) {
  return ovIsKind(t.get(), ovKindText) ? std::string(ovStringGetPtr(t.get()), ovStringGetLength(t.get())) : "<not a text>";
}

// A (name value) pair for initial lists.
ovRef pair(const char* name, ovRef value) {
  ovRef p = ovRef::adopt(ovMakeList(0));
  ovListAppend(p.get(), RuntimeTest::Text(name).release(), 0);
  ovListAppend(p.get(), value.release(), 0);
  return p;
}

class Dispatch : public InstancesTest {
 protected:
  ovRef make(const ovClassName& c, ovC_object* initial = nullptr) {
    auto made = ov::make(c, initial);
    EXPECT_EQ(made.status, ovSuccess);
    return made.take();
  }
};

}  // namespace

TEST_F(Dispatch, TheMostDerivedMethodAnswersAndAncestorsFillIn) {
  ovRef square = make(kSquare);
  ov::set(kSide, square, RuntimeTest::Int(3));
  ov::set(kSides, square, RuntimeTest::Int(4));
  EXPECT_EQ(str(ov::send(kDescribe, square).take()), "polygon square");  // via Polygon's
  EXPECT_EQ(ovGetInteger(ov::send(kArea, square).get()), 9);             // Square's own
  EXPECT_EQ(ovGetInteger(ov::send(kSidesOf, square).get()), 4);          // Shape's
  ovRef shape = make(kShape);
  EXPECT_EQ(str(ov::send(kDescribe, shape).take()), "shape");
  auto area = ov::send(kArea, shape);
  EXPECT_TRUE(area.failed());
  EXPECT_EQ(area.get(), nullptr);
}

TEST_F(Dispatch, ACallNamingTheClassSkipsTheReceiversOverride) {
  ovRef square = make(kSquare);
  auto shapes = ov::sendAs(kShape, kDescribe, square);
  EXPECT_EQ(str(shapes.take()), "shape");
  EXPECT_EQ(UCClassMethod(kNeverDefined.number(), kSquare.record()), &UCDoNothing);
}

TEST_F(Dispatch, UnknownSelectorsDoNothingAndSucceed) {
  ovRef square = make(kSquare);
  for (ovC_object* receiver : {square.get(), static_cast<ovC_object*>(nullptr), gdDefaultPOne}) {
    EXPECT_EQ(UCLookupMethod(kNeverDefined.number(), receiver), &UCDoNothing);
    auto r = ov::send<2>(kNeverDefined, receiver);
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.status, ovNothingRan);
    EXPECT_EQ(r.get(0), nullptr);
    EXPECT_EQ(r.get(1), nullptr);
  }
  // A method name a class defines is not found for a value that is no
  // instance: only primitives and universals answer those.
  EXPECT_EQ(UCLookupMethod(kDescribe.number(), gdDefaultPOne), &UCDoNothing);
}

TEST_F(Dispatch, ValuesThatAreNotInstancesReachPrimitivesThenUniversals) {
  auto sum = ov::send(kTestAdd, RuntimeTest::Int(40), {RuntimeTest::Int(2)});
  EXPECT_EQ(ovGetInteger(sum.get()), 42);
  auto doubled = ov::send(kDoubleIt, RuntimeTest::Int(21));
  EXPECT_EQ(ovGetInteger(doubled.get()), 42);
  // An instance does not: its class chain has no such method.
  ovRef shape = make(kShape);
  EXPECT_EQ(ov::send(kDoubleIt, shape).status, ovNothingRan);
}

TEST_F(Dispatch, AttributesReadAndWriteThroughInstancesAndClassNames) {
  ovRef square = make(kSquare);
  ov::set(kName, square, RuntimeTest::Text("mine"));
  EXPECT_EQ(str(ov::get(kName, square)), "mine");
  // Through a class-name text: the default instance.
  ov::set(kName, RuntimeTest::Text("Square"), RuntimeTest::Text("default name"));
  EXPECT_EQ(str(ov::get(kName, RuntimeTest::Text("Square"))), "default name");
  EXPECT_EQ(str(ov::get(kName, square)), "mine");
  ovRef later = make(kSquare);
  EXPECT_EQ(str(ov::get(kName, later)), "default name");
  // Unknown attributes, classes and kinds read NULL and write nothing.
  EXPECT_EQ(ov::get(kNotAnAttribute, square).get(), nullptr);
  EXPECT_EQ(ov::get(kName, RuntimeTest::Text("No Such Class")).get(), nullptr);
  EXPECT_EQ(ov::get(kName, gdDefaultZero).get(), nullptr);
  ov::set(kName, gdDefaultZero, RuntimeTest::Text("ignored"));
}

TEST_F(Dispatch, TheObjectPassesThroughAttributeAccess) {
  ovRef square = make(kSquare);
  ovC_object* passed = nullptr;
  ovC_object* value = gdDefaultTrue;  // the read overwrites the slot without dropping what it held
  UCGetAttribute(kName.number(), square.get(), &passed, &value);
  EXPECT_EQ(passed, square.get());
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(square->useCount, 2u);
  ovDecUse(passed);
  UCSetAttribute(kNotAnAttribute.number(), gdDefaultZero, nullptr, &passed);
  EXPECT_EQ(passed, gdDefaultZero);
  ovDecUse(passed);
}

TEST_F(Dispatch, ClassAttributesAreSharedByEveryInstanceAndSubclass) {
  ovRef a = make(kSquare);
  ovRef b = make(kShape);
  ov::set(kMade, a, RuntimeTest::Int(5));
  EXPECT_EQ(ovGetInteger(ov::get(kMade, b).get()), 5);
  EXPECT_EQ(ovGetInteger(ov::get(kMade, RuntimeTest::Text("Counted")).get()), 5);
}

TEST_F(Dispatch, InitialListsSetInstanceAndClassAttributesAndSkipTheRest) {
  ovRef initial = ovRef::adopt(ovMakeList(0));
  ovListAppend(initial.get(), pair("Name", RuntimeTest::Text("initial")).release(), 0);
  ovListAppend(initial.get(), pair("No Such Attribute", RuntimeTest::Int(1)).release(), 0);
  ovListAppend(initial.get(), pair("Made", RuntimeTest::Int(77)).release(), 0);
  ovListAppend(initial.get(), RuntimeTest::Text("not a pair").release(), 0);
  ovListAppend(initial.get(), RuntimeTest::List(RuntimeTest::Text("Name")).release(), 0);
  ovListAppend(initial.get(), RuntimeTest::List(RuntimeTest::Int(1), RuntimeTest::Text("by number")).release(), 0);
  ovRef square = make(kSquare, initial.get());
  EXPECT_EQ(str(ov::get(kName, square)), "initial");
  EXPECT_EQ(ovGetInteger(ov::get(kMade, square).get()), 77);
  // The default instance is untouched.
  EXPECT_EQ(ov::get(kName, RuntimeTest::Text("Square")).get(), nullptr);
}

TEST_F(Dispatch, NewInstancesAreDeepCopiesOfTheDefault) {
  ovRef points = ovRef::adopt(ovMakeList(0));
  ovListAppend(points.get(), RuntimeTest::Int(1).release(), 0);
  ov::set(kPoints, RuntimeTest::Text("Square"), points);
  ovRef a = make(kSquare);
  ovRef b = make(kSquare);
  ovRef pa = ov::get(kPoints, a);
  ovRef pb = ov::get(kPoints, b);
  EXPECT_NE(pa.get(), pb.get());
  EXPECT_NE(pa.get(), points.get());
  EXPECT_EQ(ovListGetLength(pa.get()), 1u);
}

TEST_F(Dispatch, AnInitialisationMethodRunsForEveryNewInstance) {
  ovRef first = make(kCounted);
  ovRef second = make(kCounted);
  ASSERT_NE(second.get(), nullptr);
  EXPECT_EQ(second->useCount, 1u);
  EXPECT_EQ(ovGetInteger(ov::get(kMade, first).get()), 2);
}

TEST_F(Dispatch, AClassWithoutADefaultMakesNull) {
  RTClass* square = kSquare.record();
  ovC_object* saved = square->defaultInstance;
  square->defaultInstance = nullptr;
  ovC_object* slot = nullptr;
  EXPECT_EQ(UCMakeInstance(square, gdDefaultNone, &slot), ovSuccess);
  EXPECT_EQ(slot, nullptr);
  square->defaultInstance = saved;
}

TEST_F(Dispatch, GetMethodsAnswerBeforeAttributes) {
  ovRef gauge = make(kGauge);
  ov::set(kLevel, gauge, RuntimeTest::Int(4));
  ovC_object* passed = nullptr;
  ovC_object* value = nullptr;
  EXPECT_EQ(UCInjectGetAttribute(RuntimeTest::Text("/Reading").get(), gauge.get(), &passed, &value), ovSuccess);
  EXPECT_EQ(passed, gauge.get());
  EXPECT_EQ(ovGetInteger(value), 40);
  ovDecUse(passed);
  ovDecUse(value);
  // A plain name reads the attribute itself.
  EXPECT_EQ(UCInjectGetAttribute(RuntimeTest::Text("Level").get(), gauge.get(), &passed, &value), ovSuccess);
  EXPECT_EQ(ovGetInteger(value), 4);
  ovDecUse(passed);
  ovDecUse(value);
  // With a NULL object: passes NULL, answers NULL.
  passed = value = gdDefaultTrue;
  EXPECT_EQ(UCGetMethod(1, kName.number(), nullptr, &passed, &value), ovSuccess);
  EXPECT_EQ(passed, nullptr);
  EXPECT_EQ(value, nullptr);
}

TEST_F(Dispatch, RunTimeNamesFindMethodsByPathKind) {
  ovRef square = make(kSquare);
  auto callNamed = [&](const char* name, const RTClass* current) {
    return ov::call(UCInjectLookupMethod(RuntimeTest::Text(name).get(), current, square.get()), {square});
  };
  EXPECT_EQ(str(callNamed("/Describe", nullptr).take()), "polygon square");
  EXPECT_EQ(str(callNamed("Shape/Describe", nullptr).take()), "shape");
  EXPECT_EQ(str(callNamed("//Describe", kShape.record()).take()), "shape");
  EXPECT_EQ(UCInjectLookupMethod(RuntimeTest::Text("//Describe").get(), nullptr, square.get()), &UCDoNothing);
  EXPECT_EQ(UCInjectLookupMethod(RuntimeTest::Text("Describe").get(), nullptr, square.get()), &UCDoNothing);
  EXPECT_NE(UCInjectLookupMethod(RuntimeTest::Text("Double It").get(), nullptr, nullptr), &UCDoNothing);
  EXPECT_NE(UCInjectLookupMethod(RuntimeTest::Text("/Double It").get(), nullptr, gdDefaultPOne), &UCDoNothing);
  ovC_object* slot = gdDefaultTrue;
  EXPECT_EQ(UCInjectMakeInstance(RuntimeTest::Text("No Such Class").get(), gdDefaultNone, &slot), ovSuccess);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(UCInjectMakeInstance(RuntimeTest::Text("Shape").get(), gdDefaultNone, &slot), ovSuccess);
  EXPECT_TRUE(ovIsKind(slot, ovKindInstance));
  ovDecUse(slot);
}

TEST_F(Dispatch, PersistentsAreReadByName) {
  gTestCounter = ovMakeInteger(12);
  ovC_object* slot = nullptr;
  UCInjectGetPersistent(RuntimeTest::Text("Test Counter").get(), &slot);
  EXPECT_EQ(slot, gTestCounter);
  EXPECT_EQ(gTestCounter->useCount, 2u);
  ovDecUse(slot);
  UCInjectGetPersistent(RuntimeTest::Text("No Persistent").get(), &slot);
  EXPECT_EQ(slot, nullptr);
}

TEST_F(Dispatch, AncestryAndDescendants) {
  RTClass* square = kSquare.record();
  RTClass* shape = kShape.record();
  EXPECT_TRUE(square->IsAncestor(shape));
  EXPECT_FALSE(shape->IsAncestor(square));
  EXPECT_FALSE(square->IsAncestor(square));
  ovRef names = ovRef::adopt(shape->MakeDescendantNameList());
  std::string all;
  for (uint32_t i = 0; i < ovListGetLength(names.get()); ++i)
    all += str(ovRef::share(ovListGetSlot(names.get(), i, 0))) + ";";
  EXPECT_EQ(all, "Counted;Polygon;Square;");
}

TEST_F(Dispatch, TheMethodCacheForgetsWhatChangedOnceInvalidated) {
  ovRef square = make(kSquare);
  ovRoutine before = UCLookupMethod(kArea.number(), square.get());
  ASSERT_NE(before, &UCDoNothing);
  // Change what Square answers for Area, as a changed class would.
  RTMethod* area = nullptr;
  for (RTMethod& m : RTHeader::gRTHeader->methods)
    if (m.selector == kArea.number() && m.code == before) area = &m;
  ASSERT_NE(area, nullptr);
  area->code = &UCDoNothing;
  EXPECT_EQ(UCLookupMethod(kArea.number(), square.get()), before);  // still cached
  ovMethodCacheInvalidate();
  EXPECT_EQ(UCLookupMethod(kArea.number(), square.get()), &UCDoNothing);
  EXPECT_EQ(UCClassMethod(kArea.number(), kSquare.record()), &UCDoNothing);
  area->code = before;
  ovMethodCacheInvalidate();
}
