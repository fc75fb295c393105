#pragma once

#include <map>

#include "forms/runtime_error.h"

namespace forms {

// Controls of one name told apart by an index. Only element 0 exists at first; Load(i) makes
// element i as a hidden copy of element 0. Addressing a missing element raises an error.
template <typename ControlType>
class ControlArray {
 public:
  explicit ControlArray(ControlType element0) { elements_.emplace(0, std::move(element0)); }

  ControlType& operator()(int index) { return Find(elements_, index); }
  const ControlType& operator()(int index) const { return Find(elements_, index); }

  void Load(int index) {
    if (elements_.contains(index)) {
      throw errors::ObjectAlreadyLoaded();
    }
    ControlType copy = elements_.at(0);
    copy.Visible = false;
    elements_.emplace(index, std::move(copy));
  }

  bool Exists(int index) const { return elements_.contains(index); }

  // Elements in index order, for whoever draws them.
  const std::map<int, ControlType>& Elements() const { return elements_; }

 private:
  template <typename Map>
  static auto& Find(Map& elements, int index) {
    const auto found = elements.find(index);
    if (found == elements.end()) {
      throw errors::ElementDoesNotExist(index);
    }
    return found->second;
  }

  std::map<int, ControlType> elements_;
};

}  // namespace forms
