// The application events of Excel, Project, PowerPoint and FrontPage, one component per host for a
// module's form. The module connects the one of the detected host; their events differ only in names
// and parameters, listed once per host below. Sender is always the component.
#pragma once
#include "framework/events/AppEventsClass.h"

// X(P, DispID, Name, parameters...): see EventArgs.h. Host objects (workbooks, sheets, ranges,
// windows ...) arrive as IDispatch.
#define ZID_EXCEL_EVENTS(X, P)                                                                               \
    X(P, 0x612, WindowResize, IDispatch *Wb, IDispatch *Wn)                                                  \
    X(P, 0x614, WindowActivate, IDispatch *Wb, IDispatch *Wn)                                                \
    X(P, 0x615, WindowDeactivate, IDispatch *Wb, IDispatch *Wn)                                              \
    X(P, 0x616, SheetSelectionChange, IDispatch *Sh, IDispatch *Target)                                      \
    X(P, 0x617, SheetBeforeDoubleClick, IDispatch *Sh, IDispatch *Target, bool &Cancel)                      \
    X(P, 0x618, SheetBeforeRightClick, IDispatch *Sh, IDispatch *Target, bool &Cancel)                       \
    X(P, 0x619, SheetActivate, IDispatch *Sh)                                                                \
    X(P, 0x61A, SheetDeactivate, IDispatch *Sh)                                                              \
    X(P, 0x61B, SheetCalculate, IDispatch *Sh)                                                               \
    X(P, 0x61C, SheetChange, IDispatch *Sh, IDispatch *Target)                                               \
    X(P, 0x61D, NewWorkbook, IDispatch *Wb)                                                                  \
    X(P, 0x61F, WorkbookOpen, IDispatch *Wb)                                                                 \
    X(P, 0x620, WorkbookActivate, IDispatch *Wb)                                                             \
    X(P, 0x621, WorkbookDeactivate, IDispatch *Wb)                                                           \
    X(P, 0x622, WorkbookBeforeClose, IDispatch *Wb, bool &Cancel)                                            \
    X(P, 0x623, WorkbookBeforeSave, IDispatch *Wb, bool SaveAsUI, bool &Cancel)                              \
    X(P, 0x624, WorkbookBeforePrint, IDispatch *Wb, bool &Cancel)                                            \
    X(P, 0x625, WorkbookNewSheet, IDispatch *Wb, IDispatch *Sh)                                              \
    X(P, 0x626, WorkbookAddinInstall, IDispatch *Wb)                                                         \
    X(P, 0x627, WorkbookAddinUninstall, IDispatch *Wb)                                                       \
    X(P, 0x73E, SheetFollowHyperlink, IDispatch *Sh, IDispatch *Target)                                      \
    X(P, 0x86D, SheetPivotTableUpdate, IDispatch *Sh, IDispatch *Target)                                     \
    X(P, 0x870, WorkbookPivotTableCloseConnection, IDispatch *Wb, IDispatch *Target)                         \
    X(P, 0x871, WorkbookPivotTableOpenConnection, IDispatch *Wb, IDispatch *Target)                          \
    X(P, 0x8F1, WorkbookSync, IDispatch *Wb, int SyncEventType)                                              \
    X(P, 0x8F2, WorkbookBeforeXmlImport, IDispatch *Wb, IDispatch *Map, const std::wstring &Url,             \
      bool IsRefresh, bool &Cancel)                                                                          \
    X(P, 0x8F3, WorkbookAfterXmlImport, IDispatch *Wb, IDispatch *Map, bool IsRefresh, int Result)           \
    X(P, 0x8F4, WorkbookBeforeXmlExport, IDispatch *Wb, IDispatch *Map, const std::wstring &Url,             \
      bool &Cancel)                                                                                          \
    X(P, 0x8F5, WorkbookAfterXmlExport, IDispatch *Wb, IDispatch *Map, const std::wstring &Url, int Result)  \
    X(P, 0xA33, WorkbookRowsetComplete, IDispatch *Wb, const std::wstring &Description,                      \
      const std::wstring &Sheet, bool Success)                                                               \
    X(P, 0xA34, AfterCalculate)                                                                              \
    X(P, 0xB4F, SheetPivotTableAfterValueChange, IDispatch *Sh, IDispatch *TargetPivotTable,                 \
      IDispatch *TargetRange)                                                                                \
    X(P, 0xB50, SheetPivotTableBeforeAllocateChanges, IDispatch *Sh, IDispatch *TargetPivotTable,            \
      int ValueChangeStart, int ValueChangeEnd, bool &Cancel)                                                \
    X(P, 0xB51, SheetPivotTableBeforeCommitChanges, IDispatch *Sh, IDispatch *TargetPivotTable,              \
      int ValueChangeStart, int ValueChangeEnd, bool &Cancel)                                                \
    X(P, 0xB52, SheetPivotTableBeforeDiscardChanges, IDispatch *Sh, IDispatch *TargetPivotTable,             \
      int ValueChangeStart, int ValueChangeEnd)                                                              \
    X(P, 0xB57, ProtectedViewWindowOpen, IDispatch *Pvw)                                                     \
    X(P, 0xB59, ProtectedViewWindowBeforeEdit, IDispatch *Pvw, bool &Cancel)                                 \
    X(P, 0xB5A, ProtectedViewWindowBeforeClose, IDispatch *Pvw, int Reason, bool &Cancel)                    \
    X(P, 0xB5C, ProtectedViewWindowResize, IDispatch *Pvw)                                                   \
    X(P, 0xB5D, ProtectedViewWindowActivate, IDispatch *Pvw)                                                 \
    X(P, 0xB5E, ProtectedViewWindowDeactivate, IDispatch *Pvw)                                               \
    X(P, 0xB5F, WorkbookAfterSave, IDispatch *Wb, bool Success)                                              \
    X(P, 0xB60, WorkbookNewChart, IDispatch *Wb, IDispatch *Ch)

