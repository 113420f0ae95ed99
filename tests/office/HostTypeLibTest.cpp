// office.tlb against the hosts' published dispatch ids: the object-model members the framework calls
// late-bound and every application event its sinks dispatch.
#include "tests/office/TypeLibCheck.h"

#include <gtest/gtest.h>

using namespace office_test;

TEST(HostTypeLib, OutlookObjectModelHasThePublishedIds) {
    ExpectDispatch("OutlookApplication",
                   "g:Application=F000 g:Class=F00A g:Session=F00B g:Parent=F001 g:Name=3001 g:Version=116 "
                   "m:ActiveExplorer=111 m:ActiveInspector=112 m:GetNamespace=110 m:Quit=113 g:COMAddIns=118 "
                   "g:Explorers=119 g:Inspectors=11A m:ActiveWindow=11F g:Reminders=FA99");
    ExpectDispatch("OutlookNameSpace", "g:Class=F00A g:CurrentUser=2101");
    ExpectDispatch("OutlookMAPIFolder", "g:Class=F00A g:Parent=F001 g:DefaultItemType=3106 g:EntryID=F01E "
                                        "g:Name=3001 p:Name=3001 g:FolderPath=FA78");
    ExpectDispatch("OutlookExplorers", "g:Count=50 m:Item=51");
    ExpectDispatch("OutlookExplorer",
                   "g:Class=F00A g:CommandBars=2100 g:CurrentFolder=2101 r:CurrentFolder=2101 "
                   "m:Close=2103 g:Caption=2111 g:Selection=2202 m:Activate=2113");
    ExpectDispatch("OutlookInspectors", "g:Count=50 m:Item=51");
    ExpectDispatch("OutlookInspector", "g:Class=F00A g:CommandBars=2100 g:CurrentItem=2102 m:Close=2103 "
                                       "g:Caption=2111 m:Activate=2113");
    ExpectDispatch("OutlookMailItem", "g:Class=F00A g:EntryID=F01E g:MessageClass=1A p:MessageClass=1A "
                                      "g:Subject=37 p:Subject=37");
    // A note's subject is the one item property with another id.
    ExpectDispatch("OutlookNoteItem", "g:Class=F00A g:MessageClass=1A p:MessageClass=1A g:Subject=F7A0");
    ExpectDispatch("OutlookSelection", "g:Count=50 m:Item=51");
    ExpectDispatch("OutlookBarShortcut", "g:Name=0 p:Name=0 g:Target=2100");
    ExpectDispatch("OutlookReminders", "g:Count=50 m:Item=0");
}

TEST(HostTypeLib, OutlookEventsHaveThePublishedIds) {
    ExpectDispatch("OutlookApplicationEvents_11",
                   "ItemSend=F002 NewMail=F003 Reminder=F004 OptionsPagesAdd=F005 Startup=F006 "
                   "Quit=F007 AdvancedSearchComplete=FA6A AdvancedSearchStopped=FA6B "
                   "MAPILogonComplete=FA90 NewMailEx=FAB5 AttachmentContextMenuDisplay=FB3E "
                   "FolderContextMenuDisplay=FB42 StoreContextMenuDisplay=FB43 "
                   "ShortcutContextMenuDisplay=FB44 ViewContextMenuDisplay=FB40 "
                   "ItemContextMenuDisplay=FB41 ContextMenuClose=FBA6 ItemLoad=FBA7 "
                   "BeforeFolderSharingDialog=FC01");
    ExpectDispatch("OutlookExplorersEvents", "NewExplorer=F001");
    ExpectDispatch("OutlookExplorerEvents_10",
                   "Activate=F001 FolderSwitch=F002 BeforeFolderSwitch=F003 ViewSwitch=F004 "
                   "BeforeViewSwitch=F005 Deactivate=F006 SelectionChange=F007 Close=F008 "
                   "BeforeMaximize=FA11 BeforeMinimize=FA12 BeforeMove=FA13 BeforeSize=FA14 "
                   "BeforeItemCopy=FA0E BeforeItemCut=FA0F BeforeItemPaste=FA10 "
                   "AttachmentSelectionChange=FC79 InlineResponse=FC92 InlineResponseClose=FC96");
    ExpectDispatch("OutlookInspectorsEvents", "NewInspector=F001");
    ExpectDispatch("OutlookInspectorEvents_10",
                   "Activate=F001 Deactivate=F006 Close=F008 BeforeMaximize=FA11 "
                   "BeforeMinimize=FA12 BeforeMove=FA13 BeforeSize=FA14 PageChange=FBF4 "
                   "AttachmentSelectionChange=FC79");
    ExpectDispatch("OutlookNameSpaceEvents", "OptionsPagesAdd=F005 AutoDiscoverComplete=FC2D");
    ExpectDispatch("OutlookReminderCollectionEvents",
                   "BeforeReminderShow=FA93 ReminderAdd=FA94 ReminderChange=FA95 "
                   "ReminderFire=FA96 ReminderRemove=FA97 Snooze=FA98");
}

