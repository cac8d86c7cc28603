// Arithmetic primitives. "+", "-", "*", "max" and "min" work in double
// precision and give an integer whenever the result is one (ovReduceResult);
// "++", "--", "**" and "idiv" work on 32-bit integers, which wrap. An input
// that is not a number counts as 0.
#include <cstdint>

#include "runtime/primitives/primitive_kit.h"
#include "runtime/values/compare.h"
#include "runtime/values/read.h"

namespace {

using ovPrim::wrap;

ovStatus putReduced(const ov::Args& a, double result) {
  a.put(0, ovRef::adopt(ovReduceResult(result)));
  return ovSuccess;
}

ovStatus putInteger(const ov::Args& a, int64_t result) {
  a.put(0, ovPrim::integer(wrap(result)));
  return ovSuccess;
}

ovStatus Add(const ov::Args& a) {
  double sum = 0.0;
  for (uint32_t i = 0; i < a.inputCount(); ++i) sum += ovGetReal(a[i]);
  return putReduced(a, sum);
}

// One input: its negation; two: the difference.
ovStatus Subtract(const ov::Args& a) {
  if (a.inputCount() < 2) return putReduced(a, -ovGetReal(a[0]));
  return putReduced(a, ovGetReal(a[0]) - ovGetReal(a[1]));
}

ovStatus Multiply(const ov::Args& a) {
  double product = 1.0;
  for (uint32_t i = 0; i < a.inputCount(); ++i) product *= ovGetReal(a[i]);
  return putReduced(a, product);
}

ovStatus AddIntegers(const ov::Args& a) {
  int32_t sum = 0;
  for (uint32_t i = 0; i < a.inputCount(); ++i) sum = wrap(int64_t{sum} + ovGetInteger(a[i]));
  return putInteger(a, sum);
}

ovStatus SubtractIntegers(const ov::Args& a) {
  if (a.inputCount() < 2) return putInteger(a, -int64_t{ovGetInteger(a[0])});
  return putInteger(a, int64_t{ovGetInteger(a[0])} - ovGetInteger(a[1]));
}

ovStatus MultiplyIntegers(const ov::Args& a) {
  int32_t product = 1;
  for (uint32_t i = 0; i < a.inputCount(); ++i) product = wrap(int64_t{product} * ovGetInteger(a[i]));
  return putInteger(a, product);
}

// Quotient (toward zero) and remainder (sign of the dividend); with one
// input the dividend is 1. A zero divisor fails and outputs nothing.
ovStatus Divide(const ov::Args& a) {
  bool single = a.inputCount() < 2;
  int64_t dividend = single ? 1 : ovGetInteger(a[0]);
  int64_t divisor = ovGetInteger(single ? a[0] : a[1]);
  if (divisor == 0) return ovFailure;
  a.put(0, ovPrim::integer(wrap(dividend / divisor)));
  a.put(1, ovPrim::integer(wrap(dividend % divisor)));
  return ovSuccess;
}

// A real stays a real; anything else is read as an integer.
template <int Step>
ovStatus StepBy(const ov::Args& a) {
  if (ovIsKind(a[0], ovKindReal))
    a.put(0, ovRef::adopt(ovMakeReal(ovGetReal(a[0]) + Step)));
  else
    a.put(0, ovPrim::integer(wrap(int64_t{ovGetInteger(a[0])} + Step)));
  return ovSuccess;
}

// The greatest (Order 1) or least (Order -1) input by ovCompare. The first
// step takes a only when it wins outright; later inputs replace the
// candidate only when they win outright.
template <int Order>
ovStatus Extreme(const ov::Args& a) {
  ovC_object* candidate = ovCompare(a[0], a[1]) == Order ? a[0] : a[1];
  for (uint32_t i = 2; i < a.inputCount(); ++i)
    if (ovCompare(candidate, a[i]) == -Order) candidate = a[i];
  return putReduced(a, ovGetReal(candidate));
}

const ovPrimitiveDeclaration kAdd("+", ov::routine<Add>, true);
const ovPrimitiveDeclaration kSubtract("-", ov::routine<Subtract>);
const ovPrimitiveDeclaration kMultiply("*", ov::routine<Multiply>);
const ovPrimitiveDeclaration kAddIntegers("++", ov::routine<AddIntegers>);
const ovPrimitiveDeclaration kSubtractIntegers("--", ov::routine<SubtractIntegers>);
const ovPrimitiveDeclaration kMultiplyIntegers("**", ov::routine<MultiplyIntegers>);
const ovPrimitiveDeclaration kDivide("idiv", ov::routine<Divide>);
const ovPrimitiveDeclaration kIncrement("+1", ov::routine<StepBy<1>>);
const ovPrimitiveDeclaration kDecrement("-1", ov::routine<StepBy<-1>>);
const ovPrimitiveDeclaration kMax("max", ov::routine<Extreme<1>>);
const ovPrimitiveDeclaration kMin("min", ov::routine<Extreme<-1>>);

}  // namespace
