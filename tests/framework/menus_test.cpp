// Menus mirrored into platform menus: titles with their mnemonic marks and
// keyboard equivalents, flags, command numbers, choosing by number,
// enabling and the order of claims, and closing. The menubar here belongs
// to the desktop, whose counter gives the command numbers, so no window is
// needed; the File menu on a real window is in file_menu_test.cpp.
#include <string>
#include <vector>

#include "framework_fixture.h"

namespace {

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

bool EntryGrayed(HMENU menu, UINT position) { return (GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0; }

HMENU PopupOf(ov::In menu) { return ov::toHandle<HMENU>(ov::get("Menu Record"_attr, menu)); }

class Menus : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ov::set("Main Window"_attr, Application(), ov::text(""));
    OpenApplication();
    menubar_ = OpenMenubar();
    file_ = AddMenu(kFileMenu);
  }

  void TearDown() override {
    ov::tell(ov::send<0>("Close"_sel, menubar_));
    menubar_.reset();
    file_.reset();
    gChoices.clear();
    FrameworkTest::TearDown();
  }

  static ovRef OpenMenubar() {
    ovRef menubar = ov::make("Menubar"_cls).take();
    ov::set("Owner"_attr, menubar, Desktop());
    ov::tell(ov::send<0>("Open"_sel, menubar));
    return menubar;
  }

  // Opens the menu an archive text describes in the menubar.
  ovRef AddMenu(const char* text) {
    ovRef menu = Value(text);
    ov::tell(ov::send<0>("Set Owner"_sel, menu, {menubar_}));
    ov::tell(ov::send<0>("Open"_sel, menu));
    return menu;
  }

  HMENU Bar() const { return ov::toHandle<HMENU>(ov::get("Menubar Record"_attr, menubar_)); }

  static ovC_object* ElementOf(ovC_object* menu, uint32_t i) {
    return ov::element(ov::get("Menu Items"_attr, menu), i);
  }

  // The enabling a menu task does, with the desktop modal or not.
  void UpdateMenus(bool modal = false) {
    ov::tell(ov::send<0>("Set Modal?"_sel, Desktop(), {ov::boolean(modal)}));
    ov::tell(ov::send<0>("Update Menus"_sel, menubar_, {gEvent.get()}));
  }

  ovRef menubar_;
  ovRef file_;
};

