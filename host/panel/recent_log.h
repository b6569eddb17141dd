// The latest entries of a log that never stops growing: a panel flying for days sends key events and
// plays sounds all along, and nobody reads further back than the last frames. Entries keep the number
// they were given when logged (0 for the first), so a reader that remembers how far it read goes on from
// there; what fell out of the ring is gone, and a reader that fell behind resumes at first().
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace host {

template <class Entry>
class RecentLog {
public:
    // The ring's storage is taken at once (the memory itself only as entries fill it): logging then
    // never reallocates.
    explicit RecentLog(std::size_t capacity) : capacity_(capacity ? capacity : 1) { ring_.reserve(capacity_); }

    // Number of entries ever logged: one past the number of the latest.
    std::size_t size() const { return count_; }
    // Number of the oldest entry still kept.
    std::size_t first() const { return count_ - kept(); }
    std::size_t kept() const { return ring_.size(); }
    std::size_t capacity() const { return capacity_; }
    bool empty() const { return count_ == 0; }

    // Entry number `n`, first() <= n < size().
    const Entry& operator[](std::size_t n) const { return ring_[n % capacity_]; }
    const Entry& back() const { return (*this)[count_ - 1]; }

    // The slot of the next entry, to be filled in place: once the ring is full, slots and whatever
    // storage their members hold are reused, so logging allocates nothing after the first round.
    Entry& next()
    {
        Entry& slot = ring_.size() < capacity_ ? ring_.emplace_back() : ring_[count_ % capacity_];
        ++count_;
        return slot;
    }

    // The kept entries, oldest first.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;
        const_iterator() = default;
        const_iterator(const RecentLog* log, std::size_t n) : log_(log), n_(n) {}
        const Entry& operator*() const { return (*log_)[n_]; }
        const Entry* operator->() const { return &(*log_)[n_]; }
        const_iterator& operator++()
        {
            ++n_;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator was = *this;
            ++n_;
            return was;
        }
        bool operator==(const const_iterator& o) const { return n_ == o.n_; }
        bool operator!=(const const_iterator& o) const { return n_ != o.n_; }

    private:
        const RecentLog* log_ = nullptr;
        std::size_t n_ = 0;
    };
    const_iterator begin() const { return {this, first()}; }
    const_iterator end() const { return {this, count_}; }

private:
    std::size_t capacity_;
    std::size_t count_ = 0;
    std::vector<Entry> ring_;
};

} // namespace host
