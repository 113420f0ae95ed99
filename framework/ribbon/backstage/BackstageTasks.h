// The Backstage's task lists: a task group holds categories of tasks that act when clicked; a task
// form group holds categories of tasks that each show groups of their own.
#pragma once
#include "framework/ribbon/backstage/BackstageKinds.h"
#include "framework/ribbon/backstage/BackstageParent.h"

namespace framework {

// What task groups and task form groups share: their categories and the task sizes they allow.
class TzidBackstageTaskList : public TzidBackstageParent {
    CLASSLIB_CLASS(TzidBackstageTaskList)
public:
    TzidBackstageAllowedTaskSizes AllowedTaskSizes() const { return allowedTaskSizes_; }
    // Neither the empty set nor small and large without medium is taken: the old set stays.
    void SetAllowedTaskSizes(TzidBackstageAllowedTaskSizes Value);

protected:
    TzidBackstageTaskList(classlib::TCollection *Collection, const classlib::TClassInfo &CategoryClass);
    // The attributes both write; Position: whether the placement attribute follows.
    std::unique_ptr<classlib::TStringList> ListAttributes(bool Position) const;

private:
    TzidBackstageAllowedTaskSizes allowedTaskSizes_ = zidAllTaskSizes;
};

class TzidBackstageTaskFormGroup : public TzidBackstageTaskList {
    CLASSLIB_CLASS(TzidBackstageTaskFormGroup)
public:
    explicit TzidBackstageTaskFormGroup(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"taskFormGroup"; }
    // No placement attribute: the host places task form groups itself.
    std::unique_ptr<classlib::TStringList> GetAttributes(int) const override { return ListAttributes(false); }
    TzidRibbonControlType GetControlType() const override { return rctBackstageTaskFormGroup; }
};

class TzidBackstageTaskGroup : public TzidBackstageTaskList {
    CLASSLIB_CLASS(TzidBackstageTaskGroup)
public:
    explicit TzidBackstageTaskGroup(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"taskGroup"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int) const override { return ListAttributes(true); }
    TzidRibbonControlType GetControlType() const override { return rctBackstageTaskGroup; }
};

// The categories of both lists.
class TzidBackstageCategory : public TzidBackstageParent {
    CLASSLIB_CLASS(TzidBackstageCategory)
public:
    std::wstring GetElementName() const override { return L"category"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;

protected:
    using TzidBackstageParent::TzidBackstageParent;
};

class TzidBackstageTaskFormGroupCategory : public TzidBackstageCategory {
    CLASSLIB_CLASS(TzidBackstageTaskFormGroupCategory)
public:
    explicit TzidBackstageTaskFormGroupCategory(classlib::TCollection *Collection);
    TzidRibbonControlType GetControlType() const override { return rctBackstageTaskFormGroupCategory; }
};

class TzidBackstageTaskGroupCategory : public TzidBackstageCategory {
    CLASSLIB_CLASS(TzidBackstageTaskGroupCategory)
public:
    explicit TzidBackstageTaskGroupCategory(classlib::TCollection *Collection);
    TzidRibbonControlType GetControlType() const override { return rctBackstageTaskGroupCategory; }
};

// A task of a task form group: selecting it shows its groups.
class TzidBackstageTaskFormGroupTask : public TzidBackstageParent {
    CLASSLIB_CLASS(TzidBackstageTaskFormGroupTask)
public:
    explicit TzidBackstageTaskFormGroupTask(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"task"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageTaskFormGroupTask; }
};

// A task of a task group: a click fires OnClick.
class TzidBackstageTaskGroupTask : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageTaskGroupTask)
public:
    explicit TzidBackstageTaskGroupTask(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"task"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageTaskGroupTask; }
    // Keeps the host's pressed state, then fires OnClick.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    // Whether the click closes the Backstage view.
    bool IsDefinitive() const { return isDefinitive_; }
    void SetIsDefinitive(bool Value) { isDefinitive_ = Value; }

    TzidRibbonOnClick OnClick;

private:
    bool isDefinitive_ = false;
};

} // namespace framework
