// The Backstage's other controls of groups: hyperlink, label, image, and the two containers that lay
// out further controls (group box, layout container).
#pragma once
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

class TzidBackstageHyperlink : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageHyperlink)
public:
    explicit TzidBackstageHyperlink(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"hyperlink"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageHyperlink; }
    // Keeps the host's pressed state, then fires OnClick.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    TzidBackstageContentAlignmentStyle TextAlign() const { return textAlign_; }
    void SetTextAlign(TzidBackstageContentAlignmentStyle Value) { textAlign_ = Value; }
    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }

    TzidRibbonOnClick OnClick;

private:
    TzidBackstageContentAlignmentStyle textAlign_ = caTopLeft;
    TzidBackstageControlExpandStyle expand_ = ceNeither;
};

class TzidBackstageLabelControl : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageLabelControl)
public:
    explicit TzidBackstageLabelControl(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"labelControl"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageLabelControl; }

    TzidBackstageContentAlignmentStyle TextAlign() const { return textAlign_; }
    void SetTextAlign(TzidBackstageContentAlignmentStyle Value) { textAlign_ = Value; }
    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }
    // Written as its opposite, "noWrap".
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value) { wordWrap_ = Value; }

private:
    TzidBackstageContentAlignmentStyle textAlign_ = caTopLeft;
    TzidBackstageControlExpandStyle expand_ = ceNeither;
    bool wordWrap_ = true;
};

// An image with an alternative text (AltText, answered to the host's alternative-text callback).
class TzidBackstageImageControl : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageImageControl)
public:
    explicit TzidBackstageImageControl(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"imageControl"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageImageControl; }
};

// Its controls may be of any class; forms carry them as "ControlTypes" and "Controls_".
class TzidBackstageGroupBox : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidBackstageGroupBox)
public:
    explicit TzidBackstageGroupBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"groupBox"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageGroupBox; }

    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }

private:
    TzidBackstageControlExpandStyle expand_ = ceNeither;
};

// Its controls may be of any class; forms carry them as "ControlTypes" and "Controls_".
class TzidBackstageLayoutContainer : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidBackstageLayoutContainer)
public:
    explicit TzidBackstageLayoutContainer(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"layoutContainer"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageLayoutContainer; }

    TzidBackstageContentAlignmentStyle ChildrenAlign() const { return childrenAlign_; }
    void SetChildrenAlign(TzidBackstageContentAlignmentStyle Value) { childrenAlign_ = Value; }
    TzidBackstageChildrenAlignmentStyle ChildrenLayout() const { return childrenLayout_; }
    void SetChildrenLayout(TzidBackstageChildrenAlignmentStyle Value) { childrenLayout_ = Value; }
    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }

private:
    TzidBackstageContentAlignmentStyle childrenAlign_ = caTopLeft;
    TzidBackstageChildrenAlignmentStyle childrenLayout_ = bcVertical;
    TzidBackstageControlExpandStyle expand_ = ceNeither;
};

} // namespace framework
