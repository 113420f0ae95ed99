// The module's named objects: the list's look-ups, and the Word and Excel refresh that hands the
// active document's embedded objects to the entries of their names.
#include <gtest/gtest.h>

#include <map>

#include "classlib/ComImplements.h"
#include "classlib/InvokeArgs.h"
#include "classlib/OleVariant.h"
#include "framework/core/AddInModule.h"

using classlib::ComPtr;
using classlib::OleVariant;
using framework::IzidNamedObject;

namespace {

// An automation object of named values and, as a collection, Count and Item(1..n). A name it does
// not hold is unknown, as a host answers for a member its object lacks.
class TBag : public classlib::TImplements<IDispatch> {
public:
    TBag &Set(const std::wstring &name, const OleVariant &value) {
        values_[name] = value;
        return *this;
    }
    TBag &Add(IDispatch *item) {
        items_.emplace_back(item);
        values_[L"Count"] = OleVariant(static_cast<int>(items_.size()));
        return *this;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return *count = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT, LCID, DISPID *ids) override {
        std::wstring name = names[0];
        if (name == L"Item" && !items_.empty())
            return ids[0] = 0, S_OK;
        auto found = values_.find(name);
        if (found == values_.end())
            return DISP_E_UNKNOWNNAME;
        ids[0] = 1 + static_cast<DISPID>(std::distance(values_.begin(), found));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *result,
                                     EXCEPINFO *, UINT *) override {
        OleVariant value;
        if (id == 0)
            value = items_.at(OleVariant(params->rgvarg[0]).ToInt() - 1);
        else
            value = std::next(values_.begin(), id - 1)->second;
        return VariantCopy(result, const_cast<VARIANT *>(&value.Var()));
    }

private:
    std::map<std::wstring, OleVariant> values_;
    std::vector<OleVariant> items_;
};

ComPtr<TBag> Bag() {
    return classlib::Make<TBag>();
}

struct TEntry : IzidNamedObject {
    explicit TEntry(std::wstring name) : name_(std::move(name)) {}
    std::wstring ObjectName() const override { return name_; }
    void AttachObject(IDispatch *Object) override { attached_ = ComPtr<IDispatch>::Copy(Object); }
    void RefreshObject() override { ++refreshes_; }
    std::wstring name_;
    ComPtr<IDispatch> attached_;
    int refreshes_ = 0;
};

TEST(NamedObjects, TheListFindsEntriesByNameAndAnswersNothingOutsideIt) {
    framework::TzidNamedObjects list;
    EXPECT_EQ(list.IndexOf(L"Chart"), -1) << "an empty list";
    TEntry chart(L"Chart"), table(L"Table");
    list.Add(&chart);
    list.Add(&table);
    EXPECT_EQ(list.IndexOf(L"table"), 1);
    EXPECT_EQ(list.IndexOf(L""), -1);
    EXPECT_EQ(list.IndexOf(L"Other"), -1);
    EXPECT_EQ(list.Find(L"CHART"), &chart);
    EXPECT_EQ(list.Items(2), nullptr);
    EXPECT_EQ(list.Items(-1), nullptr);
    list.Remove(&chart);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), &table);
}

// A refresh that removes a later entry (which its owner may then free): that entry is not called.
TEST(NamedObjects, ARefreshSkipsTheEntriesAnEarlierOneRemoved) {
    framework::TzidNamedObjects list;
    TEntry later(L"Later"), last(L"Last");
    struct TRemover : TEntry {
        using TEntry::TEntry;
        void RefreshObject() override { List->Remove(Removed); }
        framework::TzidNamedObjects *List = nullptr;
        IzidNamedObject *Removed = nullptr;
    } remover(L"Remover");
    remover.List = &list;
    remover.Removed = &later;
    for (IzidNamedObject *entry : std::initializer_list<IzidNamedObject *>{&remover, &later, &last})
        list.Add(entry);
    list.RefreshAll();
    EXPECT_EQ(later.refreshes_, 0) << "a removed entry was called";
    EXPECT_EQ(last.refreshes_, 1);
}