TEST(HostTypeLib, WordObjectModelHasThePublishedIds) {
    ExpectDispatch(
        "WordApplication",
        "g:Documents=6 g:Windows=2 g:ActiveDocument=3 g:ActiveWindow=4 g:NormalTemplate=8 g:Version=18 "
        "g:CommandBars=39 g:Templates=43 g:CustomizationContext=44 p:CustomizationContext=44 m:Quit=451 "
        "m:OrganizerDelete=13F g:ShowWindowsInTaskbar=1C4 p:ShowWindowsInTaskbar=1C4");
    ExpectDispatch("WordDocuments", "g:Count=2 m:Item=0");
    ExpectDispatch("WordDocument", "g:Name=0 g:FullName=1D g:ActiveWindow=2A g:CommandBars=39");
    ExpectDispatch("WordWindows", "g:Count=2 m:Item=0");
    ExpectDispatch("WordWindow", "g:Caption=0 p:Caption=0");
    ExpectDispatch("WordTemplates", "g:Count=1 m:Item=0");
    ExpectDispatch("WordTemplate", "g:Name=0 g:Saved=5 p:Saved=5 g:FullName=7 m:Save=65");
    ExpectDispatch("WordSelection", "");
}

TEST(HostTypeLib, WordEventsHaveThePublishedIds) {
    ExpectDispatch("WordApplicationEvents4",
                   "Startup=1 Quit=2 DocumentChange=3 DocumentOpen=4 DocumentBeforeClose=6 "
                   "DocumentBeforePrint=7 DocumentBeforeSave=8 NewDocument=9 WindowActivate=A "
                   "WindowDeactivate=B WindowSelectionChange=C WindowBeforeRightClick=D "
                   "WindowBeforeDoubleClick=E EPostagePropertyDialog=F EPostageInsert=10 "
                   "MailMergeAfterMerge=11 MailMergeAfterRecordMerge=12 MailMergeBeforeMerge=13 "
                   "MailMergeBeforeRecordMerge=14 MailMergeDataSourceLoad=15 "
                   "MailMergeDataSourceValidate=16 MailMergeWizardSendToCustom=17 "
                   "MailMergeWizardStateChange=18 WindowSize=19 XMLSelectionChange=1A "
                   "XMLValidationError=1B DocumentSync=1C EPostageInsertEx=1D "
                   "MailMergeDataSourceValidate2=1E ProtectedViewWindowOpen=1F "
                   "ProtectedViewWindowBeforeEdit=20 ProtectedViewWindowBeforeClose=21 "
                   "ProtectedViewWindowSize=22 ProtectedViewWindowActivate=23 "
                   "ProtectedViewWindowDeactivate=24");
}

// The event interfaces of earlier versions keep the later ids, so one sink table serves every version.
TEST(HostTypeLib, EarlierEventInterfacesAreSubsetsOfTheLaterOnes) {
    ExpectEarlierEvents("OutlookApplicationEvents", "OutlookApplicationEvents_11", 6);
    ExpectEarlierEvents("OutlookApplicationEvents_10", "OutlookApplicationEvents_11", 9);
    ExpectEarlierEvents("OutlookExplorerEvents", "OutlookExplorerEvents_10", 8);
    ExpectEarlierEvents("OutlookInspectorEvents", "OutlookInspectorEvents_10", 3);
    ExpectEarlierEvents("WordApplicationEvents2", "WordApplicationEvents4", 13);
    ExpectEarlierEvents("WordApplicationEvents3", "WordApplicationEvents4", 24);
}

