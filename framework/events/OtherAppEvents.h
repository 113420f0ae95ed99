// The application events of Visio, MapPoint, Publisher and InfoPath, one component per host for a
// module's form (see OfficeAppEvents.h for the family). Sender is always the component.
#pragma once
#include "framework/events/AppEventsClass.h"

// X(P, DispID, Name, parameters...): see EventArgs.h. Visio's event codes serve as its dispatch ids;
// its query-cancel events are plain notifications here (no answer reaches Visio).
#define ZID_VISIO_EVENTS(X, P)                                                                               \
    X(P, 1, DocumentCreated, IDispatch *Doc)                                                                 \
    X(P, 2, DocumentOpened, IDispatch *Doc)                                                                  \
    X(P, 3, DocumentSaved, IDispatch *Doc)                                                                   \
    X(P, 4, DocumentSavedAs, IDispatch *Doc)                                                                 \
    X(P, 5, RunModeEntered, IDispatch *Doc)                                                                  \
    X(P, 6, DesignModeEntered, IDispatch *Doc)                                                               \
    X(P, 7, BeforeDocumentSave, IDispatch *Doc)                                                              \
    X(P, 8, BeforeDocumentSaveAs, IDispatch *Doc)                                                            \
    X(P, 9, QueryCancelDocumentClose, IDispatch *Doc)                                                        \
    X(P, 10, DocumentCloseCanceled, IDispatch *Doc)                                                          \
    X(P, 11, AfterRemoveHiddenInformation, IDispatch *Doc)                                                   \
    X(P, 13, RuleSetValidated, IDispatch *RuleSet)                                                           \
    X(P, 200, MustFlushScopeBeginning, IDispatch *app)                                                       \
    X(P, 201, MustFlushScopeEnded, IDispatch *app)                                                           \
    X(P, 202, EnterScope, IDispatch *app, int nScopeID, const std::wstring &bstrDescription)                 \
    X(P, 203, ExitScope, IDispatch *app, int nScopeID, const std::wstring &bstrDescription,                  \
      bool bErrOrCancelled)                                                                                  \
    X(P, 204, QueryCancelQuit, IDispatch *app)                                                               \
    X(P, 205, QuitCanceled, IDispatch *app)                                                                  \
    X(P, 206, QueryCancelSuspend, IDispatch *app)                                                            \
    X(P, 207, SuspendCanceled, IDispatch *app)                                                               \
    X(P, 208, BeforeSuspend, IDispatch *app)                                                                 \
    X(P, 209, AfterResume, IDispatch *app)                                                                   \
    X(P, 210, QueryCancelSuspendEvents, IDispatch *app)                                                      \
    X(P, 211, SuspendEventsCanceled, IDispatch *app)                                                         \
    X(P, 212, BeforeSuspendEvents, IDispatch *app)                                                           \
    X(P, 213, AfterResumeEvents, IDispatch *app)                                                             \
    X(P, 300, QueryCancelStyleDelete, IDispatch *Style)                                                      \
    X(P, 301, StyleDeleteCanceled, IDispatch *Style)                                                         \
    X(P, 400, QueryCancelMasterDelete, IDispatch *Master)                                                    \
    X(P, 401, MasterDeleteCanceled, IDispatch *Master)                                                       \
    X(P, 500, QueryCancelPageDelete, IDispatch *Page)                                                        \
    X(P, 501, PageDeleteCanceled, IDispatch *Page)                                                           \
    X(P, 502, ContainerRelationshipAdded, IDispatch *ShapePair)                                              \
    X(P, 503, ContainerRelationshipDeleted, IDispatch *ShapePair)                                            \
    X(P, 504, CalloutRelationshipAdded, IDispatch *ShapePair)                                                \
    X(P, 505, CalloutRelationshipDeleted, IDispatch *ShapePair)                                              \
    X(P, 701, SelectionChanged, IDispatch *Window)                                                           \
    X(P, 702, BeforeWindowSelDelete, IDispatch *Window)                                                      \
    X(P, 703, BeforeWindowPageTurn, IDispatch *Window)                                                       \
    X(P, 704, WindowTurnedToPage, IDispatch *Window)                                                         \
    X(P, 705, ViewChanged, IDispatch *Window)                                                                \
    X(P, 706, QueryCancelWindowClose, IDispatch *Window)                                                     \
    X(P, 707, WindowCloseCanceled, IDispatch *Window)                                                        \
    X(P, 708, KeystrokeMessageForAddon, IDispatch *MSG)                                                      \
    X(P, 709, MouseDown, int Button, int KeyButtonState, double x, double y, bool &CancelDefault)            \
    X(P, 710, MouseMove, int Button, int KeyButtonState, double x, double y, bool &CancelDefault)            \
    X(P, 711, MouseUp, int Button, int KeyButtonState, double x, double y, bool &CancelDefault)              \
    X(P, 712, KeyDown, int KeyCode, int KeyButtonState, bool &CancelDefault)                                 \
    X(P, 713, KeyPress, int KeyAscii, bool &CancelDefault)                                                   \
    X(P, 714, KeyUp, int KeyCode, int KeyButtonState, bool &CancelDefault)                                   \
    X(P, 802, ShapeParentChanged, IDispatch *Shape)                                                          \
    X(P, 803, BeforeShapeTextEdit, IDispatch *Shape)                                                         \
    X(P, 804, ShapeExitedTextEdit, IDispatch *Shape)                                                         \
    X(P, 805, ShapeLinkAdded, IDispatch *Shape, int DataRecordsetID, int DataRowID)                          \
    X(P, 806, ShapeLinkDeleted, IDispatch *Shape, int DataRecordsetID, int DataRowID)                        \
    X(P, 807, ShapeDataGraphicChanged, IDispatch *Shape)                                                     \
    X(P, 901, BeforeSelectionDelete, IDispatch *Selection)                                                   \
    X(P, 902, SelectionAdded, IDispatch *Selection)                                                          \
    X(P, 903, QueryCancelSelectionDelete, IDispatch *Selection)                                              \
    X(P, 904, SelectionDeleteCanceled, IDispatch *Selection)                                                 \
    X(P, 905, QueryCancelUngroup, IDispatch *Selection)                                                      \
    X(P, 906, UngroupCanceled, IDispatch *Selection)                                                         \
    X(P, 907, QueryCancelConvertToGroup, IDispatch *Selection)                                               \
    X(P, 908, ConvertToGroupCanceled, IDispatch *Selection)                                                  \
    X(P, 909, QueryCancelGroup, IDispatch *Selection)                                                        \
    X(P, 910, GroupCanceled, IDispatch *Selection)                                                           \
    X(P, 0x1001, AppActivated, IDispatch *app)                                                               \
    X(P, 0x1002, AppDeactivated, IDispatch *app)                                                             \
    X(P, 0x1004, AppObjActivated, IDispatch *app)                                                            \
    X(P, 0x1008, AppObjDeactivated, IDispatch *app)                                                          \
    X(P, 0x1010, BeforeQuit, IDispatch *app)                                                                 \
    X(P, 0x1020, BeforeModal, IDispatch *app)                                                                \
    X(P, 0x1040, AfterModal, IDispatch *app)                                                                 \
    X(P, 0x1080, WindowActivated, IDispatch *Window)                                                         \
    X(P, 0x1100, MarkerEvent, IDispatch *app, int SequenceNum, const std::wstring &ContextString)            \
    X(P, 0x1200, NoEventsPending, IDispatch *app)                                                            \
    X(P, 0x1400, VisioIsIdle, IDispatch *app)                                                                \
    X(P, 0x2001, WindowChanged, IDispatch *Window)                                                           \
    X(P, 0x2002, DocumentChanged, IDispatch *Doc)                                                            \
    X(P, 0x2004, StyleChanged, IDispatch *Style)                                                             \
    X(P, 0x2008, MasterChanged, IDispatch *Master)                                                           \
    X(P, 0x2010, PageChanged, IDispatch *Page)                                                               \
    X(P, 0x2020, DataRecordsetChanged, IDispatch *DataRecordsetChanged)                                      \
    X(P, 0x2040, ShapeChanged, IDispatch *Shape)                                                             \
    X(P, 0x2080, TextChanged, IDispatch *Shape)                                                              \
    X(P, 0x2800, CellChanged, IDispatch *Cell)                                                               \
    X(P, 0x3000, FormulaChanged, IDispatch *Cell)                                                            \
    X(P, 0x4001, BeforeWindowClosed, IDispatch *Window)                                                      \
    X(P, 0x4002, BeforeDocumentClose, IDispatch *Doc)                                                        \
    X(P, 0x4004, BeforeStyleDelete, IDispatch *Style)                                                        \
    X(P, 0x4008, BeforeMasterDelete, IDispatch *Master)                                                      \
    X(P, 0x4010, BeforePageDelete, IDispatch *Page)                                                          \
    X(P, 0x4020, BeforeDataRecordsetDelete, IDispatch *DataRecordset)                                        \
    X(P, 0x4040, BeforeShapeDelete, IDispatch *Shape)                                                        \
    X(P, 0x4100, ConnectionsDeleted, IDispatch *Connects)                                                    \
    X(P, 0x8001, WindowOpened, IDispatch *Window)                                                            \
    X(P, 0x8004, StyleAdded, IDispatch *Style)                                                               \
    X(P, 0x8008, MasterAdded, IDispatch *Master)                                                             \
    X(P, 0x8010, PageAdded, IDispatch *Page)                                                                 \
    X(P, 0x8020, DataRecordsetAdded, IDispatch *DataRecordset)                                               \
    X(P, 0x8040, ShapeAdded, IDispatch *Shape)                                                               \
    X(P, 0x8100, ConnectionsAdded, IDispatch *Connects)

