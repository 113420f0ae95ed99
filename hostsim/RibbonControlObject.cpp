#include "hostsim/RibbonControlObject.h"

#include "hostsim/CommandBarCall.h"

namespace hostsim {

using namespace call;

RibbonControlObject::RibbonControlObject(SimWorld &world, std::wstring id, IDispatch *context,
                                         std::wstring tag)
    : SimDualObject(world, L"RibbonControl(" + id + L")"), id_(std::move(id)), tag_(std::move(tag)),
      context_(classlib::ComPtr<IDispatch>::Copy(context)) {}

HRESULT RibbonControlObject::get_Id(BSTR *out) {
    return Call(L"Id", {}, [&] { SetOut(out, id_); });
}

HRESULT RibbonControlObject::get_Context(IDispatch **out) {
    Clear(out);
    return Call(L"Context", {}, [&] { SetOut(out, context_.Get()); });
}

HRESULT RibbonControlObject::get_Tag(BSTR *out) {
    return Call(L"Tag", {}, [&] { SetOut(out, tag_); });
}

} // namespace hostsim
