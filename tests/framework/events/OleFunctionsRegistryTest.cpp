// The OLE helpers against ProgIDs the simulation registers: creating an object by ProgID answers an
// HRESULT whatever happens, finding a running one answers null when none runs.
#include <gtest/gtest.h>

#include "framework/events/OleFunctions.h"
#include "hostsim/SimRegistration.h"
#include "hostsim/WordHost.h"

using classlib::ComPtr;

namespace {

class OleFunctionsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { oleInitialized_ = SUCCEEDED(OleInitialize(nullptr)); }
    void TearDown() override {
        if (oleInitialized_)
            OleUninitialize();
    }
    static IUnknown *Identity(IUnknown *object) {
        return ComPtr<IUnknown>::Copy(object).TryAs<IUnknown>().Get();
    }
    bool oleInitialized_ = false;
};

TEST_F(OleFunctionsRegistryTest, CreateObjectByProgIDAnswersAnHResultAndNeverRaises) {
    ComPtr<IDispatch> object; // starts empty; must stay so on failure
    HRESULT hr = framework::CreateObjectByProgID(L"Tessary.NoSuchHost.Application", object);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(hr, CO_E_CLASSSTRING);
    EXPECT_FALSE(object);

    hostsim::WordHost word(L"14.0");
    {
        hostsim::ClassRegistration registration(L"Word.Application",
                                                [&] { return ComPtr<IUnknown>::Copy(word.Application()); });
        EXPECT_EQ(framework::CreateObjectByProgID(L"Word.Application", object), S_OK);
        ASSERT_TRUE(object);
        EXPECT_EQ(Identity(object.Get()), Identity(word.Application()));
    }
    // Known by its ProgID but with no server to make it: the activation's own failure.
    hostsim::ProgIDRegistration keys(L"Word.Application");
    EXPECT_TRUE(FAILED(framework::CreateObjectByProgID(L"Word.Application", object)));
    EXPECT_FALSE(object);
}

TEST_F(OleFunctionsRegistryTest, GetActiveObjectByProgIDFindsOnlyARunningHost) {
    ComPtr<IDispatch> object;
    EXPECT_THROW(framework::GetActiveObjectByProgID(L"Tessary.NoSuchHost.Application", object),
                 classlib::EOleSysError);
    EXPECT_FALSE(object);

    hostsim::ProgIDRegistration keys(L"Word.Application");
    framework::GetActiveObjectByProgID(L"Word.Application", object);
    EXPECT_FALSE(object);

    hostsim::WordHost word(L"14.0");
    {
        hostsim::ActiveObjectRegistration running(L"Word.Application", word.Application());
        framework::GetActiveObjectByProgID(L"Word.Application", object);
        ASSERT_TRUE(object);
        EXPECT_EQ(Identity(object.Get()), Identity(word.Application()));
        object.Reset();
    }
    framework::GetActiveObjectByProgID(L"Word.Application", object);
    EXPECT_FALSE(object);
}

} // namespace
