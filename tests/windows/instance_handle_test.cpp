// The instance handle on 64-bit Windows: the program's image lies above
// 4 GiB (the default image base), and the run-time hands the handle on
// whole, so Windows' resource calls find the program's resources through it.
#include "primitives_fixture.h"
#include "runtime/methods/platform_values.h"
#include "runtime/startup/runtime_startup.h"

namespace {

TEST_F(PrimitivesTest, TheInstanceHandleLiesAboveFourGiBAndTravelsWhole) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_GT(reinterpret_cast<uintptr_t>(instance), uintptr_t{0xFFFFFFFF});
  Global.instance = instance;
  auto instances = call<2>("get-application-instances", {});
  EXPECT_EQ(ov::toHandle<HINSTANCE>(instances.get(0)), instance);
  EXPECT_EQ(ov::toHandle<HINSTANCE>(instances.get(1)), instance);
  auto resource = call<2>("get-resource-info", {Text("OVApplicationICO"), instances.get(0)});
  EXPECT_EQ(printed(resource.get(0)) + " " + printed(resource.get(1)), "20000 16");
  Global.instance = nullptr;
}

}  // namespace
