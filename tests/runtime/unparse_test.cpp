#include <gtest/gtest.h>

#include "runtime/values/text.h"
#include "runtime/values/unparse.h"
#include "tests/runtime/runtime_fixture.h"

namespace {

class UnparseTest : public RuntimeTest {
 protected:
  // The printed text of v, and its print flag in *flag.
  static std::string Printed(ovC_object* v, int* flag = nullptr) {
    ovC_object* out = nullptr;
    int f = ovUnparse(v, &out);
    if (flag) *flag = f;
    ovRef text = ovRef::adopt(out);
    return out ? std::string(ovStringGetPtr(out), ovStringGetLength(out)) : "<null>";
  }
};

// Reals print to twelve digits, whole ones with a point; geometry prints in
// the language's order; an instance prints its class name. Descriptions
// (externals, handles, and lists holding them) set the print flag.
TEST_F(UnparseTest, ValuesPrintInTheValueTextFormAndDescriptionsSetTheFlag) {
  RTName foo{3, {'F', 'o', 'o', 0}};
  RTExternal type{&foo, 8};
  RTNameBuffer window;
  window.name().SetName("Window", 6);
  RTClass cls{};
  cls.name = &window.name();
  const struct {
    ovRef value;
    const char* text;
    int flag = 0;
  } cases[] = {
      {nullptr, "NULL"}, {ovRef::adopt(ovMakeBoolean(1)), "TRUE"}, {ovRef::adopt(ovMakeBoolean(0)), "FALSE"},
      {ovRef::adopt(ovMakeNone()), "NONE"}, {ovRef::adopt(ovMakeUndef()), "UNDEFINED"}, {Int(-3), "-3"},
      {Int(INT32_MIN), "-2147483648"}, {Real(0.5), "0.5"}, {Real(2.0), "2.0"}, {Real(-3.0), "-3.0"},
      {Real(1e20), "1e+20.0"}, {Real(1.0 / 3), "0.333333333333"}, {Real(1.5e-7), "1.5e-07"},
      {Real(123456789012.9), "123456789013"},  // rounded, but had a fraction
      {ovRef::adopt(ovMakePointWin(20, 10)), "{ 10 20 }"}, {ovRef::adopt(ovMakeRectMac(1, 2, 3, -4)), "{ 1 2 3 -4 }"},
      {ovRef::adopt(ovMakeRGB(65535, 0, 7)), "{ 65535 0 7 }"},
      {ovRef::adopt(ovMakeEmptyInstance(&cls)), "<<Window>>"}, {ovRef::adopt(ovMakeEmptyInstance(nullptr)), "<<>>"},
      {ovRef::adopt(ovMakeExternal(&type, 8, nullptr)), "Foo", 1},
      {ovRef::adopt(ovMakeHandle(&type, reinterpret_cast<void*>(0xABCDEF))), "Foo@@16#00ABCDEF", 1},
      {ovRef::adopt(ovMakePtr(nullptr, nullptr)), "<null>", 0},
      {List(Int(1), ovRef::adopt(ovMakeExternal(&type, 8, nullptr))), "( 1 Foo )", 1},
      {List(Int(1)), "( 1 )", 0},
  };
  for (const auto& c : cases) {
    int flag = -1;
    EXPECT_EQ(Printed(c.value.get(), &flag), c.text);
    EXPECT_EQ(flag, c.flag) << c.text;
  }
}

TEST_F(UnparseTest, TextsQuoteAndDoubleQuotesOrPrintThemselves) {
  ovRef quoted = Text("\"a\"");
  EXPECT_EQ(Printed(quoted.get()), "\"\"\"a\"\"\"");
  EXPECT_EQ(Printed(Text(std::string("ab\0cd", 5)).get()), "\"ab\"") << "stops at the first NUL";

  uint32_t saved = ovUseQuotes(0);
  EXPECT_EQ(saved, 1u);
  ovC_object* out = nullptr;
  ovUnparse(quoted.get(), &out);
  EXPECT_EQ(out, quoted.get()) << "the text itself, one more use";
  EXPECT_EQ(quoted->useCount, 2u);
  ovDecUse(out);
  EXPECT_EQ(ovUseQuotes(saved), 0u);
}

TEST_F(UnparseTest, ListsQuoteTheirTextsAndRestoreTheSetting) {
  EXPECT_EQ(Printed(List().get()), "( )");
  EXPECT_EQ(Printed(List(Int(1), Text("a"), Real(2.5)).get()), "( 1 \"a\" 2.5 )");
  ovRef nulls = ovRef::adopt(ovMakeList(2));
  EXPECT_EQ(Printed(nulls.get()), "( NULL NULL )");

  ovUseQuotes(0);
  EXPECT_EQ(Printed(List(Text("a"), List(Text("b"))).get()), "( \"a\" ( \"b\" ) )");
  EXPECT_EQ(gLocalThread->useQuotes, 0u);
  ovUseQuotes(1);
}

TEST_F(UnparseTest, UnknownKindsSayUnimplemented) {
  ovRef v = Int(5);
  v->type = 0;
  EXPECT_EQ(Printed(v.get()), "*** Object Unparse Unimplemented");
  v->type = ovKindInteger;
}

TEST_F(UnparseTest, ListsReferringToThemselvesPrintATilde) {
  ovRef a = ovRef::adopt(ovMakeList(0));
  ovListAppend(a.get(), a.get(), 1);
  int flag = 0;
  EXPECT_EQ(Printed(a.get(), &flag), "( ~ )");
  EXPECT_EQ(flag, 1);
  ovListAppend(a.get(), a.get(), 1);
  EXPECT_EQ(Printed(a.get(), &flag), "( ~ ~ )");
  EXPECT_EQ(a->visitMark, 0u);
  ovRef shared = List(Int(1));
  EXPECT_EQ(Printed(List(shared, shared).get(), &flag), "( ( 1 ) ( 1 ) )") << "sharing is no cycle";
  EXPECT_EQ(flag, 0);
  ovListDeleteItem(a.get(), 1, 1);
  ovListDeleteItem(a.get(), 0, 1);
}

TEST_F(UnparseTest, DeeplyNestedListsPrintWithoutRecursion) {
  constexpr uint32_t depth = 300000;
  ovRef v = List();
  for (uint32_t i = 0; i < depth; ++i) v = List(v);
  std::string printed = Printed(v.get());
  EXPECT_EQ(printed.size(), (depth + 1) * 4 - 1);
  EXPECT_EQ(printed.substr(0, 6), "( ( ( ");
  EXPECT_EQ(printed.substr(printed.size() - 5), ") ) )");
}

}  // namespace
