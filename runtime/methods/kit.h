// The kit method bodies are written with. A body is a C++ function taking
// ov::Args and returning a status; ov::routine<> turns it into a routine of
// the calling protocol for a declaration.
//
// Values are held in ovRef (value_ref.h). Calls return ov::Results: the
// status and the outputs, owned. Failure is plain control flow:
//
// A call whose status does not matter says so: ov::tell(selector, receiver,
// {inputs}) sends and drops the status, ov::tell(ov::sendAs<0>(...)) drops
// another call's.
//
//   ovStatus Open(const ov::Args& a) {
//     ovRef title = ov::get(kTitle, a.receiver());
//     auto made = ov::send(kMakeWindow, a.receiver(), {title});
//     if (made.failed()) return ovFailure;
//     a.put(0, made.take());
//     return ovSuccess;
//   }
//
// Cases run in turn until one answers something other than ov::kNextCase;
// loops over list inputs follow the protocol's rules for statuses 1, 3, 4.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/dispatch/dispatch.h"
#include "runtime/methods/names.h"
#include "runtime/methods/protocol.h"
#include "runtime/methods/send_trace.h"
#include "runtime/methods/support.h"
#include "runtime/tables/declarations.h"
#include "runtime/values/value.h"
#include "runtime/values/value_ref.h"

namespace ov {

// A borrowed input of a call.
class In {
 public:
  In(ovC_object* v) : value_(v) {}
  In(const ovRef& r) : value_(r.get()) {}
  In(std::nullptr_t) {}
  ovC_object* get() const { return value_; }

 private:
  ovC_object* value_ = nullptr;
};

// The arguments of an activation.
class Args {
 public:
  Args(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out)
      : nin_(nin), nout_(nout), in_(in), out_(out) {}

  uint32_t inputCount() const { return nin_; }
  uint32_t outputCount() const { return nout_; }
  // Input i, borrowed; nullptr when the caller passed fewer.
  ovC_object* operator[](uint32_t i) const { return i < nin_ ? in_[i] : nullptr; }
  ovC_object* receiver() const { return (*this)[0]; }
  // Inputs bound to names, in the order asked: auto [where, event] =
  // a.inputs<1, 2>(). Each is borrowed, and nullptr past the caller's.
  template <uint32_t... I>
  std::array<ovC_object*, sizeof...(I)> inputs() const {
    return {(*this)[I]...};
  }
  // Hands a value to output i; dropped when the caller asked for fewer.
  void put(uint32_t i, ovRef value) const {
    if (i < nout_) value.releaseInto(out_[i]);
  }
  // The same for a borrowed value: one use is added for the caller.
  void put(uint32_t i, In value) const { put(i, ovRef::share(value.get())); }

 private:
  uint32_t nin_;
  uint32_t nout_;
  ovC_object* const* in_;
  ovC_object** const* out_;
};

// A declarable routine made from a body.
template <ovStatus (*Body)(const Args&)>
ovStatus routine(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out) {
  return Body(Args(nin, nout, in, out));
}

// The inputs of one call, gathered without allocating for the usual few.
class InputList {
 public:
  InputList(std::initializer_list<In> inputs) { Append(inputs); }
  InputList(In receiver, std::initializer_list<In> more) {
    Append({receiver});
    Append(more);
  }
  // The elements of a list (borrowed), or no inputs when it is not a list.
  static InputList Elements(ovC_object* list);
  ovC_object* const* data() const { return large_.empty() ? small_.data() : large_.data(); }
  uint32_t count() const { return count_; }

 private:
  InputList() = default;
  void Append(std::initializer_list<In> inputs) {
    for (const In& v : inputs) Push(v.get());
  }
  void Push(ovC_object* v) {
    if (count_ < small_.size()) {
      small_[count_] = v;
    } else {
      if (large_.empty()) large_.assign(small_.begin(), small_.end());
      large_.push_back(v);
    }
    ++count_;
  }