TEST_F(Menus, TitlesShowTheirMnemonicMark) {
  EXPECT_EQ(MenuEntryText(Bar(), 0), "&File");
  EXPECT_EQ(MenuEntryText(PopupOf(file_), 0), "O&pen");
  EXPECT_EQ(MenuEntryText(PopupOf(file_), 1), "Save") << "a mnemonic the title lacks leaves it unchanged";
  EXPECT_EQ(MenuEntryText(PopupOf(file_), 3), "Recent");
  EXPECT_EQ(MenuEntryText(PopupOf(file_), 4), "E&xit");
  EXPECT_EQ(ov::toInt(ov::send("Get Flags"_sel, ElementOf(file_.get(), 2)).get()), MF_SEPARATOR)
      << "a separator has the separator flag alone";
  EXPECT_EQ(GetMenuState(PopupOf(file_), 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
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
  EXPECT_EQ(MenuEntryText(PopupOf(menu), 0), "&Save\tCtrl+Shift+S");
  EXPECT_EQ(MenuEntryText(PopupOf(menu), 1), "Plain") << "an empty keyboard equivalent adds nothing";
  EXPECT_EQ(MenuEntryText(PopupOf(menu), 2), "Print\tAlt+P");
}

TEST_F(Menus, CommandNumbersComeFromTheApplicationsCounterInOpeningOrder) {
  ovRef edit = AddMenu(kEditMenu);
  // The desktop's counter starts at 3: the File menu takes 4, its items and
  // submenu follow in order, then the Edit menu and its item.
  EXPECT_EQ(ov::toInt(ov::get("Number"_attr, file_)), 4);
  std::vector<int32_t> numbers;
  for (uint32_t i = 0; i < 5; ++i) numbers.push_back(ov::toInt(ov::get("Number"_attr, ElementOf(file_.get(), i))));
  EXPECT_EQ(numbers, (std::vector<int32_t>{5, 6, 7, 8, 10}));
  EXPECT_EQ(ov::toInt(ov::get("Number"_attr, ElementOf(ElementOf(file_.get(), 3), 0))), 9);
  EXPECT_EQ(ov::toInt(ov::get("Number"_attr, edit)), 11);
  EXPECT_EQ(GetMenuItemID(PopupOf(file_), 4), 10u);
  EXPECT_EQ(GetSubMenu(Bar(), 1), PopupOf(edit));
}

// A number no item owns goes to the filters.
TEST_F(Menus, AChosenNumberPostsItsItemsBehaviorWithTheItemAndItsMenu) {
  ovC_object* recent = ElementOf(file_.get(), 3);
  ovC_object* about = ElementOf(recent, 0);
  ov::tell(ov::send<0>("Choose Menu"_sel, menubar_, {nullptr, ov::get("Number"_attr, about)}));
  ASSERT_EQ(gChoices.size(), 1u);
  ASSERT_EQ(gChoices[0].size(), 2u);
  EXPECT_EQ(ov::toInt(gChoices[0][0]), ov::toInt(ov::get("Number"_attr, about)));
  EXPECT_EQ(gChoices[0][1].get(), recent) << "the behaviour's menu is the one holding its item";
  ov::tell(ov::send<0>("Choose Menu"_sel, menubar_, {nullptr, ov::get("Number"_attr, ElementOf(file_.get(), 0))}));
  EXPECT_EQ(gChoices.size(), 1u) << "an item without a behaviour posts nothing";
  ov::set("Filters"_attr, menubar_, ov::listOf({ov::text("Record Menu Choice")}));
  ov::tell(ov::send<0>("Choose Menu"_sel, menubar_, {nullptr, ov::integer(999)}));
  ASSERT_EQ(gChoices.size(), 2u) << "a number no item owns goes to the filters";
  ASSERT_EQ(gChoices[1].size(), 2u);
  EXPECT_EQ(gChoices[1][0].get(), nullptr);
  EXPECT_EQ(ov::toInt(gChoices[1][1]), 999);
}

// A menu behaviour enables and disables its own item: the item, its entry
// and the command change together.
TEST_F(Menus, ABehaviorDisablesItsItem) {
  ovC_object* exit = ElementOf(file_.get(), 4);
  ovRef behavior = ov::get("Behavior"_attr, exit);
  ov::tell(ov::send<0>("Set Enabled?"_sel, behavior, {gdDefaultFalse}));
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, exit)));
  EXPECT_TRUE(EntryGrayed(PopupOf(file_), 4));
  EXPECT_EQ(MenuEntryText(PopupOf(file_), 4), "E&xit");
  ov::tell(ov::send<0>("Choose Menu"_sel, menubar_, {nullptr, ov::get("Number"_attr, exit)}));
  EXPECT_TRUE(gChoices.empty()) << "a disabled item's command does not run";
  ov::tell(ov::send<0>("Set Enabled?"_sel, behavior, {gdDefaultTrue}));
  EXPECT_FALSE(EntryGrayed(PopupOf(file_), 4));
  ov::tell(ov::send<0>("Choose Menu"_sel, menubar_, {nullptr, ov::get("Number"_attr, exit)}));
  EXPECT_EQ(gChoices.size(), 1u);
  ov::tell(ov::send<0>("Set Enabled?"_sel, file_, {ov::integer(999), gdDefaultFalse}));
  EXPECT_FALSE(EntryGrayed(PopupOf(file_), 4)) << "a number no item owns changes nothing";
}

// A disabled top-level menu shows a grayed title in the bar and keeps its
// popup; a disabled submenu grays its entry in its parent.
TEST_F(Menus, AMenuGraysItsOwnEntry) {
  ovRef edit = AddMenu(kEditMenu);
  ov::tell(ov::send<0>("Set Enabled?"_sel, edit, {gdDefaultFalse}));
  EXPECT_TRUE(EntryGrayed(Bar(), 1));
  EXPECT_FALSE(EntryGrayed(Bar(), 0));
  EXPECT_EQ(MenuEntryText(Bar(), 1), "&Edit");
  EXPECT_EQ(GetSubMenu(Bar(), 1), PopupOf(edit));
  ov::tell(ov::send<0>("Set Enabled?"_sel, edit, {gdDefaultTrue}));
  EXPECT_FALSE(EntryGrayed(Bar(), 1));

  ovC_object* recent = ElementOf(file_.get(), 3);
  ov::tell(ov::send<0>("Set Enabled?"_sel, recent, {gdDefaultFalse}));
  EXPECT_TRUE(EntryGrayed(PopupOf(file_), 3));
  EXPECT_EQ(GetSubMenu(PopupOf(file_), 3), PopupOf(recent));
}

