// The mnemonic mark of a menu title: the platform underlines the character
// after "&" and opens or chooses the entry when that key is pressed with
// the menu open (or with Alt in the menu bar).
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The title with "&" before the first occurrence of the mnemonic; the
// title unchanged when the mnemonic is empty or does not occur in it.
inline std::string withMnemonic(std::string_view title, std::string_view mnemonic) {
  size_t at = mnemonic.empty() ? std::string_view::npos : title.find(mnemonic);
  std::string marked(title);
  if (at != std::string_view::npos) marked.insert(at, "&");
  return marked;
}

}  // namespace vorn