  std::array<ovC_object*, 8> small_{};
  std::vector<ovC_object*> large_;
  uint32_t count_ = 0;
};

// The status of a call and the N outputs it wrote. A body reads the status
// or says with ov::tell that it does not matter.
template <size_t N>
class [[nodiscard]] Results {
 public:
  ovStatus status = ovSuccess;

  bool failed() const { return status == ovFailure; }
  bool succeeded() const { return status != ovFailure; }
  ovRef& operator[](size_t i) { return outputs_[i]; }
  ovC_object* get(size_t i = 0) const { return outputs_[i].get(); }
  ovRef take(size_t i = 0) { return std::move(outputs_[i]); }

  // Calls routine with inputs and these results as its output slots; with
  // the send trace on, the call is reported as what.
  void Run(ovRoutine routine, const InputList& inputs, const trace::Call& what = {}) {
    std::array<ovC_object*, N> slots{};
    std::array<ovC_object**, N> out{};
    for (size_t i = 0; i < N; ++i) out[i] = &slots[i];
    if (ovTraceSends) [[unlikely]] {
      trace::Enter(what, inputs.count() ? inputs.data()[0] : nullptr);
      status = routine(inputs.count(), N, inputs.data(), out.data());
      trace::Leave(status);
    } else {
      status = routine(inputs.count(), N, inputs.data(), out.data());
    }
    for (size_t i = 0; i < N; ++i) outputs_[i] = ovRef::adopt(slots[i]);
  }

