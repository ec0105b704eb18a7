#pragma once

#include "tests/platform/components/fixture/FixtureTypes.h"

#include "platform/components/Creation.h"
#include "platform/components/Interfaces.h"
#include "platform/components/RefCounted.h"
#include "platform/components/Variant.h"

#include <gtest/gtest.h>

#include <functional>

// The fixture library's file, and helpers the component tests share.
namespace fixture {

inline const QString kLibraryPath = QStringLiteral(COMPONENT_FIXTURE);

// A new object of the fixture class `clsid`, straight from the library file, without the registry.
inline ComPtr<IDispatch> CreateFromFile(const Guid &clsid)
{
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(GetClassObjectFromFile(kLibraryPath, clsid, IClassFactory::IID, factory.Receive()), S_OK);
    ComPtr<IDispatch> object;
    if (factory) {
        EXPECT_EQ(factory->CreateInstance(IDispatch::IID, object.Receive()), S_OK);
    }
    return object;
}

// An event sink that hands every event to one function.
class Sink final : public RefCounted<IDispatch> {
public:
    static constexpr Guid IID = IDispatch::IID;
    explicit Sink(std::function<void(DispId, Arguments &)> handle) : handle_(std::move(handle)) {}

    HResult GetIDsOfNames(const QString &, DispId *) override { return E_NOTIMPL; }
    HResult Invoke(DispId id, InvokeKind, Arguments &args, Variant *, ExceptionInfo *) override
    {
        handle_(id, args);
        return S_OK;
    }

private:
    std::function<void(DispId, Arguments &)> handle_;
};

} // namespace fixture
