#pragma once

#include <utility>

namespace platform::components {

// Holds one reference to a reference-counted object (anything with AddRef and Release).
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes a reference of its own.
    ComPtr(T *object) : object_(object)
    {
        if (object_)
            object_->AddRef();
    }
    ComPtr(const ComPtr &other) : ComPtr(other.object_) {}
    ComPtr(ComPtr &&other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }

    // Takes over a reference that the caller already holds (a fresh object, an out parameter).
    static ComPtr Adopt(T *object)
    {
        ComPtr pointer;
        pointer.object_ = object;
        return pointer;
    }

    void Reset()
    {
        if (T *object = std::exchange(object_, nullptr))
            object->Release();
    }

    // The slot an out parameter fills; whatever was held is released first.
    void **Receive()
    {
        Reset();
        return reinterpret_cast<void **>(&object_);
    }

    T *Get() const { return object_; }
    T *operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    friend bool operator==(const ComPtr &a, const ComPtr &b) { return a.object_ == b.object_; }

private:
    T *object_ = nullptr;
};

} // namespace platform::components
