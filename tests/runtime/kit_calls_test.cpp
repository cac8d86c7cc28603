// The kit's calls beyond plain sends: universals called directly, methods
// named at run time with a list of inputs, class methods, methods declared
// apart from their class, accessor routines, persistents, handles as values
// and the send trace.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/win32.h"
#include "runtime/dispatch/dispatch.h"
#include "runtime/methods/kit.h"
#include "runtime/methods/persistent.h"
#include "runtime/methods/platform_values.h"
#include "runtime/methods/records.h"
#include "runtime/tables/header.h"
#include "runtime/values/make.h"
#include "runtime/values/read.h"
#include "runtime_fixture.h"
#include "test_classes.h"

namespace {

class KitCalls : public InstancesTest {
 protected:
  // What the send trace printed while call ran.
  static std::string traced(const std::function<void()>& call) {
    ov::trace::Enable(true);
    testing::internal::CaptureStderr();
    call();
    std::string trace = testing::internal::GetCapturedStderr();
    ov::trace::Enable(false);
    return trace;
  }

  template <typename Constant>
  static void startWith(const char* name) {
    Constant constant(name);
    RTHeader::Initialize();
  }

  static ovRef square(int32_t side) {
    ovRef s = ov::make("Square"_cls).take();
    ov::set("Side"_attr, s, ov::integer(side));
    ov::set("Sides"_attr, s, ov::integer(4));
    return s;
  }
};

TEST_F(KitCalls, AUniversalIsCalledDirectlyWhateverItsFirstInput) {
  ovRef s = square(3);
  EXPECT_EQ(ov::toInt(ov::send("Area"_sel, s).get()), 9);  // the square's own method
  EXPECT_EQ(ov::toInt(ov::universal("Area"_uni, {s}).get()), -1);
}

TEST_F(KitCalls, AMethodNamedAtRunTimeTakesItsInputsFromAList) {
  ovRef s = square(3);
  ovRef inputs = ov::listOf({s});
  EXPECT_EQ(ov::toInt(ov::callNamed(ov::text("/Area"), "Shape"_cls, inputs).get()), 9);
  EXPECT_EQ(ov::toInt(ov::callNamed(ov::text("Area"), "Shape"_cls, inputs).get()), -1);
  EXPECT_EQ(ov::toInt(ov::callNamed(ov::text("Double It"), "Shape"_cls, ov::listOf({ov::integer(21)})).get()), 42);
  auto unknown = ov::callNamed(ov::text("No Such Method"), "Shape"_cls, inputs);
  EXPECT_EQ(unknown.status, ovNothingRan);
  EXPECT_EQ(unknown.get(), nullptr);
  EXPECT_EQ(ov::callNamed(ov::text("No Such Class/Area"), "Shape"_cls, inputs).status, ovNothingRan);
  EXPECT_EQ(ov::callNamed(ov::integer(5), "Shape"_cls, inputs).status, ovNothingRan) << "a name that is no text";
  // Inputs that are not a list are no inputs: the universal sees none.
  EXPECT_EQ(ov::toInt(ov::callNamed(ov::text("Double It"), "Shape"_cls, ov::integer(5)).get()), 0);
}

TEST_F(KitCalls, AClassMethodIsCalledWithoutAReceiver) {
  ovRef made = ov::sendToClass("Square"_cls, "Make Square"_sel, {ov::integer(5)}).take();
  EXPECT_EQ(ov::toInt(ov::send("Area"_sel, made).get()), 25) << "a square of side 5";
}

// Methods declared apart join their class; accessor and forwarding groups answer.
TEST_F(KitCalls, DeclaredMethodsAndGroupsAnswer) {
  ovRef s = square(3), gauge = ov::make("Gauge"_cls).take();
  EXPECT_EQ(ov::toInt(ov::send("Perimeter"_sel, s).get()), 12);
  ov::tell(ov::send("Set Name"_sel, s, {ov::text("plot")}));
  EXPECT_TRUE(ov::textEquals(ov::send("Get Name"_sel, s).get(), "plot"));
  EXPECT_EQ(ov::toInt(ov::send("Area"_sel, gauge, {s}).get()), 9);
  EXPECT_TRUE(ov::textEquals(ov::send("Describe"_sel, gauge, {s}).get(), "polygon square"));
}

// A class, primitive or record type nothing declares stops the start-up.
TEST_F(KitCalls, AMisspeltClassPrimitiveOrRecordTypeStopsTheStartUp) {
  const auto stops = testing::ExitedWithCode(EXIT_FAILURE);
  EXPECT_EXIT(startWith<ovClassName>("Sqaure"), stops, "undeclared class \"Sqaure\"");
  EXPECT_EXIT(startWith<ovPrimitiveName>("test-ad"), stops, "undeclared primitive \"test-ad\"");
  EXPECT_EXIT(startWith<ovExternalName>("Test RCT"), stops, "undeclared external type \"Test RCT\"");
}

TEST_F(KitCalls, APersistentKeepsOneUseOfWhatItHoldsAndIsReadByName) {
  ovRef first = ov::text("first");
  gTestLevel.set(first);
  EXPECT_EQ(first->useCount, 2u);
  ovRef read = gTestLevel.get();
  EXPECT_EQ(read, first);
  EXPECT_EQ(first->useCount, 3u);
  gTestLevel.set(ov::text("second"));
  EXPECT_EQ(first->useCount, 2u);  // ours and read's
  ovC_object* byName = nullptr;
  UCInjectGetPersistent(ov::text("Test Level").get(), &byName);
  EXPECT_TRUE(ov::textEquals(byName, "second"));
  ovDecUse(byName);
  gTestLevel.set(nullptr);
  gTestCounter = ovMakeInteger(12);  // a persistent declared over a bare slot
  UCInjectGetPersistent(ov::text("Test Counter").get(), &byName);
  EXPECT_EQ(byName, gTestCounter);
  EXPECT_EQ(gTestCounter->useCount, 2u);
  ovDecUse(byName);
  UCInjectGetPersistent(ov::text("No Persistent").get(), &byName);
  EXPECT_EQ(byName, nullptr);
}

// Window and GDI handles travel as positive integers; instance and memory
// handles (addresses, above 4 GiB on 64-bit Windows) travel whole.
TEST_F(KitCalls, HandlesTravelAsValuesAndBack) {
  HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFF1234));
  EXPECT_EQ(ov::toInt(ov::handleValue(window)), 0x7FFF1234);
  EXPECT_EQ(ov::toHandle<HWND>(ov::handleValue(window)), window);
  EXPECT_EQ(ov::toHandle<HWND>(nullptr), nullptr);
  for (uintptr_t address : {uintptr_t{0x400000}, uintptr_t{0x80001000}, uintptr_t{0x140000000}}) {
    ovRef value = ov::addressHandleValue(reinterpret_cast<HINSTANCE>(address));
    EXPECT_EQ(ov::toHandle<HINSTANCE>(value), reinterpret_cast<HINSTANCE>(address)) << std::hex << address;
    EXPECT_EQ(ov::isInteger(value), address < 0x80000000) << std::hex << address;
  }
}

