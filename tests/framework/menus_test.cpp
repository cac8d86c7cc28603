// Menus mirrored into platform menus: titles with their mnemonic marks and
// keyboard equivalents, flags, command numbers, choosing by number,
// enabling and the order of claims, and closing. The menubar here belongs
// to the desktop, whose counter gives the command numbers, so no window is
// needed; the File menu on a real window is in file_menu_test.cpp.
#include <string>
#include <vector>

#include "framework_fixture.h"

namespace {

const ovMethodSelector kChooseMenu("Choose Menu");
const ovMethodSelector kAdd("Add");
const ovMethodSelector kClose("Close");
const ovMethodSelector kGetEnabler("Get Enabler");
const ovMethodSelector kGetFlags("Get Flags");
const ovMethodSelector kOpen("Open");
const ovMethodSelector kPost("Post");
const ovMethodSelector kSetEnabled("Set Enabled?");
const ovMethodSelector kSetModal("Set Modal?");
const ovMethodSelector kSetOwner("Set Owner");
const ovMethodSelector kUndo("Undo");
const ovMethodSelector kUpdateMenus("Update Menus");
const ovAttributeSelector kBehavior("Behavior");
const ovAttributeSelector kCommander("Commander");
const ovAttributeSelector kDeferredCommands("Deferred Commands");
const ovAttributeSelector kDesktop("Desktop");
const ovAttributeSelector kEnabled("Enabled?");
const ovAttributeSelector kFilters("Filters");
const ovAttributeSelector kMainWindow("Main Window");
const ovAttributeSelector kMenuItems("Menu Items");
const ovAttributeSelector kMenuRecord("Menu Record");
const ovAttributeSelector kMenus("Menus");
const ovAttributeSelector kMenubarRecord("Menubar Record");
const ovAttributeSelector kNumber("Number");
const ovAttributeSelector kOwner("Owner");
const ovClassName kMenuTask("Menu Task");
const ovClassName kMenubar("Menubar");
const ovUniversalName kPostMenuUpdate("Post Menu Update");
const ovUniversalName kSetTarget("Set Target");

// The inputs of every call of "Record Menu Choice".
std::vector<std::vector<ovRef>> gChoices;

ovStatus RecordChoice(const ov::Args& a) {
  std::vector<ovRef> inputs;
  for (uint32_t i = 0; i < a.inputCount(); ++i) inputs.push_back(ovRef::share(a[i]));
  gChoices.push_back(std::move(inputs));
  return ovSuccess;
}
const ovUniversalDeclaration kRecordChoice("Record Menu Choice", ov::routine<RecordChoice>);

// Targets that are texts claim and disable the item they name
// (claiming_target.cpp).

// A menu holding "Exit", "About" and "Save" with behaviours that record
// their choice, an "Open" item without one, a separator, and a submenu.
constexpr const char* kFileMenu = R"(<<Menu>> [ "Name": "File" "Title": "File" "Character": "F"
    "Enabled?": TRUE "String?": TRUE "Flags": 0 "Menu Items": (
  <<Menu Item>> [ "Name": "Open" "Title": "Open" "Character": "p" "Enabled?": TRUE "String?": TRUE "Flags": 0 ]
  <<Menu Item>> [ "Name": "Save" "Title": "Save" "Character": "z" "Enabled?": TRUE "String?": TRUE "Flags": 0
      "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Method": "Record Menu Choice" "Specifiers": ( ) ] ]
  <<Menu Item>> [ "Name": "Line" "Separator?": TRUE "Enabled?": FALSE "String?": TRUE "Flags": 8 ]
  <<Menu>> [ "Name": "Recent" "Title": "Recent" "Enabled?": TRUE "String?": TRUE "Flags": 0 "Menu Items": (
    <<Menu Item>> [ "Name": "About" "Title": "About" "Enabled?": TRUE "String?": TRUE "Flags": 0
        "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Method": "Record Menu Choice" "Specifiers": (
          <<Attribute Specifier>> [ "Value": "Item" ] <<Attribute Specifier>> [ "Value": "Menu" ] ) ] ] ) ]
  <<Menu Item>> [ "Name": "Exit" "Title": "Exit" "Character": "x" "Enabled?": TRUE "String?": TRUE "Flags": 0
      "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Method": "Record Menu Choice" "Specifiers": ( ) ] ] ) ])";

