// What the Backstage view's classes share: their class codes (22-49 of the class table), the
// enumerations of their layout properties and the customUI words written for them.
#pragma once
#include <string>

#include "classlib/TypInfo.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

// rctBackstageTab (22) and rctBackstageGroup (27) are declared with the ribbon's codes.
constexpr TzidRibbonControlType rctBackstageFastCommandButton = 23;
constexpr TzidRibbonControlType rctBackstageTaskFormGroup = 24;
constexpr TzidRibbonControlType rctBackstageTaskFormGroupCategory = 25;
constexpr TzidRibbonControlType rctBackstageTaskFormGroupTask = 26;
constexpr TzidRibbonControlType rctBackstageTaskGroup = 28;
constexpr TzidRibbonControlType rctBackstageTaskGroupCategory = 29;
constexpr TzidRibbonControlType rctBackstageTaskGroupTask = 30;
constexpr TzidRibbonControlType rctBackstagePrimaryMenu = 31;
constexpr TzidRibbonControlType rctBackstageSubMenu = 32;
constexpr TzidRibbonControlType rctBackstageMenuGroup = 33;
constexpr TzidRibbonControlType rctBackstageMenuButton = 34;
constexpr TzidRibbonControlType rctBackstageMenuCheckBox = 35;
constexpr TzidRibbonControlType rctBackstageMenuToggleButton = 36;
constexpr TzidRibbonControlType rctBackstageRegularButton = 37;
constexpr TzidRibbonControlType rctBackstageCheckBox = 38;
constexpr TzidRibbonControlType rctBackstageGroupButton = 39;
constexpr TzidRibbonControlType rctBackstageEditBox = 40;
constexpr TzidRibbonControlType rctBackstageComboBox = 41;
constexpr TzidRibbonControlType rctBackstageDropDown = 42;
constexpr TzidRibbonControlType rctBackstageRadioGroup = 43;
constexpr TzidRibbonControlType rctBackstageHyperlink = 44;
constexpr TzidRibbonControlType rctBackstageLabelControl = 45;
constexpr TzidRibbonControlType rctBackstageImageControl = 46;
constexpr TzidRibbonControlType rctBackstageGroupBox = 47;
constexpr TzidRibbonControlType rctBackstageLayoutContainer = 48;
constexpr TzidRibbonControlType rctBackstageItem = 49;

// Where a control's text sits (TextAlign), and where a layout container puts its children.
enum TzidBackstageContentAlignmentStyle : unsigned char {
    caTopLeft,
    caTopCenter,
    caTopRight,
    caMiddleLeft,
    caMiddleCenter,
    caMiddleRight,
    caBottomLeft,
    caBottomCenter,
    caBottomRight
};
CLASSLIB_ENUM(TzidBackstageContentAlignmentStyle, L"caTopLeft", L"caTopCenter", L"caTopRight",
              L"caMiddleLeft", L"caMiddleCenter", L"caMiddleRight", L"caBottomLeft", L"caBottomCenter",
              L"caBottomRight")

// The directions in which a control grows to fill its parent.
enum TzidBackstageControlExpandStyle : unsigned char { ceHorizontal, ceVertical, ceBoth, ceNeither };
CLASSLIB_ENUM(TzidBackstageControlExpandStyle, L"ceHorizontal", L"ceVertical", L"ceBoth", L"ceNeither")

enum TzidBackstageChildrenAlignmentStyle : unsigned char { bcHorizontal, bcVertical };
CLASSLIB_ENUM(TzidBackstageChildrenAlignmentStyle, L"bcHorizontal", L"bcVertical")

enum TzidBackstageGroupButtonStyle : unsigned char { gbsNormal, gbsBorderless, gbsLarge };
CLASSLIB_ENUM(TzidBackstageGroupButtonStyle, L"gbsNormal", L"gbsBorderless", L"gbsLarge")

enum TzidBackstageGroupStyle : unsigned char { gsNormal, gsWarning, gsError };
CLASSLIB_ENUM(TzidBackstageGroupStyle, L"gsNormal", L"gsWarning", L"gsError")

// The task sizes a task group offers to the user (bits 0-2).
enum TzidBackstageAllowedTaskSize : unsigned char { tsSmall, tsMedium, tsLarge };
CLASSLIB_ENUM(TzidBackstageAllowedTaskSize, L"tsSmall", L"tsMedium", L"tsLarge")
using TzidBackstageAllowedTaskSizes = classlib::TSet<TzidBackstageAllowedTaskSize>;
inline constexpr TzidBackstageAllowedTaskSizes zidAllTaskSizes{tsSmall, tsMedium, tsLarge};

// The customUI words of the values above.
const wchar_t *BackstageWord(TzidBackstageContentAlignmentStyle Value);
const wchar_t *BackstageWord(TzidBackstageControlExpandStyle Value);
const wchar_t *BackstageWord(TzidBackstageChildrenAlignmentStyle Value);
const wchar_t *BackstageWord(TzidBackstageGroupButtonStyle Value);
const wchar_t *BackstageWord(TzidBackstageGroupStyle Value);
// "largeMediumSmall", "largeMedium", "large", "mediumSmall", "medium", or "small" for any other set.
const wchar_t *AllowedTaskSizesWord(TzidBackstageAllowedTaskSizes Value);

} // namespace framework