#define ZID_MAPPOINT_EVENTS(X, P)                                                                            \
    X(P, 0x06041501, New)                                                                                    \
    X(P, 0x06041502, Open)                                                                                   \
    X(P, 0x06041503, Quit)                                                                                   \
    X(P, 0x06041504, BeforeSave, bool SaveAsUI, bool &Cancel)                                                \
    X(P, 0x06041505, BeforeClose, bool &Cancel)

// 3, 14 and 15 are no events.
#define ZID_PUBLISHER_EVENTS(X, P)                                                                           \
    X(P, 1, WindowActivate, IDispatch *Wn)                                                                   \
    X(P, 2, WindowDeactivate, IDispatch *Wn)                                                                 \
    X(P, 4, WindowPageChange, IDispatch *Vw)                                                                 \
    X(P, 5, Quit)                                                                                            \
    X(P, 6, NewDocument, IDispatch *Doc)                                                                     \
    X(P, 7, DocumentOpen, IDispatch *Doc)                                                                    \
    X(P, 8, DocumentBeforeClose, IDispatch *Doc, bool &Cancel)                                               \
    X(P, 9, MailMergeAfterMerge, IDispatch *Doc)                                                             \
    X(P, 10, MailMergeAfterRecordMerge, IDispatch *Doc)                                                      \
    X(P, 11, MailMergeBeforeMerge, IDispatch *Doc, int StartRecord, int EndRecord, bool &Cancel)             \
    X(P, 12, MailMergeBeforeRecordMerge, IDispatch *Doc, bool &Cancel)                                       \
    X(P, 13, MailMergeDataSourceLoad, IDispatch *Doc)                                                        \
    X(P, 16, MailMergeWizardSendToCustom, IDispatch *Doc)                                                    \
    X(P, 17, MailMergeWizardStateChange, IDispatch *Doc, int FromState, int ToState, bool Handled)           \
    X(P, 18, MailMergeDataSourceValidate, IDispatch *Doc, bool &Handled)                                     \
    X(P, 19, MailMergeInsertBarcode, IDispatch *Doc, bool &OkToInsert)                                       \
    X(P, 20, MailMergeRecipientListClose, IDispatch *Doc)                                                    \
    X(P, 21, MailMergeGenerateBarcode, IDispatch *Doc, std::wstring &bstrString)                             \
    X(P, 22, MailMergeWizardFollowUpCustom, IDispatch *Doc)                                                  \
    X(P, 23, BeforePrint, IDispatch *Doc, bool &Cancel)                                                      \
    X(P, 24, AfterPrint, IDispatch *Doc)                                                                     \
    X(P, 25, ShowCatalogUI, IDispatch *Doc)                                                                  \
    X(P, 26, HideCatalogUI, IDispatch *Doc)

