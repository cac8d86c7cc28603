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

// The application's answer to a universal, or failure when it has none.
ovStatus answerOrFail(const ov::Args& a, ovRef answer) {
  if (!answer) return ovFailure;
  a.put(0, std::move(answer));
  return ovSuccess;
}

ovRef frontApplication() { return gTheFrontApplication.get(); }

ovRef frontDesktop() { return ov::get("Desktop"_attr, frontApplication()); }

namespace application {

// The program body: open, post the initial behaviour, run until a pass
// stops the loop, close.
ovStatus Initial(const ov::Args& a) {
  ovC_object* app = a.receiver();
  ov::tell("Open"_sel, app);
  ov::tell("Post Initial"_sel, app);
  ov::repeat([&] { return ov::send<0>("Run"_sel, app).status; });
  ov::tell("Close"_sel, app);
  return ovSuccess;
}

// The commander exists and the application is pushed before the desktop
// opens: opening windows reaches both through the universals.
ovStatus Open(const ov::Args& a) {
  ovC_object* app = a.receiver();
  ov::set("Is Foreground?"_attr, app, gdDefaultTrue);
  ov::set("Active?"_attr, app, gdDefaultTrue);
  ov::set("Cursor"_attr, app, ov::make("Cursors"_cls).get());
  ov::tell("Open Printer"_sel, app);
  ov::set("Current Session"_attr, app, ov::integer(0));
  ovRef commander = ov::make("Commander"_cls).take();
  ov::set("Commander"_attr, app, commander);
  ov::tell("Open"_sel, commander);
  ov::tell(ov::universal<0>("Push Application"_uni, {app}));
  ov::tell("Open Desktop"_sel, app);
  ov::tell("Open Clipboard"_sel, app);
  return ovSuccess;
}

ovStatus PostInitial(const ov::Args& a) {
  ovRef behavior = ov::get("Initial Behavior"_attr, a.receiver());
  if (behavior) ov::tell("Post"_sel, behavior);
  return ovSuccess;
}

// One pass of the loop; a stopped application ends the loop.
ovStatus Run(const ov::Args& a) {
  if (!ov::isTrue(ov::get("Active?"_attr, a.receiver()))) return ovTerminate;
  return ov::send<0>("Do Next Command"_sel, ov::get("Commander"_attr, a.receiver())).status;
}

// Closes every document; one that refuses abandons quitting.
ovStatus Quit(const ov::Args& a) {
  ovRef documents = ov::get("Documents"_attr, a.receiver());
  auto closeOne = [](ovC_object* document) { return ov::send<0>("Close"_sel, document).status; };
  if (ov::forEach(documents, closeOne) == ovFailure) return ovSuccess;
  ov::set("Active?"_attr, a.receiver(), gdDefaultFalse);
  return ovSuccess;
}

ovStatus Close(const ov::Args& a) {
  ovC_object* app = a.receiver();
  for (const ovAttributeSelector* part :
       ov::Attributes{&"Desktop"_attr, &"Clipboard"_attr, &"Commander"_attr, &"Printer"_attr, &"Utility"_attr})
    if (ovRef object = ov::get(*part, app)) ov::tell("Close"_sel, object);
  ov::tell("NULL Attributes"_sel, app);
  if (ovRef fund = ov::get("Rainy Day Fund"_attr, app)) ov::tell("Close"_sel, fund);
  if (ovRef routine = ov::get("Abort Routine"_attr, app)) {
    ov::tell(ov::primitive<0>("dispose-callback"_prim, {routine}));
    ov::set("Abort Routine"_attr, app, nullptr);
  }
  ov::tell(ov::universal<0>("Pop Application"_uni));
  gTheFrontApplication.set(nullptr);
  gTheProcesses.set(ov::emptyList());
  return ovSuccess;
}

ovStatus NullAttributes(const ov::Args& a) {
  for (const ovAttributeSelector* part :
       ov::Attributes{&"Cursor"_attr, &"Target"_attr, &"Clipboard"_attr, &"Desktop"_attr, &"Commander"_attr,
                      &"Printer"_attr, &"Utility"_attr})
    ov::set(*part, a.receiver(), nullptr);
  return ovSuccess;
}

// "Open Desktop", "Open Clipboard", "Open Printer": makes the part of the
// application of class Part, stores it in the attribute of that name and
// opens it. A printer that cannot open leaves the application without one
// that works.
template <ov::NameText Part>
ovStatus OpenPart(const ov::Args& a) {
  ovRef made = ov::make(ov::kClassName<Part>).take();
  ov::set(ov::kAttributeName<Part>, a.receiver(), made);
  ov::tell("Open"_sel, made);
  return ovSuccess;
}

// Without its main window the program cannot be used, nor even closed by
// the user: it says so and stops with a failing exit status.
void reportMainWindowMissing(ovC_object* app) {
  std::string name = ov::cString(ov::get("Name"_attr, app));
  std::fprintf(stderr, "%s: its main window could not be opened.\n", name.empty() ? "velmaro" : name.c_str());
  ovSetExitStatus(1);
  ov::set("Active?"_attr, app, gdDefaultFalse);
}

// Opens an instance of the class "Main Window" names (none for an empty
// name) and tells the run-time its handle.
ovStatus OpenMainWindow(const ov::Args& a) {
  ovRef className = ov::get("Main Window"_attr, a.receiver());
  if (ov::chars(className).empty()) return ovSuccess;
  ovRef window = ov::makeNamed(className).take();
  ov::tell("Open"_sel, window, {nullptr});
  ovRef record = ov::send("Get Window Record"_sel, window).take();
  if (ov::toInt(record) == 0) {
    reportMainWindowMissing(a.receiver());
    return ovFailure;
  }
  ov::tell(ov::primitive<0>("set-application-main-window"_prim, {record}));
  return ovSuccess;
}

// "Suspend" and "Resume": the application leaves the foreground or comes
// back to it, and the desktop with it.
ovStatus SuspendOrResume(const ovMethodSelector& method, const ov::Args& a) {
  ov::set("Is Foreground?"_attr, a.receiver(), ov::boolean(&method == &"Resume"_sel));
  return ov::send<0>(method, ov::get("Desktop"_attr, a.receiver())).status;
}

// The application's share of menu enabling: while modal only "Exit".
ovStatus UpdateMenus(const ov::Args& a) {
  static const char* const kServed[] = {"Exit",     "About",   "New", "Open", "Contents", "Search For Help On",
                                        "How To Use Help"};
  ovC_object* menubar = a[1];
  size_t count = ov::isTrue(a[3]) ? 1 : std::size(kServed);
  for (size_t i = 0; i < count; ++i)
    if (ov::send<0>("Set Item Enabled?"_sel, menubar, {ov::text(kServed[i]), a.receiver(), gdDefaultTrue}).failed())
      break;
  return ovSuccess;
}

// Every change of target brings the menus up to date on the next idle pass.
ovStatus SetTarget(const ov::Args& a) {
  ov::set("Target"_attr, a.receiver(), a[1]);
  ov::tell(ov::universal<0>("Post Menu Update"_uni));
  return ovSuccess;
}

}  // namespace application

