// Special keys: an item's accelerator keys join its window's accelerators
// with command numbers of their own, and a key posts its behaviour.
#include <string>
#include <vector>

#include "edit_window.h"

namespace {

// A Ctrl key of an item whose behaviour waits in the commander's deferred
// list once posted, named after the key.
std::string ControlKey(char key) {
  std::string name(1, key);
  return R"(( <<Accelerator Entry>> [ "Control?": TRUE "Alt?": FALSE "Shift?": FALSE "Invert Menu?": FALSE
      "Case Sensitive?": FALSE "Character": ")" +
         name + R"(" ] <<Deferred Task>> [ "Name": ")" + name +
         R"(" "Enabled?": TRUE "Undo?": FALSE "When": 1073741824 ] ))";
}

// Ctrl+K and Ctrl+J as an item's key behaviour.
std::string KeysJAndK() {
  return R"("Key Behavior": <<Special Keys>> [ "Keys": ( )" + ControlKey('K') + ControlKey('J') + " ) ]";
}

using SpecialKeys = EditWindowTest;

TEST_F(SpecialKeys, AnItemsKeyPostsItsBehavior) {
  OpenWindow(EditText("A", "10 10 32 110", KeysJAndK()));
  ClickItem("A");
  platform::headless::keyDown(VK_CONTROL);
  platform::headless::pressKey('J');
  platform::headless::pressKey('K');
  platform::headless::keyUp(VK_CONTROL);
  RunUntilIdle();
  EXPECT_EQ(DeferredNames(), (std::vector<std::string>{"J", "K"}));
  EXPECT_EQ(ValueOf("A"), "") << "the keys did not reach the control";
}

TEST_F(SpecialKeys, EachKeyHasItsOwnCommandNumberToBeFoundBy) {
  OpenWindow(EditText("A", "10 10 32 110", KeysJAndK()));
  ovRef keys = ov::get("Key Behavior"_attr, Item("A"));
  ovRef pairs = ov::get("Keys"_attr, keys);
  ovC_object* k = ov::element(pairs, 0);
  ovC_object* j = ov::element(pairs, 1);
  int32_t kNumber = ov::toInt(ov::get("ID"_attr, ov::element(k, 0)));
  int32_t jNumber = ov::toInt(ov::get("ID"_attr, ov::element(j, 0)));
  EXPECT_NE(kNumber, 0);
  EXPECT_NE(kNumber, jNumber);
  EXPECT_EQ(ov::send("Find Key by ID"_sel, keys, {ov::integer(jNumber)}).get(), j);
  EXPECT_EQ(ov::send("Find Key by ID"_sel, keys, {ov::integer(kNumber)}).get(), k);
  EXPECT_EQ(ov::send("Find Key by ID"_sel, keys, {ov::integer(kNumber + jNumber)}).get(), nullptr);
}

}  // namespace