TEST(HostTypeLib, OtherHostsApplicationsHaveThePublishedIds) {
    ExpectDispatch("ExcelApplication", "g:ActiveWindow=2F7 g:CommandBars=59F g:Version=188");
    ExpectDispatch("PowerPointApplication",
                   "g:Windows=7D2 g:ActiveWindow=7D4 g:CommandBars=7D7 g:Version=7DE");
    ExpectDispatch("PowerPointDocumentWindows", "g:Count=B m:Item=0");
    ExpectDispatch("AccessApplication", "g:CommandBars=87E g:CurrentProject=8A7 g:Version=949");
    ExpectDispatch("AccessCurrentProject", "g:IsConnected=8DD g:Name=82E g:FullName=8D4");
    ExpectDispatch("ProjectApplication", "g:ActiveWindow=138B g:Version=139C g:CommandBars=13B1");
    ExpectDispatch("VisioApplication", "g:ActiveWindow=2 g:Version=E g:CommandBars=60020075");
    for (const char *identityOnly : {"PublisherApplication", "FrontPageApplication", "MapPointApplication",
                                     "InfoPathApplication", "ProjectEProjectApp"})
        ExpectDispatch(identityOnly, "");
}

TEST(HostTypeLib, OtherHostsEventsHaveThePublishedIds) {
    ExpectDispatch("ExcelAppEvents",
                   "NewWorkbook=61D SheetSelectionChange=616 SheetBeforeDoubleClick=617 "
                   "SheetBeforeRightClick=618 SheetActivate=619 SheetDeactivate=61A "
                   "SheetCalculate=61B SheetChange=61C WorkbookOpen=61F WorkbookActivate=620 "
                   "WorkbookDeactivate=621 WorkbookBeforeClose=622 WorkbookBeforeSave=623 "
                   "WorkbookBeforePrint=624 WorkbookNewSheet=625 WorkbookAddinInstall=626 "
                   "WorkbookAddinUninstall=627 WindowResize=612 WindowActivate=614 "
                   "WindowDeactivate=615 SheetFollowHyperlink=73E SheetPivotTableUpdate=86D "
                   "WorkbookPivotTableCloseConnection=870 WorkbookPivotTableOpenConnection=871 "
                   "WorkbookSync=8F1 WorkbookBeforeXmlImport=8F2 WorkbookAfterXmlImport=8F3 "
                   "WorkbookBeforeXmlExport=8F4 WorkbookAfterXmlExport=8F5 "
                   "WorkbookRowsetComplete=A33 AfterCalculate=A34 "
                   "SheetPivotTableAfterValueChange=B4F SheetPivotTableBeforeAllocateChanges=B50 "
                   "SheetPivotTableBeforeCommitChanges=B51 "
                   "SheetPivotTableBeforeDiscardChanges=B52 ProtectedViewWindowOpen=B57 "
                   "ProtectedViewWindowBeforeEdit=B59 ProtectedViewWindowBeforeClose=B5A "
                   "ProtectedViewWindowResize=B5C ProtectedViewWindowActivate=B5D "
                   "ProtectedViewWindowDeactivate=B5E WorkbookAfterSave=B5F WorkbookNewChart=B60 "
                   "SheetLensGalleryRenderComplete=C01 SheetTableUpdate=C02 "
                   "WorkbookModelChange=C06 SheetBeforeDelete=C05");
    ExpectDispatch("PowerPointEApplication",
                   "WindowSelectionChange=7D1 WindowBeforeRightClick=7D2 "
                   "WindowBeforeDoubleClick=7D3 PresentationClose=7D4 PresentationSave=7D5 "
                   "PresentationOpen=7D6 NewPresentation=7D7 PresentationNewSlide=7D8 "
                   "WindowActivate=7D9 WindowDeactivate=7DA SlideShowBegin=7DB "
                   "SlideShowNextBuild=7DC SlideShowNextSlide=7DD SlideShowEnd=7DE "
                   "PresentationPrint=7DF SlideSelectionChanged=7E0 ColorSchemeChanged=7E1 "
                   "PresentationBeforeSave=7E2 SlideShowNextClick=7E3 AfterNewPresentation=7E4 "
                   "AfterPresentationOpen=7E5 PresentationSync=7E6 SlideShowOnNext=7E7 "
                   "SlideShowOnPrevious=7E8 PresentationBeforeClose=7E9 "
                   "ProtectedViewWindowOpen=7EA ProtectedViewWindowBeforeEdit=7EB "
                   "ProtectedViewWindowBeforeClose=7EC ProtectedViewWindowActivate=7ED "
                   "ProtectedViewWindowDeactivate=7EE PresentationCloseFinal=7EF "
                   "AfterDragDropOnSlide=7F0 AfterShapeSizeChange=7F1");
    ExpectDispatch("ProjectEProjectApp2",
                   "NewProject=1 ProjectBeforeTaskDelete=6 ProjectBeforeResourceDelete=7 "
                   "ProjectBeforeAssignmentDelete=8 ProjectBeforeTaskChange=9 "
                   "ProjectBeforeResourceChange=A ProjectBeforeAssignmentChange=B "
                   "ProjectBeforeTaskNew=C ProjectBeforeResourceNew=D "
                   "ProjectBeforeAssignmentNew=E ProjectBeforeClose=2 ProjectBeforePrint=4 "
                   "ProjectBeforeSave=3 ProjectCalculate=5 WindowGoalAreaChange=F "
                   "WindowSelectionChange=10 WindowBeforeViewChange=11 WindowViewChange=12 "
                   "WindowActivate=13 WindowDeactivate=14 WindowSidepaneDisplayChange=15 "
                   "WindowSidepaneTaskChange=16 WorkpaneDisplayChange=17 LoadWebPage=18 "
                   "ProjectAfterSave=19 ProjectTaskNew=1A ProjectResourceNew=1B "
                   "ProjectAssignmentNew=1C ProjectBeforeSaveBaseline=1D "
                   "ProjectBeforeClearBaseline=1E ProjectBeforeClose2=40000002 "
                   "ProjectBeforePrint2=40000004 ProjectBeforeSave2=40000003 "
                   "ProjectBeforeTaskDelete2=40000006 ProjectBeforeResourceDelete2=40000007 "
                   "ProjectBeforeAssignmentDelete2=40000008 ProjectBeforeTaskChange2=40000009 "
                   "ProjectBeforeResourceChange2=4000000A ProjectBeforeAssignmentChange2=4000000B "
                   "ProjectBeforeTaskNew2=4000000C ProjectBeforeResourceNew2=4000000D "
                   "ProjectBeforeAssignmentNew2=4000000E ApplicationBeforeClose=1F "
                   "OnUndoOrRedo=20 AfterCubeBuilt=21 LoadWebPane=22 JobStart=23 JobCompleted=24 "
                   "SaveStartingToServer=25 SaveCompletedToServer=26 ProjectBeforePublish=27 "
                   "PaneActivate=28 SecondaryViewChange=29 IsFunctionalitySupported=2A "
                   "ConnectionStatusChanged=2B");
    ExpectDispatch("FrontPageApplicationEvents",
                   "OnWebNew=1 OnWebOpen=2 OnWebClose=3 OnBeforeWebPublish=4 OnAfterWebPublish=5 OnPageNew=6 "
                   "OnPageOpen=7 OnPageClose=8 OnBeforePageSave=9 OnAfterPageSave=A OnWindowActivate=B "
                   "OnWindowDeactivate=C OnBeforeWebWindowViewChange=D OnAfterWebWindowViewChange=E "
                   "OnRecalculateHyperlinks=F OnBeforePageWindowViewChange=10 OnAfterPageWindowViewChange=11 "
                   "OnPageWindowActivate=12 OnWebFileCheckOut=13 OnBeforeWebWindowSubViewChange=14 "
                   "OnAfterWebWindowSubViewChange=15");
    ExpectDispatch("VisioEApplication",
                   "AppActivated=1001 AppDeactivated=1002 AppObjActivated=1004 "
                   "AppObjDeactivated=1008 BeforeQuit=1010 BeforeModal=1020 AfterModal=1040 "
                   "WindowOpened=8001 SelectionChanged=2BD BeforeWindowClosed=4001 "
                   "WindowActivated=1080 BeforeWindowSelDelete=2BE BeforeWindowPageTurn=2BF "
                   "WindowTurnedToPage=2C0 DocumentOpened=2 DocumentCreated=1 DocumentSaved=3 "
                   "DocumentSavedAs=4 DocumentChanged=2002 BeforeDocumentClose=4002 "
                   "StyleAdded=8004 StyleChanged=2004 BeforeStyleDelete=4004 MasterAdded=8008 "
                   "MasterChanged=2008 BeforeMasterDelete=4008 PageAdded=8010 PageChanged=2010 "
                   "BeforePageDelete=4010 ShapeAdded=8040 BeforeSelectionDelete=385 "
                   "ShapeChanged=2040 SelectionAdded=386 BeforeShapeDelete=4040 TextChanged=2080 "
                   "CellChanged=2800 MarkerEvent=1100 NoEventsPending=1200 VisioIsIdle=1400 "
                   "MustFlushScopeBeginning=C8 MustFlushScopeEnded=C9 RunModeEntered=5 "
                   "DesignModeEntered=6 BeforeDocumentSave=7 BeforeDocumentSaveAs=8 "
                   "FormulaChanged=3000 ConnectionsAdded=8100 ConnectionsDeleted=4100 "
                   "EnterScope=CA ExitScope=CB QueryCancelQuit=CC QuitCanceled=CD "
                   "WindowChanged=2001 ViewChanged=2C1 QueryCancelWindowClose=2C2 "
                   "WindowCloseCanceled=2C3 QueryCancelDocumentClose=9 DocumentCloseCanceled=A "
                   "QueryCancelStyleDelete=12C StyleDeleteCanceled=12D "
                   "QueryCancelMasterDelete=190 MasterDeleteCanceled=191 "
                   "QueryCancelPageDelete=1F4 PageDeleteCanceled=1F5 ShapeParentChanged=322 "
                   "BeforeShapeTextEdit=323 ShapeExitedTextEdit=324 "
                   "QueryCancelSelectionDelete=387 SelectionDeleteCanceled=388 "
                   "QueryCancelUngroup=389 UngroupCanceled=38A QueryCancelConvertToGroup=38B "
                   "ConvertToGroupCanceled=38C QueryCancelSuspend=CE SuspendCanceled=CF "
                   "BeforeSuspend=D0 AfterResume=D1 OnKeystrokeMessageForAddon=2C4 MouseDown=2C5 "
                   "MouseMove=2C6 MouseUp=2C7 KeyDown=2C8 KeyPress=2C9 KeyUp=2CA "
                   "QueryCancelSuspendEvents=D2 SuspendEventsCanceled=D3 BeforeSuspendEvents=D4 "
                   "AfterResumeEvents=D5 QueryCancelGroup=38D GroupCanceled=38E "
                   "ShapeDataGraphicChanged=327 BeforeDataRecordsetDelete=4020 "
                   "DataRecordsetChanged=2020 DataRecordsetAdded=8020 ShapeLinkAdded=325 "
                   "ShapeLinkDeleted=326 AfterRemoveHiddenInformation=B "
                   "ContainerRelationshipAdded=1F6 ContainerRelationshipDeleted=1F7 "
                   "CalloutRelationshipAdded=1F8 CalloutRelationshipDeleted=1F9 "
                   "RuleSetValidated=D QueryCancelReplaceShapes=38F ReplaceShapesCanceled=390 "
                   "BeforeReplaceShapes=391 AfterReplaceShapes=392");
    ExpectDispatch("MapPointApplicationEvents",
                   "New=6041501 Open=6041502 Quit=6041503 BeforeSave=6041504 BeforeClose=6041505");
    ExpectDispatch("PublisherApplicationEvents",
                   "WindowActivate=1 WindowDeactivate=2 WindowPageChange=4 Quit=5 NewDocument=6 "
                   "DocumentOpen=7 DocumentBeforeClose=8 MailMergeAfterMerge=9 "
                   "MailMergeAfterRecordMerge=A MailMergeBeforeMerge=B "
                   "MailMergeBeforeRecordMerge=C MailMergeDataSourceLoad=D "
                   "MailMergeWizardSendToCustom=10 MailMergeWizardStateChange=11 "
                   "MailMergeDataSourceValidate=12 MailMergeInsertBarcode=13 "
                   "MailMergeRecipientListClose=14 MailMergeGenerateBarcode=15 "
                   "MailMergeWizardFollowUpCustom=16 BeforePrint=17 AfterPrint=18 "
                   "ShowCatalogUI=19 HideCatalogUI=1A");
    ExpectDispatch("InfoPathApplicationEvents",
                   "WindowActivate=1 WindowDeactivate=2 WindowSize=3 XDocumentBeforeClose=4 "
                   "XDocumentBeforePrint=5 XDocumentBeforeSave=6 NewXDocument=7 XDocumentOpen=8 Quit=9 "
                   "XDocumentChange=A");
}