// The kit's readers answer nothing for a value of another kind; its list
// helpers answer new lists and leave the one they are given as it was.
TEST_F(KitCalls, HelpersReadEveryKindAndLeaveTheirListsAlone) {
  ovRef five = ov::integer(5), s = square(2), list = ov::listOf({five, s});
  EXPECT_EQ(ov::toInt(ov::text("5")), 0);
  EXPECT_EQ(ov::chars(five), "");
  EXPECT_EQ(ov::cString(ov::text("abc"), 3), "ab");
  EXPECT_EQ(ov::cString(ov::text("abc"), 0), "");
  EXPECT_FALSE(ov::textEquals(five, "5"));
  EXPECT_TRUE(ov::isA(s, "Shape"_cls));
  EXPECT_FALSE(ov::isA(ov::make("Shape"_cls).take(), "Square"_cls));
  EXPECT_FALSE(ov::isA(five, "Shape"_cls));
  EXPECT_TRUE(ov::textEquals(ov::classNameOf(s), "Square"));
  EXPECT_EQ(ov::classNameOf(five).get(), nullptr);
  EXPECT_EQ(ov::getInstance("Side"_attr, s).get(), nullptr) << "the side is no instance";
  EXPECT_TRUE(ov::isA(ov::makeNamed(ov::text("Square")).take(), "Square"_cls));
  EXPECT_EQ(ov::boolean(false).get(), gdDefaultFalse);
  EXPECT_EQ(ov::element(five, 0), nullptr);
  EXPECT_EQ(ov::indexOf(list, s), 1);
  EXPECT_EQ(ov::indexOf(list, ov::integer(5)), -1) << "an equal value is another object";
  EXPECT_EQ(ov::element(ov::inserted(list, 9, five), 2), five.get()) << "past the end: at the end";
  EXPECT_EQ(ov::element(ov::without(list, 0), 0), s.get());
  EXPECT_EQ(ov::length(ov::appended(ov::emptyList(), five)), 1u);
  EXPECT_EQ(ov::length(list), 2u);
  POINT p = ov::toPOINT(five);
  RECT r = ov::toRECT(five);
  EXPECT_EQ(p.x | p.y | r.left | r.top | r.right | r.bottom, 0);
  ovRef record = ov::newRecord("Test RECT"_ext);
  EXPECT_EQ(record.as<ovC_pointer>()->pointeeType, "Test RECT"_ext.record());
  ov::disposeRecord(record);
  // More inputs than a call holds in place.
  EXPECT_EQ(ov::toInt(ov::universal("Area"_uni, {s, five, five, five, five, five, five, five, five}).get()), -1);
}