TEST_F(Menus, TenUpdateRequestsBeforeAnIdlePassQueueOneMenuTask) {
  RunUntilIdle();
  for (int i = 0; i < 10; ++i) ov::tell(ov::universal<0>("Post Menu Update"_uni));
  auto menuTasks = [] {
    ovRef deferred = ov::get("Deferred Commands"_attr, ov::get("Commander"_attr, Application()));
    int count = 0;
    for (uint32_t i = 0; i < ov::length(deferred); ++i) count += ov::isA(ov::element(deferred, i), "Menu Task"_cls);
    return count;
  };
  EXPECT_EQ(menuTasks(), 1);
  RunUntilIdle();
  EXPECT_EQ(menuTasks(), 0);
  ov::tell(ov::universal<0>("Post Menu Update"_uni));
  EXPECT_EQ(menuTasks(), 1) << "a request after the update queues the next one";
}

TEST_F(Menus, AnUpdateEnablesOnlyWhatIsClaimed) {
  UpdateMenus();
  ovC_object* exit = ElementOf(file_.get(), 4);
  ovC_object* save = ElementOf(file_.get(), 1);
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, exit))) << "the application serves Exit";
  EXPECT_EQ(ov::send("Get Enabler"_sel, exit).get(), Application().get());
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, save))) << "nobody serves Save";
  EXPECT_TRUE(EntryGrayed(PopupOf(file_), 1));
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, ov::get("Behavior"_attr, save))));
  EXPECT_TRUE(EntryGrayed(PopupOf(file_), 3)) << "a submenu nobody claims is disabled too";
}

TEST_F(Menus, TheApplicationClaimsBeforeTheTarget) {
  ov::tell(ov::universal<0>("Set Target"_uni, {ov::text("Exit")}));
  UpdateMenus();
  ovC_object* exit = ElementOf(file_.get(), 4);
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, exit))) << "the first claimer of an item with a behaviour keeps it";
  EXPECT_FALSE(EntryGrayed(PopupOf(file_), 4));

  ov::tell(ov::universal<0>("Set Target"_uni, {ov::text("Open")}));
  UpdateMenus();
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, ElementOf(file_.get(), 0))))
      << "an item without a behaviour takes the last claim";
  EXPECT_TRUE(EntryGrayed(PopupOf(file_), 0));
}

TEST_F(Menus, WhileModalTheApplicationEnablesOnlyExit) {
  UpdateMenus(true);
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, ElementOf(file_.get(), 4))));
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, ElementOf(file_.get(), 0))));
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, ElementOf(ElementOf(file_.get(), 3), 0))));
  UpdateMenus(false);
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, ElementOf(file_.get(), 0))));
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, ElementOf(ElementOf(file_.get(), 3), 0)))) << "About, in a submenu";
}

TEST_F(Menus, TheCommanderClaimsUndoBeforeTheTargetAndTitlesIt) {
  ovRef edit = AddMenu(kEditMenu);
  ovC_object* undo = ElementOf(edit.get(), 0);
  ov::tell(ov::universal<0>("Set Target"_uni, {ov::text("Undo")}));
  UpdateMenus();
  EXPECT_TRUE(ov::isFalse(ov::get("Enabled?"_attr, undo))) << "nothing to undo: the target's claim stands";

  ov::tell(ov::send<0>("Post"_sel,
                       Value(R"(<<Behavior>> [ "Enabled?": TRUE "Undo?": TRUE "Name": "" "Method": "Get Application"
                                 "Specifiers": ( ) ])")));
  UpdateMenus();
  EXPECT_TRUE(ov::isTrue(ov::get("Enabled?"_attr, undo)));
  EXPECT_EQ(MenuEntryText(PopupOf(edit), 0), "Undo");
  ov::tell(ov::send<0>("Undo"_sel, ov::get("Commander"_attr, Application())));
  UpdateMenus();
  EXPECT_EQ(MenuEntryText(PopupOf(edit), 0), "Redo");
}

// A menu opened as a submenu is kept out of the bar until it is added:
// then it comes last, with its popup; one inserted at a position comes
// there.
TEST_F(Menus, AnAddedMenuComesLastInTheBarAndAnInsertedOneWhereAsked) {
  std::string text = kEditMenu;
  text.insert(text.find("\"Enabled?\""), "\"Hierarchical?\": TRUE ");
  ovRef edit = AddMenu(text.c_str());
  ASSERT_EQ(GetMenuItemCount(Bar()), 1);
  ov::tell(ov::send<0>("Add"_sel, edit));
  ASSERT_EQ(GetMenuItemCount(Bar()), 2);
  EXPECT_EQ(MenuEntryText(Bar(), 1), "&Edit");
  EXPECT_EQ(GetSubMenu(Bar(), 1), PopupOf(edit));
  EXPECT_EQ(ov::element(ov::get("Menus"_attr, menubar_), 1), edit.get());
  ovRef first = AddMenu(text.c_str());
  ov::tell(ov::send<0>("Insert"_sel, first, {ov::integer(0)}));
  ASSERT_EQ(GetMenuItemCount(Bar()), 3);
  EXPECT_EQ(GetSubMenu(Bar(), 0), PopupOf(first));
  EXPECT_EQ(ov::element(ov::get("Menus"_attr, menubar_), 0), first.get());
}

// A title that is no text is a picture: the entry shows its bitmap, in the
// bar and in the popup, until a text title takes its place.
TEST_F(Menus, APictureTitleMakesABitmapEntryUntilATextTakesItsPlace) {
  ovRef menu = AddMenu(R"(<<Menu>> [ "Name": "Pictures" "Title": 7 "Enabled?": TRUE "String?": FALSE "Flags": 0
      "Menu Items": ( <<Menu Item>> [ "Name": "Sun" "Title": 8 "Enabled?": TRUE "String?": FALSE "Flags": 0 ]
                      <<Menu Item>> [ "Name": "Moon" "Title": 9 "Enabled?": TRUE "String?": FALSE "Flags": 0 ] ) ])");
  ovC_object* sun = ElementOf(menu.get(), 0);
  EXPECT_TRUE(GetMenuState(Bar(), 1, MF_BYPOSITION) & MF_BITMAP);
  EXPECT_TRUE(GetMenuState(PopupOf(menu), 0, MF_BYPOSITION) & MF_BITMAP);
  ov::tell(ov::send<0>("Set Title"_sel, sun, {ov::integer(10)}));
  EXPECT_TRUE(GetMenuState(PopupOf(menu), 0, MF_BYPOSITION) & MF_BITMAP);
  ov::tell(ov::send<0>("Set Title"_sel, sun, {ov::text("Sun")}));
  EXPECT_FALSE(GetMenuState(PopupOf(menu), 0, MF_BYPOSITION) & MF_BITMAP);
  EXPECT_EQ(MenuEntryText(PopupOf(menu), 0), "Sun");
  EXPECT_TRUE(ov::isTrue(ov::get("String?"_attr, sun)));
}