constexpr const char* kEditMenu = R"(<<Menu>> [ "Name": "Edit" "Title": "Edit" "Character": "E"
    "Enabled?": TRUE "String?": TRUE "Flags": 0 "Menu Items": (
  <<Menu Item>> [ "Name": "Undo" "Title": "Undo" "Enabled?": TRUE "String?": TRUE "Flags": 0
      "Behavior": <<Menu Behavior>> [ "Enabled?": TRUE "Method": "Record Menu Choice" "Specifiers": ( ) ] ] ) ])";

std::string EntryText(HMENU menu, UINT position) {
  char text[64] = "";
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

bool EntryGrayed(HMENU menu, UINT position) { return (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0; }

HMENU PopupOf(ov::In menu) { return ov::toHandle<HMENU>(ov::get(kMenuRecord, menu)); }

class Menus : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ov::set(kMainWindow, Application(), ov::text(""));
    OpenApplication();
    menubar_ = OpenMenubar();
  }

  void TearDown() override {
    ov::tell(ov::send<0>(kClose, menubar_));
    menubar_.reset();
    gChoices.clear();
    FrameworkTest::TearDown();
  }

  static ovRef OpenMenubar() {
    ovRef menubar = ov::make(kMenubar).take();
    ov::set(kOwner, menubar, Desktop());
    ov::tell(ov::send<0>(kOpen, menubar));
    return menubar;
  }

  // Opens the menu an archive text describes in the menubar.
  ovRef AddMenu(const char* text) {
    ovRef menu = Value(text);
    ov::tell(ov::send<0>(kSetOwner, menu, {menubar_}));
    ov::tell(ov::send<0>(kOpen, menu));
    return menu;
  }

  HMENU Bar() const { return ov::toHandle<HMENU>(ov::get(kMenubarRecord, menubar_)); }

  static ovC_object* ElementOf(ovC_object* menu, uint32_t i) { return ov::element(ov::get(kMenuItems, menu), i); }

  // The enabling a menu task does, with the desktop modal or not.
  void UpdateMenus(bool modal = false) {
    ov::tell(ov::send<0>(kSetModal, Desktop(), {ov::boolean(modal)}));
    ov::tell(ov::send<0>(kUpdateMenus, menubar_, {gEvent.get()}));
  }

  ovRef menubar_;
};

TEST_F(Menus, TitlesShowTheirMnemonicMark) {
  ovRef file = AddMenu(kFileMenu);
  EXPECT_EQ(EntryText(Bar(), 0), "&File");
  EXPECT_EQ(EntryText(PopupOf(file), 0), "O&pen");
  EXPECT_EQ(EntryText(PopupOf(file), 1), "Save") << "a mnemonic the title lacks leaves it unchanged";
  EXPECT_EQ(EntryText(PopupOf(file), 3), "Recent");
  EXPECT_EQ(EntryText(PopupOf(file), 4), "E&xit");
}