// Each kind of call and receiver names itself in the trace, nested sends
// are indented, and each status is told in words.
TEST_F(KitCalls, TheSendTraceShowsNestingAndNamesEveryKindOfCallAndStatus) {
  ovRef shape = ov::make("Shape"_cls).take(), s = square(2);
  const struct {
    std::function<void()> call;
    const char* lines;
  } cases[] = {
      {[&] { ov::tell(ov::send("Describe"_sel, s)); },
       "send  1 Square/Describe {\n"
       "send  2   Square as Polygon/Describe -> success\n"
       "send  1 } Square/Describe -> success\n"},
      {[&] { ov::tell(ov::send("Not A Method"_sel, s)); }, "send  1 Square/Not A Method -> no such method\n"},
      {[&] { ov::tell(ov::universal("Area"_uni, {s})); }, "send  1 Area (universal) -> success\n"},
      {[&] { ov::tell(ov::send("Area"_sel, shape)); }, "send  1 Shape/Area -> failure\n"},
      {[] { ov::tell(ov::sendToClass("Square"_cls, "Make Square"_sel, {ov::integer(5)})); },
       "send  1 Square/Make Square (class method) -> success\n"},
      {[&] { ov::tell(ov::callNamed(ov::text("/Get Name"), "Shape"_cls, List(shape))); },
       "send  1 \"/Get Name\" (by name, to Shape) -> success\n"},
      {[&] { ov::tell(ov::callNamed(ov::integer(1), "Shape"_cls, List(shape))); },
       "send  1 ? (by name, to Shape) -> no such method\n"},
      {[&] { ov::tell(ov::call(UCLookupMethod("Describe"_sel.number(), s.get()), {s})); },  // untraced itself
       "send  1 Square as Polygon/Describe -> success\n"},
      {[] { ov::tell(ov::universal("Status Of"_uni, {ov::integer(ovTerminate)})); },
       "send  1 Status Of (universal) -> terminate\n"},
      {[] { ov::tell(ov::universal("Status Of"_uni, {ov::integer(ovFinish)})); },
       "send  1 Status Of (universal) -> finish\n"},
      {[] { ov::tell(ov::universal("Status Of"_uni, {ov::integer(7)})); },
       "send  1 Status Of (universal) -> success (other)\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(traced(c.call), c.lines);
}

// A receiver that is no instance is named by its kind.
TEST_F(KitCalls, TheSendTraceNamesAReceiverThatIsNoInstanceByItsKind) {
  const struct {
    ovRef receiver;
    const char* kind;
  } cases[] = {
      {nullptr, "NULL"}, {ov::integer(1), "integer"}, {ov::text("t"), "text"}, {ov::real(1.5), "real"},
      {ov::boolean(true), "boolean"}, {ov::emptyList(), "list"}, {ov::point(1, 2), "point"},
      {ov::rect(1, 2, 3, 4), "rect"}, {ovRef::adopt(ovMakeRGB(1, 2, 3)), "rgb"}, {ovRef::adopt(ovMakeNone()), "none"},
      {ovRef::adopt(ovMakeUndef()), "undefined"}, {ovRef::adopt(ovMakeExternal(nullptr, 4, nullptr)), "external"},
      {ovRef::adopt(ovMakePtr(nullptr, nullptr)), "pointer"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(traced([&] { ov::tell(ov::send("Describe"_sel, c.receiver)); }),
              std::string("send  1 ") + c.kind + "/Describe -> no such method\n");
}

}  // namespace
