// Printing lists: "(", then " " and the printed form of each element, then
// " )". Texts inside a list always print with quotes.
//
// Nested lists are walked with an explicit stack rather than by recursion, so
// a list nested a million deep prints without exhausting the machine stack.
// A list carries visit mark 1 while it is being printed; meeting it again
// inside itself prints "~" (print flag 1) instead of looping. Each list saves
// the quotes setting when it opens and restores it when it closes.
#include <vector>

#include "runtime/values/unparse.h"

namespace {

struct OpenList {
  ovC_list* list;
  uint32_t next;         // index of the next element to print
  uint32_t savedQuotes;  // the quotes setting before this list opened
};

class ListPrinter {
 public:
  explicit ListPrinter(std::string& out) : out_(out) {}

  int Run(ovC_list* root) {
    Open(root);
    while (!open_.empty()) {
      OpenList& top = open_.back();
      if (top.next == top.list->length) {
        Close();
        continue;
      }
      ovC_object* element = top.list->Elements()[top.next++];
      out_ += ' ';
      if (ovIsKind(element, ovKindList) && !element->visitMark) Open(ovAs<ovC_list>(element));
      else flag_ |= ovUnparseAppend(element, out_);
    }
    return flag_;
  }

 private:
  void Open(ovC_list* list) {
    list->visitMark = 1;
    out_ += '(';
    open_.push_back({list, 0, ovUseQuotes(1)});
  }

  void Close() {
    OpenList& top = open_.back();
    ovUseQuotes(top.savedQuotes);
    out_ += " )";
    top.list->visitMark = 0;
    open_.pop_back();
  }

  std::string& out_;
  std::vector<OpenList> open_;
  int flag_ = 0;
};

}  // namespace

int ovC_list::Unparse(std::string& out) {
  if (visitMark) {
    out += kpszDefaultBadUnparse;
    return 1;
  }
  return ListPrinter(out).Run(this);
}
