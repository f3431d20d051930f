#pragma once
#include <atomic>
#include <cstddef>
#include <utility>

#include <unknwn.h>

// The reference-counted interface object: an atomic count starting at zero, raised
// to one by the first reference handed out, and destruction when Release brings it
// back to zero. Derived classes answer QueryInterface through FindInterface.
class TInterfacedObject {
public:
    TInterfacedObject() = default;
    TInterfacedObject(const TInterfacedObject&) = delete;
    TInterfacedObject& operator=(const TInterfacedObject&) = delete;
    virtual ~TInterfacedObject() = default;

    ULONG AddRefObject() { return ++count_; }
    ULONG ReleaseObject()
    {
        const ULONG left = --count_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT QueryObject(REFIID iid, void** object)
    {
        if (!object) return E_POINTER;
        *object = FindInterface(iid);
        if (!*object) return E_NOINTERFACE;
        AddRefObject();
        return S_OK;
    }

protected:
    // The face for an interface id, or null: every class lists its own ids.
    virtual void* FindInterface(REFIID iid) = 0;

private:
    std::atomic<ULONG> count_{0};
};

// The IUnknown methods of one face of a TInterfacedObject-derived class.
#define TAVIO_IUNKNOWN_METHODS                                                                   \
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override                \
    {                                                                                           \
        return QueryObject(iid, object);                                                        \
    }                                                                                           \
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefObject(); }                         \
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseObject(); }

// An owning interface reference.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to an existing object.
    explicit ComPtr(T* object) : object_(object)
    {
        if (object_) object_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset()
    {
        if (object_) std::exchange(object_, nullptr)->Release();
    }
    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For out parameters: releases what is held first.
    T** Put()
    {
        Reset();
        return &object_;
    }
    T* Detach() { return std::exchange(object_, nullptr); }

    template <typename U>
    ComPtr<U> As(REFIID iid) const
    {
        ComPtr<U> result;
        if (object_) object_->QueryInterface(iid, reinterpret_cast<void**>(result.Put()));
        return result;
    }

private:
    T* object_ = nullptr;
};