namespace universal {

ovStatus Application(const ov::Args&) {
  ov::tell("Initial"_sel, gTheApplication.get());
  return ovSuccess;
}

ovStatus GetApplication(const ov::Args& a) {
  a.put(0, frontApplication());
  return ovSuccess;
}

// The front application's answer, failing without a front application
// (before opening, after closing): a message to NULL goes to the universal
// of its name, which would be this one again, without end.
ovStatus askFront(const ov::Args& a, const ovMethodSelector& question) {
  ovRef app = frontApplication();
  if (!app) return ovFailure;
  return answerOrFail(a, ov::send(question, app).take());
}

ovStatus GetCommander(const ov::Args& a) { return askFront(a, "Get Commander"_sel); }

ovStatus GetDesktop(const ov::Args& a) { return askFront(a, "Get Desktop"_sel); }

// The answer of a desktop method, failing when it fails or there is no
// desktop (the send would come back here, as above).
ovStatus askDesktop(const ov::Args& a, const ovMethodSelector& question) {
  ovRef desktop = frontDesktop();
  if (!desktop) return ovFailure;
  auto answer = ov::send(question, desktop);
  if (answer.failed()) return ovFailure;
  return answerOrFail(a, answer.take());
}

ovStatus GetMenubar(const ov::Args& a) { return askDesktop(a, "Get Menubar"_sel); }
ovStatus GetFrontWindow(const ov::Args& a) { return askDesktop(a, "Get Front Window"_sel); }

ovStatus GetTarget(const ov::Args& a) { return askFront(a, "Get Target"_sel); }

// The front window (NULL without one) and the new target go to the
// desktop; without a desktop there is no one to tell.
ovStatus SetTarget(const ov::Args& a) {
  ovRef desktop = frontDesktop();
  if (!desktop) return ovSuccess;
  auto front = ov::send("Get Front Window"_sel, desktop);
  ovRef window = front.failed() ? nullptr : front.take();
  ov::tell("Set Target"_sel, desktop, {window, a[0]});
  return ovSuccess;
}

ovStatus SetLastHelp(const ov::Args& a) {
  ovRef desktop = frontDesktop();
  if (!desktop) return ovSuccess;
  return ov::send<0>("Set Last Help"_sel, desktop, {a[0]}).status;
}

ovStatus IsMdi(const ov::Args&) { return ov::isTrue(ov::get("MDI?"_attr, frontApplication())) ? ovSuccess : ovFailure; }

ovStatus Is3D(const ov::Args&) {
  return ov::isTrue(ov::send("Get 3D Interface?"_sel, frontApplication()).get()) ? ovSuccess : ovFailure;
}

// The owner of the active window: the active MDI child's in an MDI
// application, else the front window's.
ovStatus GetDocument(const ov::Args& a) {
  ovRef window;
  if (ov::universal<0>("Is MDI?"_uni).succeeded()) {
    ovRef main = ov::send("Get Main Window"_sel, frontDesktop()).take();
    window = ov::send("Get Active Child"_sel, ov::get("View"_attr, main)).take();
  } else {
    auto front = ov::universal("Get Front Window"_uni);
    if (front.failed()) return ovFailure;
    window = front.take();
  }
  if (!window) return ovFailure;
  return answerOrFail(a, ov::send("Get Owner"_sel, window).take());
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
    .name = "Application"_cls,
    .attributes = {"Name"_attr,
                   "Active?"_attr,
                   "Commander"_attr,
                   "Desktop"_attr,
                   "Printer"_attr,
                   "Documents"_attr,
                   "Clipboard"_attr,
                   "Signature"_attr,
                   "Cursor"_attr,
                   "Current Session"_attr,
                   "Target"_attr,
                   "Utility"_attr,
                   "Initial Behavior"_attr,
                   "Initial Menus"_attr,
                   "Initial Windows"_attr,
                   "Main Documents"_attr,
                   "Is Foreground?"_attr,
                   "Rainy Day Fund"_attr,
                   "Abort Routine"_attr,
                   "3D Interface?"_attr,
                   "Main Window"_attr,
                   "MDI?"_attr},
    .methods = ov::methods({{"Initial"_sel, ov::routine<application::Initial>},
                            {"Open"_sel, ov::routine<application::Open>},
                            {"Post Initial"_sel, ov::routine<application::PostInitial>},
                            {"Run"_sel, ov::routine<application::Run>},
                            {"Quit"_sel, ov::routine<application::Quit>},
                            {"Close"_sel, ov::routine<application::Close>},
                            {"NULL Attributes"_sel, ov::routine<application::NullAttributes>},
                            {"Open Desktop"_sel, ov::routine<application::OpenPart<"Desktop">>},
                            {"Open Clipboard"_sel, ov::routine<application::OpenPart<"Clipboard">>},
                            {"Open Printer"_sel, ov::routine<application::OpenPart<"Printer">>},
                            {"Open Main Window"_sel, ov::routine<application::OpenMainWindow>},
                            {"Update Menus"_sel, ov::routine<application::UpdateMenus>},
                            {"Set Target"_sel, ov::routine<application::SetTarget>}},
                           ov::getters<"3D Interface?", "Active?", "Commander", "Desktop", "Initial Menus",
                                       "Initial Windows", "Is Foreground?", "Main Window", "Name", "Target">(),
                           ov::setters<"Active?">(),
                           ov::forwarding<application::SuspendOrResume, "Suspend", "Resume">(),
                           ov::doingNothing<"About">()),
});

