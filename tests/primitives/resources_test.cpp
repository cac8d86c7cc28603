// The resource primitives over the resources compiled into this test
// program (resources/test.resources).
#include "primitives_fixture.h"
#include "runtime/methods/platform_values.h"
#include "runtime/values/text.h"

namespace {

class ResourcesTest : public PrimitivesTest {
 protected:
  static ovRef module() { return ov::addressHandleValue(GetModuleHandleA(nullptr)); }

  static std::string info(const ovRef& name, const ovRef& inModule = module()) {
    auto r = call<2>("get-resource-info", {name, inModule});
    EXPECT_EQ(r.status, ovSuccess);
    return printed(r.get(0)) + " " + printed(r.get(1));
  }

  static ovRef stringNamed(const char* name) { return call("get-string-resource", {Text(name), module()}).take(); }
};

TEST_F(ResourcesTest, NamesGiveTheirIdAndTypeOrZeros) {
  EXPECT_EQ(info(Text("Untitled_Str")), "23135 1");
  EXPECT_EQ(info(Text("OVApplicationICO")), "20000 16");
  EXPECT_EQ(info(Text("OK")), "23055 1");
  EXPECT_EQ(info(Text("untitled_str")), "0 0");
  EXPECT_EQ(info(Text("Untitled")), "0 0");
  EXPECT_EQ(info(Text("")), "0 0");
  EXPECT_EQ(info(Int(5)), "0 0");
  EXPECT_EQ(info(Text("Untitled_Str"), Int(0x7FFF0001)), "0 0");
}

TEST_F(ResourcesTest, AStringNameGivesItsTextAtMost1024Characters) {
  EXPECT_EQ(printed(stringNamed("Untitled_Str")), "\"Untitled\"");
  ovRef longText = stringNamed("Long_Text");
  EXPECT_EQ(ovStringGetLength(longText.get()), 1024u);
  EXPECT_EQ(std::string(ovStringGetPtr(longText.get()), 19), "the golden section ");
  EXPECT_EQ(printed(stringNamed("Missing_String")), "\"\"");
  EXPECT_EQ(stringNamed("OVApplicationICO").get(), nullptr);
  EXPECT_EQ(stringNamed("Unknown").get(), nullptr);
}

}  // namespace