#define ZID_INFOPATH_EVENTS(X, P)                                                                            \
    X(P, 1, WindowActivate, IDispatch *pDocument, IDispatch *pWindow)                                        \
    X(P, 2, WindowDeactivate, IDispatch *pDocument, IDispatch *pWindow)                                      \
    X(P, 3, WindowSize, IDispatch *pDocument, IDispatch *pWindow)                                            \
    X(P, 4, XDocumentBeforeClose, IDispatch *pDocument, bool &pfCancel)                                      \
    X(P, 5, XDocumentBeforePrint, IDispatch *pDocument, bool &pfCancel)                                      \
    X(P, 6, XDocumentBeforeSave, IDispatch *pDocument, bool &pfCancel)                                       \
    X(P, 7, NewXDocument, IDispatch *pDocument)                                                              \
    X(P, 8, XDocumentOpen, IDispatch *pDocument)                                                             \
    X(P, 9, Quit)                                                                                            \
    X(P, 10, XDocumentChange)

namespace framework {

ZID_VISIO_EVENTS(ZID_EVENT_TYPE, TzidVisioApplication)
// Visio's own name of the event begins with "On" already.
using TzidVisioApplicationOnKeystrokeMessageForAddon = TzidVisioApplicationKeystrokeMessageForAddon;
ZID_MAPPOINT_EVENTS(ZID_EVENT_TYPE, TzidMapPointApplication)
ZID_PUBLISHER_EVENTS(ZID_EVENT_TYPE, TzidPublisherApplication)
ZID_INFOPATH_EVENTS(ZID_EVENT_TYPE, TzidInfoPathApplication)

ZID_APP_EVENTS_CLASS(TzidVisioAppEvents, ZID_VISIO_EVENTS)

ZID_APP_EVENTS_CLASS(TzidMapPointAppEvents, ZID_MAPPOINT_EVENTS)

ZID_APP_EVENTS_CLASS(TzidPublisherAppEvents, ZID_PUBLISHER_EVENTS)

// InfoPath raises its application events on a separate object, the one its Application's Events
// property answers; the sink advises on that object and unadvises from the same one.
ZID_APP_EVENTS_CLASS(TzidInfoPathAppEvents, ZID_INFOPATH_EVENTS)

} // namespace framework