TEST_F(Menus, AKeyboardEquivalentFollowsTheTitleAfterATab) {
  ovRef menu = AddMenu(R"(<<Menu>> [ "Name": "Keys" "Title": "Keys" "Enabled?": TRUE "String?": TRUE "Flags": 0
      "Menu Items": (
    <<Menu Item>> [ "Name": "Save" "Title": "Save" "Character": "S" "Enabled?": TRUE "String?": TRUE "Flags": 0
        "Accelerator": <<Accelerator Entry>> [ "Control?": TRUE "Alt?": FALSE "Shift?": TRUE "Invert Menu?": FALSE
                                               "Case Sensitive?": FALSE "Character": "S" ] ]
    <<Menu Item>> [ "Name": "Plain" "Title": "Plain" "Enabled?": TRUE "String?": TRUE "Flags": 0
        "Accelerator": <<Accelerator Entry>> [ "Control?": FALSE "Alt?": FALSE "Shift?": FALSE
                                               "Invert Menu?": FALSE "Case Sensitive?": FALSE "Character": "" ] ]
    <<Menu Item>> [ "Name": "Print" "Title": "Print" "Enabled?": TRUE "String?": TRUE "Flags": 0
        "Accelerator": <<Accelerator Entry>> [ "Control?": FALSE "Alt?": TRUE "Shift?": FALSE
                                               "Invert Menu?": FALSE "Case Sensitive?": FALSE "Character": "P" ] ] ) ])");
  EXPECT_EQ(EntryText(PopupOf(menu), 0), "&Save\tCtrl+Shift+S");
  EXPECT_EQ(EntryText(PopupOf(menu), 1), "Plain") << "an empty keyboard equivalent adds nothing";
  EXPECT_EQ(EntryText(PopupOf(menu), 2), "Print\tAlt+P");
}

TEST_F(Menus, ASeparatorHasTheSeparatorFlagAlone) {
  ovRef file = AddMenu(kFileMenu);
  EXPECT_EQ(ov::toInt(ov::send(kGetFlags, ElementOf(file.get(), 2)).get()), MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(PopupOf(file), 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

TEST_F(Menus, CommandNumbersComeFromTheApplicationsCounterInOpeningOrder) {
  ovRef file = AddMenu(kFileMenu);
  ovRef edit = AddMenu(kEditMenu);
  // The desktop's counter starts at 3: the File menu takes 4, its items and
  // submenu follow in order, then the Edit menu and its item.
  EXPECT_EQ(ov::toInt(ov::get(kNumber, file)), 4);
  std::vector<int32_t> numbers;
  for (uint32_t i = 0; i < 5; ++i) numbers.push_back(ov::toInt(ov::get(kNumber, ElementOf(file.get(), i))));
  EXPECT_EQ(numbers, (std::vector<int32_t>{5, 6, 7, 8, 10}));
  EXPECT_EQ(ov::toInt(ov::get(kNumber, ElementOf(ElementOf(file.get(), 3), 0))), 9);
  EXPECT_EQ(ov::toInt(ov::get(kNumber, edit)), 11);
  EXPECT_EQ(GetMenuItemID(PopupOf(file), 4), 10u);
  EXPECT_EQ(GetSubMenu(Bar(), 1), PopupOf(edit));
}

TEST_F(Menus, AChosenNumberPostsItsItemsBehaviorWithTheItemAndItsMenu) {
  ovRef file = AddMenu(kFileMenu);
  ovC_object* recent = ElementOf(file.get(), 3);
  ovC_object* about = ElementOf(recent, 0);
  ov::tell(ov::send<0>(kChooseMenu, menubar_, {nullptr, ov::get(kNumber, about)}));
  ASSERT_EQ(gChoices.size(), 1u);
  ASSERT_EQ(gChoices[0].size(), 2u);
  EXPECT_EQ(ov::toInt(gChoices[0][0]), ov::toInt(ov::get(kNumber, about)));
  EXPECT_EQ(gChoices[0][1].get(), recent) << "the behaviour's menu is the one holding its item";
}

TEST_F(Menus, ANumberNoItemOwnsGoesToTheFilters) {
  AddMenu(kFileMenu);
  ov::set(kFilters, menubar_, ov::listOf({ov::text("Record Menu Choice")}));
  ov::tell(ov::send<0>(kChooseMenu, menubar_, {nullptr, ov::integer(999)}));
  ASSERT_EQ(gChoices.size(), 1u);
  ASSERT_EQ(gChoices[0].size(), 2u);
  EXPECT_EQ(gChoices[0][0].get(), nullptr);
  EXPECT_EQ(ov::toInt(gChoices[0][1]), 999);
}

// A menu behaviour enables and disables its own item: the item, its entry
// and the command change together.
TEST_F(Menus, ABehaviorDisablesItsItem) {
  ovRef file = AddMenu(kFileMenu);
  ovC_object* exit = ElementOf(file.get(), 4);
  ovRef behavior = ov::get(kBehavior, exit);
  ov::tell(ov::send<0>(kSetEnabled, behavior, {gdDefaultFalse}));
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, exit)));
  EXPECT_TRUE(EntryGrayed(PopupOf(file), 4));
  EXPECT_EQ(EntryText(PopupOf(file), 4), "E&xit");
  ov::tell(ov::send<0>(kChooseMenu, menubar_, {nullptr, ov::get(kNumber, exit)}));
  EXPECT_TRUE(gChoices.empty()) << "a disabled item's command does not run";
  ov::tell(ov::send<0>(kSetEnabled, behavior, {gdDefaultTrue}));
  EXPECT_FALSE(EntryGrayed(PopupOf(file), 4));
  ov::tell(ov::send<0>(kChooseMenu, menubar_, {nullptr, ov::get(kNumber, exit)}));
  EXPECT_EQ(gChoices.size(), 1u);
}

