// TzidWordAppEvents: Word's application events, for a module whose form holds it. Word serves as
// Outlook's mail editor; the module connects this component when Word is the host and fires its
// Startup itself right after, since Word's own start-up is over by then.
#pragma once
#include "framework/events/AppEventsClass.h"

// X(TypePrefix, DispID, Name, parameters...): see EventArgs.h. DISPIDs 0 and 5 are no events.
#define ZID_WORD_EVENTS(X, P)                                                                                \
    X(P, 1, Startup)                                                                                         \
    X(P, 2, Quit)                                                                                            \
    X(P, 3, DocumentChange)                                                                                  \
    X(P, 4, DocumentOpen, IDispatch *Doc)                                                                    \
    X(P, 6, DocumentBeforeClose, IDispatch *Doc, bool &Cancel)                                               \
    X(P, 7, DocumentBeforePrint, IDispatch *Doc, bool &Cancel)                                               \
    X(P, 8, DocumentBeforeSave, IDispatch *Doc, bool &SaveAsUI, bool &Cancel)                                \
    X(P, 9, NewDocument, IDispatch *Doc)                                                                     \
    X(P, 10, WindowActivate, IDispatch *Doc, IDispatch *Wn)                                                  \
    X(P, 11, WindowDeactivate, IDispatch *Doc, IDispatch *Wn)                                                \
    X(P, 12, WindowSelectionChange, IDispatch *Sel)                                                          \
    X(P, 13, WindowBeforeRightClick, IDispatch *Sel, bool &Cancel)                                           \
    X(P, 14, WindowBeforeDoubleClick, IDispatch *Sel, bool &Cancel)                                          \
    X(P, 15, EPostagePropertyDialog, IDispatch *Doc)                                                         \
    X(P, 16, EPostageInsert, IDispatch *Doc)                                                                 \
    X(P, 17, MailMergeAfterMerge, IDispatch *Doc, IDispatch *DocResult)                                      \
    X(P, 18, MailMergeAfterRecordMerge, IDispatch *Doc)                                                      \
    X(P, 19, MailMergeBeforeMerge, IDispatch *Doc, int StartRecord, int EndRecord, bool &Cancel)             \
    X(P, 20, MailMergeBeforeRecordMerge, IDispatch *Doc, bool &Cancel)                                       \
    X(P, 21, MailMergeDataSourceLoad, IDispatch *Doc)                                                        \
    X(P, 22, MailMergeDataSourceValidate, IDispatch *Doc, bool &Handled)                                     \
    X(P, 23, MailMergeWizardSendToCustom, IDispatch *Doc)                                                    \
    X(P, 24, MailMergeWizardStateChange, IDispatch *Doc, int &FromState, int &ToState, bool &Handled)        \
    X(P, 25, WindowSize, IDispatch *Doc, IDispatch *Wn)                                                      \
    X(P, 26, XMLSelectionChange, IDispatch *Sel, IDispatch *OldXMLNode, IDispatch *NewXMLNode, int &Reason)  \
    X(P, 27, XMLValidationError, IDispatch *XMLNode)                                                         \
    X(P, 28, DocumentSync, IDispatch *Doc, int SyncEventType)                                                \
    X(P, 29, EPostageInsertEx, IDispatch *Doc, int cpDeliveryAddrStart, int cpDeliveryAddrEnd,               \
      int cpReturnAddrStart, int cpReturnAddrEnd, int xaWidth, int yaHeight,                                 \
      const std::wstring &bstrPrinterName, const std::wstring &bstrPaperFeed, bool fPrint, bool &fCancel)    \
    X(P, 30, MailMergeDataSourceValidate2, IDispatch *Doc, bool &Handled)                                    \
    X(P, 31, ProtectedViewWindowOpen, IDispatch *PvWindow)                                                   \
    X(P, 32, ProtectedViewWindowBeforeEdit, IDispatch *PvWindow, bool &Cancel)                               \
    X(P, 33, ProtectedViewWindowBeforeClose, IDispatch *PvWindow, int CloseReason, bool &Cancel)             \
    X(P, 34, ProtectedViewWindowSize, IDispatch *PvWindow)                                                   \
    X(P, 35, ProtectedViewWindowActivate, IDispatch *PvWindow)                                               \
    X(P, 36, ProtectedViewWindowDeactivate, IDispatch *PvWindow)

namespace framework {

ZID_WORD_EVENTS(ZID_EVENT_TYPE, TzidWordApplication)

ZID_APP_EVENTS_CLASS(TzidWordAppEvents, ZID_WORD_EVENTS,
                     // "9": ApplicationEvents2; "10": ApplicationEvents3; any other: ApplicationEvents4.
                     void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;)

} // namespace framework
