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

// A (name value) pair for initial lists.
ovRef pair(const char* name, const ovRef& value) { return RuntimeTest::List(RuntimeTest::Text(name), value); }

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
  ovRef square = make("Square"_cls);
  ov::set("Side"_attr, square, RuntimeTest::Int(3));
  ov::set("Sides"_attr, square, RuntimeTest::Int(4));
  EXPECT_EQ(ov::chars(ov::send("Describe"_sel, square).take()), "polygon square");  // via Polygon's
  EXPECT_EQ(ovGetInteger(ov::send("Area"_sel, square).get()), 9);             // Square's own
  EXPECT_EQ(ovGetInteger(ov::send("Sides Of"_sel, square).get()), 4);          // Shape's
  ovRef shape = make("Shape"_cls);
  EXPECT_EQ(ov::chars(ov::send("Describe"_sel, shape).take()), "shape");
  auto area = ov::send("Area"_sel, shape);
  EXPECT_TRUE(area.failed());
  EXPECT_EQ(area.get(), nullptr);
  // A call naming the class skips the receiver's override.
  EXPECT_EQ(ov::chars(ov::sendAs("Shape"_cls, "Describe"_sel, square).take()), "shape");
  EXPECT_EQ(UCClassMethod("Never Defined Anywhere"_sel.number(), "Square"_cls.record()), &UCDoNothing);
  EXPECT_EQ(UCClassMethod("Describe"_sel.number(), nullptr), &UCDoNothing);
}

TEST_F(Dispatch, UnknownSelectorsDoNothingAndSucceed) {
  ovRef square = make("Square"_cls);
  for (ovC_object* receiver : {square.get(), static_cast<ovC_object*>(nullptr), gdDefaultPOne}) {
    EXPECT_EQ(UCLookupMethod("Never Defined Anywhere"_sel.number(), receiver), &UCDoNothing);
    auto r = ov::send<2>("Never Defined Anywhere"_sel, receiver);
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.status, ovNothingRan);
    EXPECT_EQ(r.get(0), nullptr);
    EXPECT_EQ(r.get(1), nullptr);
  }
  // A method name a class defines is not found for a value that is no
  // instance: only primitives and universals answer those.
  EXPECT_EQ(UCLookupMethod("Describe"_sel.number(), gdDefaultPOne), &UCDoNothing);
}

TEST_F(Dispatch, ValuesThatAreNotInstancesReachPrimitivesThenUniversals) {
  auto sum = ov::send("test-add"_sel, RuntimeTest::Int(40), {RuntimeTest::Int(2)});
  EXPECT_EQ(ovGetInteger(sum.get()), 42);
  auto doubled = ov::send("Double It"_sel, RuntimeTest::Int(21));
  EXPECT_EQ(ovGetInteger(doubled.get()), 42);
  // An instance does not: its class chain has no such method.
  ovRef shape = make("Shape"_cls);
  EXPECT_EQ(ov::send("Double It"_sel, shape).status, ovNothingRan);
}

TEST_F(Dispatch, AttributesReadAndWriteThroughInstancesAndClassNames) {
  ovRef square = make("Square"_cls);
  ov::set("Name"_attr, square, RuntimeTest::Text("mine"));
  EXPECT_EQ(ov::chars(ov::get("Name"_attr, square)), "mine");
  // Through a class-name text: the default instance.
  ov::set("Name"_attr, RuntimeTest::Text("Square"), RuntimeTest::Text("default name"));
  EXPECT_EQ(ov::chars(ov::get("Name"_attr, RuntimeTest::Text("Square"))), "default name");
  EXPECT_EQ(ov::chars(ov::get("Name"_attr, square)), "mine");
  ovRef later = make("Square"_cls);
  EXPECT_EQ(ov::chars(ov::get("Name"_attr, later)), "default name");
  // Unknown attributes, classes and kinds read NULL and write nothing.
  EXPECT_EQ(ov::get("Not An Attribute"_attr, square).get(), nullptr);
  EXPECT_EQ(ov::get("Name"_attr, RuntimeTest::Text("No Such Class")).get(), nullptr);
  EXPECT_EQ(ov::get("Name"_attr, gdDefaultZero).get(), nullptr);
  ov::set("Name"_attr, gdDefaultZero, RuntimeTest::Text("ignored"));
}

TEST_F(Dispatch, TheObjectPassesThroughAttributeAccess) {
  ovRef square = make("Square"_cls);
  ovC_object* passed = nullptr;
  ovC_object* value = gdDefaultTrue;  // the read overwrites the slot without dropping what it held
  UCGetAttribute("Name"_attr.number(), square.get(), &passed, &value);
  EXPECT_EQ(passed, square.get());
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(square->useCount, 2u);
  ovDecUse(passed);
  UCSetAttribute("Not An Attribute"_attr.number(), gdDefaultZero, nullptr, &passed);
  EXPECT_EQ(passed, gdDefaultZero);
  ovDecUse(passed);
}

TEST_F(Dispatch, ClassAttributesAreSharedByEveryInstanceAndSubclass) {
  ovRef a = make("Square"_cls);
  ovRef b = make("Shape"_cls);
  ov::set("Made"_attr, a, RuntimeTest::Int(5));
  EXPECT_EQ(ovGetInteger(ov::get("Made"_attr, b).get()), 5);
  EXPECT_EQ(ovGetInteger(ov::get("Made"_attr, RuntimeTest::Text("Counted")).get()), 5);
}