// A disabled top-level menu shows a grayed title in the bar and keeps its
// popup; a disabled submenu grays its entry in its parent.
TEST_F(Menus, AMenuGraysItsOwnEntry) {
  ovRef file = AddMenu(kFileMenu);
  ovRef edit = AddMenu(kEditMenu);
  ov::tell(ov::send<0>(kSetEnabled, edit, {gdDefaultFalse}));
  EXPECT_TRUE(EntryGrayed(Bar(), 1));
  EXPECT_FALSE(EntryGrayed(Bar(), 0));
  EXPECT_EQ(EntryText(Bar(), 1), "&Edit");
  EXPECT_EQ(GetSubMenu(Bar(), 1), PopupOf(edit));
  ov::tell(ov::send<0>(kSetEnabled, edit, {gdDefaultTrue}));
  EXPECT_FALSE(EntryGrayed(Bar(), 1));

  ovC_object* recent = ElementOf(file.get(), 3);
  ov::tell(ov::send<0>(kSetEnabled, recent, {gdDefaultFalse}));
  EXPECT_TRUE(EntryGrayed(PopupOf(file), 3));
  EXPECT_EQ(GetSubMenu(PopupOf(file), 3), PopupOf(recent));
}

TEST_F(Menus, TenUpdateRequestsBeforeAnIdlePassQueueOneMenuTask) {
  RunUntilIdle();
  for (int i = 0; i < 10; ++i) ov::tell(ov::universal<0>(kPostMenuUpdate));
  auto menuTasks = [] {
    ovRef deferred = ov::get(kDeferredCommands, ov::get(kCommander, Application()));
    int count = 0;
    for (uint32_t i = 0; i < ov::length(deferred); ++i) count += ov::isA(ov::element(deferred, i), kMenuTask);
    return count;
  };
  EXPECT_EQ(menuTasks(), 1);
  RunUntilIdle();
  EXPECT_EQ(menuTasks(), 0);
  ov::tell(ov::universal<0>(kPostMenuUpdate));
  EXPECT_EQ(menuTasks(), 1) << "a request after the update queues the next one";
}

TEST_F(Menus, AnUpdateEnablesOnlyWhatIsClaimed) {
  ovRef file = AddMenu(kFileMenu);
  UpdateMenus();
  ovC_object* exit = ElementOf(file.get(), 4);
  ovC_object* save = ElementOf(file.get(), 1);
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, exit))) << "the application serves Exit";
  EXPECT_EQ(ov::send(kGetEnabler, exit).get(), Application().get());
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, save))) << "nobody serves Save";
  EXPECT_TRUE(EntryGrayed(PopupOf(file), 1));
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, ov::get(kBehavior, save))));
  EXPECT_TRUE(EntryGrayed(PopupOf(file), 3)) << "a submenu nobody claims is disabled too";
}

