#include "framework/ribbon/backstage/BackstageTasks.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/backstage/BackstageAttributes.h"
#include "framework/ribbon/backstage/BackstageTabs.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskList, TzidBackstageParent)

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskFormGroup, TzidBackstageTaskList,
                      using Self = TzidBackstageTaskFormGroup;
                      TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls);
                      TzidRibbonPublisher<Self>(b).Id().IdMso().Caption().Visible();
                      b.Property(L"HelperText", &Self::GetHelperText, &Self::SetHelperText).Default(L"");
                      TzidRibbonPublisher<Self>(b).ShowCaption();
                      b.Property(L"AllowedTaskSizes", &Self::AllowedTaskSizes, &Self::SetAllowedTaskSizes)
                          .Default(zidAllTaskSizes))

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskGroup, TzidBackstageTaskList, using Self = TzidBackstageTaskGroup;
                      TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls);
                      TzidRibbonPublisher<Self>(b).Id().IdMso().Inserts().Caption().Visible();
                      b.Property(L"HelperText", &Self::GetHelperText, &Self::SetHelperText).Default(L"");
                      TzidRibbonPublisher<Self>(b).ShowCaption();
                      b.Property(L"AllowedTaskSizes", &Self::AllowedTaskSizes, &Self::SetAllowedTaskSizes)
                          .Default(zidAllTaskSizes))

CLASSLIB_DEFINE_CLASS(TzidBackstageCategory, TzidBackstageParent)

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskFormGroupCategory, TzidBackstageCategory,
                      using Self = TzidBackstageTaskFormGroupCategory;
                      TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls);
                      TzidRibbonPublisher<Self>(b).Id().IdMso().Inserts().Caption().Visible())

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskGroupCategory, TzidBackstageCategory,
                      using Self = TzidBackstageTaskGroupCategory;
                      TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls);
                      TzidRibbonPublisher<Self>(b).Id().IdMso().Inserts().Caption().Visible())

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskFormGroupTask, TzidBackstageParent,
                      using Self = TzidBackstageTaskFormGroupTask;
                      TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls);
                      TzidRibbonPublisher<Self>(b)
                          .Id()
                          .IdMso()
                          .Inserts()
                          .Glyph()
                          .ImageIndex()
                          .ImageMso()
                          .Enabled()
                          .Caption()
                          .Visible()
                          .Description()
                          .KeyTip())

CLASSLIB_DEFINE_CLASS(TzidBackstageTaskGroupTask, TzidRibbonCustomControl,
                      using Self = TzidBackstageTaskGroupTask;
                      TzidRibbonPublisher<Self>(b).Ribbons().Id().IdMso().Inserts();
                      b.Property(L"IsDefinitive", &Self::IsDefinitive, &Self::SetIsDefinitive).Default(false);
                      TzidRibbonPublisher<Self>(b)
                          .Glyph()
                          .ImageIndex()
                          .ImageMso()
                          .Enabled()
                          .Caption()
                          .Visible()
                          .Description()
                          .KeyTip();
                      b.Field(L"OnClick", &Self::OnClick))

namespace {

// What both kinds of task write: the built-in head, or the callbacks of a task of the add-in's own;
// then the insertion place.
std::unique_ptr<classlib::TStringList> TaskAttributes(const TzidRibbonCustomControl &Task, bool Clickable) {
    TzidBackstageAttributes List(Task);
    if (!Task.IdMso().empty()) {
        List.Add(L"idMso", Task.IdMso());
        List.Add(L"label", Task.Caption());
        List.AddBool(L"visible", Task.Visible());
        List.Add(L"description", Task.Description());
    } else {
        List.Id();
        if (Clickable)
            List.Definitive(static_cast<const TzidBackstageTaskGroupTask &>(Task).IsDefinitive());
        List.Image();
        for (const wchar_t *name :
             {L"getEnabled", L"getLabel", L"getVisible", L"getDescription", L"getKeytip"})
            List.Callback(name);
        if (Clickable)
            List.ActionPlain();
    }
    List.Insert();
    return List.Take();
}

} // namespace

// ---- task lists --------------------------------------------------------------------------------

TzidBackstageTaskList::TzidBackstageTaskList(classlib::TCollection *Collection,
                                             const classlib::TClassInfo &CategoryClass)
    : TzidBackstageParent(Collection, 100, CategoryClass) {}

void TzidBackstageTaskList::SetAllowedTaskSizes(TzidBackstageAllowedTaskSizes Value) {
    // The host offers no such choice: it would have to skip the size between the two.
    if (Value.Empty() || Value == TzidBackstageAllowedTaskSizes{tsSmall, tsLarge})
        return;
    allowedTaskSizes_ = Value * zidAllTaskSizes;
}

std::unique_ptr<classlib::TStringList> TzidBackstageTaskList::ListAttributes(bool Position) const {
    TzidBackstageAttributes list(*this);
    if (!idMso_.empty()) {
        list.BuiltIn();
        list.Add(L"helperText", helperText_);
        list.AddBool(L"showLabel", showCaption_);
    } else {
        list.Id();
        for (const wchar_t *name : {L"getLabel", L"getVisible", L"getHelperText", L"getShowLabel"})
            list.Callback(name);
    }
    list.Add(L"allowedTaskSizes", AllowedTaskSizesWord(allowedTaskSizes_));
    if (Position)
        list.Insert();
    return list.Take();
}

TzidBackstageTaskFormGroup::TzidBackstageTaskFormGroup(classlib::TCollection *Collection)
    : TzidBackstageTaskList(Collection, TzidBackstageTaskFormGroupCategory::StaticClass()) {
    EnterInIdList();
}

TzidBackstageTaskGroup::TzidBackstageTaskGroup(classlib::TCollection *Collection)
    : TzidBackstageTaskList(Collection, TzidBackstageTaskGroupCategory::StaticClass()) {
    EnterInIdList();
}

// ---- categories --------------------------------------------------------------------------------

std::unique_ptr<classlib::TStringList> TzidBackstageCategory::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    if (!idMso_.empty()) {
        list.BuiltIn();
    } else {
        list.Id();
        list.Callback(L"getLabel");
        list.Callback(L"getVisible");
    }
    list.Insert();
    return list.Take();
}

TzidBackstageTaskFormGroupCategory::TzidBackstageTaskFormGroupCategory(classlib::TCollection *Collection)
    : TzidBackstageCategory(Collection, 1000, TzidBackstageTaskFormGroupTask::StaticClass()) {
    EnterInIdList();
}

TzidBackstageTaskGroupCategory::TzidBackstageTaskGroupCategory(classlib::TCollection *Collection)
    : TzidBackstageCategory(Collection, 1000, TzidBackstageTaskGroupTask::StaticClass()) {
    EnterInIdList();
}

// ---- tasks -------------------------------------------------------------------------------------

TzidBackstageTaskFormGroupTask::TzidBackstageTaskFormGroupTask(classlib::TCollection *Collection)
    : TzidBackstageParent(Collection, 1000, TzidBackstageGroup::StaticClass()) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageTaskFormGroupTask::GetAttributes(int) const {
    return TaskAttributes(*this, false);
}

TzidBackstageTaskGroupTask::TzidBackstageTaskGroupTask(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageTaskGroupTask::GetAttributes(int) const {
    return TaskAttributes(*this, true);
}

void TzidBackstageTaskGroupTask::DoAction(const TzidRibbonActionArguments &Args) {
    pressed_ = Args.Pressed;
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

} // namespace framework
