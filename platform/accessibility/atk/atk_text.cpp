#include "platform/accessibility/atk/atk_text.h"

#include <atk/atk.h>

#include "platform/accessibility/atk/atk_objects.h"

namespace platform::accessibility::atk {
namespace {

Tree& tree() { return objects().tree(); }

const NodeId& idOf(gpointer object) { return dataOf(ATK_OBJECT(object)).id; }

std::string fromUtf8(const gchar* text, gint bytes) {
  gchar* converted = g_convert_with_fallback(text, bytes, "WINDOWS-1252", "UTF-8", "?", nullptr, nullptr, nullptr);
  std::string result = converted ? converted : "";
  g_free(converted);
  return result;
}

std::string utf8Of(gpointer object) { return toUtf8(tree().text(idOf(object))); }

gint lengthOf(const std::string& utf8) { return static_cast<gint>(g_utf8_strlen(utf8.c_str(), -1)); }

// The characters from start to end (-1: to the end), clamped.
gchar* slice(const std::string& utf8, gint start, gint end) {
  gint length = lengthOf(utf8);
  if (end < 0 || end > length) end = length;
  start = CLAMP(start, 0, end);
  return g_utf8_substring(utf8.c_str(), start, end);
}

// --- AtkText ---------------------------------------------------------------

gchar* text(AtkText* t, gint start, gint end) { return slice(utf8Of(t), start, end); }

gint characterCount(AtkText* t) { return lengthOf(utf8Of(t)); }

gunichar characterAt(AtkText* t, gint offset) {
  std::string utf8 = utf8Of(t);
  if (offset < 0 || offset >= lengthOf(utf8)) return 0;
  return g_utf8_get_char(g_utf8_offset_to_pointer(utf8.c_str(), offset));
}

gint caretOffset(AtkText* t) { return tree().caret(idOf(t)); }

gboolean setCaretOffset(AtkText* t, gint offset) { return tree().select(idOf(t), offset, offset); }

gint selectionCount(AtkText* t) {
  auto [start, end] = tree().selection(idOf(t));
  return start != end ? 1 : 0;
}

gchar* selectionText(AtkText* t, gint n, gint* start, gint* end) {
  std::tie(*start, *end) = tree().selection(idOf(t));
  if (n != 0 || *start == *end) return nullptr;
  return slice(utf8Of(t), *start, *end);
}

gboolean setSelection(AtkText* t, gint n, gint start, gint end) { return n == 0 && tree().select(idOf(t), start, end); }

gboolean addSelection(AtkText* t, gint start, gint end) {
  return selectionCount(t) == 0 && tree().select(idOf(t), start, end);
}

gboolean removeSelection(AtkText* t, gint n) {
  gint caret = caretOffset(t);
  return n == 0 && tree().select(idOf(t), caret, caret);
}

bool isWordCharacter(gunichar c) { return g_unichar_isalnum(c) || c == '.' || c == ','; }

// A character, a word (with the spaces after it) or the whole text, which
// the program's single-line texts are as lines, sentences and paragraphs.
gchar* stringAt(AtkText* t, gint offset, AtkTextGranularity granularity, gint* start, gint* end) {
  std::string utf8 = utf8Of(t);
  gint length = lengthOf(utf8);
  offset = CLAMP(offset, 0, length);
  *start = 0;
  *end = length;
  if (granularity == ATK_TEXT_GRANULARITY_CHAR) {
    *start = offset;
    *end = MIN(offset + 1, length);
  } else if (granularity == ATK_TEXT_GRANULARITY_WORD) {
    auto at = [&](gint i) { return g_utf8_get_char(g_utf8_offset_to_pointer(utf8.c_str(), i)); };
    *start = offset;
    while (*start > 0 && isWordCharacter(at(*start - 1))) --*start;
    *end = offset;
    while (*end < length && isWordCharacter(at(*end))) ++*end;
    while (*end < length && !isWordCharacter(at(*end))) ++*end;
  }
  return slice(utf8, *start, *end);
}

void characterExtents(AtkText* t, gint offset, gint* x, gint* y, gint* width, gint* height, AtkCoordType coordinates) {
  RECT box = tree().characterBox(idOf(t), offset);
  // No character there: an empty box at 0, 0, whatever the coordinates.
  if (box.right > box.left) box = inCoordinates(idOf(t), box, coordinates);
  *x = box.left;
  *y = box.top;
  *width = box.right - box.left;
  *height = box.bottom - box.top;
}

gint offsetAtPoint(AtkText* t, gint x, gint y, AtkCoordType coordinates) {
  POINT origin = coordinateOrigin(idOf(t), coordinates);
  return tree().offsetAtPoint(idOf(t), {x + origin.x, y + origin.y});
}

AtkAttributeSet* withAttribute(AtkAttributeSet* set, AtkTextAttribute attribute, const std::string& value) {
  auto* entry = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
  entry->name = g_strdup(atk_text_attribute_get_name(attribute));
  entry->value = g_strdup(value.c_str());
  return g_slist_prepend(set, entry);
}

// The whole text is in the control's one font; nothing for a text whose
// font is not known.
AtkAttributeSet* defaultAttributes(AtkText* t) {
  TextFont font = tree().textFont(idOf(t));
  if (font.family.empty()) return nullptr;
  AtkAttributeSet* set = withAttribute(nullptr, ATK_TEXT_ATTR_WEIGHT, std::to_string(font.weight));
  set = withAttribute(set, ATK_TEXT_ATTR_SIZE, std::to_string(font.points));
  return withAttribute(set, ATK_TEXT_ATTR_FAMILY_NAME, font.family);
}

AtkAttributeSet* runAttributes(AtkText* t, gint, gint* start, gint* end) {
  *start = 0;
  *end = characterCount(t);
  return defaultAttributes(t);
}

void textInit(gpointer iface, gpointer) {
  auto* i = static_cast<AtkTextIface*>(iface);
  i->get_text = text;
  i->get_character_count = characterCount;
  i->get_character_at_offset = characterAt;
  i->get_caret_offset = caretOffset;
  i->set_caret_offset = setCaretOffset;
  i->get_n_selections = selectionCount;
  i->get_selection = selectionText;
  i->set_selection = setSelection;
  i->add_selection = addSelection;
  i->remove_selection = removeSelection;
  i->get_string_at_offset = stringAt;
  i->get_character_extents = characterExtents;
  i->get_offset_at_point = offsetAtPoint;
  i->get_default_attributes = defaultAttributes;
  i->get_run_attributes = runAttributes;
}

// --- AtkEditableText -------------------------------------------------------

void setContents(AtkEditableText* t, const gchar* contents) { tree().replace(idOf(t), 0, -1, fromUtf8(contents, -1)); }

void insertText(AtkEditableText* t, const gchar* inserted, gint bytes, gint* position) {
  std::string text = fromUtf8(inserted, bytes);
  if (tree().replace(idOf(t), *position, *position, text)) *position += static_cast<gint>(text.size());
}

void deleteText(AtkEditableText* t, gint start, gint end) { tree().replace(idOf(t), start, end, ""); }

void editableInit(gpointer iface, gpointer) {
  auto* i = static_cast<AtkEditableTextIface*>(iface);
  i->set_text_contents = setContents;
  i->insert_text = insertText;
  i->delete_text = deleteText;
}

}  // namespace

std::string toUtf8(const std::string& text) {
  gchar* converted = g_convert(text.c_str(), static_cast<gssize>(text.size()), "UTF-8", "WINDOWS-1252", nullptr,
                               nullptr, nullptr);
  std::string result = converted ? converted : "";
  g_free(converted);
  return result;
}

void addTextInterfaces(GType type, bool editable) {
  const GInterfaceInfo text{textInit, nullptr, nullptr};
  g_type_add_interface_static(type, ATK_TYPE_TEXT, &text);
  const GInterfaceInfo editing{editableInit, nullptr, nullptr};
  if (editable) g_type_add_interface_static(type, ATK_TYPE_EDITABLE_TEXT, &editing);
}

}  // namespace platform::accessibility::atk