 private:
  std::array<ovRef, N> outputs_;
};

template <size_t N = 1>
Results<N> call(ovRoutine routine, std::initializer_list<In> inputs) {
  Results<N> r;
  r.Run(routine, InputList(inputs));
  return r;
}

// Sends a message: the receiver's class chain (or, for a value that is not
// an instance, the primitive and universal tables) answers it.
template <size_t N = 1>
Results<N> send(const ovMethodSelector& selector, In receiver, std::initializer_list<In> more = {}) {
  Results<N> r;
  r.Run(UCLookupMethod(selector.number(), receiver.get()), InputList(receiver, more),
        {trace::Call::kSend, nullptr, selector.name()});
  return r;
}

// Sends a message whose status and outputs do not matter to the sender.
inline void tell(const ovMethodSelector& selector, In receiver, std::initializer_list<In> more = {}) {
  static_cast<void>(send<0>(selector, receiver, more));
}
// The same for any other call: tell(ov::sendAs<0>(...)).
template <size_t N>
void tell(Results<N>&&) {}

// Calls the method that cls (or its nearest ancestor) defines, whatever the
// receiver's own class: how a method reaches its superclass's version.
template <size_t N = 1>
Results<N> sendAs(const ovClassName& cls, const ovMethodSelector& selector, In receiver,
                  std::initializer_list<In> more = {}) {
  Results<N> r;
  r.Run(UCClassMethod(selector.number(), cls.record()), InputList(receiver, more),
        {trace::Call::kSendAs, cls.name(), selector.name()});
  return r;
}

// Calls a class method: one that needs no instance (a maker such as a
// specifier class's "New", or "Screen/Get Screens"). It is found from cls
// upward and called with the given inputs only, no receiver in front; a
// class method's body reads its inputs from 0.
template <size_t N = 1>
Results<N> sendToClass(const ovClassName& cls, const ovMethodSelector& selector,
                       std::initializer_list<In> inputs = {}) {
  Results<N> r;
  r.Run(UCClassMethod(selector.number(), cls.record()), InputList(inputs),
        {trace::Call::kClassMethod, cls.name(), selector.name()});
  return r;
}

// Calls a universal method directly, whatever its first input is.
template <size_t N = 1>
Results<N> universal(const ovUniversalName& name, std::initializer_list<In> inputs = {}) {
  Results<N> r;
  r.Run(name.routine(), InputList(inputs), {trace::Call::kUniversal, nullptr, name.name()});
  return r;
}

template <size_t N = 1>
Results<N> primitive(const ovPrimitiveName& name, std::initializer_list<In> inputs) {
  Results<N> r;
  r.Run(name.routine(), InputList(inputs));
  return r;
}

// Calls the method a text names (a universal or primitive; "/name" the
// method of the first input's class; "Class/name"; "//name" relative to
// context) with the elements of the list inputs (none when it is not a
// list), the first element being the receiver. A name nothing defines does
// nothing and succeeds (ovNothingRan).
template <size_t N = 1>
Results<N> callNamed(In name, const ovClassName& context, In inputs) {
  InputList list = InputList::Elements(inputs.get());
  ovC_object* receiver = list.count() ? list.data()[0] : nullptr;
  Results<N> r;
  r.Run(UCInjectLookupMethod(name.get(), context.record(), receiver), list,
        {trace::Call::kNamed, context.name(), nullptr, name.get()});
  return r;
}

// Attribute access; the object passes through and is not returned.
ovRef get(const ovAttributeSelector& attribute, In object);
// An attribute that holds an object or stands empty: its value when that is
// an instance, nullptr when it is anything else (NULL or NONE).
ovRef getInstance(const ovAttributeSelector& attribute, In object);
void set(const ovAttributeSelector& attribute, In object, In value);
// A new instance of cls, with an initial list of (name value) pairs.
Results<1> make(const ovClassName& cls, In initial = nullptr);
// A new instance of the class a text names; NULL for an unknown name.
Results<1> makeNamed(In className, In initial = nullptr);

// Values for bodies: new values, owned.
ovRef integer(int32_t n);
ovRef real(double d);
ovRef text(std::string_view s);
ovRef boolean(bool b);
// Points and rectangles in the language's order: (vertical, horizontal),
// (top, left, bottom, right).
ovRef point(int32_t v, int32_t h);
ovRef rect(int32_t top, int32_t left, int32_t bottom, int32_t right);
ovRef emptyList();
// A new list holding the values, each with a use of its own.
ovRef listOf(std::initializer_list<In> values);

// Reading values. Booleans are tested by identity with the shared
// constants, as compiled bodies test them: TRUE is only gdDefaultTrue.
inline bool isTrue(In v) { return v.get() == gdDefaultTrue; }
inline bool isFalse(In v) { return v.get() == gdDefaultFalse; }
inline bool isNone(In v) { return v.get() == gdDefaultNone; }
inline bool isText(In v) { return ovIsKind(v.get(), ovKindText); }
inline bool isList(In v) { return ovIsKind(v.get(), ovKindList); }
inline bool isInstance(In v) { return ovIsKind(v.get(), ovKindInstance); }
inline bool isInteger(In v) { return ovIsKind(v.get(), ovKindInteger); }
// A number's integer value (a real's truncated); 0 for anything else.
int32_t toInt(In v);
// A text's characters; empty for anything else.
std::string_view chars(In v);
// A text as a C string for the platform: at most limit - 1 characters and
// the terminating NUL (the platform's calls take texts of at most 512 bytes).
std::string cString(In v, size_t limit = 512);
// Text equality of the run-time (a text and a name compared character for
// character); false when either is not a text.
bool textEquals(In v, std::string_view s);
// Whether v is an instance of cls or of a class descended from it.
bool isA(In v, const ovClassName& cls);
// The name of an instance's class, or NULL (the "type" of an instance).
ovRef classNameOf(In v);

// Lists. Lists read from attributes are shared, so bodies never change them
// in place: they build a new list and store it.
uint32_t length(In list);
// Element i (0-based), borrowed; nullptr out of range or for a non-list.
ovC_object* element(In list, uint32_t i);
// Index of the first element identical to v, or -1.
int32_t indexOf(In list, In v);
// A new list: list with v appended; with v inserted before element i (at
// the end when i is past it); without element i.
ovRef appended(In list, In v);
ovRef inserted(In list, uint32_t i, In v);
ovRef without(In list, uint32_t i);
// Calls each(element) for every element of the list as it is now, in
// order, stopping at the first call that fails; returns that failure, or
// success when every call succeeded (or the list is empty or no list).
template <typename Each>
ovStatus forEach(In list, Each&& each) {
  ovRef held = ovRef::share(list.get());
  uint32_t n = length(held);
  for (uint32_t i = 0; i < n; ++i)
    if (each(element(held, i)) == ovFailure) return ovFailure;
  return ovSuccess;
}

// Plain methods that need no body of their own: an accessor answering
// attribute A, a setter storing its input into A, a method that does
// nothing and succeeds, one that fails, and one that answers the receiver.
template <const auto& A>
ovStatus reader(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out) {
  Args a(nin, nout, in, out);
  a.put(0, get(A, a.receiver()));
  return ovSuccess;
}
template <const auto& A>
ovStatus writer(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out) {
  Args a(nin, nout, in, out);
  set(A, a.receiver(), a[1]);
  return ovSuccess;
}
// A method the object in attribute A answers: the same question asked of
// it, and its answer and status.
template <const auto& A, const auto& Question>
ovStatus askHeld(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out) {
  Args a(nin, nout, in, out);
  auto answer = send(Question, get(A, a.receiver()));
  a.put(0, answer.take());
  return answer.status;
}
// A body that hands its message on, told which message it was sent as, so
// one body serves several messages: ov::forwarded<Forward, "X"_sel> is the
// routine answering with Forward("X"_sel, inputs).
using Forwarder = ovStatus (*)(const ovMethodSelector& method, const Args& a);
template <Forwarder Forward, const auto& Method>
ovStatus forwarded(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out) {
  return Forward(Method, Args(nin, nout, in, out));
}
ovStatus nothing(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out);
ovStatus failing(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out);
ovStatus self(uint32_t nin, uint32_t nout, ovC_object* const* in, ovC_object** const* out);

// A class's method table that says each thing once: the rows of methods
// with bodies of their own, then the plain methods grouped by what they do.
// getters<"Frame", "Name">() declares "Get Frame" answering attribute
// "Frame" and "Get Name" answering "Name"; setters<...>() the same for
// "Set X" storing its input into X; askedOf<"Owner", "Get Window">() methods
// the object in attribute "Owner" answers; forwarding<ToView, "Mouse Up",
// "Tab">() methods one body serves, each telling it its own name;
// doingNothing<"Draw", "Idle">() methods that do nothing and succeed.
//
//   .methods = ov::methods({{"Open"_sel, ov::routine<window::Open>},
//                           {"Close"_sel, ov::routine<window::Close>}},
//                          ov::getters<"Frame", "Name">(), ov::doingNothing<"Draw">()),
using MethodRows = std::vector<ovMethodDeclaration>;

template <NameText... Attributes>
MethodRows getters() {
  return {{kMethodName<joined<"Get ", Attributes>()>, reader<kAttributeName<Attributes>>}...};
}

template <NameText... Attributes>
MethodRows setters() {
  return {{kMethodName<joined<"Set ", Attributes>()>, writer<kAttributeName<Attributes>>}...};
}

template <NameText Holder, NameText... Methods>
MethodRows askedOf() {
  return {{kMethodName<Methods>, askHeld<kAttributeName<Holder>, kMethodName<Methods>>}...};
}

template <Forwarder Forward, NameText... Methods>
MethodRows forwarding() {
  return {{kMethodName<Methods>, forwarded<Forward, kMethodName<Methods>>}...};
}

template <NameText... Methods>
MethodRows doingNothing() {
  return {{kMethodName<Methods>, nothing}...};
}

// The rows, followed by each group in turn.
template <std::same_as<MethodRows>... Groups>
MethodRows methods(MethodRows rows, Groups... groups) {
  (rows.insert(rows.end(), groups.begin(), groups.end()), ...);
  return rows;
}

// What a case answers to hand over to the next case.
inline constexpr ovStatus kNextCase = 0xFFFFFFFFu;

// Runs each case in turn (each returns a status or kNextCase); when the last
// one hands over too, the result is failure.
template <typename... Cases>
ovStatus cases(Cases&&... each) {
  ovStatus status = kNextCase;
  ((status == kNextCase ? (status = each(), 0) : 0), ...);
  return status == kNextCase ? ovFailure : status;
}

// Calls body until its status has bit 0 set or is ovFinish.
template <typename Body>
void repeat(Body&& body) {
  for (;;) {
    ovStatus status = body();
    if ((status & 1) || status == ovFinish) return;
  }
}

class ListLoop;

// A list gathered by a loop, one element per kept iteration.
class ListOutput {
 public:
  explicit ListOutput(const ListLoop& loop);
  // The gathered list, its storage shrunk to its length.
  ovRef take();

