#pragma once
// A vector that keeps its first N elements inside itself: the children of a
// tree node and the short lists the canonical form sorts are mostly a handful,
// and a heap block for each of them cost a quarter of the tree's time.
// The interface is the part of std::vector the tree code uses; iterators are
// plain pointers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

template <class T, std::size_t N>
class SmallVector {
public:
    using value_type = T;
    using size_type = std::size_t;
    using iterator = T*;
    using const_iterator = const T*;
    using reference = T&;
    using const_reference = const T&;

    SmallVector() = default;
    SmallVector(std::initializer_list<T> items) { Append(items.begin(), items.end()); }
    template <class It, class = typename std::iterator_traits<It>::iterator_category>
    SmallVector(It first, It last) {
        Append(first, last);
    }
    SmallVector(const SmallVector& other) { Append(other.begin(), other.end()); }
    SmallVector(SmallVector&& other) noexcept { Take(other); }
    SmallVector& operator=(const SmallVector& other) {
        if (this != &other) {
            clear();
            Append(other.begin(), other.end());
        }
        return *this;
    }
    SmallVector& operator=(SmallVector&& other) noexcept {
        if (this != &other) {
            Release();
            Take(other);
        }
        return *this;
    }
    SmallVector& operator=(std::initializer_list<T> items) {
        clear();
        Append(items.begin(), items.end());
        return *this;
    }
    ~SmallVector() {
        std::destroy(begin(), end());
        if (!Inline()) std::allocator<T>().deallocate(data_, capacity_);
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    iterator begin() { return data_; }
    iterator end() { return data_ + size_; }
    const_iterator begin() const { return data_; }
    const_iterator end() const { return data_ + size_; }
    size_type size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](size_type i) { return data_[i]; }
    const T& operator[](size_type i) const { return data_[i]; }
    T& front() { return data_[0]; }
    const T& front() const { return data_[0]; }
    T& back() { return data_[size_ - 1]; }
    const T& back() const { return data_[size_ - 1]; }

    void reserve(size_type n) {
        if (n > capacity_) Grow(n);
    }
    void clear() {
        std::destroy(begin(), end());
        size_ = 0;
    }
    void push_back(const T& v) { emplace_back(v); }
    void push_back(T&& v) { emplace_back(std::move(v)); }
    template <class... A>
    T& emplace_back(A&&... args) {
        if (size_ == capacity_) {
            // The argument may live in this vector: build the element first.
            T v(std::forward<A>(args)...);
            Grow(capacity_ * size_type{2});
            return *::new (data_ + size_++) T(std::move(v));
        }
        return *::new (data_ + size_++) T(std::forward<A>(args)...);
    }
    void pop_back() { std::destroy_at(data_ + --size_); }
    iterator erase(const_iterator pos) {
        T* p = const_cast<T*>(pos);
        std::move(p + 1, end(), p);
        pop_back();
        return p;
    }
    iterator insert(const_iterator pos, const T& v) {
        const T* one = &v;
        return insert(pos, one, one + 1);
    }
    template <class It, class = typename std::iterator_traits<It>::iterator_category>
    iterator insert(const_iterator pos, It first, It last) {
        const size_type at = static_cast<size_type>(pos - data_);
        const size_type n = static_cast<size_type>(std::distance(first, last));
        if (n == 0) return data_ + at;
        // Copies first, so that inserting a range of this vector is safe.
        SmallVector items(first, last);
        if (size_ + n > capacity_) Grow(std::max<size_type>(size_ + n, capacity_ * size_type{2}));
        for (size_type i = 0; i < n; ++i) ::new (data_ + size_ + i) T();
        size_ = static_cast<std::uint32_t>(size_ + n);
        std::move_backward(data_ + at, data_ + size_ - n, data_ + size_);
        std::move(items.begin(), items.end(), data_ + at);
        return data_ + at;
    }

private:
    bool Inline() const { return data_ == Buffer(); }
    T* Buffer() { return reinterpret_cast<T*>(buffer_); }
    const T* Buffer() const { return reinterpret_cast<const T*>(buffer_); }

    template <class It>
    void Append(It first, It last) {
        for (; first != last; ++first) emplace_back(*first);
    }
    void Grow(size_type n) {
        T* fresh = std::allocator<T>().allocate(n);
        std::uninitialized_move(begin(), end(), fresh);
        std::destroy(begin(), end());
        if (!Inline()) std::allocator<T>().deallocate(data_, capacity_);
        data_ = fresh;
        capacity_ = static_cast<std::uint32_t>(n);
    }
    void Release() {
        std::destroy(begin(), end());
        if (!Inline()) std::allocator<T>().deallocate(data_, capacity_);
        data_ = Buffer();
        size_ = 0;
        capacity_ = N;
    }
    // Leaves other empty and inline.
    void Take(SmallVector& other) {
        if (other.Inline()) {
            std::uninitialized_move(other.begin(), other.end(), Buffer());
            size_ = other.size_;
            other.clear();
        } else {
            data_ = other.data_;
            size_ = other.size_;
            capacity_ = other.capacity_;
            other.data_ = other.Buffer();
            other.size_ = 0;
            other.capacity_ = N;
        }
    }

    alignas(T) unsigned char buffer_[sizeof(T) * N];
    T* data_ = Buffer();
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = N;
};