// Events 1-43 are Project's; the 0x40000000 ones report through an EventInfo object (Info) instead of
// a Cancel flag.
#define ZID_PROJECT_EVENTS(X, P)                                                                             \
    X(P, 1, NewProject, IDispatch *pj)                                                                       \
    X(P, 2, ProjectBeforeClose, IDispatch *pj, bool &Cancel)                                                 \
    X(P, 3, ProjectBeforeSave, IDispatch *pj, bool SaveAsUi, bool &Cancel)                                   \
    X(P, 4, ProjectBeforePrint, IDispatch *pj, bool &Cancel)                                                 \
    X(P, 5, ProjectCalculate, IDispatch *pj)                                                                 \
    X(P, 6, ProjectBeforeTaskDelete, IDispatch *tsk, bool &Cancel)                                           \
    X(P, 7, ProjectBeforeResourceDelete, IDispatch *res, bool &Cancel)                                       \
    X(P, 8, ProjectBeforeAssignmentDelete, IDispatch *asg, bool &Cancel)                                     \
    X(P, 9, ProjectBeforeTaskChange, IDispatch *tsk, int Field, const classlib::OleVariant &NewVal,          \
      bool &Cancel)                                                                                          \
    X(P, 10, ProjectBeforeResourceChange, IDispatch *res, int Field, const classlib::OleVariant &NewVal,     \
      bool &Cancel)                                                                                          \
    X(P, 11, ProjectBeforeAssignmentChange, IDispatch *asg, int Field, const classlib::OleVariant &NewVal,   \
      bool &Cancel)                                                                                          \
    X(P, 12, ProjectBeforeTaskNew, IDispatch *pj, bool &Cancel)                                              \
    X(P, 13, ProjectBeforeResourceNew, IDispatch *pj, bool &Cancel)                                          \
    X(P, 14, ProjectBeforeAssignmentNew, IDispatch *pj, bool &Cancel)                                        \
    X(P, 15, WindowGoalAreaChange, IDispatch *Window, int goalArea)                                          \
    X(P, 16, WindowSelectionChange, IDispatch *Window, IDispatch *sel, const classlib::OleVariant &selType)  \
    X(P, 17, WindowBeforeViewChange, IDispatch *Window, IDispatch *prevView, IDispatch *newView,             \
      bool projectHasViewWindow, IDispatch *Info)                                                            \
    X(P, 18, WindowViewChange, IDispatch *Window, IDispatch *prevView, IDispatch *newView,                   \
      bool projectHasViewWindow, bool success)                                                               \
    X(P, 19, WindowActivate, IDispatch *activatedWindow)                                                     \
    X(P, 20, WindowDeactivate, IDispatch *deactivatedWindow)                                                 \
    X(P, 21, WindowSidepaneDisplayChange, IDispatch *Window, bool Close)                                     \
    X(P, 22, WindowSidepaneTaskChange, IDispatch *Window, int ID, bool IsGoalArea)                           \
    X(P, 23, WorkpaneDisplayChange, bool DisplayState)                                                       \
    X(P, 24, LoadWebPage, IDispatch *Window, std::wstring &TargetPage)                                       \
    X(P, 25, ProjectAfterSave)                                                                               \
    X(P, 26, ProjectTaskNew, IDispatch *pj, int ID)                                                          \
    X(P, 27, ProjectResourceNew, IDispatch *pj, int ID)                                                      \
    X(P, 28, ProjectAssignmentNew, IDispatch *pj, int ID)                                                    \
    X(P, 29, ProjectBeforeSaveBaseline, IDispatch *pj, bool Interim, int bl, int InterimCopy,                \
      int InterimInto, bool AllTasks, bool RollupToSummaryTasks, bool RollupFromSubtasks, IDispatch *Info)   \
    X(P, 30, ProjectBeforeClearBaseline, IDispatch *pj, bool Interim, int bl, int InterimFrom,               \
      bool AllTasks, IDispatch *Info)                                                                        \
    X(P, 31, ApplicationBeforeClose, IDispatch *Info)                                                        \
    X(P, 32, UndoOrRedo, const std::wstring &bstrLabel, const std::wstring &bstrGUID, bool fUndo)            \
    X(P, 33, AfterCubeBuilt, std::wstring &CubeFileName)                                                     \
    X(P, 34, LoadWebPane, IDispatch *Window, std::wstring &TargetPage)                                       \
    X(P, 35, JobStart, const std::wstring &bstrName, const std::wstring &bstrProjGuid,                       \
      const std::wstring &bstrJobGuid, int jobType, int lResult)                                             \
    X(P, 36, JobCompleted, const std::wstring &bstrName, const std::wstring &bstrProjGuid,                   \
      const std::wstring &bstrJobGuid, int jobType, int lResult)                                             \
    X(P, 37, SaveStartingToServer, const std::wstring &bstrName, const std::wstring &bstrProjGuid)           \
    X(P, 38, SaveCompletedToServer, const std::wstring &bstrName, const std::wstring &bstrProjGuid)          \
    X(P, 39, ProjectBeforePublish, IDispatch *pj, bool &Cancel)                                              \
    X(P, 40, PaneActivate)                                                                                   \
    X(P, 41, SecondaryViewChange, IDispatch *Window, IDispatch *prevView, IDispatch *newView, bool success)  \
    X(P, 42, IsFunctionalitySupported, const std::wstring &bstrFunctionality, IDispatch *Info)               \
    X(P, 43, ConnectionStatusChanged, bool online)                                                           \
    X(P, 0x40000002, ProjectBeforeClose2, IDispatch *pj, IDispatch *Info)                                    \
    X(P, 0x40000003, ProjectBeforeSave2, IDispatch *pj, bool SaveAsUi, IDispatch *Info)                      \
    X(P, 0x40000004, ProjectBeforePrint2, IDispatch *pj, IDispatch *Info)                                    \
    X(P, 0x40000006, ProjectBeforeTaskDelete2, IDispatch *tsk, IDispatch *Info)                              \
    X(P, 0x40000007, ProjectBeforeResourceDelete2, IDispatch *res, IDispatch *Info)                          \
    X(P, 0x40000008, ProjectBeforeAssignmentDelete2, IDispatch *asg, IDispatch *Info)                        \
    X(P, 0x40000009, ProjectBeforeTaskChange2, IDispatch *tsk, int Field,                                    \
      const classlib::OleVariant &NewVal, IDispatch *Info)                                                   \
    X(P, 0x4000000A, ProjectBeforeResourceChange2, IDispatch *res, int Field,                                \
      const classlib::OleVariant &NewVal, IDispatch *Info)                                                   \
    X(P, 0x4000000B, ProjectBeforeAssignmentChange2, IDispatch *asg, int Field,                              \
      const classlib::OleVariant &NewVal, IDispatch *Info)                                                   \
    X(P, 0x4000000C, ProjectBeforeTaskNew2, IDispatch *pj, IDispatch *Info)                                  \
    X(P, 0x4000000D, ProjectBeforeResourceNew2, IDispatch *pj, IDispatch *Info)                              \
    X(P, 0x4000000E, ProjectBeforeAssignmentNew2, IDispatch *pj, IDispatch *Info)