 private:
  friend class Iteration;
  ovC_object* slot_ = nullptr;
  ovRef list_;
};

// Two lists gathered by a loop: items whose boolean was TRUE, and the rest.
class PartitionOutput {
 public:
  explicit PartitionOutput(const ListLoop& loop) : whenTrue(loop), whenFalse(loop) {}
  ListOutput whenTrue;
  ListOutput whenFalse;
};

// A value a loop keeps from its last kept iteration.
class LastOutput {
 public:
  ovRef take() { return std::move(value_); }

 private:
  friend class Iteration;
  ovRef value_;
};

// One pass of a loop: the current elements and what the pass gathers. What
// it gathers is kept only when the pass does not stop the loop at once.
class Iteration {
 public:
  Iteration(std::span<ovC_object* const> elements, int32_t index) : elements_(elements), index_(index) {}
  ovC_object* element(size_t j) const { return elements_[j]; }
  int32_t index() const { return index_; }
  void addTo(ListOutput& out, ovRef item) { pending_.push_back({Kind::Add, &out, nullptr, nullptr, std::move(item), {}}); }
  void setLast(LastOutput& out, ovRef value) { pending_.push_back({Kind::Last, nullptr, nullptr, &out, std::move(value), {}}); }
  void partition(PartitionOutput& out, ovRef item, ovRef boolean) {
    pending_.push_back({Kind::Partition, nullptr, &out, nullptr, std::move(item), std::move(boolean)});
  }
  void Keep();