TEST_F(Dispatch, InitialListsSetInstanceAndClassAttributesAndSkipTheRest) {
  ovRef initial = List(pair("Name", Text("initial")), pair("No Such Attribute", Int(1)), pair("Made", Int(77)),
                       Text("not a pair"), List(Text("Name")), List(Int(1), Text("by number")));
  ovRef square = make("Square"_cls, initial.get());
  EXPECT_EQ(ov::chars(ov::get("Name"_attr, square)), "initial");
  EXPECT_EQ(ovGetInteger(ov::get("Made"_attr, square).get()), 77);
  // The default instance is untouched; initial values that are no list are none.
  EXPECT_EQ(ov::get("Name"_attr, RuntimeTest::Text("Square")).get(), nullptr);
  EXPECT_EQ(ov::get("Name"_attr, make("Square"_cls, gdDefaultPOne)).get(), nullptr);
}

TEST_F(Dispatch, NewInstancesAreDeepCopiesOfTheDefault) {
  ovRef points = List(Int(1));
  ov::set("Points"_attr, RuntimeTest::Text("Square"), points);
  ovRef a = make("Square"_cls);
  ovRef b = make("Square"_cls);
  ovRef pa = ov::get("Points"_attr, a);
  ovRef pb = ov::get("Points"_attr, b);
  EXPECT_NE(pa.get(), pb.get());
  EXPECT_NE(pa.get(), points.get());
  EXPECT_EQ(ovListGetLength(pa.get()), 1u);
}

TEST_F(Dispatch, AnInitialisationMethodRunsForEveryNewInstance) {
  ovRef first = make("Counted"_cls);
  ovRef second = make("Counted"_cls);
  ASSERT_NE(second.get(), nullptr);
  EXPECT_EQ(second->useCount, 1u);
  EXPECT_EQ(ovGetInteger(ov::get("Made"_attr, first).get()), 2);
}

TEST_F(Dispatch, AClassWithoutADefaultMakesNull) {
  RTClass* square = "Square"_cls.record();
  ovC_object* saved = square->defaultInstance;
  square->defaultInstance = nullptr;
  ovC_object* slot = nullptr;
  EXPECT_EQ(UCMakeInstance(square, gdDefaultNone, &slot), ovSuccess);
  EXPECT_EQ(slot, nullptr);
  square->defaultInstance = saved;
}

TEST_F(Dispatch, GetMethodsAnswerBeforeAttributes) {
  ovRef gauge = make("Gauge"_cls);
  ov::set("Level"_attr, gauge, RuntimeTest::Int(4));
  ovC_object* passed = nullptr;
  ovC_object* value = nullptr;
  // "/Reading" runs the get-method; a plain name reads the attribute itself.
  for (auto [name, reading] : {std::pair{"/Reading", 40}, std::pair{"Level", 4}}) {
    EXPECT_EQ(UCInjectGetAttribute(Text(name).get(), gauge.get(), &passed, &value), ovSuccess) << name;
    EXPECT_EQ(passed, gauge.get());
    EXPECT_EQ(ovGetInteger(value), reading) << name;
    ovDecUse(passed);
    ovDecUse(value);
  }
  // With a NULL object or one that has no attributes: passes it, answers NULL.
  for (ovC_object* object : {static_cast<ovC_object*>(nullptr), gdDefaultZero}) {
    passed = value = gdDefaultTrue;
    EXPECT_EQ(UCGetMethod(1, "Name"_attr.number(), object, &passed, &value), ovSuccess);
    EXPECT_EQ(passed, object);
    EXPECT_EQ(value, nullptr);
    ovDecUse(passed);
  }
}

TEST_F(Dispatch, RunTimeNamesFindMethodsByPathKind) {
  ovRef square = make("Square"_cls);
  auto callNamed = [&](const char* name, const RTClass* current) {
    return ov::call(UCInjectLookupMethod(RuntimeTest::Text(name).get(), current, square.get()), {square});
  };
  EXPECT_EQ(ov::chars(callNamed("/Describe", nullptr).take()), "polygon square");
  EXPECT_EQ(ov::chars(callNamed("Shape/Describe", nullptr).take()), "shape");
  EXPECT_EQ(ov::chars(callNamed("//Describe", "Shape"_cls.record()).take()), "shape");
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

TEST_F(Dispatch, AncestryAndDescendants) {
  RTClass* square = "Square"_cls.record();
  RTClass* shape = "Shape"_cls.record();
  EXPECT_TRUE(square->IsAncestor(shape));
  EXPECT_FALSE(shape->IsAncestor(square));
  EXPECT_FALSE(square->IsAncestor(square));
  ovRef names = ovRef::adopt(shape->MakeDescendantNameList());
  std::string all;
  for (uint32_t i = 0; i < ovListGetLength(names.get()); ++i)
    all += std::string(ov::chars(ovListGetSlot(names.get(), i, 0))) + ";";
  EXPECT_EQ(all, "Counted;Polygon;Square;");
}

TEST_F(Dispatch, TheMethodCacheForgetsWhatChangedOnceInvalidated) {
  ovRef square = make("Square"_cls);
  ovRoutine before = UCLookupMethod("Area"_sel.number(), square.get());
  ASSERT_NE(before, &UCDoNothing);
  // Change what Square answers for Area, as a changed class would.
  RTMethod* area = nullptr;
  for (RTMethod& m : RTHeader::gRTHeader->methods)
    if (m.selector == "Area"_sel.number() && m.code == before) area = &m;
  ASSERT_NE(area, nullptr);
  area->code = &UCDoNothing;
  EXPECT_EQ(UCLookupMethod("Area"_sel.number(), square.get()), before);  // still cached
  ovMethodCacheInvalidate();
  EXPECT_EQ(UCLookupMethod("Area"_sel.number(), square.get()), &UCDoNothing);
  EXPECT_EQ(UCClassMethod("Area"_sel.number(), "Square"_cls.record()), &UCDoNothing);
  area->code = before;
  ovMethodCacheInvalidate();
}