const ovUniversalDeclaration kApplication("Application"_uni, ov::routine<universal::Application>);
const ovUniversalDeclaration kGetApplication("Get Application"_uni, ov::routine<universal::GetApplication>);
const ovUniversalDeclaration kGetCommander("Get Commander"_uni, ov::routine<universal::GetCommander>);
const ovUniversalDeclaration kGetDesktop("Get Desktop"_uni, ov::routine<universal::GetDesktop>);
const ovUniversalDeclaration kGetMenubar("Get Menubar"_uni, ov::routine<universal::GetMenubar>);
const ovUniversalDeclaration kGetFrontWindow("Get Front Window"_uni, ov::routine<universal::GetFrontWindow>);
const ovUniversalDeclaration kGetTarget("Get Target"_uni, ov::routine<universal::GetTarget>);
const ovUniversalDeclaration kSetTarget("Set Target"_uni, ov::routine<universal::SetTarget>);
const ovUniversalDeclaration kSetLastHelp("Set Last Help"_uni, ov::routine<universal::SetLastHelp>);
const ovUniversalDeclaration kIsMdi("Is MDI?"_uni, ov::routine<universal::IsMdi>);
const ovUniversalDeclaration kIs3D("Is 3D?"_uni, ov::routine<universal::Is3D>);
const ovUniversalDeclaration kGetDocument("Get Document"_uni, ov::routine<universal::GetDocument>);
const ovUniversalDeclaration kPushApplication("Push Application"_uni, ov::routine<universal::PushApplication>);
const ovUniversalDeclaration kPopApplication("Pop Application"_uni, ov::routine<universal::PopApplication>);

}  // namespace
