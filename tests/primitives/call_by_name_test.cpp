// Calling a method named at run time with a list of inputs.
#include "runtime/externals/call_by_name.h"

#include "primitives_fixture.h"
#include "runtime/values/list.h"
#include "test_methods.h"

namespace {

class CallByNameTest : public PrimitivesTest {
 protected:
  // call_prim_internal with the caller's class, name, inputs and output
  // count, asking for the output list; the status and the list printed.
  static std::pair<ovStatus, std::string> callByName(const char* name, const ovRef& inputs, const ovRef& outputs,
                                                     const RTClass* caller = nullptr) {
    ovRef nameText = Text(name);
    ovC_object* in[] = {nameText.get(), inputs.get(), outputs.get()};
    ovC_object* list = nullptr;
    ovC_object** out[] = {&list};
    ovStatus status = call_prim_internal(caller, 3, 1, in, out);
    return {status, printed(ovRef::adopt(list))};
  }

  static const RTClass* classNamed(const char* name) { return ovCheckInputClass(Text(name).get()); }
};

TEST_F(CallByNameTest, TheCallIsLaidOutAsCountsInputsAndOutputAddresses) {
  ovRef inputs = List(Int(5), Text("x"));
  ovCallWord area[4];
  UCSetUpCallParameters(area, 2, 0, inputs.get(), area + 4);
  EXPECT_EQ(area[0].count, 2u);
  EXPECT_EQ(area[1].count, 0u);
  EXPECT_EQ(area[2].value, ovListGetSlot(inputs.get(), 0, 0));
  EXPECT_EQ(area[3].value, ovListGetSlot(inputs.get(), 1, 0));

  ovCallWord withOutputs[1 + 2 * 2 + 2];
  UCSetUpCallParameters(withOutputs, 1, 2, nullptr, withOutputs + 5);
  EXPECT_EQ(withOutputs[2].value, gdDefaultUndefined);
  EXPECT_EQ(withOutputs[3].slot, &withOutputs[5].value);
  EXPECT_EQ(withOutputs[4].slot, &withOutputs[6].value);
  EXPECT_EQ(withOutputs[5].value, nullptr);
}

// The outputs come back as a list on success, terminate and finish; a failure gives
// no list (what the method wrote is released); an unknown name does nothing
// and counts as success; a negative output count asks for none, a huge one
// fails.
TEST_F(CallByNameTest, TheOutputsComeBackAsAListUnlessTheCallFails) {
  const struct {
    const char* name;
    ovRef inputs, outputs;
    ovStatus status;
    const char* list;
  } cases[] = {
      {"Echo", List(Int(1), Text("a"), Int(3)), Int(2), ovSuccess, "( 1 \"a\" )"},
      {"Stop Early", List(Int(7)), Int(1), ovTerminate, "( 7 )"},
      {"Finish Early", List(Int(8)), Int(1), ovFinish, "( 8 )"},
      {"Echo", List(Int(1)), List(Int(0), Int(0)), ovSuccess, "( 1 NULL )"},
      {"Fail After Writing", List(Text("kept?")), Int(1), ovFailure, "NULL"},
      {"No Such Method", List(Int(1)), Int(1), ovNothingRan, "NULL"},
      {"Echo", List(Int(1)), Int(-4), ovSuccess, "( )"},
      {"Echo", List(Int(1)), Int(ovMaxCallOutputs + 1), ovFailure, "NULL"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(callByName(c.name, c.inputs, c.outputs), (std::pair<ovStatus, std::string>{c.status, c.list})) << c.name;
}

TEST_F(CallByNameTest, WithoutAnOutputSlotTheOutputsAreReleased) {
  ovRef name = Text("Echo");
  ovRef inputs = List(Text("dropped"));
  ovRef count = Int(1);
  ovC_object* in[] = {name.get(), inputs.get(), count.get()};
  EXPECT_EQ(call_prim_internal(nullptr, 3, 0, in, nullptr), ovSuccess);
  ovC_object* list = nullptr;
  ovC_object** out[] = {&list};
  EXPECT_EQ(call_prim_internal(nullptr, 1, 1, in, out), ovSuccess) << "a name alone: no inputs, no outputs";
  EXPECT_EQ(printed(ovRef::adopt(list)), "( )");
}

TEST_F(CallByNameTest, PathsFindTheReceiversTheNamedOrTheCallersClass) {
  ovRef callee = ovRef::adopt(ovMakeEmptyInstance(const_cast<RTClass*>(classNamed("Callee"))));
  EXPECT_EQ(callByName("/Who", List(callee), Int(1)).second, "( \"Callee/Who\" )");
  EXPECT_EQ(callByName("Caller/Who", List(callee), Int(1)).second, "( \"Caller/Who\" )");
  EXPECT_EQ(callByName("//Who", List(Int(0)), Int(1), classNamed("Grand Callee")).second, "( \"Callee/Who\" )");
}

}  // namespace