struct TRecognized : classlib::TObject {
    int Count = 0;
    void Recognized(IDispatch *) { ++Count; }
};

// Word: the document is recognised by its custom property; an inline shape holding an OLE object
// goes to the entry of the object's name; a shape without one is passed over. Excel: the active
// sheet's OLE objects.
TEST(NamedObjects, WordAndExcelHandTheActiveDocumentsObjectsToTheirEntries) {
    OleInitialize(nullptr);
    {
        ComPtr<TBag> control = Bag(), picture = Bag(), properties = Bag(), shapes = Bag(), document = Bag(),
                     app = Bag();
        control->Set(L"Name", OleVariant(L"Chart"));
        ComPtr<TBag> format = Bag();
        format->Set(L"Object", OleVariant(static_cast<IDispatch *>(control.Get())));
        ComPtr<TBag> oleShape = Bag();
        oleShape->Set(L"OLEFormat", OleVariant(static_cast<IDispatch *>(format.Get())));
        shapes->Add(picture.Get()).Add(oleShape.Get());
        ComPtr<TBag> mark = Bag();
        mark->Set(L"Name", OleVariant(L"Maker")).Set(L"Value", OleVariant(L"Tessary"));
        properties->Add(mark.Get());
        document->Set(L"InlineShapes", OleVariant(static_cast<IDispatch *>(shapes.Get())))
            .Set(L"CustomDocumentProperties", OleVariant(static_cast<IDispatch *>(properties.Get())));
        app->Set(L"ActiveDocument", OleVariant(static_cast<IDispatch *>(document.Get())));

        framework::TzidCOMAddInModule module(nullptr);
        module.SetHostApp(OleVariant(static_cast<IDispatch *>(app.Get())));
        module.SetHostType(framework::ohaWord);
        TRecognized recognized;
        module.OnDocumentRecognized = classlib::MakeEvent<&TRecognized::Recognized>(&recognized);
        module.SetDocumentMark(L"Maker", L"Tessary");
        TEntry chart(L"Chart"), table(L"Table");
        module.NamedObjects().Add(&chart);
        module.NamedObjects().Add(&table);
        RefreshHostObjects(module);
        EXPECT_EQ(recognized.Count, 1);
        EXPECT_EQ(chart.attached_.Get(), static_cast<IDispatch *>(control.Get()));
        EXPECT_FALSE(table.attached_);
        EXPECT_EQ(chart.refreshes_ + table.refreshes_, 2) << "every entry refreshes";

        module.SetDocumentMark(L"Maker", L"Someone else");
        module.SetHostType(framework::ohaPowerPoint);
        RefreshHostObjects(module);
        module.SetHostType(framework::ohaWord);
        RefreshHostObjects(module);
        EXPECT_EQ(recognized.Count, 1) << "another value is not the application's mark";
        EXPECT_EQ(chart.refreshes_, 2) << "PowerPoint has nothing to refresh";

        // Excel: the active sheet's OLE objects, by their own names.
        ComPtr<TBag> oleObject = Bag(), objects = Bag(), sheet = Bag();
        oleObject->Set(L"Name", OleVariant(L"Table"))
            .Set(L"Object", OleVariant(static_cast<IDispatch *>(picture.Get())));
        objects->Add(oleObject.Get());
        sheet->Set(L"OLEObjects", OleVariant(static_cast<IDispatch *>(objects.Get())));
        app->Set(L"ActiveWorkbook", OleVariant(static_cast<IDispatch *>(document.Get())))
            .Set(L"ActiveSheet", OleVariant(static_cast<IDispatch *>(sheet.Get())));
        module.SetHostType(framework::ohaExcel);
        RefreshHostObjects(module);
        EXPECT_EQ(table.attached_.Get(), static_cast<IDispatch *>(picture.Get()));
        module.SetHostApp(OleVariant());
    }
    OleUninitialize();
}

} // namespace