#define ZID_POWERPOINT_EVENTS(X, P)                                                                          \
    X(P, 0x7D1, WindowSelectionChange, IDispatch *Sel)                                                       \
    X(P, 0x7D2, WindowBeforeRightClick, IDispatch *Sel, bool &Cancel)                                        \
    X(P, 0x7D3, WindowBeforeDoubleClick, IDispatch *Sel, bool &Cancel)                                       \
    X(P, 0x7D4, PresentationClose, IDispatch *Pres)                                                          \
    X(P, 0x7D5, PresentationSave, IDispatch *Pres)                                                           \
    X(P, 0x7D6, PresentationOpen, IDispatch *Pres)                                                           \
    X(P, 0x7D7, NewPresentation, IDispatch *Pres)                                                            \
    X(P, 0x7D8, PresentationNewSlide, IDispatch *Sld)                                                        \
    X(P, 0x7D9, WindowActivate, IDispatch *Pres, IDispatch *Wn)                                              \
    X(P, 0x7DA, WindowDeactivate, IDispatch *Pres, IDispatch *Wn)                                            \
    X(P, 0x7DB, SlideShowBegin, IDispatch *Wn)                                                               \
    X(P, 0x7DC, SlideShowNextBuild, IDispatch *Wn)                                                           \
    X(P, 0x7DD, SlideShowNextSlide, IDispatch *Wn)                                                           \
    X(P, 0x7DE, SlideShowEnd, IDispatch *Pres)                                                               \
    X(P, 0x7DF, PresentationPrint, IDispatch *Pres)                                                          \
    X(P, 0x7E0, SlideSelectionChanged, IDispatch *SldRange)                                                  \
    X(P, 0x7E1, ColorSchemeChanged, IDispatch *SldRange)                                                     \
    X(P, 0x7E2, PresentationBeforeSave, IDispatch *Pres, bool &Cancel)                                       \
    X(P, 0x7E3, SlideShowNextClick, IDispatch *Wn, IDispatch *nEffect)                                       \
    X(P, 0x7E4, AfterNewPresentation, IDispatch *Pres)                                                       \
    X(P, 0x7E5, AfterPresentationOpen, IDispatch *Pres)                                                      \
    X(P, 0x7E6, PresentationSync, IDispatch *Pres, int SyncEventType)                                        \
    X(P, 0x7E7, SlideShowOnNext, IDispatch *Wn)                                                              \
    X(P, 0x7E8, SlideShowOnPrevious, IDispatch *Wn)                                                          \
    X(P, 0x7E9, PresentationBeforeClose, IDispatch *Pres, bool &Cancel)                                      \
    X(P, 0x7EA, ProtectedViewWindowOpen, IDispatch *ProtViewWindow)                                          \
    X(P, 0x7EB, ProtectedViewWindowBeforeEdit, IDispatch *ProtViewWindow, bool &Cancel)                      \
    X(P, 0x7EC, ProtectedViewWindowBeforeClose, IDispatch *ProtViewWindow, int ProtectedViewCloseReason,     \
      bool &Cancel)                                                                                          \
    X(P, 0x7ED, ProtectedViewWindowActivate, IDispatch *ProtViewWindow)                                      \
    X(P, 0x7EE, ProtectedViewWindowDeactivate, IDispatch *ProtViewWindow)                                    \
    X(P, 0x7EF, PresentationCloseFinal, IDispatch *Pres)

