// AcArray<T>: the platform's dynamic array (logical length, physical length, grow length), over
// std::vector. Every indexed access is checked: an index outside 0 ... length()-1 throws
// std::out_of_range instead of touching memory that is not there.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

template <class T>
class AcArray {
 public:
  explicit AcArray(int physicalLength = 0, int growLength = 8) : grow_(growLength > 0 ? growLength : 8) {
    if (physicalLength > 0) items_.reserve(static_cast<size_t>(physicalLength));
  }

  // Sizes. length() and logicalLength() are the number of elements.
  int length() const { return static_cast<int>(items_.size()); }
  int logicalLength() const { return length(); }
  int physicalLength() const { return static_cast<int>(items_.capacity()); }
  int growLength() const { return grow_; }
  bool isEmpty() const { return items_.empty(); }

  // New elements of a longer logical length are value-initialised.
  AcArray& setLogicalLength(int n) {
    items_.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return *this;
  }
  // Never drops elements below the logical length.
  AcArray& setPhysicalLength(int n) {
    if (n > length()) items_.reserve(static_cast<size_t>(n));
    return *this;
  }
  AcArray& setGrowLength(int n) {
    if (n > 0) grow_ = n;
    return *this;
  }

  // Element access.
  T& operator[](int i) { return items_[check(i)]; }
  const T& operator[](int i) const { return items_[check(i)]; }
  T& at(int i) { return items_[check(i)]; }
  const T& at(int i) const { return items_[check(i)]; }
  AcArray& setAt(int i, const T& value) {
    items_[check(i)] = value;
    return *this;
  }
  T& first() { return at(0); }
  const T& first() const { return at(0); }
  T& last() { return at(length() - 1); }
  const T& last() const { return at(length() - 1); }
  T* asArrayPtr() { return items_.data(); }
  const T* asArrayPtr() const { return items_.data(); }

  // Adding. append returns the index of the new element.
  int append(const T& value) {
    items_.push_back(value);
    return length() - 1;
  }
  AcArray& append(const AcArray& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    return *this;
  }
  // i may be length() (then it appends).
  AcArray& insertAt(int i, const T& value) {
    if (i < 0 || i > length()) throw std::out_of_range(rangeText(i));
    items_.insert(items_.begin() + i, value);
    return *this;
  }

  // Removing.
  AcArray& removeAt(int i) {
    items_.erase(items_.begin() + check(i));
    return *this;
  }
  AcArray& removeFirst() { return removeAt(0); }
  AcArray& removeLast() { return removeAt(length() - 1); }
  AcArray& removeAll() {
    items_.clear();
    return *this;
  }
  // Removes elements start ... end (both included).
  AcArray& removeSubArray(int start, int end) {
    check(start);
    check(end);
    if (end < start) throw std::out_of_range(rangeText(end));
    items_.erase(items_.begin() + start, items_.begin() + end + 1);
    return *this;
  }
  // Removes the first element equal to value at or after start; false when there is none.
  bool remove(const T& value, int start = 0) {
    int found = -1;
    if (!find(value, found, start)) return false;
    removeAt(found);
    return true;
  }

  // Searching uses T's operator== (for points and vectors: equal within the global tolerance).
  bool find(const T& value, int& foundAt, int start = 0) const {
    for (int i = std::max(start, 0); i < length(); ++i) {
      if (items_[static_cast<size_t>(i)] == value) {
        foundAt = i;
        return true;
      }
    }
    return false;
  }
  int find(const T& value) const {
    int found = -1;
    find(value, found, 0);
    return found;
  }
  bool contains(const T& value, int start = 0) const {
    int found = -1;
    return find(value, found, start);
  }

  // Whole-array operations.
  AcArray& setAll(const T& value) {
    std::fill(items_.begin(), items_.end(), value);
    return *this;
  }
  AcArray& reverse() {
    std::reverse(items_.begin(), items_.end());
    return *this;
  }
  AcArray& swap(int i, int j) {
    std::swap(items_[check(i)], items_[check(j)]);
    return *this;
  }
  bool operator==(const AcArray& other) const {
    if (length() != other.length()) return false;
    for (size_t i = 0; i < items_.size(); ++i) {
      if (!(items_[i] == other.items_[i])) return false;
    }
    return true;
  }
  bool operator!=(const AcArray& other) const { return !(*this == other); }

  // Iteration for the host's own range-for loops.
  typename std::vector<T>::iterator begin() { return items_.begin(); }
  typename std::vector<T>::iterator end() { return items_.end(); }
  typename std::vector<T>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T>::const_iterator end() const { return items_.end(); }

 private:
  size_t check(int i) const {
    if (i < 0 || i >= length()) throw std::out_of_range(rangeText(i));
    return static_cast<size_t>(i);
  }
  std::string rangeText(int i) const {
    return "AcArray index " + std::to_string(i) + " outside 0.." + std::to_string(length() - 1);
  }

  std::vector<T> items_;
  int grow_;
};