TEST_F(Menus, TheApplicationClaimsBeforeTheTarget) {
  ovRef file = AddMenu(kFileMenu);
  ov::tell(ov::universal<0>(kSetTarget, {ov::text("Exit")}));
  UpdateMenus();
  ovC_object* exit = ElementOf(file.get(), 4);
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, exit))) << "the first claimer of an item with a behaviour keeps it";
  EXPECT_FALSE(EntryGrayed(PopupOf(file), 4));

  ov::tell(ov::universal<0>(kSetTarget, {ov::text("Open")}));
  UpdateMenus();
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, ElementOf(file.get(), 0))))
      << "an item without a behaviour takes the last claim";
  EXPECT_TRUE(EntryGrayed(PopupOf(file), 0));
}

TEST_F(Menus, WhileModalTheApplicationEnablesOnlyExit) {
  ovRef file = AddMenu(kFileMenu);
  UpdateMenus(true);
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, ElementOf(file.get(), 4))));
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, ElementOf(file.get(), 0))));
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, ElementOf(ElementOf(file.get(), 3), 0))));
  UpdateMenus(false);
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, ElementOf(file.get(), 0))));
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, ElementOf(ElementOf(file.get(), 3), 0)))) << "About, in a submenu";
}

TEST_F(Menus, TheCommanderClaimsUndoBeforeTheTargetAndTitlesIt) {
  ovRef edit = AddMenu(kEditMenu);
  ovC_object* undo = ElementOf(edit.get(), 0);
  ov::tell(ov::universal<0>(kSetTarget, {ov::text("Undo")}));
  UpdateMenus();
  EXPECT_TRUE(ov::isFalse(ov::get(kEnabled, undo))) << "nothing to undo: the target's claim stands";

  ov::tell(
      ov::send<0>(kPost, Value(R"(<<Behavior>> [ "Enabled?": TRUE "Undo?": TRUE "Name": "" "Method": "Get Application"
                                 "Specifiers": ( ) ])")));
  UpdateMenus();
  EXPECT_TRUE(ov::isTrue(ov::get(kEnabled, undo)));
  EXPECT_EQ(EntryText(PopupOf(edit), 0), "Undo");
  ov::tell(ov::send<0>(kUndo, ov::get(kCommander, Application())));
  UpdateMenus();
  EXPECT_EQ(EntryText(PopupOf(edit), 0), "Redo");
}

// A menu opened as a submenu is kept out of the bar until it is added:
// then it comes last, with its popup.
TEST_F(Menus, AnAddedMenuComesLastInTheBar) {
  AddMenu(kFileMenu);
  std::string text = kEditMenu;
  text.insert(text.find("\"Enabled?\""), "\"Hierarchical?\": TRUE ");
  ovRef edit = AddMenu(text.c_str());
  ASSERT_EQ(GetMenuItemCount(Bar()), 1);
  ov::tell(ov::send<0>(kAdd, edit));
  ASSERT_EQ(GetMenuItemCount(Bar()), 2);
  EXPECT_EQ(EntryText(Bar(), 1), "&Edit");
  EXPECT_EQ(GetSubMenu(Bar(), 1), PopupOf(edit));
  EXPECT_EQ(ov::element(ov::get(kMenus, menubar_), 1), edit.get());
}

TEST_F(Menus, ClosingTakesThePlatformMenusAwayAndKeepsTheMenusItems) {
  ovRef file = AddMenu(kFileMenu);
  HMENU bar = Bar();
  HMENU popup = PopupOf(file);
  HMENU submenu = PopupOf(ElementOf(file.get(), 3));
  ov::tell(ov::send<0>(kClose, menubar_));
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(IsMenu(popup));
  EXPECT_FALSE(IsMenu(submenu));
  EXPECT_EQ(ov::get(kOwner, file).get(), nullptr);
  ASSERT_EQ(ov::length(ov::get(kMenuItems, file)), 5u) << "the submenu stays in its menu";

  menubar_ = OpenMenubar();
  ov::tell(ov::send<0>(kSetOwner, file, {menubar_}));
  ov::tell(ov::send<0>(kOpen, file));
  EXPECT_EQ(GetMenuItemCount(PopupOf(file)), 5);
  EXPECT_EQ(GetMenuItemCount(PopupOf(ElementOf(file.get(), 3))), 1);
}

}  // namespace
