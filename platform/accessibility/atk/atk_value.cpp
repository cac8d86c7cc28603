#include "platform/accessibility/atk/atk_value.h"

#include <atk/atk.h>

#include "platform/accessibility/atk/atk_objects.h"

namespace platform::accessibility::atk {
namespace {

// A node whose value is gone reads as an empty range.
ValueRange rangeOf(gpointer object) {
  return objects().tree().value(dataOf(ATK_OBJECT(object)).id).value_or(ValueRange{});
}

void setDouble(GValue* out, double value) {
  g_value_init(out, G_TYPE_DOUBLE);
  g_value_set_double(out, value);
}

void valueAndText(AtkValue* v, gdouble* value, gchar** text) {
  *value = rangeOf(v).current;
  if (text) *text = nullptr;
}

AtkRange* range(AtkValue* v) {
  ValueRange r = rangeOf(v);
  return atk_range_new(r.minimum, r.maximum, nullptr);
}

gdouble increment(AtkValue* v) { return rangeOf(v).increment; }

void setValue(AtkValue* v, gdouble value) { objects().tree().setValue(dataOf(ATK_OBJECT(v)).id, value); }

void currentValue(AtkValue* v, GValue* out) { setDouble(out, rangeOf(v).current); }
void minimumValue(AtkValue* v, GValue* out) { setDouble(out, rangeOf(v).minimum); }
void maximumValue(AtkValue* v, GValue* out) { setDouble(out, rangeOf(v).maximum); }
void minimumIncrement(AtkValue* v, GValue* out) { setDouble(out, rangeOf(v).increment); }

gboolean setCurrentValue(AtkValue* v, const GValue* value) {
  if (!G_VALUE_HOLDS_DOUBLE(value)) return FALSE;
  return objects().tree().setValue(dataOf(ATK_OBJECT(v)).id, g_value_get_double(value));
}

void valueInit(gpointer iface, gpointer) {
  auto* i = static_cast<AtkValueIface*>(iface);
  i->get_value_and_text = valueAndText;
  i->get_range = range;
  i->get_increment = increment;
  i->set_value = setValue;
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  i->get_current_value = currentValue;
  i->get_minimum_value = minimumValue;
  i->get_maximum_value = maximumValue;
  i->get_minimum_increment = minimumIncrement;
  i->set_current_value = setCurrentValue;
  G_GNUC_END_IGNORE_DEPRECATIONS
}

}  // namespace

void addValueInterface(GType type) {
  const GInterfaceInfo value{valueInit, nullptr, nullptr};
  g_type_add_interface_static(type, ATK_TYPE_VALUE, &value);
}

}  // namespace platform::accessibility::atk