// FrontPage names its events with "On" already: the published names are the host's own.
#define ZID_FRONTPAGE_EVENTS(X, P)                                                                           \
    X(P, 1, WebNew, IDispatch *pWeb)                                                                         \
    X(P, 2, WebOpen, IDispatch *pWeb)                                                                        \
    X(P, 3, WebClose, IDispatch *pWeb, bool &Cancel)                                                         \
    X(P, 4, BeforeWebPublish, IDispatch *pWeb, std::wstring &Destination, bool &Cancel)                      \
    X(P, 5, AfterWebPublish, IDispatch *pWeb, bool &Success)                                                 \
    X(P, 6, PageNew, IDispatch *pPage)                                                                       \
    X(P, 7, PageOpen, IDispatch *pPage)                                                                      \
    X(P, 8, PageClose, IDispatch *pPage, bool &Cancel)                                                       \
    X(P, 9, BeforePageSave, IDispatch *pPage, bool &SaveAsUI, bool &Cancel)                                  \
    X(P, 10, AfterPageSave, IDispatch *pPage, bool &Success)                                                 \
    X(P, 11, WindowActivate, IDispatch *pWebWindow)                                                          \
    X(P, 12, WindowDeactivate, IDispatch *pWebWindow)                                                        \
    X(P, 13, BeforeWebWindowViewChange, IDispatch *pWebWindow, int TargetView, bool &Cancel)                 \
    X(P, 14, AfterWebWindowViewChange, IDispatch *pWebWindow)                                                \
    X(P, 15, RecalculateHyperlinks, IDispatch *pWeb, bool &Cancel)                                           \
    X(P, 16, BeforePageWindowViewChange, IDispatch *pPage, int TargetView, bool &Cancel)                     \
    X(P, 17, AfterPageWindowViewChange, IDispatch *pPage)                                                    \
    X(P, 18, PageWindowActivate, IDispatch *pPage)                                                           \
    X(P, 19, WebFileCheckOut, IDispatch *pWeb, IDispatch *pFile, bool &CheckedOut, int &pCheckOutOption)     \
    X(P, 20, BeforeWebWindowSubViewChange, IDispatch *pWebWindow, int TargetView, bool &Cancel)              \
    X(P, 21, AfterWebWindowSubViewChange, IDispatch *pWebWindow)

namespace framework {

ZID_EXCEL_EVENTS(ZID_EVENT_TYPE, TzidExcelApplication)
ZID_PROJECT_EVENTS(ZID_EVENT_TYPE, TzidProjectApplication)
ZID_POWERPOINT_EVENTS(ZID_EVENT_TYPE, TzidPowerPointApplication)
ZID_FRONTPAGE_EVENTS(ZID_EVENT_TYPE, TzidFrontPageApplication)

ZID_APP_EVENTS_CLASS(TzidExcelAppEvents, ZID_EXCEL_EVENTS)

ZID_APP_EVENTS_CLASS(TzidProjectAppEvents, ZID_PROJECT_EVENTS,
                     // "9": Project 2000's _EProjectApp; any other version: _EProjectApp2.
                     void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;)

ZID_APP_EVENTS_CLASS(TzidPowerPointAppEvents, ZID_POWERPOINT_EVENTS)

ZID_APP_EVENTS_CLASS(TzidFrontPageAppEvents, ZID_FRONTPAGE_EVENTS)

} // namespace framework
