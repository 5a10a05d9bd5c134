#pragma once

#include <cstddef>
#include <iterator>
#include <list>

namespace quorvex {

// An ordered list with a cursor that may also stand before the first record.
// Adding inserts right after the cursor and moves the cursor onto the new record, so a
// list that is only ever added to keeps the order of the calls, also after a full walk.
template <typename T>
class CursorList {
  public:
    std::size_t Count() const { return items_.size(); }

    void Clear() {
        items_.clear();
        Reset();
    }

    void Reset() {
        cursor_ = items_.end();
        beforeFirst_ = true;
    }

    // Moves one record on; at the end returns nullptr and leaves the cursor on the last.
    T* Next() {
        typename std::list<T>::iterator next = beforeFirst_ ? items_.begin() : std::next(cursor_);
        if (next == items_.end()) {
            return nullptr;
        }
        cursor_ = next;
        beforeFirst_ = false;
        return &*cursor_;
    }

    T* Select(std::size_t position) {
        if (position >= items_.size()) {
            return nullptr;
        }
        cursor_ = std::next(items_.begin(), static_cast<std::ptrdiff_t>(position));
        beforeFirst_ = false;
        return &*cursor_;
    }

    T& Add() {
        const typename std::list<T>::iterator at =
            beforeFirst_ ? items_.begin() : std::next(cursor_);
        cursor_ = items_.insert(at, T{});
        beforeFirst_ = false;
        return *cursor_;
    }

    // Removes the current record; the cursor moves to the previous one, or before the
    // first when the first was removed.
    void Delete() {
        if (beforeFirst_) {
            return;
        }
        if (cursor_ == items_.begin()) {
            items_.erase(cursor_);
            Reset();
        } else {
            const typename std::list<T>::iterator previous = std::prev(cursor_);
            items_.erase(cursor_);
            cursor_ = previous;
        }
    }

    T* Last() {
        if (items_.empty()) {
            return nullptr;
        }
        cursor_ = std::prev(items_.end());
        beforeFirst_ = false;
        return &*cursor_;
    }

    T* Current() { return beforeFirst_ ? nullptr : &*cursor_; }

    // 0-based position of the cursor, or -1 before the first record.
    long CurrentPosition() const {
        if (beforeFirst_) {
            return -1;
        }
        return static_cast<long>(
            std::distance(items_.begin(), typename std::list<T>::const_iterator(cursor_)));
    }

    // Walking with these leaves the cursor alone.
    typename std::list<T>::iterator begin() { return items_.begin(); }
    typename std::list<T>::iterator end() { return items_.end(); }
    typename std::list<T>::const_iterator begin() const { return items_.begin(); }
    typename std::list<T>::const_iterator end() const { return items_.end(); }

  private:
    std::list<T> items_;
    typename std::list<T>::iterator cursor_ = items_.end();
    bool beforeFirst_ = true;
};

}  // namespace quorvex
