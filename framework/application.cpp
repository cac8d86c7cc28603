// The application object and its run loop.
//
// The application owns the process-wide pieces (desktop, commander,
// clipboard, printer, cursors, target) and drives the loop: each "Run" takes
// at most one message, or does idle work when the queue is empty. A pass
// after an idle one with nothing to do first waits for input, a post, a
// timer or the first deferred command's tick (idle_wait.h).
//
// The universals here address the front application ("The Front
// Application"), which "Push Application" sets; "The Processes" is the
// stack of applications pushed over one another, oldest first.
#include <cstdio>

#include "framework/persistents.h"
#include "runtime/methods/kit.h"
#include "runtime/startup/entry.h"

ovPersistent gTheApplication("The Application");
ovPersistent gTheFrontApplication("The Front Application");
ovPersistent gTheProcesses("The Processes");

namespace {

namespace sel {
const ovMethodSelector Close("Close");
const ovMethodSelector DoNextCommand("Do Next Command");
const ovMethodSelector GetActiveChild("Get Active Child");
const ovMethodSelector GetCommander("Get Commander");
const ovMethodSelector GetDesktop("Get Desktop");
const ovMethodSelector GetFrontWindow("Get Front Window");
const ovMethodSelector GetMainWindow("Get Main Window");
const ovMethodSelector GetMenubar("Get Menubar");
const ovMethodSelector GetOwner("Get Owner");
const ovMethodSelector GetTarget("Get Target");
const ovMethodSelector GetWindowRecord("Get Window Record");
const ovMethodSelector Get3DInterface("Get 3D Interface?");
const ovMethodSelector Initial("Initial");
const ovMethodSelector NullAttributes("NULL Attributes");
const ovMethodSelector Open("Open");
const ovMethodSelector OpenClipboard("Open Clipboard");
const ovMethodSelector OpenDesktop("Open Desktop");
const ovMethodSelector OpenPrinter("Open Printer");
const ovMethodSelector Post("Post");
const ovMethodSelector PostInitial("Post Initial");
const ovMethodSelector Resume("Resume");
const ovMethodSelector Run("Run");
const ovMethodSelector SetItemEnabled("Set Item Enabled?");
const ovMethodSelector SetLastHelp("Set Last Help");
const ovMethodSelector SetTarget("Set Target");
const ovMethodSelector Suspend("Suspend");
}  // namespace sel

namespace attr {
const ovAttributeSelector AbortRoutine("Abort Routine");
const ovAttributeSelector Active("Active?");
const ovAttributeSelector Clipboard("Clipboard");
const ovAttributeSelector Commander("Commander");
const ovAttributeSelector CurrentSession("Current Session");
const ovAttributeSelector Cursor("Cursor");
const ovAttributeSelector Desktop("Desktop");
const ovAttributeSelector Documents("Documents");
const ovAttributeSelector InitialBehavior("Initial Behavior");
const ovAttributeSelector InitialMenus("Initial Menus");
const ovAttributeSelector InitialWindows("Initial Windows");
const ovAttributeSelector IsForeground("Is Foreground?");
const ovAttributeSelector MainWindow("Main Window");
const ovAttributeSelector Mdi("MDI?");
const ovAttributeSelector Name("Name");
const ovAttributeSelector Printer("Printer");
const ovAttributeSelector RainyDayFund("Rainy Day Fund");
const ovAttributeSelector Target("Target");
const ovAttributeSelector ThreeD("3D Interface?");
const ovAttributeSelector Utility("Utility");
const ovAttributeSelector View("View");
}  // namespace attr

namespace cls {
const ovClassName Commander("Commander");
const ovClassName Cursors("Cursors");
const ovClassName Desktop("Desktop");
const ovClassName Clipboard("Clipboard");
const ovClassName Printer("Printer");
}  // namespace cls

namespace uni {
const ovUniversalName GetFrontWindow("Get Front Window");
const ovUniversalName IsMdi("Is MDI?");
const ovUniversalName PopApplication("Pop Application");
const ovUniversalName PostMenuUpdate("Post Menu Update");
const ovUniversalName PushApplication("Push Application");
}  // namespace uni

namespace prim {
const ovPrimitiveName DisposeCallback("dispose-callback");
const ovPrimitiveName SetApplicationMainWindow("set-application-main-window");
}  // namespace prim

// The application's answer to a universal, or failure when it has none.
ovStatus answerOrFail(const ov::Args& a, ovRef answer) {
  if (!answer) return ovFailure;
  a.put(0, std::move(answer));
  return ovSuccess;
}

ovRef frontApplication() { return gTheFrontApplication.get(); }

ovRef frontDesktop() { return ov::get(attr::Desktop, frontApplication()); }

namespace application {

// The program body: open, post the initial behaviour, run until a pass
// stops the loop, close.
ovStatus Initial(const ov::Args& a) {
  ovC_object* app = a.receiver();
  ov::send<0>(sel::Open, app);
  ov::send<0>(sel::PostInitial, app);
  ov::repeat([&] { return ov::send<0>(sel::Run, app).status; });
  ov::send<0>(sel::Close, app);
  return ovSuccess;
}

// The commander exists and the application is pushed before the desktop
// opens: opening windows reaches both through the universals.
ovStatus Open(const ov::Args& a) {
  ovC_object* app = a.receiver();
  ov::set(attr::IsForeground, app, gdDefaultTrue);
  ov::set(attr::Active, app, gdDefaultTrue);
  ov::set(attr::Cursor, app, ov::make(cls::Cursors).get());
  ov::send<0>(sel::OpenPrinter, app);
  ov::set(attr::CurrentSession, app, ov::integer(0));
  ovRef commander = ov::make(cls::Commander).take();
  ov::set(attr::Commander, app, commander);
  ov::send<0>(sel::Open, commander);
  ov::universal<0>(uni::PushApplication, {app});
  ov::send<0>(sel::OpenDesktop, app);
  ov::send<0>(sel::OpenClipboard, app);
  return ovSuccess;
}

ovStatus PostInitial(const ov::Args& a) {
  ovRef behavior = ov::get(attr::InitialBehavior, a.receiver());
  if (behavior) ov::send<0>(sel::Post, behavior);
  return ovSuccess;
}

// One pass of the loop; a stopped application ends the loop.
ovStatus Run(const ov::Args& a) {
  if (!ov::isTrue(ov::get(attr::Active, a.receiver()))) return ovTerminate;
  return ov::send<0>(sel::DoNextCommand, ov::get(attr::Commander, a.receiver())).status;
}

// Closes every document; one that refuses abandons quitting.
ovStatus Quit(const ov::Args& a) {
  ovRef documents = ov::get(attr::Documents, a.receiver());
  auto closeOne = [](ovC_object* document) { return ov::send<0>(sel::Close, document).status; };
  if (ov::forEach(documents, closeOne) == ovFailure) return ovSuccess;
  ov::set(attr::Active, a.receiver(), gdDefaultFalse);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ovC_object* app = a.receiver();
  for (const ovAttributeSelector* part : {&attr::Desktop, &attr::Clipboard, &attr::Commander, &attr::Printer,
                                          &attr::Utility})
    if (ovRef object = ov::get(*part, app)) ov::send<0>(sel::Close, object);
  ov::send<0>(sel::NullAttributes, app);
  if (ovRef fund = ov::get(attr::RainyDayFund, app)) ov::send<0>(sel::Close, fund);
  if (ovRef routine = ov::get(attr::AbortRoutine, app)) {
    ov::primitive<0>(prim::DisposeCallback, {routine});
    ov::set(attr::AbortRoutine, app, nullptr);
  }
  ov::universal<0>(uni::PopApplication);
  gTheFrontApplication.set(nullptr);
  gTheProcesses.set(ov::emptyList());
  return ovSuccess;
}

ovStatus NullAttributes(const ov::Args& a) {
  for (const ovAttributeSelector* part : {&attr::Cursor, &attr::Target, &attr::Clipboard, &attr::Desktop,
                                          &attr::Commander, &attr::Printer, &attr::Utility})
    ov::set(*part, a.receiver(), nullptr);
  return ovSuccess;
}

// Makes a part of the application, stores it and opens it.
ovStatus openPart(const ov::Args& a, const ovAttributeSelector& part, const ovClassName& cls) {
  ovRef made = ov::make(cls).take();
  ov::set(part, a.receiver(), made);
  ov::send<0>(sel::Open, made);
  return ovSuccess;
}

ovStatus OpenDesktop(const ov::Args& a) { return openPart(a, attr::Desktop, cls::Desktop); }
ovStatus OpenClipboard(const ov::Args& a) { return openPart(a, attr::Clipboard, cls::Clipboard); }
// A printer that cannot open leaves the application without one that works.
ovStatus OpenPrinter(const ov::Args& a) { return openPart(a, attr::Printer, cls::Printer); }

// Without its main window the program cannot be used, nor even closed by
// the user: it says so and stops with a failing exit status.
void reportMainWindowMissing(ovC_object* app) {
  std::string name = ov::cString(ov::get(attr::Name, app));
  std::fprintf(stderr, "%s: its main window could not be opened.\n", name.empty() ? "velmaro" : name.c_str());
  ovSetExitStatus(1);
  ov::set(attr::Active, app, gdDefaultFalse);
}

// Opens an instance of the class "Main Window" names (none for an empty
// name) and tells the run-time its handle.
ovStatus OpenMainWindow(const ov::Args& a) {
  ovRef className = ov::get(attr::MainWindow, a.receiver());
  if (ov::chars(className).empty()) return ovSuccess;
  ovRef window = ov::makeNamed(className).take();
  ov::send<0>(sel::Open, window, {nullptr});
  ovRef record = ov::send(sel::GetWindowRecord, window).take();
  if (ov::toInt(record) == 0) {
    reportMainWindowMissing(a.receiver());
    return ovFailure;
  }
  ov::primitive<0>(prim::SetApplicationMainWindow, {record});
  return ovSuccess;
}

ovStatus Suspend(const ov::Args& a) {
  ov::set(attr::IsForeground, a.receiver(), gdDefaultFalse);
  return ov::send<0>(sel::Suspend, ov::get(attr::Desktop, a.receiver())).status;
}

ovStatus Resume(const ov::Args& a) {
  ov::set(attr::IsForeground, a.receiver(), gdDefaultTrue);
  return ov::send<0>(sel::Resume, ov::get(attr::Desktop, a.receiver())).status;
}

// The application's share of menu enabling: while modal only "Exit".
ovStatus UpdateMenus(const ov::Args& a) {
  static const char* const kServed[] = {"Exit",     "About",   "New", "Open", "Contents", "Search For Help On",
                                        "How To Use Help"};
  ovC_object* menubar = a[1];
  size_t count = ov::isTrue(a[3]) ? 1 : std::size(kServed);
  for (size_t i = 0; i < count; ++i)
    if (ov::send<0>(sel::SetItemEnabled, menubar, {ov::text(kServed[i]), a.receiver(), gdDefaultTrue}).failed())
      break;
  return ovSuccess;
}

// Every change of target brings the menus up to date on the next idle pass.
ovStatus SetTarget(const ov::Args& a) {
  ov::set(attr::Target, a.receiver(), a[1]);
  ov::universal<0>(uni::PostMenuUpdate);
  return ovSuccess;
}

}  // namespace application

namespace universal {

ovStatus Application(const ov::Args&) {
  ov::send<0>(sel::Initial, gTheApplication.get());
  return ovSuccess;
}

ovStatus GetApplication(const ov::Args& a) {
  a.put(0, frontApplication());
  return ovSuccess;
}

ovStatus GetCommander(const ov::Args& a) { return answerOrFail(a, ov::send(sel::GetCommander, frontApplication()).take()); }

ovStatus GetDesktop(const ov::Args& a) { return answerOrFail(a, ov::send(sel::GetDesktop, frontApplication()).take()); }

// The answer of a desktop method, failing when it fails.
ovStatus askDesktop(const ov::Args& a, const ovMethodSelector& question) {
  auto answer = ov::send(question, frontDesktop());
  if (answer.failed()) return ovFailure;
  return answerOrFail(a, answer.take());
}

ovStatus GetMenubar(const ov::Args& a) { return askDesktop(a, sel::GetMenubar); }
ovStatus GetFrontWindow(const ov::Args& a) { return askDesktop(a, sel::GetFrontWindow); }

ovStatus GetTarget(const ov::Args& a) { return answerOrFail(a, ov::send(sel::GetTarget, frontApplication()).take()); }

// The front window (NULL without one) and the new target go to the desktop.
ovStatus SetTarget(const ov::Args& a) {
  ovRef desktop = frontDesktop();
  auto front = ov::send(sel::GetFrontWindow, desktop);
  ovRef window = front.failed() ? nullptr : front.take();
  ov::send<0>(sel::SetTarget, desktop, {window, a[0]});
  return ovSuccess;
}

ovStatus SetLastHelp(const ov::Args& a) { return ov::send<0>(sel::SetLastHelp, frontDesktop(), {a[0]}).status; }

ovStatus IsMdi(const ov::Args&) {
  return ov::isTrue(ov::get(attr::Mdi, frontApplication())) ? ovSuccess : ovFailure;
}

ovStatus Is3D(const ov::Args&) {
  return ov::isTrue(ov::send(sel::Get3DInterface, frontApplication()).get()) ? ovSuccess : ovFailure;
}

// The owner of the active window: the active MDI child's in an MDI
// application, else the front window's.
ovStatus GetDocument(const ov::Args& a) {
  ovRef window;
  if (ov::universal<0>(uni::IsMdi).succeeded()) {
    ovRef main = ov::send(sel::GetMainWindow, frontDesktop()).take();
    window = ov::send(sel::GetActiveChild, ov::get(attr::View, main)).take();
  } else {
    auto front = ov::universal(uni::GetFrontWindow);
    if (front.failed()) return ovFailure;
    window = front.take();
  }
  if (!window) return ovFailure;
  return answerOrFail(a, ov::send(sel::GetOwner, window).take());
}

ovStatus PushApplication(const ov::Args& a) {
  gTheProcesses.set(ov::appended(gTheProcesses.get(), frontApplication()));
  gTheFrontApplication.set(a[0]);
  return ovSuccess;
}

ovStatus PopApplication(const ov::Args&) {
  ovRef processes = gTheProcesses.get();
  uint32_t n = ov::length(processes);
  if (n == 0) return ovSuccess;
  gTheFrontApplication.set(ov::element(processes, n - 1));
  gTheProcesses.set(ov::without(processes, n - 1));
  return ovSuccess;
}

}  // namespace universal

const ovClassDeclaration kApplicationClass({
    .name = "Application",
    .attributes = {"Name",
                   "Active?",
                   "Commander",
                   "Desktop",
                   "Printer",
                   "Documents",
                   "Clipboard",
                   "Signature",
                   "Cursor",
                   "Current Session",
                   "Target",
                   "Utility",
                   "Initial Behavior",
                   "Initial Menus",
                   "Initial Windows",
                   "Main Documents",
                   "Is Foreground?",
                   "Rainy Day Fund",
                   "Abort Routine",
                   "3D Interface?",
                   "Main Window",
                   "MDI?"},
    .methods = {{"Initial", ov::routine<application::Initial>},
                {"Open", ov::routine<application::Open>},
                {"Post Initial", ov::routine<application::PostInitial>},
                {"Run", ov::routine<application::Run>},
                {"Quit", ov::routine<application::Quit>},
                {"Close", ov::routine<application::Close>},
                {"NULL Attributes", ov::routine<application::NullAttributes>},
                {"Open Desktop", ov::routine<application::OpenDesktop>},
                {"Open Clipboard", ov::routine<application::OpenClipboard>},
                {"Open Printer", ov::routine<application::OpenPrinter>},
                {"Open Main Window", ov::routine<application::OpenMainWindow>},
                {"Suspend", ov::routine<application::Suspend>},
                {"Resume", ov::routine<application::Resume>},
                {"Update Menus", ov::routine<application::UpdateMenus>},
                {"Set Target", ov::routine<application::SetTarget>},
                {"Set Active?", ov::writer<attr::Active>},
                {"About", ov::nothing},
                {"Get 3D Interface?", ov::reader<attr::ThreeD>},
                {"Get Active?", ov::reader<attr::Active>},
                {"Get Commander", ov::reader<attr::Commander>},
                {"Get Desktop", ov::reader<attr::Desktop>},
                {"Get Initial Menus", ov::reader<attr::InitialMenus>},
                {"Get Initial Windows", ov::reader<attr::InitialWindows>},
                {"Get Is Foreground?", ov::reader<attr::IsForeground>},
                {"Get Main Window", ov::reader<attr::MainWindow>},
                {"Get Name", ov::reader<attr::Name>},
                {"Get Target", ov::reader<attr::Target>}},
});

const ovUniversalDeclaration kApplication("Application", ov::routine<universal::Application>);
const ovUniversalDeclaration kGetApplication("Get Application", ov::routine<universal::GetApplication>);
const ovUniversalDeclaration kGetCommander("Get Commander", ov::routine<universal::GetCommander>);
const ovUniversalDeclaration kGetDesktop("Get Desktop", ov::routine<universal::GetDesktop>);
const ovUniversalDeclaration kGetMenubar("Get Menubar", ov::routine<universal::GetMenubar>);
const ovUniversalDeclaration kGetFrontWindow("Get Front Window", ov::routine<universal::GetFrontWindow>);
const ovUniversalDeclaration kGetTarget("Get Target", ov::routine<universal::GetTarget>);
const ovUniversalDeclaration kSetTarget("Set Target", ov::routine<universal::SetTarget>);
const ovUniversalDeclaration kSetLastHelp("Set Last Help", ov::routine<universal::SetLastHelp>);
const ovUniversalDeclaration kIsMdi("Is MDI?", ov::routine<universal::IsMdi>);
const ovUniversalDeclaration kIs3D("Is 3D?", ov::routine<universal::Is3D>);
const ovUniversalDeclaration kGetDocument("Get Document", ov::routine<universal::GetDocument>);
const ovUniversalDeclaration kPushApplication("Push Application", ov::routine<universal::PushApplication>);
const ovUniversalDeclaration kPopApplication("Pop Application", ov::routine<universal::PopApplication>);

}  // namespace