// A submenu is found by its own name; closed on its own, it leaves its
// parent's popup and list.
TEST_F(Menus, ASubmenuIsFoundByItsNameAndLeavesItsParentWhenClosedAlone) {
  ovRef recent = ovRef::share(ElementOf(file_.get(), 3));
  auto found = ov::send<2>("Find Menu Item"_sel, menubar_, {ov::text("Recent")});
  EXPECT_EQ(found.get(0), file_.get());
  EXPECT_EQ(found.get(1), recent.get());
  ov::tell(ov::send<0>("Close"_sel, recent));
  EXPECT_EQ(GetMenuItemCount(PopupOf(file_)), 4);
  EXPECT_EQ(MenuEntryText(PopupOf(file_), 3), "E&xit");
  EXPECT_EQ(ov::length(ov::get("Menu Items"_attr, file_)), 4u);
}

TEST_F(Menus, DeletingAMenuOrItemThatIsNotThereChangesNothing) {
  ovRef stranger = Value(kEditMenu);
  ov::tell(ov::send<0>("Delete Menu"_sel, menubar_, {stranger}));
  ov::tell(ov::send<0>("Delete Menu"_sel, file_, {stranger}));
  EXPECT_EQ(GetMenuItemCount(Bar()), 1);
  EXPECT_EQ(GetMenuItemCount(PopupOf(file_)), 5);
  EXPECT_EQ(ov::length(ov::get("Menu Items"_attr, file_)), 5u);
}

TEST_F(Menus, ClosingTakesThePlatformMenusAwayAndKeepsTheMenusItems) {
  HMENU bar = Bar();
  HMENU popup = PopupOf(file_);
  HMENU submenu = PopupOf(ElementOf(file_.get(), 3));
  ov::tell(ov::send<0>("Close"_sel, menubar_));
  EXPECT_FALSE(IsMenu(bar));
  EXPECT_FALSE(IsMenu(popup));
  EXPECT_FALSE(IsMenu(submenu));
  EXPECT_EQ(ov::get("Owner"_attr, file_).get(), nullptr);
  ASSERT_EQ(ov::length(ov::get("Menu Items"_attr, file_)), 5u) << "the submenu stays in its menu";

  menubar_ = OpenMenubar();
  ov::tell(ov::send<0>("Set Owner"_sel, file_, {menubar_}));
  ov::tell(ov::send<0>("Open"_sel, file_));
  EXPECT_EQ(GetMenuItemCount(PopupOf(file_)), 5);
  EXPECT_EQ(GetMenuItemCount(PopupOf(ElementOf(file_.get(), 3))), 1);
}

}  // namespace
