#include "framework/core/NamedObjects.h"

#include <algorithm>

#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"

using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleVariant;

namespace framework {

IzidNamedObject *TzidNamedObjects::Items(int Index) const {
    return Index >= 0 && Index < Count() ? items_[Index] : nullptr;
}

int TzidNamedObjects::IndexOf(const std::wstring &Name) const {
    if (Name.empty())
        return -1;
    for (int i = 0; i < Count(); ++i)
        if (classlib::SameText(items_[i]->ObjectName(), Name))
            return i;
    return -1;
}

void TzidNamedObjects::Remove(IzidNamedObject *Item) {
    items_.erase(std::remove(items_.begin(), items_.end(), Item), items_.end());
}

void TzidNamedObjects::RefreshAll() const {
    // An entry's refresh may remove entries, and their owners free them: a copy is walked, and an
    // entry is called only while the list still holds it.
    const std::vector<IzidNamedObject *> items = items_;
    for (IzidNamedObject *item : items)
        if (std::find(items_.begin(), items_.end(), item) != items_.end())
            item->RefreshObject();
}

namespace {

// Visits each item of a host collection, 1 to Count.
template <class Visit> void ForEachItem(IDispatch *Collection, Visit &&visit) {
    const int count = DispGet(Collection, L"Count").ToInt();
    for (int i = 1; i <= count; ++i)
        visit(DispCall(Collection, L"Item", {OleVariant(i)}).ToDispatch());
}

// The application's own documents carry a custom document property the module names: finding it
// tells the application that the active document is one of its own.
void RecognizeDocument(TzidCOMAddInModule &Module, IDispatch *Document) {
    if (Module.DocumentMarkName().empty() || !Module.OnDocumentRecognized)
        return;
    ComPtr<IDispatch> properties = DispGet(Document, L"CustomDocumentProperties").ToDispatch();
    bool found = false;
    ForEachItem(properties.Get(), [&](const ComPtr<IDispatch> &Property) {
        found = found || (DispGet(Property.Get(), L"Name").ToString() == Module.DocumentMarkName() &&
                          DispGet(Property.Get(), L"Value").ToString() == Module.DocumentMarkValue());
    });
    if (found)
        Module.OnDocumentRecognized(Document);
}

void HandTo(const TzidNamedObjects &List, const std::wstring &Name, IDispatch *Object) {
    if (IzidNamedObject *entry = List.Find(Name))
        entry->AttachObject(Object);
}

// Word's embedded objects are the inline shapes holding an OLE object; the others are passed over.
void RefreshWord(TzidCOMAddInModule &Module, IDispatch *App) {
    ComPtr<IDispatch> document;
    try {
        document = DispGet(App, L"ActiveDocument").ToDispatch();
    } catch (const classlib::Exception &) {
        return; // Word without a document has nothing to walk
    }
    RecognizeDocument(Module, document.Get());
    const TzidNamedObjects &list = Module.NamedObjects();
    if (list.Count() == 0)
        return;
    ComPtr<IDispatch> shapes = DispGet(document.Get(), L"InlineShapes").ToDispatch();
    ForEachItem(shapes.Get(), [&](const ComPtr<IDispatch> &Shape) {
        ComPtr<IDispatch> object;
        try {
            object = DispGet(DispGet(Shape.Get(), L"OLEFormat").ToDispatch().Get(), L"Object").ToDispatch();
        } catch (const classlib::Exception &) {
            classlib::TraceException(L"NamedObjects", L"A Word shape without an OLE object");
            return;
        }
        HandTo(list, DispGet(object.Get(), L"Name").ToString(), object.Get());
    });
    list.RefreshAll();
}

void RefreshExcel(TzidCOMAddInModule &Module, IDispatch *App) {
    ComPtr<IDispatch> workbook = DispGet(App, L"ActiveWorkbook").ToDispatch();
    ComPtr<IDispatch> sheet = DispGet(App, L"ActiveSheet").ToDispatch();
    if (!workbook || !sheet)
        return;
    RecognizeDocument(Module, workbook.Get());
    const TzidNamedObjects &list = Module.NamedObjects();
    if (list.Count() == 0)
        return;
    ComPtr<IDispatch> objects = DispCall(sheet.Get(), L"OLEObjects").ToDispatch();
    ForEachItem(objects.Get(), [&](const ComPtr<IDispatch> &Object) {
        HandTo(list, DispGet(Object.Get(), L"Name").ToString(),
               DispGet(Object.Get(), L"Object").ToDispatch().Get());
    });
    list.RefreshAll();
}

} // namespace

void RefreshHostObjects(TzidCOMAddInModule &Module) {
    const VARIANT &app = Module.HostApp().Var();
    if (app.vt != VT_DISPATCH || app.pdispVal == nullptr ||
        (Module.NamedObjects().Count() == 0 && Module.DocumentMarkName().empty()))
        return;
    if (Module.HostType() == ohaWord)
        RefreshWord(Module, app.pdispVal);
    else if (Module.HostType() == ohaExcel)
        RefreshExcel(Module, app.pdispVal);
}

} // namespace framework
