// Names written where they are used: "Get Window"_sel, "Frame"_attr,
// "Window Item"_cls, "Get Target"_uni, "to-string"_prim, "MSG"_ext.
//
// Each distinct text of each kind is one inline variable of the program,
// made while the program starts, so its name is registered once, before
// the tables are built, and resolved with the other named constants. A
// misspelt name is caught as any named constant's is: a class, primitive or
// external type nothing declares stops the start-up; a method, attribute or
// universal nothing defines is listed by the framework's inventory test.
//
// The same literals name what a class declares: a name reads as its text
// where a declaration wants one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "runtime/tables/declarations.h"

namespace ov {

// A name's text as a template argument.
template <size_t N>
struct NameText {
  consteval NameText(const char (&text)[N]) { std::copy_n(text, N, chars); }
  consteval NameText() = default;
  char chars[N]{};
};

// Two names' texts one after the other: "Get " and "Frame" make "Get Frame".
template <NameText Head, NameText Tail>
consteval auto joined() {
  constexpr size_t head = sizeof(Head.chars) - 1;
  NameText<head + sizeof(Tail.chars)> text;
  std::copy_n(Head.chars, head, text.chars);
  std::copy_n(Tail.chars, sizeof(Tail.chars), text.chars + head);
  return text;
}

// A named constant that also reads as its text. The text is the template
// argument's, not the constant's own copy, so a declaration made while the
// program starts reads it whether or not the constant is made yet.
template <typename Constant, NameText T>
class Spelled : public Constant {
 public:
  Spelled() : Constant(T.chars) {}
  operator const char*() const { return T.chars; }
};

template <NameText T>
inline const Spelled<ovMethodSelector, T> kMethodName;
template <NameText T>
inline const Spelled<ovAttributeSelector, T> kAttributeName;
template <NameText T>
inline const Spelled<ovClassName, T> kClassName;
template <NameText T>
inline const Spelled<ovUniversalName, T> kUniversalName;
template <NameText T>
inline const Spelled<ovPrimitiveName, T> kPrimitiveName;
template <NameText T>
inline const Spelled<ovExternalName, T> kExternalName;

// Several attributes to walk in turn; each literal is a type of its own, so
// a list of them says what they have in common.
using Attributes = std::initializer_list<const ovAttributeSelector*>;

}  // namespace ov

template <ov::NameText T>
constexpr const ov::Spelled<ovMethodSelector, T>& operator""_sel() {
  return ov::kMethodName<T>;
}
template <ov::NameText T>
constexpr const ov::Spelled<ovAttributeSelector, T>& operator""_attr() {
  return ov::kAttributeName<T>;
}
template <ov::NameText T>
constexpr const ov::Spelled<ovClassName, T>& operator""_cls() {
  return ov::kClassName<T>;
}
template <ov::NameText T>
constexpr const ov::Spelled<ovUniversalName, T>& operator""_uni() {
  return ov::kUniversalName<T>;
}
template <ov::NameText T>
constexpr const ov::Spelled<ovPrimitiveName, T>& operator""_prim() {
  return ov::kPrimitiveName<T>;
}
template <ov::NameText T>
constexpr const ov::Spelled<ovExternalName, T>& operator""_ext() {
  return ov::kExternalName<T>;
}
