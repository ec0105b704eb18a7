#pragma once

#include "platform/components/Interfaces.h"

#include <cstdint>

namespace platform::components {

// Reference counting and QueryInterface for a small object that offers one interface besides IUnknown.
// A new object holds one reference, its creator's; the last Release deletes it.
template <class Interface>
class RefCounted : public Interface {
public:
    HResult QueryInterface(const Guid &iid, void **out) override
    {
        if (!out)
            return E_POINTER;
        if (iid != IID_IUnknown && iid != Interface::IID) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<Interface *>(this);
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() override { return ++references_; }
    std::uint32_t Release() override
    {
        const std::uint32_t left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    RefCounted() = default;
    ~RefCounted() override = default;

private:
    std::uint32_t references_ = 1;
};

} // namespace platform::components