 private:
  enum class Kind { Add, Last, Partition };
  struct Pending {
    Kind kind;
    ListOutput* list;
    PartitionOutput* partition;
    LastOutput* last;
    ovRef item;
    ovRef boolean;
  };
  std::span<ovC_object* const> elements_;
  int32_t index_;
  std::vector<Pending> pending_;
};

// A loop over list inputs: one pass per element of the shortest list.
class ListLoop {
 public:
  explicit ListLoop(std::initializer_list<In> lists);
  int32_t bound() const { return bound_; }
  // Runs body(Iteration&) per pass; a status with bit 0 set stops the loop
  // at once and drops what that pass gathered; ovFinish keeps it, then stops.
  template <typename Body>
  void run(Body&& body) {
    std::vector<ovC_object*> elements(lists_.size(), nullptr);
    for (int32_t index = 0; index < bound_; ++index) {
      for (size_t j = 0; j < lists_.size(); ++j) UCNextList(index, lists_[j], &elements[j]);
      Iteration pass(elements, index);
      ovStatus status = body(pass);
      if (status & 1) break;
      pass.Keep();
      if (status == ovFinish) break;
    }
    UCExitMethod(static_cast<uint32_t>(elements.size()), elements.data());
  }

 private:
  std::vector<ovC_object*> lists_;
  int32_t bound_ = -1;
};

}  // namespace ov
